#include <gtest/gtest.h>

#include <new>

#include "ScriptFixture.h"

using namespace MorScript;
using MorScriptTest::RuntimeError;
using MorScriptTest::Script;

namespace {

int Fail(State*, int, void*)
{
    return 0;
}

// Joins its arguments with '|', so the order they arrive in is visible.
int Join(State* S, int n, void*)
{
    std::string text;
    for (int i = 0; i < n; ++i)
        text = S->Pop().GetStr() + (i ? "|" : "") + text;
    S->Push(Value(text));
    return 1;
}

// Pops more than it was given: the extra values are empty texts.
int Greedy(State* S, int, void*)
{
    std::string text = "[";
    for (int i = 0; i < 3; ++i)
        text += S->Pop().GetStr();
    S->Push(Value(text + "]"));
    return 1;
}

struct WaitLog {
    int holds = 0; // how many polls to answer 0
    int polls = 0;
    int terminations = 0;
};

int HoldWait(State*, void* user, int terminating)
{
    WaitLog* log = static_cast<WaitLog*>(user);
    if (terminating) {
        ++log->terminations;
        return 1;
    }
    return ++log->polls > log->holds ? 1 : 0;
}

int StartWaiting(State* S, int, void* user)
{
    S->SetWaitFunc(HoldWait, user);
    S->Push(Value(std::string()));
    return 1;
}

// The run-time error of a hand-made program, from its first opcode.
std::string HandMadeError(State& S)
{
    MorScriptTest::RecordingOutputter out;
    S.SetOutputter(&out);
    S.Step(10);
    return out.text_;
}

}  // namespace

TEST(StateRuntimeErrors, MessagesAndLines)
{
    EXPECT_EQ("Runtime Error, line 2: Divide by zero", RuntimeError("var a = 1;\nprint(a / 0);"));
    EXPECT_EQ("Runtime Error, line 1: Modulus divide by zero", RuntimeError("print(5 % 0.5);"));

    Script s;
    s.S.AddFunc("fail", Fail, 1, PARAMS_EXACT, nullptr);
    ASSERT_TRUE(s.Compile("print(1);\n\nfail(2);\nprint(3);"));
    EXPECT_EQ(0, s.S.Step(-1));
    EXPECT_EQ("1\n", s.Printed());
    EXPECT_EQ("Runtime Error, line 3: C function 'fail()' failed!\r\n", s.Errors());
    EXPECT_EQ(0, s.S.Step(5)) << "stays done";

    State noDone;
    noDone.m_opcodes.push_back(Opcode{OP_NOOP, 4, 0});
    EXPECT_EQ("Runtime Error, line 0: Reached end of VM code without hitting OP_DONE\r\n", HandMadeError(noDone));
    State badReturn;
    badReturn.m_opcodes = {Opcode{OP_RETURN, 7, 0}, Opcode{OP_DONE, 8, 0}};
    EXPECT_EQ("Runtime Error, line 7: Callstack is empty!\r\n", HandMadeError(badReturn));
    State badCode;
    badCode.m_opcodes = {Opcode{99, 3, 0}, Opcode{OP_DONE, 8, 0}};
    EXPECT_EQ("Runtime Error, line 3: Unrecognized opcode\r\n", HandMadeError(badCode));
    State badCall;
    badCall.m_opcodes = {Opcode{OP_CALL, 5, 42}, Opcode{OP_DONE, 8, 0}};
    EXPECT_EQ("Runtime Error, line 5: Invalid ID for OP_CALL: 42\r\n", HandMadeError(badCall));
    badCall.Rewind();
    badCall.AddMorScriptFunc("g", 0, 0, false); // prototyped only
    badCall.m_opcodes[0].val = 0;
    EXPECT_EQ("Runtime Error, line 5: Call to prototyped but not defined function 'g()'\r\n",
              HandMadeError(badCall));
}

TEST(StateRuntimeErrors, UnboundedRecursionStopsTheScript)
{
    EXPECT_EQ("Runtime Error, line 1: Stack overflow (more than 100000 nested calls)",
              RuntimeError("function f(n) { return f(n + 1); }\nprint(f(0));"));
    Script deep; // deep but bounded recursion is fine
    deep.Run("function d(n) { if (n == 0) return 0; return 1 + d(n - 1); }\nprint(d(99999));");
    EXPECT_EQ("99999\n", deep.Printed());
    EXPECT_EQ("", deep.Errors());
}

TEST(StateStep, ZeroBudgetRunsNothingAndExitEndsTheScript)
{
    Script s;
    ASSERT_TRUE(s.Compile("function f() { print(1); exit; print(2); }\nf(); print(3);"));
    EXPECT_EQ(1, s.S.Step(0));
    EXPECT_EQ(0u, s.S.m_currcode);
    EXPECT_EQ(0, s.S.Step(-1));
    EXPECT_EQ("1\n", s.Printed());
    EXPECT_TRUE(s.S.Done());
}

TEST(StateWait, CallbackHoldsTheScriptAndReleasesIt)
{
    Script s;
    ASSERT_TRUE(s.Compile("var a = 1; a = 2;"));
    WaitLog log;
    log.holds = 3;
    EXPECT_EQ(1, s.S.SetWaitFunc(HoldWait, &log));
    EXPECT_EQ(0, s.S.SetWaitFunc(HoldWait, &log)); // one at a time
    for (int i = 0; i < 3; ++i)
        EXPECT_EQ(2, s.S.Step(100));
    EXPECT_EQ(0u, s.S.m_currcode);
    EXPECT_EQ(1, s.S.Step(1)); // released: runs the next opcode at once
    EXPECT_EQ(1u, s.S.m_currcode);
    EXPECT_EQ(nullptr, s.S.m_waitfunc);
    EXPECT_EQ(0, s.S.Step(-1));
    EXPECT_EQ(0, log.terminations);

    // A host function may start the wait; the script goes on after it.
    Script t;
    WaitLog hostLog;
    hostLog.holds = 2;
    t.S.AddFunc("wait", StartWaiting, 0, PARAMS_EXACT, &hostLog);
    ASSERT_TRUE(t.Compile("print(1); wait(); print(2);"));
    EXPECT_EQ(2, t.S.Step(-1));
    EXPECT_EQ("1\n", t.Printed());
    EXPECT_EQ(2, t.S.Step(-1));
    EXPECT_EQ(0, t.S.Step(-1));
    EXPECT_EQ("1\n2\n", t.Printed());

    // A callback still in place is told when the state rewinds or goes away.
    WaitLog endLog;
    endLog.holds = 100;
    {
        State S;
        S.SetWaitFunc(HoldWait, &endLog);
        S.Rewind();
        EXPECT_EQ(1, endLog.terminations);
    }
    EXPECT_EQ(2, endLog.terminations);
}

TEST(StateHost, ArgumentsRegistrationAndCalls)
{
    Script s;
    s.S.AddFunc("join", Join, 0, PARAMS_MIN, nullptr);
    s.S.AddFunc("greedy", Greedy, 1, PARAMS_EXACT, nullptr);
    s.S.AddFunc("twice", Fail, 0, PARAMS_EXACT, nullptr);
    s.S.AddFunc("TWICE", Join, 0, PARAMS_MIN, nullptr); // the later record wins
    EXPECT_EQ(0, s.S.AddFunc("a", nullptr, 0, PARAMS_MIN, nullptr));
    EXPECT_EQ(0, s.S.AddFunc("a", Join, -1, PARAMS_MIN, nullptr));
    s.Run("print(join(1, 2, 3)); print(join()); print(greedy(7)); print(twice(5));");
    EXPECT_EQ("1|2|3\n\n[7]\n5\n", s.Printed());
    EXPECT_EQ("", s.Errors());

    Script c;
    ASSERT_TRUE(c.Compile("var n = 0; function twice(x) { n++; return x * 2; }"));
    EXPECT_EQ(0, c.S.Step(-1));
    c.S.Push(Value(99.0));
    c.S.Push(Value(21.0));
    EXPECT_EQ(1, c.S.CallFunc("TWICE", 1));
    EXPECT_EQ(1u, c.S.m_stack.Size()); // only the argument was kept
    EXPECT_EQ(0, c.S.Step(-1));
    EXPECT_EQ("42", c.S.Pop().GetStr());
    EXPECT_EQ("1", c.S.m_vars[0].GetStr());
    EXPECT_EQ(0, c.S.CallFunc("missing", 0));

    State copy;
    copy = c.S; // a copy carries the program and runs on its own
    c.S.Rewind();
    EXPECT_EQ(0, c.S.Step(-1));
    EXPECT_EQ("0", c.S.m_vars[0].GetStr()) << "the program ran again";
    copy.Push(Value(4.0));
    EXPECT_EQ(1, copy.CallFunc("twice", 1));
    EXPECT_EQ(0, copy.Step(-1));
    EXPECT_EQ("8", copy.Pop().GetStr());

    MorScriptTest::RecordingOutputter out;
    StringInputter in("");
    EXPECT_EQ(0, copy.Create(nullptr, &out, nullptr));
    EXPECT_EQ(0, copy.Create(&in, nullptr, nullptr));
}

TEST(StateCompile, ErrorIsWrittenOnceAndSecondProgramAppends)
{
    Script s;
    EXPECT_FALSE(s.Compile("\nvar;"));
    EXPECT_EQ("Error, line 2: Expected 'identifier', got ';'\r\n", s.Errors());

    Script t;
    ASSERT_TRUE(t.Compile("print(1);"));
    ASSERT_TRUE(t.Compile("print(2);"));
    EXPECT_EQ(0, t.S.Step(-1));
    EXPECT_EQ("1\n", t.Printed()); // the old program runs again; the new is never reached
}

namespace {

int ThrowBadAlloc(State*, int, void*)
{
    throw std::bad_alloc();
}

}  // namespace

TEST(StateRuntimeErrors, RunawayScriptsStopWithAnError)
{
    // Texts stop growing at the limit, whether copied or appended in place;
    // the variable keeps its last text.
    EXPECT_EQ("Runtime Error, line 2: Text too long (max is 16777216 bytes)",
              RuntimeError("var s = 'x';\nwhile (1) s = s . s;"));
    Script s;
    ASSERT_TRUE(s.Compile("var t = 'x', s = '';\nwhile (1) {\n s .= t;\n t = s; }"));
    EXPECT_EQ(0, s.S.Step(-1));
    EXPECT_EQ("Runtime Error, line 3: Text too long (max is 16777216 bytes)\r\n", s.Errors());
    EXPECT_EQ(State::MAX_TEXT, s.S.m_vars[1].GetStr().size());

    // No allocation failure escapes as an exception.
    Script oom;
    oom.S.AddFunc("grab", ThrowBadAlloc, 0, PARAMS_EXACT, nullptr);
    ASSERT_TRUE(oom.Compile("print(1);\ngrab();\nprint(2);"));
    EXPECT_EQ(0, oom.S.Step(-1));
    EXPECT_EQ("1\n", oom.Printed());
    EXPECT_EQ("Runtime Error, line 2: Out of memory\r\n", oom.Errors());
    EXPECT_TRUE(oom.S.Done());
}
