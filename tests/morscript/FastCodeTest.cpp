// Runs of opcodes executed in one go must give exactly the result of the
// opcodes one at a time: random programs and the benchmark programs run both
// ways; step budgets and wait callbacks must stop at the same opcode.
#include <gtest/gtest.h>

#include <dirent.h>

#include <fstream>
#include <random>
#include <sstream>
#include <vector>

#include "CrossCheck.h"
#include "ScriptFixture.h"

using namespace MorScript;
using MorScriptCheck::CrossCheck;
using MorScriptTest::Script;

namespace {

// Random programs over every operator, loop form, assignment form, global
// and local variables, texts and numbers, calls and returns. Loops are
// bounded by counters, so most programs end on their own.
class ProgramGenerator {
public:
    explicit ProgramGenerator(unsigned seed) : m_rng(seed) {}

    std::string Program()
    {
        std::string src;
        m_vars = {"g0", "g1", "g2", "g3"};
        src += "var g0 = 3, g1 = 'abc', g2 = 0.5, g3 = '12';\n";
        for (int f = 0; f < 3; ++f) {
            std::vector<std::string> saved = m_vars;
            int params = Pick(3);
            src += "function f" + std::to_string(f) + "(";
            for (int p = 0; p < params; ++p) {
                std::string name = "p" + std::to_string(p);
                src += (p ? ", " : "") + name;
                m_vars.push_back(name);
            }
            src += ") {\n var l0 = " + Expr(1) + ", l1;\n";
            m_vars.push_back("l0");
            m_vars.push_back("l1");
            m_inFunction = true;
            src += Block(3) + " return " + Expr(2) + ";\n}\n";
            m_inFunction = false;
            m_vars = saved;
            m_params.push_back(params);
        }
        src += Block(4);
        src += "print(g0 . ' ' . g1 . ' ' . g2 . ' ' . g3);\n";
        m_params.clear();
        return src;
    }

private:
    int Pick(int n) { return static_cast<int>(m_rng() % n); }
    const std::string& Var() { return m_vars[Pick(static_cast<int>(m_vars.size()))]; }

    std::string Constant()
    {
        static const char* const CONSTANTS[] = {"0", "1", "2", "7", "1000000", "0.5", "'abc'", "'5'",
                                                "'5.0'", "''", "'-2'", "'x'", "(-1)", "3.25"};
        return CONSTANTS[Pick(sizeof CONSTANTS / sizeof *CONSTANTS)];
    }

    std::string Expr(int depth)
    {
        static const char* const BINARY[] = {"+", "-", "*", "/", "%", "<<", ">>", ".", "&", "|",
                                             "^", "&&", "||", "<", ">", "<=", ">=", "==", "!="};
        int kind = depth <= 0 ? Pick(2) : Pick(9);
        switch (kind) {
        case 0: return Var();
        case 1: return Constant();
        case 2: case 3: case 4:
            return "(" + Expr(depth - 1) + " " + BINARY[Pick(sizeof BINARY / sizeof *BINARY)] + " " +
                   Expr(depth - 1) + ")";
        case 5: {
            static const char* const UNARY[] = {"-", "+", "!", "~"};
            return std::string(UNARY[Pick(4)]) + "(" + Expr(depth - 1) + ")";
        }
        case 6: {
            const std::string& v = Var();
            static const char* const STEPS[] = {"++", "--"};
            return Pick(2) ? "(" + v + STEPS[Pick(2)] + ")" : "(" + std::string(STEPS[Pick(2)]) + v + ")";
        }
        case 7:
            if (!m_params.empty()) {
                int f = Pick(static_cast<int>(m_params.size()));
                std::string call = "f" + std::to_string(f) + "(";
                for (int p = 0; p < m_params[f]; ++p)
                    call += (p ? ", " : "") + Expr(depth - 1);
                return call + ")";
            }
            return Var();
        default:
            return "(" + Var() + " = " + Expr(depth - 1) + ")";
        }
    }

    std::string Counter() { return "c" + std::to_string(m_counters++); }

    std::string Stmt(int depth)
    {
        static const char* const ASSIGN[] = {"=", "+=", "-=", "*=", "/=", "%=", ".=",
                                             "&=", "|=", "^=", "<<=", ">>="};
        int kind = depth <= 0 ? Pick(3) : Pick(10);
        switch (kind) {
        case 0: return Var() + " " + ASSIGN[Pick(12)] + " " + Expr(2) + ";\n";
        case 1: return Var() + (Pick(2) ? "++;\n" : "--;\n");
        case 2: return "print(" + Expr(2) + ");\n";
        case 3:
            return "if (" + Expr(2) + ") " + Block(depth - 1) + (Pick(2) ? " else " + Block(depth - 1) : "") + "\n";
        case 4: {
            std::string c = Counter();
            return "var " + c + " = 0;\nwhile (" + c + " < " + std::to_string(1 + Pick(12)) + ") {\n" + c +
                   "++;\n" + LoopBody(depth) + "}\n";
        }
        case 5: {
            std::string c = Counter();
            return "for (var " + c + " = 0; " + c + " < " + std::to_string(1 + Pick(12)) + "; " + c +
                   (Pick(2) ? "++" : " += 1") + ") {\n" + LoopBody(depth) + "}\n";
        }
        case 6: {
            std::string c = Counter();
            return "var " + c + " = " + std::to_string(Pick(6)) + ";\ndo {\n" + LoopBody(depth) + c +
                   "--;\n} while (" + c + " > 0);\n";
        }
        case 7:
            if (m_inFunction && Pick(3) == 0)
                return "if (" + Expr(1) + ") return " + Expr(2) + ";\n";
            return Var() + " = " + Var() + " . " + Expr(1) + ";\n";
        case 8: return Var() + " .= " + Expr(1) + " . " + Expr(1) + ";\n";
        default: return Expr(3) + ";\n";
        }
    }

    std::string LoopBody(int depth)
    {
        std::string body = Block(depth - 1);
        if (Pick(4) == 0)
            body += "if (" + Expr(1) + ") " + (Pick(2) ? "break;\n" : "continue;\n");
        return body;
    }

    std::string Block(int depth)
    {
        std::string s = "{\n";
        for (int n = 1 + Pick(4); n > 0; --n)
            s += Stmt(depth);
        return s + "}";
    }

    std::mt19937 m_rng;
    std::vector<std::string> m_vars;
    std::vector<int> m_params;
    bool m_inFunction = false;
    int m_counters = 0;
};

}  // namespace

TEST(FastCode, RandomProgramsRunAlikeInSlicesAndOneByOne)
{
    int compiled = 0;
    for (unsigned seed = 1; seed <= 300; ++seed) {
        const std::string source = ProgramGenerator(seed).Program();
        compiled += MorScriptCheck::RunAndDescribe(source, 0, 1).compare(0, 13, "compile error") != 0;
        for (int slice : {1 << 30, 7}) {
            std::string diff = CrossCheck(source, 20000, slice);
            ASSERT_EQ("", diff) << "seed " << seed << "\n" << source;
        }
    }
    EXPECT_EQ(300, compiled);
}

TEST(FastCode, BenchmarkProgramsRunAlikeInSlicesAndOneByOne)
{
    // The first two million opcodes of each benchmark, compared at the end
    // and with slices that end inside runs.
    DIR* dir = opendir(MORSCRIPT_BENCH_DIR);
    ASSERT_NE(nullptr, dir);
    int programs = 0;
    while (dirent* entry = readdir(dir)) {
        std::string name = entry->d_name;
        if (name.size() < 4 || name.compare(name.size() - 4, 4, ".mor") != 0)
            continue;
        const std::string source = MorScriptTest::ReadFile(std::string(MORSCRIPT_BENCH_DIR) + "/" + name);
        ++programs;
        EXPECT_EQ("", CrossCheck(source, 2000000, 1 << 30)) << name;
        EXPECT_EQ("", CrossCheck(source, 300000, 997)) << name;
    }
    closedir(dir);
    EXPECT_GE(programs, 8);
}

TEST(FastCode, EveryBudgetStopsAtTheSameOpcode)
{
    // Step(k) must execute exactly k opcodes, also when k ends inside a run.
    const char* source =
        "function f(a, b) { for (var i = 0; i < 3; i++) a += b * i; return a . ''; }\n"
        "var s = '', n = 0;\n"
        "while (n < 4) { s = s . f(n, 2) . ','; s .= n; ++n; if (n == 2) continue; }\n"
        "do { n--; } while (n > 0);\n";
    for (int k = 0; k < 400; ++k) {
        Script one, many;
        ASSERT_TRUE(one.Compile(source));
        ASSERT_TRUE(many.Compile(source));
        for (int i = 0; i < k; ++i)
            one.S.Step(1);
        many.S.Step(k);
        ASSERT_EQ(one.S.m_currcode, many.S.m_currcode) << k;
        ASSERT_EQ(one.S.m_stack.Size(), many.S.m_stack.Size()) << k;
        for (size_t v = 0; v < one.S.m_vars.size(); ++v)
            ASSERT_EQ(one.S.m_vars[v].GetStr(), many.S.m_vars[v].GetStr()) << k;
    }
}

namespace {

struct Hold {
    int polls = 0;
    int release = 0;  // polls answered 0 before releasing
};

int HoldPoll(State*, void* user, int terminating)
{
    Hold* hold = static_cast<Hold*>(user);
    if (terminating)
        return 1;
    return ++hold->polls > hold->release ? 1 : 0;
}

int StartHold(State* S, int, void* user)
{
    static_cast<Hold*>(user)->polls = 0;
    S->SetWaitFunc(HoldPoll, user);
    S->Push(Value(std::string()));
    return 1;
}

}  // namespace

TEST(FastCode, WaitRequestedInsideALoopStopsAtTheNextOpcode)
{
    // hold() sits between joined runs; the wait must stop the script on the
    // POP after the call, whatever the budget.
    Script s;
    Hold hold;
    hold.release = 2;
    s.S.AddFunc("hold", StartHold, 0, PARAMS_EXACT, &hold);
    ASSERT_TRUE(s.Compile("var i = 0, t = 0;\nwhile (i < 5) { t += i * 2; hold(); i++; }\nprint(t);"));
    size_t call = 0;
    while (s.S.m_opcodes[call].code != OP_CALL)
        ++call;
    EXPECT_EQ(2, s.S.Step(-1));
    EXPECT_EQ(call + 1, s.S.m_currcode);
    EXPECT_EQ("0", s.S.m_vars[1].GetStr());
    EXPECT_EQ(2, s.S.Step(1000));  // second poll still holds
    EXPECT_EQ(call + 1, s.S.m_currcode);
    EXPECT_EQ(2, s.S.Step(1000));  // released, runs to the next hold()
    EXPECT_EQ(call + 1, s.S.m_currcode);
    EXPECT_EQ("2", s.S.m_vars[1].GetStr());
}

TEST(FastCode, ErrorInsideAnInPlaceAppendLeavesWhatOneByOneLeaves)
{
    // The variable keeps its old text and the stack holds the partial result.
    const char* source = "var s = 'ab', z = 0;\ns = s . 'c' . (1 / z);\n";
    EXPECT_EQ("", CrossCheck(source, 1000, 1 << 30));
    Script s;
    ASSERT_TRUE(s.Compile(source));
    s.S.Step(-1);
    EXPECT_EQ("ab", s.S.m_vars[0].GetStr());
    EXPECT_EQ("Runtime Error, line 2: Divide by zero\r\n", s.Errors());
}
