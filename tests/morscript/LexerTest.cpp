#include <gtest/gtest.h>

#include <string>

#include "ScriptFixture.h"
#include "morscript/Globals.h"
#include "morscript/Parser.h"

using namespace MorScript;
using MorScriptTest::CompileError;

namespace {

// Tokens of source: names as themselves, constants as [text], everything
// else by its display name; ends with end-of-script.
std::string Tokens(const std::string& source, std::string* lines = nullptr)
{
    State S;
    StringInputter in(source);
    Parser p(&S, &in);
    std::string out;
    for (;;) {
        Token t = p.m_L.GetTokWrapper();
        if (!out.empty())
            out += " ";
        if (lines) {
            if (!lines->empty())
                *lines += " ";
            *lines += std::to_string(t.line);
        }
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

// Constant index carried by the first token of source.
int FirstConstIndex(const std::string& source, State* S)
{
    StringInputter in(source);
    Parser p(S, &in);
    return p.m_L.GetTokWrapper().id;
}

// The single string constant produced by a literal.
std::string StringConst(const std::string& literal)
{
    State S;
    int id = FirstConstIndex(literal, &S);
    return S.m_consts[id].GetStr();
}

}  // namespace

TEST(LexerTables, NamesAndHashes)
{
    EXPECT_EQ("end-of-script", GetTokenName(256));
    EXPECT_EQ("<<=", GetTokenName(276));
    EXPECT_EQ("constant", GetTokenName(291));
    EXPECT_EQ(";", GetTokenName(';'));
    EXPECT_EQ("<<ERROR!!!>>", GetTokenName(292));
    EXPECT_EQ("<<ERROR!!!>>", GetTokenName(-2));
    EXPECT_STREQ("NOOP", OPCODE_NAMES[0]);
    EXPECT_STREQ("CALL", OPCODE_NAMES[29]);
    EXPECT_STREQ("DONE", OPCODE_NAMES[36]);
    // Reference values of the name hash (computed by hand from its definition).
    EXPECT_EQ(0x1337, Hash(""));
    EXPECT_EQ(-902920331, Hash("a"));
    EXPECT_EQ(-1411044282, Hash("while"));
    EXPECT_EQ(1613161833, Hash("print"));
    EXPECT_EQ(-1534927928, Hash("\xe9"));  // bytes count as signed chars
    char name[] = "PriNT";
    EXPECT_STREQ("print", strlwr2(name));
    char dst[4] = {'x', 'x', 'x', 'x'};
    strncpy2(dst, "abcdef", sizeof dst);
    EXPECT_STREQ("abc", dst);
    EXPECT_EQ(0, stricmp2("Print", "pRINT"));
    EXPECT_LT(stricmp2("abc", "abd"), 0);
}

TEST(Lexer, OperatorsTakeTheLongestForm)
{
    EXPECT_EQ("end-of-script", Tokens(""));
    EXPECT_EQ("a <<= b end-of-script", Tokens("a<<=b"));
    EXPECT_EQ("a << b end-of-script", Tokens("a<<b"));
    EXPECT_EQ("a < < b end-of-script", Tokens("a< <b"));
    EXPECT_EQ(">>= >> >= > end-of-script", Tokens(">>= >> >= >"));
    EXPECT_EQ("++ += + -- -= - && &= & || |= | end-of-script", Tokens("++ += + -- -= - && &= & || |= |"));
    EXPECT_EQ(".= . == = != ! %= % *= * /= / ^= ^ end-of-script",
              Tokens(".= . == = != ! %= % *= * /= / ^= ^"));
    EXPECT_EQ("( ) , : ; ? { } ~ end-of-script", Tokens("( ) , : ; ? { } ~"));
    EXPECT_EQ("x = . [5] end-of-script", Tokens("x=.5"));
}

TEST(Lexer, NumericLiterals)
{
    EXPECT_EQ("[0] [0] [0] end-of-script", Tokens("0 00 0x0"));
    {
        State S;
        EXPECT_EQ(1, FirstConstIndex("0", &S));  // the predefined "0"
        size_t before = S.m_consts.size();
        EXPECT_EQ(static_cast<int>(before), FirstConstIndex("00", &S));
    }
    EXPECT_EQ("[0] [8] end-of-script", Tokens("08"));
    EXPECT_EQ("[15] [31] [31] end-of-script", Tokens("017 0x1f 0x1F"));
    EXPECT_EQ("[0] x1 end-of-script", Tokens("0X1"));
    EXPECT_EQ("[1.2] [3] end-of-script", Tokens("1.2.3"));
    EXPECT_EQ("[1.50] end-of-script", Tokens("1.50"));
    EXPECT_EQ("[1] abc end-of-script", Tokens("1abc"));
    EXPECT_EQ("[4294967295] [4294967295] end-of-script", Tokens("0xFFFFFFFF 037777777777"));
}

TEST(Lexer, OversizedAndEmptyRadixLiteralsAreRejected)
{
    EXPECT_EQ("Error, line 1: Hex constant too big (max is 0xFFFFFFFF)", CompileError("0x100000000;"));
    EXPECT_EQ("Error, line 1: Hex constant too big (max is 0xFFFFFFFF)",
              CompileError("0x" + std::string(5000, 'f') + ";"));
    EXPECT_EQ("Error, line 1: Octal constant too big (max is 037777777777)", CompileError("040000000000;"));
    EXPECT_EQ("Error, line 1: '0x' requires at least one hex digit following it", CompileError("0x;"));
    EXPECT_EQ("Error, line 1: '0x' requires at least one hex digit following it", CompileError("0x"));
    // Leading zeros do not count toward the size.
    EXPECT_EQ("[255] end-of-script", Tokens("0x00000000000000ff"));
}

TEST(Lexer, StringLiteralsAndEscapes)
{
    EXPECT_EQ("it's", StringConst("\"it's\""));
    EXPECT_EQ("say \"hi\"", StringConst("'say \"hi\"'"));
    EXPECT_EQ("AAA", StringConst("\"\\101\\x41A\""));
    EXPECT_EQ(std::string("\"'?\\\a\b\f\n\r\t\v", 11), StringConst("\"\\\"\\'\\?\\\\\\a\\b\\f\\n\\r\\t\\v\""));
    EXPECT_EQ(std::string("a\0b", 3), StringConst("\"a\\0b\""));
    EXPECT_EQ("\x7" "7", StringConst("\"\\x077\""));  // at most two hex digits
    EXPECT_EQ("\x1" "8", StringConst("\"\\18\""));
    EXPECT_EQ("Error, line 1: '256': Too big for one character", CompileError("\"\\400\";"));
    EXPECT_EQ("Error, line 1: '\\xdd' escape sequence requires at least one digit following it",
              CompileError("\"\\xg\";"));
    EXPECT_EQ("Error, line 1: 'q': Unrecognized escape sequence", CompileError("\"\\q\";"));
    EXPECT_EQ("Error, line 1: Newline in constant", CompileError("\"ab\ncd\";"));
    EXPECT_EQ("Error, line 1: Newline in constant", CompileError("\"ab\r\ncd\";"));
    EXPECT_EQ("Error, line 2: Hit end-of-script while reading constant", CompileError("\n\"abc"));
    EXPECT_EQ("Error, line 1: Hit end-of-script while reading constant", CompileError("\"abc\\"));
    // a backslash before a line break is an unknown escape, reported with the line feed itself
    EXPECT_EQ("Error, line 1: '\n': Unrecognized escape sequence", CompileError("\"abc\\\ndef\";"));
}

TEST(Lexer, NamesAreCaseInsensitiveAndKeywordsRecognised)
{
    EXPECT_EQ("if if if print print end-of-script", Tokens("IF If if Print print"));
    EXPECT_EQ("while else for do continue break function return var prototype exit end-of-script",
              Tokens("while else for do continue break function return var prototype exit"));
    EXPECT_EQ("_a9 whiles end-of-script", Tokens("_a9 whiles"));
}

TEST(Lexer, CommentsAndLines)
{
    std::string lines;
    EXPECT_EQ("b end-of-script", Tokens("/* a */ b", &lines));
    EXPECT_EQ("1 1", lines);
    lines.clear();
    EXPECT_EQ("b end-of-script", Tokens("/* 1\n2\n3 */ b", &lines));
    EXPECT_EQ("3 3", lines);
    lines.clear();
    EXPECT_EQ("a b c end-of-script", Tokens("a # x\nb // y\nc", &lines));
    EXPECT_EQ("1 2 3 3", lines);
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
    EXPECT_EQ("Error, line 1: Constant too long (max is 4095 chars)", CompileError("0" + std::string(4096, '0') + ";"));
    EXPECT_EQ("Error, line 2: Illegal character: '['", CompileError("\n["));
    EXPECT_EQ("Error, line 1: Illegal character: '@'", CompileError("@"));
    EXPECT_EQ("Error, line 1: Illegal character: '$'", CompileError("$"));
    EXPECT_EQ("Error, line 1: Illegal character: '\x01'", CompileError("\x01"));
}
