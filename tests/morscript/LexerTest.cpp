#include <gtest/gtest.h>

#include <string>

#include "ScriptFixture.h"
#include "morscript/Globals.h"
#include "morscript/Parser.h"

using namespace MorScript;
using MorScriptTest::CompileError;

namespace {

// Tokens of source: names as themselves, constants as [text], everything
// else by its display name; ends with end-of-script. `lines` collects the
// line of each token.
std::string Tokens(const std::string& source, std::string* lines = nullptr)
{
    State S;
    StringInputter in(source);
    Parser p(&S, &in);
    std::string out;
    for (;;) {
        Token t = p.m_L.GetTokWrapper();
        if (lines)
            *lines += (lines->empty() ? "" : " ") + std::to_string(t.line);
        out += out.empty() ? "" : " ";
        if (t.type == TK_IDENTIFIER)
            out += p.m_ids[t.id].name;
        else if (t.type == TK_CONSTANT)
            out += "[" + S.m_consts[t.id].GetStr() + "]";
        else
            out += GetTokenName(t.type);
        if (t.type == TK_EOS)
            return out;
    }
}

// The text of the string constant a literal makes.
std::string StringConst(const std::string& literal)
{
    std::string tokens = Tokens(literal);
    return tokens.substr(1, tokens.size() - std::string("] end-of-script").size() - 1);
}

}  // namespace

TEST(Lexer, OperatorsNamesAndNumbers)
{
    EXPECT_EQ("a <<= b << c < < d end-of-script", Tokens("a<<=b<<c< <d"));
    EXPECT_EQ(">>= >> >= > ++ += + -- -= - && &= & || |= | end-of-script",
              Tokens(">>= >> >= > ++ += + -- -= - && &= & || |= |"));
    EXPECT_EQ(".= . == = != ! %= % *= * /= / ^= ^ ( ) , : ; ? { } ~ end-of-script",
              Tokens(".= . == = != ! %= % *= * /= / ^= ^ ( ) , : ; ? { } ~"));
    EXPECT_EQ("x = . [5] end-of-script", Tokens("x=.5"));
    EXPECT_EQ("if if print _a9 whiles end-of-script", Tokens("IF If Print _a9 whiles"));
    EXPECT_EQ("[0] [0] [0] [0] [8] [15] [31] [31] [0] x1 end-of-script", Tokens("0 00 0x0 08 017 0x1f 0x1F 0X1"));
    EXPECT_EQ("[1.2] [3] [1.50] [1] abc end-of-script", Tokens("1.2.3 1.50 1abc"));
    EXPECT_EQ("[4294967295] [4294967295] [255] end-of-script", Tokens("0xFFFFFFFF 037777777777 0x00000000000000ff"));
}

TEST(Lexer, OversizedAndEmptyRadixLiteralsAreRejected)
{
    EXPECT_EQ("Error, line 1: Hex constant too big (max is 0xFFFFFFFF)", CompileError("0x100000000;"));
    EXPECT_EQ("Error, line 1: Hex constant too big (max is 0xFFFFFFFF)",
              CompileError("0x" + std::string(5000, 'f') + ";"));
    EXPECT_EQ("Error, line 1: Octal constant too big (max is 037777777777)", CompileError("040000000000;"));
    EXPECT_EQ("Error, line 1: '0x' requires at least one hex digit following it", CompileError("0x;"));
    EXPECT_EQ("Error, line 1: '0x' requires at least one hex digit following it", CompileError("0x"));
}

TEST(Lexer, StringLiteralsAndEscapes)
{
    EXPECT_EQ("it's", StringConst("\"it's\""));
    EXPECT_EQ("say \"hi\"", StringConst("'say \"hi\"'"));
    EXPECT_EQ("AAA", StringConst("\"\\101\\x41A\""));
    EXPECT_EQ(std::string("\"'?\\\a\b\f\n\r\t\v", 11), StringConst("\"\\\"\\'\\?\\\\\\a\\b\\f\\n\\r\\t\\v\""));
    EXPECT_EQ(std::string("a\0b", 3), StringConst("\"a\\0b\""));
    EXPECT_EQ("\x7" "7", StringConst("\"\\x077\"")); // at most two hex digits
    EXPECT_EQ("\x1" "8", StringConst("\"\\18\""));
    EXPECT_EQ("Error, line 1: '256': Too big for one character", CompileError("\"\\400\";"));
    EXPECT_EQ("Error, line 1: '\\xdd' escape sequence requires at least one digit following it",
              CompileError("\"\\xg\";"));
    EXPECT_EQ("Error, line 1: 'q': Unrecognized escape sequence", CompileError("\"\\q\";"));
    EXPECT_EQ("Error, line 1: Newline in constant", CompileError("\"ab\r\ncd\";"));
    EXPECT_EQ("Error, line 2: Hit end-of-script while reading constant", CompileError("\n\"abc"));
    EXPECT_EQ("Error, line 1: Hit end-of-script while reading constant", CompileError("\"abc\\"));
    // a backslash before a line break is an unknown escape, reported with the line feed itself
    EXPECT_EQ("Error, line 1: '\n': Unrecognized escape sequence", CompileError("\"abc\\\ndef\";"));
}

TEST(Lexer, CommentsAndLines)
{
    std::string lines;
    EXPECT_EQ("b c d end-of-script", Tokens("/* 1\n2\n3 */ b # x\nc // y\nd", &lines));
    EXPECT_EQ("3 4 5 5", lines);
    EXPECT_EQ("Error, line 3: Reached end of script while parsing /* comment", CompileError("/*\n\n*"));
    EXPECT_EQ("", CompileError("/**/"));
}

TEST(Lexer, LimitsAndIllegalCharacters)
{
    EXPECT_EQ("", CompileError("var " + std::string(255, 'a') + ";"));
    EXPECT_EQ("Error, line 1: Identifier too long (max is 255 chars)",
              CompileError("var " + std::string(256, 'a') + ";"));
    EXPECT_EQ("", CompileError("\"" + std::string(4095, 'x') + "\";"));
    EXPECT_EQ("Error, line 1: Constant too long (max is 4095 chars)",
              CompileError("\"" + std::string(4096, 'x') + "\";"));
    EXPECT_EQ("", CompileError(std::string(4095, '7') + ";"));
    EXPECT_EQ("Error, line 1: Constant too long (max is 4095 chars)", CompileError(std::string(4096, '7') + ";"));
    EXPECT_EQ("Error, line 2: Illegal character: '['", CompileError("\n["));
    EXPECT_EQ("Error, line 1: Illegal character: '\x01'", CompileError("\x01"));
}
