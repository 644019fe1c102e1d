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

// The state ends each message with "\r\n", so every error is one console
// line. The script log keeps a copy, with a plain line feed, so that errors
// can be found after the game has ended.
int MyOutputter::Write(const char* text)
{
    printf("%s: %s", "ScriptIO", text);
    if (logFile) {
        std::string line = text;
        if (line.size() >= 2 && line.compare(line.size() - 2, 2, "\r\n") == 0)
            line.replace(line.size() - 2, 2, "\n");
        fprintf(logFile, "%s: %s", "ScriptIO", line.c_str());
        fflush(logFile);
    }
    return 1;
}
