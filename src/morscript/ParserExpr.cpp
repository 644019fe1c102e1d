// Expressions: assignment, the binary operator levels, unary operators and
// the basic forms (calls, variables, constants, parentheses).
#include "morscript/Parser.h"
#include "morscript/State.h"

namespace MorScript {

// Precedence levels, loosest first; a tk of 0 ends a level early.
const BinaryOp BINARY_OPS[BINARY_LEVELS][4] = {
    {{TK_LOR, OP_LOR}},
    {{TK_LAND, OP_LAND}},
    {{'|', OP_OR}},
    {{'^', OP_XOR}},
    {{'&', OP_AND}},
    {{TK_EQ, OP_EQUAL}, {TK_NE, OP_NE}},
    {{'<', OP_LT}, {'>', OP_GT}, {TK_LE, OP_LE}, {TK_GE, OP_GE}},
    {{'.', OP_CAT}},
    {{TK_SHL, OP_SHL}, {TK_SHR, OP_SHR}},
    {{'+', OP_ADD}, {'-', OP_SUB}},
    {{'*', OP_MUL}, {'/', OP_DIV}, {'%', OP_MOD}},
};

const AssignOp ASSIGN_OPS[ASSIGN_OP_COUNT] = {
    {TK_ADD_ASSIGN, OP_ADD}, {TK_SUB_ASSIGN, OP_SUB}, {TK_MUL_ASSIGN, OP_MUL},
    {TK_DIV_ASSIGN, OP_DIV}, {TK_MOD_ASSIGN, OP_MOD}, {TK_CAT_ASSIGN, OP_CAT},
    {TK_AND_ASSIGN, OP_AND}, {TK_OR_ASSIGN, OP_OR}, {TK_XOR_ASSIGN, OP_XOR},
    {TK_SHL_ASSIGN, OP_SHL}, {TK_SHR_ASSIGN, OP_SHR},
};

static const AssignOp* FindAssignOp(int tk)
{
    for (const AssignOp& op : ASSIGN_OPS)
        if (op.tk == tk)
            return &op;
    return nullptr;
}

void Parser::Expr()
{
    AssignExpr();
}

void Parser::AssignExpr()
{
    const int next = m_lookahead2.type;
    const AssignOp* compound = FindAssignOp(next);
    if (next != '=' && !compound) {
        BinaryExpr(0);
        return;
    }
    Nest nest(this, &m_exprNesting, MAX_EXPR_NESTING);  // assignment is right-associative: a = b = c
    if (Type() != TK_IDENTIFIER)
        m_S->Error(Line(), "Expected identifier");
    int var = GetVarID();
    NextTok();
    NextTok();
    if (compound)
        AddOpcode(OP_GETVAR, Line(), var);
    AssignExpr();
    if (compound)
        AddOpcode(compound->opcode, Line(), 0);
    AddOpcode(OP_SETVAR, Line(), var);
}

void Parser::BinaryExpr(int level)
{
    if (level == BINARY_LEVELS) {
        UnaryExpr();
        return;
    }
    BinaryExpr(level + 1);
    for (;;) {
        const BinaryOp* found = nullptr;
        for (const BinaryOp& op : BINARY_OPS[level]) {
            if (op.tk == 0)
                break;
            if (op.tk == Type()) {
                found = &op;
                break;
            }
        }
        if (!found)
            return;
        int line = Line();
        NextTok();
        BinaryExpr(level + 1);
        AddOpcode(found->opcode, line, 0);
    }
}

void Parser::UnaryExpr()
{
    Nest nest(this, &m_exprNesting, MAX_EXPR_NESTING);
    const int line = Line();
    int opcode = -1;
    switch (Type()) {
    case '-': opcode = OP_NEG; break;
    case '+': opcode = OP_POS; break;
    case '!': opcode = OP_NOT; break;
    case '~': opcode = OP_COMP; break;
    case TK_INC:
    case TK_DEC: {
        int step = Type() == TK_INC ? OP_INC : OP_DEC;
        NextTok();
        int var = GetVarID();
        NextTok();
        AddOpcode(OP_GETVAR, line, var);
        AddOpcode(step, line, 0);
        AddOpcode(OP_SETVAR, line, var);
        return;
    }
    case TK_IDENTIFIER:
        if (m_lookahead2.type == TK_INC || m_lookahead2.type == TK_DEC) {
            int step = m_lookahead2.type == TK_INC ? OP_INC : OP_DEC;
            int var = GetVarID();
            NextTok();
            NextTok();
            AddOpcode(OP_GETVAR, line, var);
            AddOpcode(OP_DUP, line, 0);
            AddOpcode(step, line, 0);
            AddOpcode(OP_SETVAR, line, var);
            AddOpcode(OP_POP, line, 0);
            return;
        }
        break;
    default:
        break;
    }
    if (opcode >= 0) {
        NextTok();
        UnaryExpr();
        AddOpcode(opcode, line, 0);
        return;
    }
    BasicExpr();
}

void Parser::BasicExpr()
{
    switch (Type()) {
    case TK_IDENTIFIER:
        if (m_lookahead2.type == '(') {
            const int index = m_lookahead.id;
            const int line = Line();
            const Identifier& id = m_ids[index];
            if (id.type != ID_FUNCTION && id.type != ID_PROTOTYPE)
                m_S->Error(line, "'%s' is not a function", id.name.c_str());
            const int f = id.id;
            NextTok();
            NextTok();
            int n = 0;
            if (Type() != ')') {
                for (;;) {
                    Expr();
                    ++n;
                    if (Type() != ',')
                        break;
                    NextTok();
                }
            }
            Match(')');
            const Function& func = m_S->m_funcs[f];
            bool ok = n <= 0xFFFF;
            if (func.limittype == PARAMS_EXACT)
                ok = ok && n == func.params;
            else if (func.limittype == PARAMS_MIN)
                ok = ok && n >= func.params;
            else
                ok = ok && n <= func.params;
            if (!ok)
                m_S->Error(line, "'%s()' doesn't take %d parameters", m_ids[index].name.c_str(), n);
            AddOpcode(OP_CALL, line, MakeCallOperand(f, n));
        } else {
            AddOpcode(OP_GETVAR, Line(), GetVarID());
            NextTok();
        }
        return;
    case TK_CONSTANT:
        AddOpcode(OP_PUSH, Line(), m_lookahead.id);
        NextTok();
        return;
    case '(':
        NextTok();
        Expr();
        Match(')');
        return;
    default:
        m_S->Error(Line(), "Expected identifier, constant or '('");
    }
}

}  // namespace MorScript
