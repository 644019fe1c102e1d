// One-pass recursive-descent compiler: pulls tokens from its lexer and
// appends bytecode, labels, functions and globals straight into a State.
#ifndef MORSCRIPT_PARSER_H
#define MORSCRIPT_PARSER_H

#include <string>
#include <unordered_map>
#include <vector>

#include "morscript/Lexer.h"

namespace MorScript {

class State;

enum IdentifierType {
    ID_UNDECLARED = 0,
    ID_VARIABLE = 1,
    ID_FUNCTION = 2,
    ID_PROTOTYPE = 3,
};

struct Identifier {
    std::string name;  // lower case
    int hash = 0;
    int type = ID_UNDECLARED;
    int scope = 0;
    int id = 0;
};

struct BinaryOp {
    int tk;
    int opcode;
};
struct AssignOp {
    int tk;
    int opcode;
};

const int BINARY_LEVELS = 11;
extern const BinaryOp BINARY_OPS[BINARY_LEVELS][4];
const int ASSIGN_OP_COUNT = 11;
extern const AssignOp ASSIGN_OPS[ASSIGN_OP_COUNT];

class Parser {
public:
    // Statements and expressions nested deeper than this are refused, so that
    // a hostile source cannot exhaust the compiler's own stack. A level of
    // statements (a long else-if chain nests one per branch) costs far less
    // stack than a level of parentheses.
    static const int MAX_STMT_NESTING = 1024;
    static const int MAX_EXPR_NESTING = 256;

    Parser(State* S, Inputter* in);

    void Start();
    void NextTok();
    void Match(int tk);
    int AddID(const char* name);
    int AddOpcode(int code, int line, int val);
    int GetVarID();
    void ScopeUp();
    void ScopeDown();

    void Stmt();
    void IfStmt();
    void WhileStmt();
    void DoStmt();
    void ForStmt();
    void ContinueStmt();
    void BreakStmt();
    void DeclStmt();
    void FuncStmt();
    void ReturnStmt();
    void CompoundStmt();
    void PrototypeStmt();
    void ExitStmt();
    void ExprStmt();
    void Expr();
    void AssignExpr();
    void BinaryExpr(int level);
    void UnaryExpr();
    void BasicExpr();

    int m_scope = 0;
    State* m_S;
    Lexer m_L;
    std::vector<Identifier> m_ids;
    std::vector<int> m_breakstack;
    std::vector<int> m_contstack;
    bool m_infunc = false;
    int m_funcvars = 0;
    Token m_lookahead;
    Token m_lookahead2;

private:
    int Line() const { return m_lookahead.line; }
    int Type() const { return m_lookahead.type; }
    Identifier& CurrentID();
    int PlaceLabel(int label);
    void Declare(int index, int type, int scope, int id);
    void EnterNesting(int* depth, int limit);
    int m_stmtNesting = 0;
    int m_exprNesting = 0;
    std::vector<int> m_declared;  // identifiers declared in open blocks, in order
    std::unordered_map<std::string, int> m_idIndex;  // name -> index in m_ids

    // Counts one level of nesting for the lifetime of a construct.
    struct Nest {
        Nest(Parser* p, int* d, int limit) : depth(d) { p->EnterNesting(depth, limit); }
        ~Nest() { --*depth; }
        int* depth;
    };
};

}  // namespace MorScript

#endif
