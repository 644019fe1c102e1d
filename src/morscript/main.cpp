// morscript: compiles a script and runs it to its end, or lists its program.
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

#include "morscript/Disassemble.h"
#include "morscript/State.h"

using namespace MorScript;

namespace {

enum ExitStatus {
    EXIT_DONE = 0,
    EXIT_COMPILE_ERROR = 1,
    EXIT_RUNTIME_ERROR = 2,
    EXIT_UNREADABLE = 3,
    EXIT_MAX_OPS = 4,
};

const char* const HELP =
    "Usage: morscript [--max-ops N] FILE\n"
    "       morscript --disasm FILE\n"
    "       morscript --help\n"
    "\n"
    "Compiles the MorScript source FILE and runs it to its end.\n"
    "One host function is available to the script: print(text), which writes\n"
    "its argument's text and a line feed to standard output.\n"
    "Compile errors (\"Error, line N: ...\") and run-time errors\n"
    "(\"Runtime Error, line N: ...\") are written to standard error.\n"
    "\n"
    "Options:\n"
    "  --max-ops N  stop after N opcodes (no bound by default)\n"
    "  --disasm     compile and list the program instead of running it: one\n"
    "               opcode a line (index, name, operand, source line), then\n"
    "               the function table\n"
    "  --help       show this text\n"
    "\n"
    "A text longer than 16 MiB, calls nested more than 100000 deep and running\n"
    "out of memory stop the script with a run-time error.\n"
    "\n"
    "Exit status: 0 the script reached its end, 1 compile error, 2 run-time\n"
    "error, 3 FILE cannot be read (or the command line is wrong), 4 stopped\n"
    "by --max-ops.\n";

// Writes the state's error lines to standard error with a plain line feed.
class StderrOutputter : public Outputter {
public:
    int Write(const char* text) override
    {
        std::string line(text);
        if (line.size() >= 2 && line.compare(line.size() - 2, 2, "\r\n") == 0)
            line.replace(line.size() - 2, 2, "\n");
        fflush(stdout);
        fputs(line.c_str(), stderr);
        ++lines;
        return 1;
    }
    int lines = 0;
};

int Print(State* S, int, void*)
{
    Value v = S->Pop();
    const std::string& text = v.GetStr();
    fwrite(text.data(), 1, text.size(), stdout);
    fputc('\n', stdout);
    S->Push(Value(std::string()));
    return 1;
}

bool ReadFile(const char* path, std::string* text)
{
    FILE* fp = fopen(path, "rb");
    if (!fp)
        return false;
    char buf[65536];
    size_t n;
    while ((n = fread(buf, 1, sizeof buf, fp)) > 0)
        text->append(buf, n);
    bool ok = !ferror(fp);
    fclose(fp);
    return ok;
}

int Usage(const char* problem)
{
    fprintf(stderr, "morscript: %s\nTry 'morscript --help'.\n", problem);
    return EXIT_UNREADABLE;
}

}  // namespace

int main(int argc, char** argv)
{
    long long maxOps = -1;
    bool disasm = false;
    const char* path = nullptr;
    for (int i = 1; i < argc; ++i) {
        const char* arg = argv[i];
        if (strcmp(arg, "--help") == 0) {
            fputs(HELP, stdout);
            return EXIT_DONE;
        } else if (strcmp(arg, "--disasm") == 0) {
            disasm = true;
        } else if (strcmp(arg, "--max-ops") == 0) {
            if (++i >= argc)
                return Usage("--max-ops needs a number");
            char* end = nullptr;
            errno = 0;
            maxOps = strtoll(argv[i], &end, 10);
            if (errno || !*argv[i] || *end || maxOps < 0)
                return Usage("--max-ops needs a number of 0 or more");
        } else if (arg[0] == '-' && arg[1] != '\0' && !path) {
            return Usage((std::string("unknown option ") + arg).c_str());
        } else if (!path) {
            path = arg;
        } else {
            return Usage("only one FILE may be given");
        }
    }
    if (!path)
        return Usage("no FILE given");

    std::string source;
    if (!ReadFile(path, &source)) {
        fprintf(stderr, "morscript: cannot read %s: %s\n", path, strerror(errno));
        return EXIT_UNREADABLE;
    }

    State state;
    StderrOutputter errors;
    state.AddFunc("print", Print, 1, PARAMS_EXACT, nullptr);
    StringInputter input(source);
    if (!state.Create(&input, &errors, nullptr))
        return EXIT_COMPILE_ERROR;
    if (disasm) {
        fputs(Disassemble(state).c_str(), stdout);
        return EXIT_DONE;
    }

    int result;
    if (maxOps < 0) {
        result = state.Step(-1);
    } else {
        // Step takes an int budget: feed large bounds in slices.
        long long left = maxOps;
        do {
            int slice = left > 1000000000 ? 1000000000 : static_cast<int>(left);
            left -= slice;
            result = state.Step(slice);
        } while (result == 1 && left > 0);
    }
    fflush(stdout);
    if (errors.lines > 0)
        return EXIT_RUNTIME_ERROR;
    return result == 0 ? EXIT_DONE : EXIT_MAX_OPS;
}
