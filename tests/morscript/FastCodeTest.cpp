// Runs of opcodes executed in one go must give exactly the result of the
// opcodes one at a time: every script here runs both ways.
#include <gtest/gtest.h>

#include "ScriptFixture.h"

using namespace MorScript;
using MorScriptTest::Script;

namespace {

// What a run leaves behind: printed text, errors and every global's value.
std::string RunWithBudget(const std::string& source, int budget)
{
    Script s;
    EXPECT_TRUE(s.Compile(source)) << s.Errors();
    while (s.S.Step(budget) == 1) {
    }
    std::string globals;
    for (Value& v : s.S.m_vars)
        globals += "[" + v.GetStr() + "]";
    return s.Printed() + "|" + s.Errors() + "|" + globals;
}

void ExpectSameBothWays(const std::string& source)
{
    EXPECT_EQ(RunWithBudget(source, 1), RunWithBudget(source, 1 << 30)) << source;
}

}  // namespace

TEST(FastCode, SameResultAsOneOpcodeAtATime)
{
    // The shapes the fast path recognises are all present in this loop.
    const char* loop = "var s = 0, i = 0; while (i < 100) { s += i; ++i; } i++; s = i * 2 + 1; print(s . ' ' . i);";
    Script s;
    ASSERT_TRUE(s.Compile(loop));
    EXPECT_EQ(1, s.S.Step(0));
    for (FastKind kind : {FAST_STORE, FAST_BRANCH, FAST_ASSIGN, FAST_STEP, FAST_PUSH_ARITH, FAST_JUMP, FAST_NOOPS}) {
        bool found = false;
        for (const FastOp& f : s.S.m_fast)
            found |= f.kind == kind;
        EXPECT_TRUE(found) << kind;
    }
    ExpectSameBothWays(loop);
    // texts in arithmetic count as one unless numerical; equality on texts
    // compares texts, on numbers numbers
    ExpectSameBothWays("var a = 'abc', b = '5', c = -1 . '', n = 5, t = '5.0', e = 0; var x = a + 1;"
                       "var y = b * 2; var z = c + 0; a++; ++b; print(x . y . z . a . b);"
                       "e = a == 'Abc'; print(e); e = n == t; print(e); if (c == -1) print('text -1');");
    // errors inside a run report the right line and stop at the same place
    ExpectSameBothWays("var a = 4, b = 0, r;\nr = a / 2;\nprint(r);\nr = a / b;\nprint('never');");
    ExpectSameBothWays("var a = 4, b = 0.5, r;\nr = a % b;\nprint('never');");
    // locals, recursion, stores of texts, comparisons and bit operations
    ExpectSameBothWays("function fib(n) { if (n < 2) return n; return fib(n - 1) + fib(n - 2); } print(fib(15));"
                       "function f(a) { var t = a . 'x'; var u = t; t = 'changed'; return u . t; } print(f('q'));"
                       "var s = ''; var i; for (i = 0; i < 30; i++) s = s . 'a' . i; var copy = s; s = 1;"
                       "var j = i; j--; var z = i < j, w = i >= j, v = (i & j) | 4, sh = i << 40;"
                       "print(copy . s . z . w . v . sh);");
}

TEST(FastCode, BudgetCountsEveryOpcode)
{
    // One opcode at a time and in one slice take the same number of steps.
    const char* source = "var s = 0, i = 0; while (i < 50) { s += i; ++i; }";
    Script a;
    ASSERT_TRUE(a.Compile(source));
    int single = 0;
    while (a.S.Step(1) == 1)
        ++single; // opcodes before the DONE
    Script b;
    ASSERT_TRUE(b.Compile(source));
    EXPECT_EQ(1, b.S.Step(single));
    EXPECT_EQ(b.S.m_opcodes.size() - 1, b.S.m_currcode); // on the DONE, not past it
    EXPECT_EQ(0, b.S.Step(1));
    EXPECT_EQ("1225", b.S.m_vars[0].GetStr());
}
