// Statements, declarations and the parser's tables. Expressions are compiled
// in ParserExpr.cpp.
#include "morscript/Parser.h"

#include "morscript/Globals.h"
#include "morscript/State.h"

namespace MorScript {

Parser::Parser(State* S, Inputter* in) : m_S(S), m_L(S, this, in)
{
    // Host functions are ordinary names of the language.
    for (size_t i = 0; i < S->m_funcs.size(); ++i) {
        Identifier& id = m_ids[AddID(S->m_funcs[i].name.c_str())];
        id.type = ID_FUNCTION;
        id.id = static_cast<int>(i);
    }
}

int Parser::AddID(const char* name)
{
    // The index map keeps long scripts with many names linear to compile.
    auto found = m_idIndex.find(name);
    if (found != m_idIndex.end())
        return found->second;
    Identifier id;
    id.name = name;
    id.hash = Hash(name);
    m_ids.push_back(id);
    int index = static_cast<int>(m_ids.size() - 1);
    m_idIndex.emplace(id.name, index);
    return index;
}

void Parser::NextTok()
{
    if (m_lookahead.type == TK_NONE && m_lookahead2.type == TK_NONE) {
        m_lookahead = m_L.GetTokWrapper();
        m_lookahead2 = m_L.GetTokWrapper();
        return;
    }
    m_lookahead = m_lookahead2;
    m_lookahead2 = m_L.GetTokWrapper();
}

void Parser::Match(int tk)
{
    if (Type() != tk)
        m_S->Error(Line(), "Expected '%s', got '%s'", GetTokenName(tk).c_str(),
                   GetTokenName(Type()).c_str());
    NextTok();
}

int Parser::AddOpcode(int code, int line, int val)
{
    m_S->m_opcodes.push_back(Opcode{code, line, val});
    return static_cast<int>(m_S->m_opcodes.size() - 1);
}

Identifier& Parser::CurrentID()
{
    return m_ids[m_lookahead.id];
}

int Parser::GetVarID()
{
    if (Type() != TK_IDENTIFIER)
        Match(TK_IDENTIFIER);
    const Identifier& id = CurrentID();
    if (id.type == ID_UNDECLARED)
        m_S->Error(Line(), "Undeclared identifier '%s'", id.name.c_str());
    if (id.type == ID_FUNCTION || id.type == ID_PROTOTYPE)
        m_S->Error(Line(), "Not a variable: '%s'", id.name.c_str());
    return id.id;
}

void Parser::ScopeUp()
{
    ++m_scope;
}

void Parser::ScopeDown()
{
    // Names declared in the closing block are forgotten; their storage is not
    // reused. Declarations are logged in order, so the ones to forget are the
    // most recent entries.
    while (!m_declared.empty() && m_ids[m_declared.back()].scope >= m_scope) {
        Identifier& id = m_ids[m_declared.back()];
        id.type = ID_UNDECLARED;
        id.scope = 0;
        id.id = 0;
        m_declared.pop_back();
    }
    --m_scope;
}

void Parser::Declare(int index, int type, int scope, int id)
{
    Identifier& ident = m_ids[index];
    ident.type = type;
    ident.scope = scope;
    ident.id = id;
    if (scope > 0)
        m_declared.push_back(index);
}

// Emits the NOOP that a label points at.
int Parser::PlaceLabel(int label)
{
    int at = AddOpcode(OP_NOOP, Line(), 0);
    m_S->SetLabel(label, at);
    return at;
}

void Parser::EnterNesting(int* depth, int limit)
{
    if (++*depth > limit)
        m_S->Error(Line(), "Too deeply nested (max is %d levels)", limit);
}

void Parser::Start()
{
    NextTok();
    while (Type() != TK_EOS)
        Stmt();
    AddOpcode(OP_DONE, Line(), 0);
    for (const Function& f : m_S->m_funcs)
        if (!f.baked)
            m_S->Error(Line(), "Function '%s()' prototyped but not defined", f.name.c_str());
}

void Parser::Stmt()
{
    Nest nest(this, &m_stmtNesting, MAX_STMT_NESTING);
    switch (Type()) {
    case TK_IF: IfStmt(); break;
    case TK_WHILE: WhileStmt(); break;
    case TK_FOR: ForStmt(); break;
    case TK_DO: DoStmt(); break;
    case TK_CONTINUE: ContinueStmt(); break;
    case TK_BREAK: BreakStmt(); break;
    case TK_FUNCTION: FuncStmt(); break;
    case TK_RETURN: ReturnStmt(); break;
    case TK_VAR: DeclStmt(); break;
    case TK_PROTOTYPE: PrototypeStmt(); break;
    case TK_EXIT: ExitStmt(); break;
    case ';': NextTok(); break;
    case '{': CompoundStmt(); break;
    default: ExprStmt(); break;
    }
}

void Parser::CompoundStmt()
{
    Match('{');
    ScopeUp();
    while (Type() != '}') {
        Stmt();
        if (Type() == TK_EOS)
            m_S->Error(Line(), "Unexpected end of script");
    }
    Match('}');
    ScopeDown();
}

void Parser::IfStmt()
{
    Match(TK_IF);
    Match('(');
    Expr();
    Match(')');
    int lelse = m_S->RegLabel();
    int lend = m_S->RegLabel();
    AddOpcode(OP_JF, Line(), lelse);
    ScopeUp();
    Stmt();
    ScopeDown();
    AddOpcode(OP_JMP, Line(), lend);
    PlaceLabel(lelse);
    if (Type() == TK_ELSE) {
        NextTok();
        Stmt();  // no scope of its own
    }
    PlaceLabel(lend);
}

void Parser::WhileStmt()
{
    Match(TK_WHILE);
    int ltop = m_S->RegLabel();
    int lend = m_S->RegLabel();
    m_breakstack.push_back(lend);
    m_contstack.push_back(ltop);
    PlaceLabel(ltop);
    Match('(');
    Expr();
    Match(')');
    AddOpcode(OP_JF, Line(), lend);
    ScopeUp();
    Stmt();
    ScopeDown();
    AddOpcode(OP_JMP, Line(), ltop);
    PlaceLabel(lend);
    m_breakstack.pop_back();
    m_contstack.pop_back();
}

void Parser::DoStmt()
{
    Match(TK_DO);
    int ltop = m_S->RegLabel();
    int lcond = m_S->RegLabel();
    int lend = m_S->RegLabel();
    m_breakstack.push_back(lend);
    m_contstack.push_back(lcond);
    PlaceLabel(ltop);
    ScopeUp();
    Stmt();
    ScopeDown();
    PlaceLabel(lcond);
    Match(TK_WHILE);
    Match('(');
    Expr();
    Match(')');
    AddOpcode(OP_JT, Line(), ltop);
    Match(';');
    PlaceLabel(lend);
    m_breakstack.pop_back();
    m_contstack.pop_back();
}

void Parser::ForStmt()
{
    Match(TK_FOR);
    Match('(');
    ScopeUp();
    Stmt();  // the initialiser consumes its own ';'
    int lcond = m_S->RegLabel();
    int lend = m_S->RegLabel();
    int lcont = m_S->RegLabel();
    int lbody = m_S->RegLabel();
    int linc = m_S->RegLabel();
    PlaceLabel(lcond);
    m_breakstack.push_back(lend);
    m_contstack.push_back(lcont);
    if (Type() != ';') {
        Expr();
        AddOpcode(OP_JF, Line(), lend);
    }
    Match(';');
    AddOpcode(OP_JMP, Line(), lbody);
    PlaceLabel(linc);
    if (Type() != ')') {
        for (;;) {
            Expr();
            AddOpcode(OP_POP, Line(), 0);
            if (Type() != ',')
                break;
            NextTok();
        }
    }
    Match(')');
    AddOpcode(OP_JMP, Line(), lcond);
    PlaceLabel(lbody);
    ScopeUp();
    Stmt();
    ScopeDown();
    // continue runs the increments, then the condition
    m_S->SetLabel(lcont, AddOpcode(OP_JMP, Line(), linc));
    PlaceLabel(lend);
    ScopeDown();
    m_breakstack.pop_back();
    m_contstack.pop_back();
}

void Parser::ContinueStmt()
{
    int line = Line();
    Match(TK_CONTINUE);
    Match(';');
    if (m_contstack.empty())
        m_S->Error(line, "Illegal continue");
    AddOpcode(OP_JMP, line, m_contstack.back());
}

void Parser::BreakStmt()
{
    int line = Line();
    Match(TK_BREAK);
    Match(';');
    if (m_breakstack.empty())
        m_S->Error(line, "Illegal break");
    AddOpcode(OP_JMP, line, m_breakstack.back());
}

void Parser::DeclStmt()
{
    Match(TK_VAR);
    for (;;) {
        if (Type() != TK_IDENTIFIER)
            Match(TK_IDENTIFIER);
        int index = m_lookahead.id;
        if (m_ids[index].type != ID_UNDECLARED)
            m_S->Error(Line(), "'%s' already declared", m_ids[index].name.c_str());
        NextTok();
        if (Type() == '=') {
            NextTok();
            Expr();
        } else {
            AddOpcode(OP_PUSH, Line(), 0);
        }
        int var = m_S->AddVar(m_infunc ? &m_funcvars : nullptr);
        if (var == -1)
            m_S->Error(Line(), "Ran out of variables!");
        Declare(index, ID_VARIABLE, m_scope, var);
        AddOpcode(OP_SETVAR, Line(), var);
        AddOpcode(OP_POP, Line(), 0);
        if (Type() != ',')
            break;
        NextTok();
    }
    Match(';');
}

void Parser::ReturnStmt()
{
    if (!m_infunc)
        m_S->Error(Line(), "Illegal return");
    Match(TK_RETURN);
    if (Type() != ';')
        Expr();
    else
        AddOpcode(OP_PUSH, Line(), 0);
    AddOpcode(OP_RETURN, Line(), 0);
    Match(';');
}

void Parser::ExitStmt()
{
    Match(TK_EXIT);
    AddOpcode(OP_DONE, Line(), 0);
    Match(';');
}

void Parser::ExprStmt()
{
    Expr();
    AddOpcode(OP_POP, Line(), 0);
    Match(';');
}

void Parser::PrototypeStmt()
{
    if (m_scope != 0)
        m_S->Error(Line(), "Functions must have global scope");
    int line = Line();
    Match(TK_PROTOTYPE);
    if (Type() != TK_IDENTIFIER)
        Match(TK_IDENTIFIER);
    int index = m_lookahead.id;
    if (m_ids[index].type != ID_UNDECLARED)
        m_S->Error(Line(), "'%s' already declared", m_ids[index].name.c_str());
    m_ids[index].type = ID_PROTOTYPE;
    NextTok();
    Match('(');
    int count = 0;
    if (Type() != ')') {
        for (;;) {
            if (Type() != TK_IDENTIFIER)
                Match(TK_IDENTIFIER);
            if (CurrentID().type != ID_UNDECLARED)
                m_S->Error(Line(), "'%s' already declared", CurrentID().name.c_str());
            ++count;
            NextTok();
            if (Type() != ',')
                break;
            NextTok();
        }
    }
    Match(')');
    Match(';');
    int f = m_S->AddMorScriptFunc(m_ids[index].name, count, 0, false);
    if (f == -1)
        m_S->Error(line, "Can't add '%s()' - Reached %u-function limit", m_ids[index].name.c_str(),
                   static_cast<unsigned>(State::MAX_FUNCTIONS));
    Declare(index, ID_PROTOTYPE, 0, f);
}

void Parser::FuncStmt()
{
    if (m_scope != 0)
        m_S->Error(Line(), "Functions must have global scope");
    int line = Line();
    Match(TK_FUNCTION);
    m_funcvars = 0;
    ScopeUp();  // the parameters' scope

    if (Type() != TK_IDENTIFIER)
        Match(TK_IDENTIFIER);
    int index = m_lookahead.id;
    int oldType = m_ids[index].type;
    if (oldType != ID_UNDECLARED && oldType != ID_PROTOTYPE)
        m_S->Error(Line(), "'%s' already declared", m_ids[index].name.c_str());
    m_ids[index].type = ID_FUNCTION;  // callable inside its own body
    NextTok();

    int lskip = m_S->RegLabel();
    int lentry = m_S->RegLabel();
    AddOpcode(OP_JMP, Line(), lskip);
    PlaceLabel(lentry);

    Match('(');
    std::vector<int> slots, lines;
    if (Type() != ')') {
        for (;;) {
            if (Type() != TK_IDENTIFIER)
                m_S->Error(Line(), "Expected identifier");
            int param = m_lookahead.id;
            if (m_ids[param].type != ID_UNDECLARED)
                m_S->Error(Line(), "'%s' already declared", m_ids[param].name.c_str());
            int var = m_S->AddVar(&m_funcvars);
            if (var == -1)
                m_S->Error(Line(), "Ran out of variables!");
            Declare(param, ID_VARIABLE, m_scope, var);
            slots.push_back(var);
            lines.push_back(Line());
            NextTok();
            if (Type() != ',')
                break;
            NextTok();
        }
    }
    Match(')');
    // Callers push the arguments left to right: pop them last first.
    for (size_t i = slots.size(); i-- > 0;) {
        AddOpcode(OP_SETVAR, lines[i], slots[i]);
        AddOpcode(OP_POP, lines[i], 0);
    }

    const int count = static_cast<int>(slots.size());
    int f;
    if (oldType == ID_PROTOTYPE) {
        f = m_ids[index].id;
        Function& proto = m_S->m_funcs[f];
        proto.calllabel = lentry;
        proto.baked = true;
        if (proto.params != count)
            m_S->Error(Line(), "Parameters for '%s()' definition don't match prototype",
                       proto.name.c_str());
    } else {
        f = m_S->AddMorScriptFunc(m_ids[index].name, count, lentry, true);
        if (f == -1)
            m_S->Error(line, "Can't add '%s()' - Reached %u-function limit",
                       m_ids[index].name.c_str(), static_cast<unsigned>(State::MAX_FUNCTIONS));
    }
    m_ids[index].id = f;
    m_ids[index].scope = 0;

    m_infunc = true;
    if (Type() != '{')
        Match('{');
    CompoundStmt();
    m_infunc = false;
    AddOpcode(OP_PUSH, Line(), 0);
    AddOpcode(OP_RETURN, Line(), 0);
    ScopeDown();
    PlaceLabel(lskip);
    m_S->m_funcs[f].vars = m_funcvars;
    m_funcvars = 0;
}

}  // namespace MorScript
