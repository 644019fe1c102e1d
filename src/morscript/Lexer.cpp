#include "morscript/Lexer.h"

#include <cctype>

#include "morscript/Globals.h"
#include "morscript/Parser.h"
#include "morscript/State.h"

namespace MorScript {

const int KEYWORD_TOKENS[12] = {
    TK_IF, TK_ELSE, TK_FOR, TK_WHILE, TK_DO, TK_CONTINUE,
    TK_BREAK, TK_FUNCTION, TK_RETURN, TK_VAR, TK_PROTOTYPE, TK_EXIT,
};

static bool IsOctDigit(int c) { return c >= '0' && c <= '7'; }
static bool IsDecDigit(int c) { return c >= '0' && c <= '9'; }
static bool IsHexDigit(int c) { return c >= 0 && c < 256 && isxdigit(c); }
static bool IsNameChar(int c) { return c == '_' || (c >= 0 && c < 256 && isalnum(c)); }
static int HexDigitValue(int c) { return isdigit(c) ? c - '0' : tolower(c) - 'a' + 10; }

Lexer::Lexer(State* S, Parser* P, Inputter* in)
    : m_line(1), m_S(S), m_P(P), m_inputter(in), m_char(-2), m_char2(-2)
{
    InitKeywords();
}

void Lexer::InitKeywords()
{
    for (int tk : KEYWORD_TOKENS) {
        for (const TokenName& tn : TOKEN_NAMES) {
            if (tn.id == tk) {
                m_keywords.emplace_back(tn.name, Hash(tn.name), tk);
                break;
            }
        }
    }
}

void Lexer::NextChar()
{
    if (!m_inputter) {
        m_char = m_char2 = -1;
        return;
    }
    if (m_char2 == -2) {
        m_char = m_inputter->ReadChar();
        m_char2 = m_char == -1 ? -1 : m_inputter->ReadChar();
        return;
    }
    m_char = m_char2;
    if (m_char != -1)
        m_char2 = m_inputter->ReadChar();
}

Token Lexer::GetTokWrapper()
{
    Token t = GetTok();
    t.line = m_line;
    return t;
}

void Lexer::SkipLineComment()
{
    while (m_char2 != '\n' && m_char2 != -1)
        NextChar();
}

// Returns the two-character token when the next character is `next`.
#define TWO(next, tk)          \
    if (m_char2 == (next)) {   \
        NextChar();            \
        return Token{(tk), 0}; \
    }

Token Lexer::GetTok()
{
    for (;;) {
        NextChar();
        switch (m_char) {
        case -1:
            return Token{TK_EOS, 0};
        case '\t': case '\r': case ' ':
            break;
        case '\n':
            ++m_line;
            break;
        case '#':
            SkipLineComment();
            break;
        case '/':
            TWO('=', TK_DIV_ASSIGN);
            if (m_char2 == '/') {
                NextChar();
                SkipLineComment();
                break;
            }
            if (m_char2 == '*') {
                NextChar();
                EatSlashStarComment();
                break;
            }
            return Token{'/', 0};
        case '!': TWO('=', TK_NE); return Token{'!', 0};
        case '%': TWO('=', TK_MOD_ASSIGN); return Token{'%', 0};
        case '&': TWO('=', TK_AND_ASSIGN); TWO('&', TK_LAND); return Token{'&', 0};
        case '*': TWO('=', TK_MUL_ASSIGN); return Token{'*', 0};
        case '+': TWO('=', TK_ADD_ASSIGN); TWO('+', TK_INC); return Token{'+', 0};
        case '-': TWO('=', TK_SUB_ASSIGN); TWO('-', TK_DEC); return Token{'-', 0};
        case '.': TWO('=', TK_CAT_ASSIGN); return Token{'.', 0};
        case '=': TWO('=', TK_EQ); return Token{'=', 0};
        case '^': TWO('=', TK_XOR_ASSIGN); return Token{'^', 0};
        case '|': TWO('=', TK_OR_ASSIGN); TWO('|', TK_LOR); return Token{'|', 0};
        case '<':
            TWO('=', TK_LE);
            if (m_char2 == '<') {
                NextChar();
                TWO('=', TK_SHL_ASSIGN);
                return Token{TK_SHL, 0};
            }
            return Token{'<', 0};
        case '>':
            TWO('=', TK_GE);
            if (m_char2 == '>') {
                NextChar();
                TWO('=', TK_SHR_ASSIGN);
                return Token{TK_SHR, 0};
            }
            return Token{'>', 0};
        case '(': case ')': case ',': case ':': case ';':
        case '?': case '{': case '}': case '~':
            return Token{m_char, 0};
        case '"': case '\'':
            return Token{TK_CONSTANT, ReadStrConst()};
        case '0':
            if (m_char2 == 'x') {
                NextChar();
                NextChar();
                return Token{TK_CONSTANT, ReadHexConst()};
            }
            if (IsOctDigit(m_char2)) {
                NextChar();
                return Token{TK_CONSTANT, ReadOctConst()};
            }
            return Token{TK_CONSTANT, 1};  // the predefined constant "0"
        case '1': case '2': case '3': case '4': case '5':
        case '6': case '7': case '8': case '9':
            return Token{TK_CONSTANT, ReadDecConst()};
        default:
            if (m_char == '_' || (m_char >= 0 && m_char < 256 && isalpha(m_char)))
                return ReadID();
            m_S->Error(m_line, "Illegal character: '%c'", m_char);
        }
    }
}

#undef TWO

void Lexer::EatSlashStarComment()
{
    for (;;) {
        NextChar();
        if (m_char == -1)
            m_S->Error(m_line, "Reached end of script while parsing /* comment");
        if (m_char == '\n')
            ++m_line;
        if (m_char == '*' && m_char2 == '/') {
            NextChar();
            return;
        }
    }
}

void Lexer::Store(std::string& buf, int c, int limit, const char* message)
{
    buf.push_back(static_cast<char>(c));
    if (static_cast<int>(buf.size()) >= limit)
        m_S->Error(m_line, message, limit - 1);
}

static const char* const CONST_TOO_LONG = "Constant too long (max is %d chars)";

int Lexer::ReadDecConst()
{
    std::string buf;
    bool point = false;
    for (;;) {
        if (m_char == '.') {
            if (point)
                break;  // a second point ends the literal and is dropped
            point = true;
        }
        Store(buf, m_char, MAX_CONST, CONST_TOO_LONG);
        if (!IsDecDigit(m_char2) && m_char2 != '.')
            break;
        NextChar();
    }
    return m_S->AddConst(buf);
}

// Octal and hex literals name 32-bit unsigned numbers; anything larger is
// refused rather than silently wrapped.
int Lexer::AddNumberConst(unsigned long long value)
{
    return m_S->AddConst(std::to_string(value));
}

int Lexer::ReadOctConst()
{
    std::string buf;
    unsigned long long value = 0;
    for (;;) {
        Store(buf, m_char, MAX_CONST, CONST_TOO_LONG);
        value = value * 8 + static_cast<unsigned>(m_char - '0');
        if (value > 0xFFFFFFFFull)
            m_S->Error(m_line, "Octal constant too big (max is %s)", "037777777777");
        if (!IsOctDigit(m_char2))
            break;
        NextChar();
    }
    return AddNumberConst(value);
}

int Lexer::ReadHexConst()
{
    if (!IsHexDigit(m_char))
        m_S->Error(m_line, "'0x' requires at least one hex digit following it");
    std::string buf;
    unsigned long long value = 0;
    for (;;) {
        Store(buf, m_char, MAX_CONST, CONST_TOO_LONG);
        value = value * 16 + static_cast<unsigned>(HexDigitValue(m_char));
        if (value > 0xFFFFFFFFull)
            m_S->Error(m_line, "Hex constant too big (max is %s)", "0xFFFFFFFF");
        if (!IsHexDigit(m_char2))
            break;
        NextChar();
    }
    return AddNumberConst(value);
}

int Lexer::ReadEscape()
{
    NextChar();
    switch (m_char) {
    case '"': return 34;
    case '\'': return 39;
    case '?': return 63;
    case '\\': return 92;
    case 'a': return 7;
    case 'b': return 8;
    case 'f': return 12;
    case 'n': return 10;
    case 'r': return 13;
    case 't': return 9;
    case 'v': return 11;
    case 'x': {
        if (!IsHexDigit(m_char2))
            m_S->Error(m_line, "'\\xdd' escape sequence requires at least one digit following it");
        int value = 0;
        for (int i = 0; i < 2 && IsHexDigit(m_char2); ++i) {
            NextChar();
            value = value * 16 + HexDigitValue(m_char);
        }
        return value;
    }
    default:
        if (IsOctDigit(m_char)) {
            int value = m_char - '0';
            for (int i = 0; i < 2 && IsOctDigit(m_char2); ++i) {
                NextChar();
                value = value * 8 + (m_char - '0');
            }
            if (value > 255)
                m_S->Error(m_line, "'%d': Too big for one character", value);
            return value;
        }
        // A backslash as the very last byte would otherwise report the
        // end-of-input marker as a character.
        if (m_char == -1)
            m_S->Error(m_line, "Hit end-of-script while reading constant");
        m_S->Error(m_line, "'%c': Unrecognized escape sequence", m_char);
    }
}

int Lexer::ReadStrConst()
{
    const int quote = m_char;
    std::string buf;
    for (;;) {
        NextChar();
        int c = m_char;
        if (c == quote)
            break;
        if (c == '\n' || c == '\r')
            m_S->Error(m_line, "Newline in constant");
        if (c == -1)
            m_S->Error(m_line, "Hit end-of-script while reading constant");
        if (c == '\\')
            c = ReadEscape();
        Store(buf, c, MAX_CONST, CONST_TOO_LONG);
    }
    return m_S->AddConst(buf);
}

Token Lexer::ReadID()
{
    std::string name;
    for (;;) {
        Store(name, m_char, MAX_ID, "Identifier too long (max is %d chars)");
        if (!IsNameChar(m_char2))
            break;
        NextChar();
    }
    for (char& c : name)
        c = static_cast<char>(tolower(static_cast<unsigned char>(c)));
    int h = Hash(name.c_str());
    for (const Keyword& k : m_keywords)
        if (k.hash == h && k.name == name)
            return Token{k.tk, 0};
    return Token{TK_IDENTIFIER, m_P->AddID(name.c_str())};
}

}  // namespace MorScript
