// Opcode numbers, token types and the two name tables shared by the lexer,
// the compiler, the virtual machine and the tools that list programs.
#ifndef MORSCRIPT_OPCODES_H
#define MORSCRIPT_OPCODES_H

namespace MorScript {

enum OpcodeNumber {
    OP_NOOP = 0, OP_PUSH, OP_POP, OP_DUP, OP_NOT, OP_POS, OP_NEG, OP_COMP,
    OP_INC, OP_DEC, OP_ADD, OP_SUB, OP_MUL, OP_DIV, OP_MOD, OP_SHL, OP_SHR,
    OP_CAT, OP_AND, OP_OR, OP_XOR, OP_LAND, OP_LOR, OP_LT, OP_GT, OP_LE,
    OP_GE, OP_EQUAL, OP_NE, OP_CALL, OP_RETURN, OP_SETVAR, OP_GETVAR, OP_JMP,
    OP_JT, OP_JF, OP_DONE,
    OP_COUNT  // number of opcodes, not an opcode
};

// Token types. One-character tokens use the character code itself (below 256).
enum TokenType {
    TK_NONE = -2,  // no token read yet
    TK_EOS = 256, TK_SHL, TK_SHR, TK_INC, TK_DEC, TK_LAND, TK_LOR, TK_LE,
    TK_GE, TK_EQ, TK_NE, TK_ADD_ASSIGN, TK_SUB_ASSIGN, TK_MUL_ASSIGN,
    TK_DIV_ASSIGN, TK_MOD_ASSIGN, TK_CAT_ASSIGN, TK_AND_ASSIGN, TK_OR_ASSIGN,
    TK_XOR_ASSIGN, TK_SHL_ASSIGN, TK_SHR_ASSIGN,
    TK_IF, TK_ELSE, TK_FOR, TK_WHILE, TK_DO, TK_CONTINUE, TK_BREAK,
    TK_FUNCTION, TK_RETURN, TK_VAR, TK_PROTOTYPE, TK_EXIT,
    TK_IDENTIFIER, TK_CONSTANT,
    TK_LAST = TK_CONSTANT
};

struct TokenName {
    int id;
    const char* name;
};

const int TOKEN_NAME_COUNT = 36;
extern const TokenName TOKEN_NAMES[TOKEN_NAME_COUNT];
extern const char* const OPCODE_NAMES[OP_COUNT];

}  // namespace MorScript

#endif
