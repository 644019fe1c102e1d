#include <gtest/gtest.h>

#include "ScriptFixture.h"

using namespace MorScript;
using MorScriptTest::RuntimeError;
using MorScriptTest::Script;

namespace {

int Fail(State* S, int n, void*)
{
    for (int i = 0; i < n; ++i)
        S->Pop();
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
    Value a = S->Pop();
    Value b = S->Pop();
    Value c = S->Pop();
    S->Push(Value("[" + a.GetStr() + b.GetStr() + c.GetStr() + "]"));
    return 1;
}

struct WaitLog {
    int holds = 0;  // how many polls to answer 0
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
    ++log->polls;
    return log->polls > log->holds ? 1 : 0;
}

WaitLog* g_pendingWait = nullptr;

int StartWaiting(State* S, int, void*)
{
    S->SetWaitFunc(HoldWait, g_pendingWait);
    S->Push(Value(std::string()));
    return 1;
}

}  // namespace

TEST(StateRuntimeErrors, MessagesAndLines)
{
    EXPECT_EQ("Runtime Error, line 2: Divide by zero", RuntimeError("var a = 1;\nprint(a / 0);"));
    EXPECT_EQ("Runtime Error, line 1: Modulus divide by zero", RuntimeError("print(5 % 0.5);"));
}

TEST(StateRuntimeErrors, HostFunctionFailure)
{
    Script s;
    s.S.AddFunc("fail", Fail, 1, PARAMS_EXACT, nullptr);
    ASSERT_TRUE(s.Compile("print(1);\n\nfail(2);\nprint(3);"));
    EXPECT_EQ(0, s.S.Step(-1));
    EXPECT_EQ("1\n", s.Printed());
    EXPECT_EQ("Runtime Error, line 3: C function 'fail()' failed!\r\n", s.Errors());
    EXPECT_TRUE(s.S.Done());
    EXPECT_EQ(0, s.S.Step(5));
}

TEST(StateRuntimeErrors, HandMadePrograms)
{
    MorScriptTest::RecordingOutputter out;
    {
        State S;
        S.SetOutputter(&out);
        S.m_opcodes.push_back(Opcode{OP_NOOP, 4, 0});
        EXPECT_EQ(0, S.Step(10));
        EXPECT_EQ("Runtime Error, line 0: Reached end of VM code without hitting OP_DONE\r\n", out.text_);
    }
    out.text_.clear();
    {
        State S;
        S.SetOutputter(&out);
        S.m_opcodes.push_back(Opcode{OP_RETURN, 7, 0});
        S.m_opcodes.push_back(Opcode{OP_DONE, 8, 0});
        EXPECT_EQ(0, S.Step(10));
        EXPECT_EQ("Runtime Error, line 7: Callstack is empty!\r\n", out.text_);
        EXPECT_TRUE(S.Done());
    }
    out.text_.clear();
    {
        State S;
        S.SetOutputter(&out);
        S.m_opcodes.push_back(Opcode{99, 3, 0});
        S.m_opcodes.push_back(Opcode{OP_CALL, 5, 42});
        S.m_opcodes.push_back(Opcode{OP_DONE, 8, 0});
        EXPECT_EQ(0, S.Step(10));
        EXPECT_EQ("Runtime Error, line 3: Unrecognized opcode\r\n", out.text_);
        out.text_.clear();
        S.m_currcode = 1;
        EXPECT_EQ(0, S.Step(10));
        EXPECT_EQ("Runtime Error, line 5: Invalid ID for OP_CALL: 42\r\n", out.text_);
        out.text_.clear();
        S.AddMorScriptFunc("g", 0, 0, false);  // prototyped only
        S.m_opcodes[1].val = 0;
        S.m_currcode = 1;
        EXPECT_EQ(0, S.Step(10));
        EXPECT_EQ("Runtime Error, line 5: Call to prototyped but not defined function 'g()'\r\n", out.text_);
    }
}

TEST(StateRuntimeErrors, UnboundedRecursionStopsTheScript)
{
    Script s;
    ASSERT_TRUE(s.Compile("function f(n) { return f(n + 1); }\nprint(f(0));"));
    EXPECT_EQ(0, s.S.Step(-1));
    EXPECT_EQ("Runtime Error, line 1: Stack overflow (more than 100000 nested calls)\r\n", s.Errors());
    EXPECT_EQ("", s.Printed());
    // Deep but bounded recursion is fine.
    Script t;
    t.Run("function d(n) { if (n == 0) return 0; return 1 + d(n - 1); }\nprint(d(99999));");
    EXPECT_EQ("99999\n", t.Printed());
    EXPECT_EQ("", t.Errors());
}

TEST(StateStep, CountsOpcodesAndStaysDone)
{
    Script s;
    ASSERT_TRUE(s.Compile("var a = 1;"));  // PUSH, SETVAR, POP, DONE
    EXPECT_EQ(1, s.S.Step(0));
    EXPECT_EQ(0u, s.S.m_currcode);
    EXPECT_EQ(1, s.S.Step(1));
    EXPECT_EQ(1u, s.S.m_currcode);
    EXPECT_EQ(1u, s.S.m_stack.Size());
    EXPECT_EQ(1, s.S.Step(2));
    EXPECT_EQ(3u, s.S.m_currcode);
    EXPECT_EQ(0, s.S.Step(1));
    EXPECT_TRUE(s.S.Done());
    EXPECT_EQ(0, s.S.Step(1));
    EXPECT_EQ(0, s.S.Step(-1));
    EXPECT_EQ("1", s.S.m_vars[0].GetStr());
}

TEST(StateStep, ExitEndsTheWholeScript)
{
    Script s;
    s.Run("function f() { print(1); exit; print(2); }\nf(); print(3);");
    EXPECT_EQ("1\n", s.Printed());
    EXPECT_TRUE(s.S.Done());
}

TEST(StateWait, CallbackHoldsAndReleases)
{
    Script s;
    ASSERT_TRUE(s.Compile("var a = 1; a = 2;"));
    WaitLog log;
    log.holds = 3;
    EXPECT_EQ(1, s.S.SetWaitFunc(HoldWait, &log));
    EXPECT_EQ(0, s.S.SetWaitFunc(HoldWait, &log));  // one at a time
    for (int i = 0; i < 3; ++i)
        EXPECT_EQ(2, s.S.Step(100));
    EXPECT_EQ(0u, s.S.m_currcode);
    EXPECT_EQ(1, s.S.Step(1));  // released: runs the next opcode at once
    EXPECT_EQ(1u, s.S.m_currcode);
    EXPECT_EQ(4, log.polls);
    EXPECT_EQ(nullptr, s.S.m_waitfunc);
    EXPECT_EQ(0, s.S.Step(-1));
    EXPECT_EQ("2", s.S.m_vars[0].GetStr());
    EXPECT_EQ(0, log.terminations);
}

TEST(StateWait, HostFunctionStartsAWait)
{
    Script s;
    s.S.AddFunc("wait", StartWaiting, 0, PARAMS_EXACT, nullptr);
    WaitLog log;
    log.holds = 2;
    g_pendingWait = &log;
    ASSERT_TRUE(s.Compile("print(1); wait(); print(2);"));
    EXPECT_EQ(2, s.S.Step(-1));
    EXPECT_EQ("1\n", s.Printed());
    EXPECT_EQ(2, s.S.Step(-1));
    EXPECT_EQ(0, s.S.Step(-1));
    EXPECT_EQ("1\n2\n", s.Printed());
}

TEST(StateWait, TerminationIsAnnounced)
{
    WaitLog log;
    log.holds = 100;
    {
        State S;
        S.SetWaitFunc(HoldWait, &log);
        S.Rewind();
        EXPECT_EQ(1, log.terminations);
        EXPECT_NE(nullptr, S.m_waitfunc);  // rewinding does not clear it
        State other;
        other = S;  // the target's own callback (none) would be told
        EXPECT_EQ(1, log.terminations);
        other.m_waitfunc = nullptr;
    }
    EXPECT_EQ(2, log.terminations);  // the destructor
}

TEST(StateHost, ArgumentsArriveInOrder)
{
    Script s;
    s.S.AddFunc("join", Join, 0, PARAMS_MIN, nullptr);
    s.S.AddFunc("greedy", Greedy, 1, PARAMS_EXACT, nullptr);
    s.Run("print(join(1, 2, 3)); print(join()); print(greedy(7));");
    EXPECT_EQ("1|2|3\n\n[7]\n", s.Printed());
    EXPECT_EQ("", s.Errors());
}

TEST(StateHost, RegistrationRules)
{
    State S;
    EXPECT_EQ(0, S.AddFunc(nullptr, Join, 0, PARAMS_MIN, nullptr));
    EXPECT_EQ(0, S.AddFunc("a", nullptr, 0, PARAMS_MIN, nullptr));
    EXPECT_EQ(0, S.AddFunc("a", Join, -1, PARAMS_MIN, nullptr));
    EXPECT_EQ(0, S.AddFunc("a", Join, 0, static_cast<PARAM_LIMIT>(3), nullptr));
    EXPECT_EQ(1, S.AddFunc(std::string(300, 'X').c_str(), Join, 0, PARAMS_MIN, nullptr));
    EXPECT_EQ(std::string(255, 'x'), S.m_funcs[0].name);
    EXPECT_TRUE(S.m_funcs[0].baked);

    // A name registered twice resolves to the later record.
    Script s;
    s.S.AddFunc("twice", Fail, 0, PARAMS_EXACT, nullptr);
    s.S.AddFunc("TWICE", Join, 0, PARAMS_MIN, nullptr);
    s.Run("print(twice(5));");
    EXPECT_EQ("5\n", s.Printed());

    MorScriptTest::RecordingOutputter out;
    StringInputter in("");
    EXPECT_EQ(0, S.Create(nullptr, &out, nullptr));
    EXPECT_EQ(0, S.Create(&in, nullptr, nullptr));
    EXPECT_EQ(0, State().Pop().GetStr().size());
}

TEST(StateHost, CallFuncAndRewind)
{
    Script s;
    ASSERT_TRUE(s.Compile("var n = 0; function twice(x) { n++; return x * 2; }"));
    EXPECT_EQ(0, s.S.Step(-1));
    s.S.Push(Value(99.0));
    s.S.Push(Value(21.0));
    EXPECT_EQ(1, s.S.CallFunc("TWICE", 1));
    EXPECT_EQ(1u, s.S.m_stack.Size());  // only the argument was kept
    EXPECT_EQ(0, s.S.Step(-1));
    EXPECT_EQ("42", s.S.Pop().GetStr());
    EXPECT_EQ("1", s.S.m_vars[0].GetStr());
    EXPECT_EQ(0, s.S.CallFunc("missing", 0));

    s.S.Push(Value(5.0));
    s.S.Rewind();
    EXPECT_EQ(0u, s.S.m_currcode);
    EXPECT_TRUE(s.S.m_stack.Empty());
    EXPECT_EQ(0, s.S.Step(-1));
    EXPECT_EQ("0", s.S.m_vars[0].GetStr());  // the program ran again
}

TEST(StateHost, AssignmentCopiesTheProgram)
{
    Script s;
    ASSERT_TRUE(s.Compile("var a = 3; a = a * 2;"));
    State copy;
    copy = s.S;
    EXPECT_EQ(0, copy.Step(-1));
    EXPECT_EQ("6", copy.m_vars[0].GetStr());
    EXPECT_EQ("", s.S.m_vars[0].GetStr());  // the original has not run
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
    EXPECT_EQ("1\n", t.Printed());  // the old program runs again; the new is never reached
}
