// Runs of opcodes executed in one go must give exactly the result of the
// opcodes one at a time: every script here runs both ways.
#include <gtest/gtest.h>

#include "ScriptFixture.h"

using namespace MorScript;
using MorScriptTest::Script;

namespace {

struct Outcome {
    std::string printed, errors, globals;
    long long steps = 0;
};

Outcome RunWithBudget(const std::string& source, int budget)
{
    Script s;
    EXPECT_TRUE(s.Compile(source)) << s.Errors();
    Outcome o;
    int r;
    while ((r = s.S.Step(budget)) == 1)
        o.steps += budget;
    for (Value& v : s.S.m_vars)
        o.globals += "[" + v.GetStr() + "]";
    o.printed = s.Printed();
    o.errors = s.Errors();
    return o;
}

void ExpectSameBothWays(const std::string& source)
{
    Outcome whole = RunWithBudget(source, 1 << 30);
    Outcome single = RunWithBudget(source, 1);
    EXPECT_EQ(single.printed, whole.printed) << source;
    EXPECT_EQ(single.errors, whole.errors) << source;
    EXPECT_EQ(single.globals, whole.globals) << source;
}

bool HasKind(const State& S, FastKind kind)
{
    for (const FastOp& f : S.m_fast)
        if (f.kind == kind)
            return true;
    return false;
}

}  // namespace

TEST(FastCode, CommonShapesAreRecognised)
{
    Script s;
    ASSERT_TRUE(s.Compile("var s = 0, i = 0; while (i < 10) { s += i; ++i; } i++; s = i * 2 + 1;"));
    EXPECT_TRUE(s.S.m_fast.empty());  // built by the first Step
    EXPECT_EQ(1, s.S.Step(0));
    EXPECT_TRUE(HasKind(s.S, FAST_STORE));
    EXPECT_TRUE(HasKind(s.S, FAST_BRANCH));
    EXPECT_TRUE(HasKind(s.S, FAST_ASSIGN));
    EXPECT_TRUE(HasKind(s.S, FAST_STEP));
    EXPECT_TRUE(HasKind(s.S, FAST_PUSH_ARITH));
    EXPECT_TRUE(HasKind(s.S, FAST_JUMP));
    EXPECT_TRUE(HasKind(s.S, FAST_NOOPS));
}

TEST(FastCode, SameResultAsOneOpcodeAtATime)
{
    ExpectSameBothWays("var s = 0, i = 0; while (i < 100) { s += i; ++i; } print(s . ' ' . i);");
    ExpectSameBothWays("var i; for (i = 0; i < 5; i++) ; var j = i; j--; print(i . j);");
    // texts in arithmetic: non-numerical text counts as one
    ExpectSameBothWays("var a = 'abc', b = '5', c = -1 . ''; var x = a + 1; var y = b * 2; var z = c + 0;"
                       "a++; ++b; print(x . y . z . a . b);");
    // equality on texts is a text comparison, on numbers a numeric one
    ExpectSameBothWays("var a = 'abc', b = 'Abc', n = 5, t = '5.0', e = 0;"
                       "e = a == b; print(e); e = n == t; print(e); if (a != b) print('ne');"
                       "var c = -1 . ''; if (c == -1) print('text -1');");
    // errors inside a run report the right line and stop at the same place
    ExpectSameBothWays("var a = 4, b = 0, r;\nr = a / 2;\nprint(r);\nr = a / b;\nprint('never');");
    ExpectSameBothWays("var a = 4, b = 0.5, r;\nr = a % b;\nprint('never');");
    // locals, recursion and stores of texts
    ExpectSameBothWays("function fib(n) { if (n < 2) return n; return fib(n - 1) + fib(n - 2); } print(fib(15));");
    ExpectSameBothWays("function f(a) { var t = a . 'x'; var u = t; t = 'changed'; return u . t; } print(f('q'));");
    ExpectSameBothWays("var s = ''; var i; for (i = 0; i < 30; i++) s = s . 'a' . i; var copy = s; s = 1; print(copy . s);");
    ExpectSameBothWays("var x = 2, y = 3; var z = x < y; var w = x >= y; var v = (x & y) | 4; var sh = x << 40; print(z . w . v . sh);");
}

TEST(FastCode, BudgetCountsEveryOpcode)
{
    // One opcode at a time and in large slices take the same number of steps.
    const char* source = "var s = 0, i = 0; while (i < 50) { s += i; ++i; }";
    Script a;
    ASSERT_TRUE(a.Compile(source));
    long long single = 0;
    while (a.S.Step(1) == 1)
        ++single;  // opcodes before the DONE
    Script b;
    ASSERT_TRUE(b.Compile(source));
    EXPECT_EQ(1, b.S.Step(static_cast<int>(single)));
    EXPECT_EQ(b.S.m_opcodes.size() - 1, b.S.m_currcode);  // on the DONE, not past it
    EXPECT_EQ(0, b.S.Step(1));  // the DONE
    EXPECT_TRUE(b.S.Done());
    EXPECT_EQ("1225", b.S.m_vars[0].GetStr());
}
