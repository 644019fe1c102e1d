#include "script/ScriptIO.h"

#include <string>

#include "data/DataFile.h"
#include "script/ScriptManager.h"

// A folder would open and then read as an empty script: it is refused.
MyInputter::MyInputter(const char* path) : fp(isFolder(path) ? nullptr : fopen(path, "r")) {}

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

// Compile and run-time errors go to standard output only; the script log
// keeps its one banner line per start of the game.
int MyOutputter::Write(const char* text)
{
    printf("%s: %s", "ScriptIO", text);
    return 1;
}
