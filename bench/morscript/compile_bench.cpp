// Compile time of a generated 20,000-line script: functions, globals, loops,
// conditionals and calls in a realistic mix, up to a program ready to run.
// Prints the median of five runs.
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <string>
#include <vector>

#include <time.h>

#include "morscript/State.h"

namespace {

class NullOutputter : public MorScript::Outputter {
public:
    int Write(const char* text) override
    {
        fputs(text, stderr);
        return 1;
    }
};

int Print(MorScript::State* S, int, void*)
{
    S->Pop();
    S->Push(MorScript::Value(std::string()));
    return 1;
}

// Ten lines per block, 2,000 blocks.
std::string GenerateScript(int lines)
{
    std::string src;
    int n = 0;
    char buf[1024];
    for (int block = 0; n < lines; ++block) {
        snprintf(buf, sizeof buf,
                 "var g%d = %d, name%d = \"npc %d\";\n"
                 "function step%d(a, b) {\n"
                 "    var t = a * %d + b;\n"
                 "    if (t > 100 && b != 0) { t = t / b; } else t += 1;\n"
                 "    for (var i = 0; i < 3; i++) t .= i;\n"
                 "    while (t > 10) { t -= 10; if (t == 15) break; }\n"
                 "    return t . name%d;\n"
                 "}\n"
                 "g%d = step%d(g%d, %d) . \"done\";  # a comment\n"
                 "if (g%d == \"x\") print(g%d); else { g%d++; }\n",
                 block, block, block, block, block, block % 7 + 1, block, block, block, block,
                 block % 5, block, block, block);
        src += buf;
        n += 10;
    }
    return src;
}

// CPU time of this process in milliseconds: unlike the wall clock it does not
// count the time other processes on a busy machine take.
double CpuMs()
{
    timespec ts;
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &ts);
    return ts.tv_sec * 1000.0 + ts.tv_nsec / 1e6;
}

}  // namespace

int main()
{
    const std::string source = GenerateScript(20000);
    std::vector<double> ms, cpu;
    size_t opcodes = 0;
    for (int run = 0; run < 5; ++run) {
        MorScript::State S;
        S.AddFunc("print", Print, 1, MorScript::PARAMS_EXACT, nullptr);
        NullOutputter out;
        MorScript::StringInputter in(source);
        double cpuStart = CpuMs();
        auto start = std::chrono::steady_clock::now();
        int ok = S.Create(&in, &out, nullptr);
        auto end = std::chrono::steady_clock::now();
        cpu.push_back(CpuMs() - cpuStart);
        if (!ok)
            return 1;
        opcodes = S.m_opcodes.size();
        ms.push_back(std::chrono::duration<double, std::milli>(end - start).count());
    }
    std::sort(ms.begin(), ms.end());
    std::sort(cpu.begin(), cpu.end());
    // Create compiles and builds the run table the VM executes.
    printf("compile 20000 lines (%zu bytes, %zu opcodes, run table included): median %.1f ms wall, %.1f ms CPU\n",
           source.size(), opcodes, ms[2], cpu[2]);
    return 0;
}
