// Turns a script source into tokens, one at a time. Literals go straight into
// the state's constant table and names into the parser's identifier table;
// the token carries the index.
#ifndef MORSCRIPT_LEXER_H
#define MORSCRIPT_LEXER_H

#include <string>
#include <vector>

#include "morscript/IO.h"
#include "morscript/Tokens.h"

namespace MorScript {

class State;
class Parser;

class Keyword {
public:
    Keyword(const std::string& n, int h, int t) : name(n), hash(h), tk(t) {}
    virtual ~Keyword() {}
    std::string name;
    int hash;
    int tk;
};

extern const int KEYWORD_TOKENS[12];

class Lexer {
public:
    static const int MAX_CONST = 4096;  // buffer size; 4095 characters fit
    static const int MAX_ID = 256;      // buffer size; 255 characters fit

    Lexer(State* S, Parser* P, Inputter* in);

    Token GetTokWrapper();
    Token GetTok();
    void NextChar();
    int ReadDecConst();
    int ReadOctConst();
    int ReadHexConst();
    int ReadStrConst();
    Token ReadID();
    void EatSlashStarComment();
    void InitKeywords();

    int m_line;
    State* m_S;
    Parser* m_P;
    Inputter* m_inputter;
    int m_char;
    int m_char2;
    std::vector<Keyword> m_keywords;

private:
    void SkipLineComment();
    void Store(std::string& buf, int c, int limit, const char* message);
    int ReadEscape();
    int AddNumberConst(unsigned long long value);
};

}  // namespace MorScript

#endif
