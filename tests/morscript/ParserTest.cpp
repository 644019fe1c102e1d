#include <gtest/gtest.h>

#include "ScriptFixture.h"

using namespace MorScript;
using MorScriptTest::CompileError;
using MorScriptTest::Listing;
using MorScriptTest::Script;

namespace {

std::string Code(const std::string& source)
{
    Script s;
    EXPECT_TRUE(s.Compile(source)) << s.Errors();
    return Listing(s.S);
}

int CountHost(State*, int n, void*)
{
    return n >= 0;
}

// The compile error of source with two host functions registered: one taking
// at least one argument, one at most two.
std::string HostCallError(const std::string& source)
{
    Script s;
    s.S.AddFunc("atLeastOne", CountHost, 1, PARAMS_MIN, nullptr);
    s.S.AddFunc("UpToTwo", CountHost, 2, PARAMS_MAX, nullptr);
    return s.Compile(source) ? "" : s.S.GetError();
}

}  // namespace

TEST(ParserCode, DocumentedExamples)
{
    EXPECT_EQ("PUSH \"\", SETVAR 0, POP, GETVAR 0, PUSH \"2\", ADD, SETVAR 0, POP, DONE",
              Code("var x; x += 2;"));
    EXPECT_EQ("PUSH \"\", SETVAR 0, POP, GETVAR 0, PUSH \"1\", CAT, CALL print/1, POP, DONE",
              Code("var a; print(a . 1);"));
    EXPECT_EQ("PUSH \"5\", SETVAR 0, POP, DONE", Code("var x = 5;"));
    EXPECT_EQ("PUSH \"\", SETVAR 0, POP, L0: NOOP, GETVAR 0, PUSH \"3\", LT, JF L1, GETVAR 0, DUP, INC, "
              "SETVAR 0, POP, POP, JMP L0, L1: NOOP, DONE",
              Code("var i; while (i < 3) i++;"));
    EXPECT_EQ("JMP L0, L1: NOOP, SETVAR 0x80000001, POP, SETVAR 0x80000000, POP, GETVAR 0x80000000, "
              "GETVAR 0x80000001, ADD, RETURN, PUSH \"\", RETURN, L0: NOOP, "
              "PUSH \"1\", PUSH \"2\", CALL add/2, POP, DONE",
              Code("function add(a, b) { return a + b; } add(1, 2);"));
}

TEST(ParserCode, StatementAndExpressionShapes)
{
    EXPECT_EQ("PUSH \"1\", JF L0, PUSH \"2\", POP, JMP L1, L0: NOOP, PUSH \"3\", POP, L1: NOOP, DONE",
              Code("if (1) 2; else 3;"));
    EXPECT_EQ("L0: NOOP, PUSH \"1\", POP, L1: NOOP, PUSH \"2\", JT L0, L2: NOOP, DONE", Code("do 1; while (2);"));
    // for: continue is the JMP to the increments
    EXPECT_EQ("PUSH \"0\", SETVAR 0, POP, L0: NOOP, GETVAR 0, PUSH \"2\", LT, JF L1, JMP L3, L4: NOOP, "
              "GETVAR 0, INC, SETVAR 0, POP, PUSH \"7\", POP, JMP L0, L3: NOOP, JMP L2, JMP L4, L1: NOOP, DONE",
              Code("for (var i = 0; i < 2; ++i, 7) continue;"));
    EXPECT_EQ("DONE, DONE", Code("exit;"));
    // precedence and associativity
    EXPECT_EQ("PUSH \"\", SETVAR 0, POP, GETVAR 0, NEG, PUSH \"2\", MUL, POP, DONE", Code("var x; -x * 2;"));
    // every level binds tighter than the one before it, so any two swapped
    // levels reorder the operators
    EXPECT_EQ("PUSH \"1\", PUSH \"2\", PUSH \"3\", PUSH \"4\", PUSH \"5\", PUSH \"6\", PUSH \"7\", PUSH \"8\", "
              "PUSH \"9\", PUSH \"10\", PUSH \"11\", PUSH \"12\", MUL, ADD, SHL, CAT, LT, EQUAL, AND, XOR, OR, "
              "LAND, LOR, POP, DONE",
              Code("1 || 2 && 3 | 4 ^ 5 & 6 == 7 < 8 . 9 << 10 + 11 * 12;"));
    EXPECT_EQ("PUSH \"1\", PUSH \"2\", SUB, PUSH \"3\", SUB, PUSH \"4\", PUSH \"5\", SHL, SUB, POP, DONE",
              Code("1 - 2 - 3 - (4 << 5);"));
    EXPECT_EQ("PUSH \"1\", POS, COMP, NOT, POP, DONE", Code("!~+1;"));
    EXPECT_EQ("PUSH \"\", SETVAR 0, POP, PUSH \"\", SETVAR 1, POP, PUSH \"1\", SETVAR 1, SETVAR 0, POP, DONE",
              Code("var a, b; a = b = 1;"));
    EXPECT_EQ("PUSH \"\", SETVAR 0, POP, GETVAR 0, DEC, SETVAR 0, POP, DONE", Code("var a; --a;"));
}

TEST(ParserErrors, ScopesAndFunctions)
{
    EXPECT_EQ("Error, line 1: 'x' already declared", CompileError("var x; { var x; }"));
    EXPECT_EQ("", CompileError("{ var x; } var x;"));
    EXPECT_EQ("Error, line 1: Undeclared identifier 'x'", CompileError("var a; if (a) var x = 1; x = 2;"));
    EXPECT_EQ("Error, line 1: Undeclared identifier 'a'", CompileError("function f(a) { var b; } a;"));
    EXPECT_EQ("Error, line 1: 'g' is not a function", CompileError("function f() { g(); } function g() { }"));
    EXPECT_EQ("", CompileError("prototype g(); function f() { g(); } function g() { }"));
    EXPECT_EQ("Error, line 2: Function 'g()' prototyped but not defined", CompileError("prototype g(a);\n"));
    EXPECT_EQ("Error, line 1: Parameters for 'g()' definition don't match prototype",
              CompileError("prototype g(a); function g(a, b) { }"));
    EXPECT_EQ("Error, line 1: Functions must have global scope", CompileError("function f() { function g() { } }"));
    EXPECT_EQ("Error, line 1: Expected identifier", CompileError("function f(1) { }"));
    EXPECT_EQ("Error, line 1: Expected '{', got 'return'", CompileError("function f() return 1;"));
    EXPECT_EQ("Error, line 2: 'f()' doesn't take 1 parameters", CompileError("function f() { }\nf(1);"));
    EXPECT_EQ("Error, line 1: 'print' already declared", CompileError("var print;"));
    EXPECT_EQ("", HostCallError("atleastone(1); ATLEASTONE(1, 2, 3); uptotwo(); uptotwo(1, 2);"));
    EXPECT_EQ("Error, line 1: 'atleastone()' doesn't take 0 parameters", HostCallError("atleastone();"));
    EXPECT_EQ("Error, line 1: 'uptotwo()' doesn't take 3 parameters", HostCallError("uptotwo(1, 2, 3);"));
}

TEST(ParserErrors, MessagesAndLines)
{
    EXPECT_EQ("Error, line 1: Expected ';', got '='", CompileError("var a; (a) = 3;"));
    EXPECT_EQ("Error, line 1: Not a variable: 'print'", CompileError("print;"));
    EXPECT_EQ("Error, line 1: Expected identifier, constant or '('", CompileError("print(1,);"));
    EXPECT_EQ("Error, line 3: Illegal break", CompileError("\n\nbreak;"));
    EXPECT_EQ("Error, line 1: Illegal continue", CompileError("if (1) continue;"));
    EXPECT_EQ("Error, line 1: Illegal return", CompileError("return;"));
    EXPECT_EQ("Error, line 2: Unexpected end of script", CompileError("{\n1;"));
    EXPECT_EQ("Error, line 1: Expected 'identifier', got 'constant'", CompileError("var 1;"));
    EXPECT_EQ("Error, line 2: Expected ')', got ';'", CompileError("print(\n1;"));
}

TEST(ParserErrors, DeepNestingIsRefusedNotACrash)
{
    std::string parens = std::string(100000, '(') + "1" + std::string(100000, ')') + ";";
    EXPECT_EQ("Error, line 1: Too deeply nested (max is 256 levels)", CompileError(parens));
    EXPECT_EQ("Error, line 1: Too deeply nested (max is 1024 levels)", CompileError(std::string(100000, '{')));
    std::string chain = "var x;";
    for (int i = 0; i < 1000; ++i)
        chain += "if (x == " + std::to_string(i) + ") x = 1; else ";
    EXPECT_EQ("", CompileError(chain + "x = 2;")); // long else-if chains are fine
    std::string assigns = "var a;";
    for (int i = 0; i < 100000; ++i)
        assigns += "a=";
    EXPECT_EQ("Error, line 1: Too deeply nested (max is 256 levels)", CompileError(assigns + "1;"));
    EXPECT_EQ("", CompileError(std::string(200, '(') + "1" + std::string(200, ')') + ";"));
}

TEST(ParserErrors, FunctionAndVariableTablesRunOut)
{
    State S;
    for (int i = 0; i < State::MAX_FUNCTIONS; ++i)
        ASSERT_EQ(i, S.AddMorScriptFunc("f", 0, 0, true));
    MorScriptTest::RecordingOutputter out;
    StringInputter in("\nfunction g() { }");
    EXPECT_EQ(0, S.Create(&in, &out, nullptr));
    EXPECT_EQ("Error, line 2: Can't add 'g()' - Reached 65536-function limit\r\n", out.text_);

    int counter = 0x7FFFFFFF;
    EXPECT_EQ(static_cast<int>(0xFFFFFFFFu), S.AddVar(&counter)); // the last local slot
    EXPECT_EQ(-1, S.AddVar(&counter));
}
