// morscript: compiles a script and runs it to its end, or lists its program.
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

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

// Text of a constant for the listing, quoted, with unprintable bytes escaped.
std::string Quote(const std::string& s)
{
    std::string out = "\"";
    for (unsigned char c : s) {
        if (c == '"' || c == '\\') {
            out += '\\';
            out += static_cast<char>(c);
        } else if (c == '\n') {
            out += "\\n";
        } else if (c == '\t') {
            out += "\\t";
        } else if (c < 32 || c >= 127) {
            char esc[8];
            snprintf(esc, sizeof esc, "\\x%02x", c);
            out += esc;
        } else {
            out += static_cast<char>(c);
        }
    }
    return out + "\"";
}

std::string Operand(const State& S, const Opcode& op)
{
    char buf[64];
    switch (op.code) {
    case OP_PUSH:
        if (static_cast<unsigned>(op.val) < S.m_consts.size())
            return Quote(S.m_consts[op.val].GetStr());
        break;
    case OP_CALL: {
        unsigned f = static_cast<unsigned>(op.val) & 0xFFFFu;
        unsigned n = static_cast<unsigned>(op.val) >> 16;
        std::string name = f < S.m_funcs.size() ? S.m_funcs[f].name : "?";
        snprintf(buf, sizeof buf, " (%u argument%s)", n, n == 1 ? "" : "s");
        return name + buf;
    }
    case OP_JMP: case OP_JT: case OP_JF:
        if (static_cast<unsigned>(op.val) < S.m_labels.size()) {
            snprintf(buf, sizeof buf, "L%d -> %u", op.val, S.m_labels[op.val]);
            return buf;
        }
        break;
    case OP_SETVAR: case OP_GETVAR:
        if (op.val < 0)
            snprintf(buf, sizeof buf, "local %d", op.val & 0x7FFFFFFF);
        else
            snprintf(buf, sizeof buf, "global %d", op.val);
        return buf;
    default:
        return "";
    }
    snprintf(buf, sizeof buf, "%d", op.val);
    return buf;
}

void Disassemble(const State& S)
{
    for (size_t i = 0; i < S.m_opcodes.size(); ++i) {
        const Opcode& op = S.m_opcodes[i];
        const char* name = static_cast<unsigned>(op.code) < OP_COUNT ? OPCODE_NAMES[op.code] : "?";
        printf("%6zu  %-7s %-30s line %d\n", i, name, Operand(S, op).c_str(), op.line);
    }
    printf("\nFunctions:\n");
    for (size_t i = 0; i < S.m_funcs.size(); ++i) {
        const Function& f = S.m_funcs[i];
        if (f.type == FUNC_HOST) {
            static const char* const LIMITS[] = {"at least", "at most", "exactly"};
            printf("%6zu  %-20s host, %s %d argument%s\n", i, f.name.c_str(),
                   LIMITS[f.limittype], f.params, f.params == 1 ? "" : "s");
        } else {
            unsigned entry = f.calllabel < S.m_labels.size() ? S.m_labels[f.calllabel] : 0;
            printf("%6zu  %-20s script, %d parameter%s, entry L%u -> %u, %d local%s%s\n", i,
                   f.name.c_str(), f.params, f.params == 1 ? "" : "s", f.calllabel, entry, f.vars,
                   f.vars == 1 ? "" : "s", f.baked ? "" : ", not defined");
        }
    }
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
        Disassemble(state);
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
