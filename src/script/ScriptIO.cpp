#include "script/ScriptIO.h"

MyInputter::MyInputter(const char* path) : fp(fopen(path, "r")) {}

MyInputter::~MyInputter()
{
    if (fp)
        fclose(fp);
}

int MyInputter::ReadChar()
{
    if (!fp)
        return -1;
    int c = getc(fp);
    return c == EOF ? -1 : c;
}

// The state ends each message with "\r\n", so every error is one console line.
int MyOutputter::Write(const char* text)
{
    printf("%s: %s", "ScriptIO", text);
    return 1;
}
