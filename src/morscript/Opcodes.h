// Opcode numbers, token types and the two name tables shared by the lexer,
// the compiler, the virtual machine and the tools that list programs.
#ifndef MORSCRIPT_OPCODES_H
#define MORSCRIPT_OPCODES_H

namespace MorScript {

// Every opcode, one row each: name, operand kind, stack values read and
// pushed, whether it only computes (no jump, call, return, end or label),
// and whether the VM may join it with other opcodes into one run. The enum,
// OPCODE_NAMES, OPCODE_INFO, the disassembler and the run builder all come
// from this table; adding an opcode means adding a row (and its meaning to
// the instruction loop).
//
// X(name, operand, pops, pushes, computes, joins)
#define MORSCRIPT_OPCODES(X)                                 \
    X(NOOP, OPERAND_NONE, 0, 0, false, true)                 \
    X(PUSH, OPERAND_CONSTANT, 0, 1, true, true)              \
    X(POP, OPERAND_NONE, 1, 0, true, true)                   \
    X(DUP, OPERAND_NONE, 1, 2, true, true)                   \
    X(NOT, OPERAND_NONE, 1, 1, true, false)                  \
    X(POS, OPERAND_NONE, 1, 1, true, false)                  \
    X(NEG, OPERAND_NONE, 1, 1, true, false)                  \
    X(COMP, OPERAND_NONE, 1, 1, true, false)                 \
    X(INC, OPERAND_NONE, 1, 1, true, true)                   \
    X(DEC, OPERAND_NONE, 1, 1, true, true)                   \
    X(ADD, OPERAND_NONE, 2, 1, true, true)                   \
    X(SUB, OPERAND_NONE, 2, 1, true, true)                   \
    X(MUL, OPERAND_NONE, 2, 1, true, true)                   \
    X(DIV, OPERAND_NONE, 2, 1, true, true)                   \
    X(MOD, OPERAND_NONE, 2, 1, true, true)                   \
    X(SHL, OPERAND_NONE, 2, 1, true, true)                   \
    X(SHR, OPERAND_NONE, 2, 1, true, true)                   \
    X(CAT, OPERAND_NONE, 2, 1, true, false)                  \
    X(AND, OPERAND_NONE, 2, 1, true, true)                   \
    X(OR, OPERAND_NONE, 2, 1, true, true)                    \
    X(XOR, OPERAND_NONE, 2, 1, true, true)                   \
    X(LAND, OPERAND_NONE, 2, 1, true, true)                  \
    X(LOR, OPERAND_NONE, 2, 1, true, true)                   \
    X(LT, OPERAND_NONE, 2, 1, true, true)                    \
    X(GT, OPERAND_NONE, 2, 1, true, true)                    \
    X(LE, OPERAND_NONE, 2, 1, true, true)                    \
    X(GE, OPERAND_NONE, 2, 1, true, true)                    \
    X(EQUAL, OPERAND_NONE, 2, 1, true, true)                 \
    X(NE, OPERAND_NONE, 2, 1, true, true)                    \
    X(CALL, OPERAND_CALL, 0, 1, false, false)                \
    X(RETURN, OPERAND_NONE, 0, 0, false, true)               \
    X(SETVAR, OPERAND_VARIABLE, 1, 1, true, true)            \
    X(GETVAR, OPERAND_VARIABLE, 0, 1, true, true)            \
    X(JMP, OPERAND_LABEL, 0, 0, false, true)                 \
    X(JT, OPERAND_LABEL, 1, 0, false, true)                  \
    X(JF, OPERAND_LABEL, 1, 0, false, true)                  \
    X(DONE, OPERAND_NONE, 0, 0, false, false)

enum OpcodeNumber {
#define MORSCRIPT_OPCODE_ENUM(name, operand, pops, pushes, computes, joins) OP_##name,
    MORSCRIPT_OPCODES(MORSCRIPT_OPCODE_ENUM)
#undef MORSCRIPT_OPCODE_ENUM
    OP_COUNT  // number of opcodes, not an opcode
};

// What an opcode's val means.
enum OperandKind {
    OPERAND_NONE,
    OPERAND_CONSTANT,  // constant index
    OPERAND_VARIABLE,  // variable id (see LocalId)
    OPERAND_LABEL,     // label number
    OPERAND_CALL,      // function index and argument count (see CallOperand)
};

struct OpcodeInfo {
    const char* name;
    OperandKind operand;
    int pops;       // stack values read (a call reads its argument count)
    int pushes;
    bool computes;  // only computes: no jump, call, return, end or label
    bool joins;     // may be joined with other opcodes into one run
};

extern const OpcodeInfo OPCODE_INFO[OP_COUNT];

inline bool IsOpcode(int code)
{
    return code >= 0 && code < OP_COUNT;
}

// Binary operators on numbers (ADD to NE, without CAT).
inline bool IsNumericOp(int code)
{
    return IsOpcode(code) && OPCODE_INFO[code].pops == 2 && code != OP_CAT;
}

// Variable ids: globals count from 0; a local slot of the current call has
// bit 31 set.
inline bool IsLocalId(int id)
{
    return id < 0;
}
inline int LocalId(int slot)
{
    return static_cast<int>(static_cast<unsigned>(slot) | 0x80000000u);
}
inline int LocalSlot(int id)
{
    return id & 0x7FFFFFFF;
}

// CALL's operand: the function index in the low 16 bits, the argument count
// in the high 16 bits.
struct CallOperand {
    int function;
    int arguments;
};
inline int MakeCallOperand(int function, int arguments)
{
    return static_cast<int>((static_cast<unsigned>(function) & 0xFFFFu) | (static_cast<unsigned>(arguments) << 16));
}
inline CallOperand DecodeCallOperand(int val)
{
    return CallOperand{static_cast<int>(static_cast<unsigned>(val) & 0xFFFFu),
                       static_cast<int>(static_cast<unsigned>(val) >> 16)};
}

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
