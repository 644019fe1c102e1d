#include <gtest/gtest.h>

#include <utility>
#include <vector>

#include "ScriptFixture.h"
#include "morscript/Operators.h"
#include "morscript/Value.h"

using namespace MorScript;
using MorScriptTest::Eval;

TEST(Value, TextAndNumberFormsDeriveFromEachOther)
{
    EXPECT_EQ("", Value().GetStr());
    EXPECT_EQ(0, Value().GetNum());
    EXPECT_FALSE(Value(3.0).HasText()); // no text until asked
    EXPECT_EQ("0.333333", Value(1.0 / 3).GetStr());
    EXPECT_EQ("1e+06", Value(1000000.0).GetStr());
    EXPECT_TRUE(Value(-2.0).IsNumerical()); // a number stays numerical

    // Only digits and one point make numerical text; anything else counts as one.
    for (const char* text : {"007", ".", "3.", ""})
        EXPECT_TRUE(Value(text).IsNumerical()) << text;
    for (const char* text : {"-5", "1e+06", "abc", " 5", "1.2.3"})
        EXPECT_FALSE(Value(text).IsNumerical()) << text;
    EXPECT_EQ(7, Value("007").GetNum());
    EXPECT_EQ(1, Value("-5").GetNum());
    EXPECT_EQ(0, Value(".").GetNum());
    EXPECT_FALSE(Value(std::string("a\0b", 3)).IsEqual(Value(std::string("a\0c", 3))));

    EXPECT_EQ(2147483647, Value::ToInt(1e12));
    EXPECT_EQ(-2147483647 - 1, Value::ToInt(-1e12));
    EXPECT_EQ(-7, Value::ToInt(-7.9));
}

TEST(ValueInScripts, DocumentedConversions)
{
    const std::vector<std::pair<const char*, const char*>> cases = {
        {"1 + 2", "3"}, {"\"1\" + \"2\"", "3"}, {"\"a\" + 1", "2"}, {"\"\" + 1", "1"},
        {"1 . 2", "12"}, {"(1 . 2) + 1", "13"}, {"(-1 . \"\") + 0", "1"},
        {"(-1 . \"\") == -1", "1"}, {"5 == \"5\"", "1"}, {"\"5.0\" == 5", "1"},
        {"\"abc\" == \"xyz\"", "0"}, {"\"abc\" == \"Abc\"", "0"}, {"\"abc\" != \"Abc\"", "1"},
        {"\"abc\" < \"abd\"", "0"}, {"10 / 4", "2.5"}, {"7 % 3", "1"}, {"-7 % 3", "-1"},
        {"7.9 % 2.9", "1"}, {"1 << 31", "-2.14748e+09"}, {"(1 << 31) == -2147483648", "1"},
        {"1 << 32", "0"}, {"1 << 65", "2"}, {"-8 >> 1", "-4"}, {"-8 >> 40", "-1"},
        {"8 >> 40", "0"}, {"~0", "-1"}, {"+(-3)", "3"}, {"1234567 + 0", "1.23457e+06"},
        {"1234567", "1234567"}, {"1.50", "1.50"}, {"1.50 * 1", "1.5"}, {"2 | 4", "6"},
        {"3 ^ 5", "6"}, {"3 & 5", "1"}, {"1 && 0", "0"}, {"0 || 2", "1"}, {"!0", "1"},
        {"!\"x\"", "0"}, {"3 >= 3", "1"}, {"2 <= 3", "1"}, {"2 > 3", "0"}, {"1 . 2 + 3", "15"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(c.second, Eval(c.first)) << c.first;
}

TEST(ValueInScripts, EveryComparisonAtEqualOperands)
{
    // Equal numbers, equal texts, and a text and a number equal as numbers:
    // the operators themselves, then scripts run in joined runs and one
    // opcode at a time, with counting loops that reach their bound exactly.
    const int COMPARISONS[] = {OP_LT, OP_GT, OP_LE, OP_GE, OP_EQUAL, OP_NE};
    const double EXPECTED[] = {0, 0, 1, 1, 1, 0};
    const Value OPERANDS[][2] = {{Value(2.0), Value(2.0)}, {Value("abc"), Value("abc")}, {Value("5"), Value(5.0)}};
    for (const auto& operands : OPERANDS) {
        for (int i = 0; i < 6; ++i) {
            double r = -1;
            EXPECT_TRUE(NumericOp(COMPARISONS[i], operands[0], operands[1], &r));
            EXPECT_EQ(EXPECTED[i], r) << OPCODE_NAMES[COMPARISONS[i]] << " " << operands[0].GetStr();
        }
    }
    for (const char* operands : {"2, b = 2", "'abc', b = 'abc'", "'5', b = 5.0"}) {
        const std::string source = std::string("var n = 0, a = ") + operands +
                                   ";\nprint((a < b) . (a > b) . (a <= b) . (a >= b) . (a == b) . (a != b));\n"
                                   "for (var i = 0; i <= 2; i++) n++;\nfor (var j = 2; j >= 0; j--) n++;\n"
                                   "while (n <= 6) n++;\nwhile (n >= 7) n--;\nprint(n);";
        MorScriptTest::Script joined, single;
        EXPECT_EQ("001110\n6\n", joined.Run(source)) << source;
        ASSERT_TRUE(single.Compile(source));
        while (single.S.Step(1) == 1) {
        }
        EXPECT_EQ("001110\n6\n", single.Printed()) << source;
    }
}
