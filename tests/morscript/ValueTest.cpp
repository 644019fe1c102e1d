#include <gtest/gtest.h>

#include "ScriptFixture.h"
#include "morscript/Value.h"

using MorScript::Value;
using MorScriptTest::Eval;

TEST(Value, FormsDeriveFromEachOther)
{
    Value empty;
    EXPECT_EQ("", empty.GetStr());
    EXPECT_EQ(0, empty.GetNum());
    EXPECT_TRUE(empty.IsNumerical());

    Value n(3.0);
    EXPECT_FALSE(n.m_strok);  // no text until asked
    EXPECT_EQ("3", n.GetStr());
    EXPECT_EQ("0.5", Value(0.5).GetStr());
    EXPECT_EQ("0.333333", Value(1.0 / 3).GetStr());
    EXPECT_EQ("1e+06", Value(1000000.0).GetStr());
    EXPECT_EQ("-2", Value(-2.0).GetStr());
    EXPECT_TRUE(Value(-2.0).IsNumerical());  // a number stays numerical

    EXPECT_TRUE(Value("007").IsNumerical());
    EXPECT_TRUE(Value(".").IsNumerical());
    EXPECT_TRUE(Value("3.").IsNumerical());
    EXPECT_TRUE(Value("").IsNumerical());
    EXPECT_FALSE(Value("-5").IsNumerical());
    EXPECT_FALSE(Value("1e+06").IsNumerical());
    EXPECT_FALSE(Value("abc").IsNumerical());
    EXPECT_FALSE(Value(" 5").IsNumerical());
    EXPECT_FALSE(Value("1.2.3").IsNumerical());

    EXPECT_EQ(7, Value("007").GetNum());
    EXPECT_EQ(1, Value("abc").GetNum());  // non-numerical text counts as one
    EXPECT_EQ(1, Value("-5").GetNum());
    EXPECT_EQ(0, Value(".").GetNum());
}

TEST(Value, CopiesAndEquality)
{
    Value a(std::string("12"));
    Value b = a;
    EXPECT_EQ("12", b.GetStr());
    EXPECT_EQ(12, b.GetNum());
    Value c(4.0);
    Value d;
    d = c;
    EXPECT_FALSE(d.m_strok);
    EXPECT_EQ(4, d.GetNum());

    EXPECT_TRUE(Value(5.0).IsEqual(Value("5")));
    EXPECT_TRUE(Value("5.0").IsEqual(Value(5.0)));
    EXPECT_FALSE(Value("abc").IsEqual(Value("xyz")));
    EXPECT_FALSE(Value("abc").IsEqual(Value("Abc")));
    EXPECT_TRUE(Value("-1").IsEqual(Value(-1.0)));  // compared as texts
    EXPECT_FALSE(Value(std::string("a\0b", 3)).IsEqual(Value(std::string("a\0c", 3))));

    EXPECT_EQ(2147483647, Value::ToInt(1e12));
    EXPECT_EQ(-2147483647 - 1, Value::ToInt(-1e12));
    EXPECT_EQ(-7, Value::ToInt(-7.9));
}

TEST(ValueInScripts, DocumentedConversions)
{
    EXPECT_EQ("3", Eval("1 + 2"));
    EXPECT_EQ("3", Eval("\"1\" + \"2\""));
    EXPECT_EQ("2", Eval("\"a\" + 1"));
    EXPECT_EQ("1", Eval("\"\" + 1"));
    EXPECT_EQ("12", Eval("1 . 2"));
    EXPECT_EQ("13", Eval("(1 . 2) + 1"));
    EXPECT_EQ("1", Eval("(-1 . \"\") + 0"));
    EXPECT_EQ("1", Eval("(-1 . \"\") == -1"));
    EXPECT_EQ("1", Eval("5 == \"5\""));
    EXPECT_EQ("1", Eval("\"5.0\" == 5"));
    EXPECT_EQ("0", Eval("\"abc\" == \"xyz\""));
    EXPECT_EQ("0", Eval("\"abc\" == \"Abc\""));
    EXPECT_EQ("1", Eval("\"abc\" != \"Abc\""));
    EXPECT_EQ("0", Eval("\"abc\" < \"abd\""));
    EXPECT_EQ("2.5", Eval("10 / 4"));
    EXPECT_EQ("1", Eval("7 % 3"));
    EXPECT_EQ("-1", Eval("-7 % 3"));
    EXPECT_EQ("1", Eval("7.9 % 2.9"));
    EXPECT_EQ("-2.14748e+09", Eval("1 << 31"));
    EXPECT_EQ("1", Eval("(1 << 31) == -2147483648"));
    EXPECT_EQ("0", Eval("1 << 32"));
    EXPECT_EQ("2", Eval("1 << 65"));  // low six bits of the count
    EXPECT_EQ("-4", Eval("-8 >> 1"));
    EXPECT_EQ("-1", Eval("-8 >> 40"));
    EXPECT_EQ("0", Eval("8 >> 40"));
    EXPECT_EQ("-1", Eval("~0"));
    EXPECT_EQ("3", Eval("+(-3)"));
    EXPECT_EQ("1.23457e+06", Eval("1234567 + 0"));
    EXPECT_EQ("1234567", Eval("1234567"));
    EXPECT_EQ("1.50", Eval("1.50"));
    EXPECT_EQ("1.5", Eval("1.50 * 1"));
    EXPECT_EQ("6", Eval("2 | 4"));
    EXPECT_EQ("6", Eval("3 ^ 5"));
    EXPECT_EQ("1", Eval("3 & 5"));
    EXPECT_EQ("0", Eval("1 && 0"));
    EXPECT_EQ("1", Eval("0 || 2"));
    EXPECT_EQ("1", Eval("!0"));
    EXPECT_EQ("0", Eval("!\"x\""));
    EXPECT_EQ("1", Eval("3 >= 3"));
    EXPECT_EQ("1", Eval("2 <= 3"));
    EXPECT_EQ("0", Eval("2 > 3"));
    EXPECT_EQ("15", Eval("1 . 2 + 3"));
}
