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
// Each row ends with the opcode's meaning. T is the stack top; a binary
// operator reads A (below) and B (the top), and its result replaces both.
// Number(), Int() and Text() are a value's forms (Value.h); what the binary
// operators compute is defined once, in Operators.h.
//
// X(name, operand, pops, pushes, computes, joins)  /* meaning */
#define MORSCRIPT_OPCODES(X)                                                                            \
    X(NOOP, OPERAND_NONE, 0, 0, false, true)        /* nothing (labels point at these) */               \
    X(PUSH, OPERAND_CONSTANT, 0, 1, true, true)     /* push a copy of constant val */                   \
    X(POP, OPERAND_NONE, 1, 0, true, true)          /* remove T */                                      \
    X(DUP, OPERAND_NONE, 1, 2, true, true)          /* push a copy of T */                              \
    X(NOT, OPERAND_NONE, 1, 1, true, false)         /* T := 1 if Number(T) is 0, else 0 */              \
    X(POS, OPERAND_NONE, 1, 1, true, false)         /* T := |Number(T)| */                              \
    X(NEG, OPERAND_NONE, 1, 1, true, false)         /* T := -Number(T) */                               \
    X(COMP, OPERAND_NONE, 1, 1, true, false)        /* T := ~Int(T) */                                  \
    X(INC, OPERAND_NONE, 1, 1, true, true)          /* T := Number(T) + 1 */                            \
    X(DEC, OPERAND_NONE, 1, 1, true, true)          /* T := Number(T) - 1 */                            \
    X(ADD, OPERAND_NONE, 2, 1, true, true)          /* A := Number(A) + Number(B) */                    \
    X(SUB, OPERAND_NONE, 2, 1, true, true)          /* A := Number(A) - Number(B) */                    \
    X(MUL, OPERAND_NONE, 2, 1, true, true)          /* A := Number(A) * Number(B) */                    \
    X(DIV, OPERAND_NONE, 2, 1, true, true)          /* A := Number(A) / Number(B); error if B is 0 */   \
    X(MOD, OPERAND_NONE, 2, 1, true, true)          /* A := Int(A) % Int(B); error if Int(B) is 0 */    \
    X(SHL, OPERAND_NONE, 2, 1, true, true)          /* A := Int(A) << (Int(B) & 63); 0 past 31 */       \
    X(SHR, OPERAND_NONE, 2, 1, true, true)          /* A := Int(A) >> (Int(B) & 63); sign past 31 */    \
    X(CAT, OPERAND_NONE, 2, 1, true, false)         /* A := Text(A) followed by Text(B) */              \
    X(AND, OPERAND_NONE, 2, 1, true, true)          /* A := Int(A) & Int(B) */                          \
    X(OR, OPERAND_NONE, 2, 1, true, true)           /* A := Int(A) | Int(B) */                          \
    X(XOR, OPERAND_NONE, 2, 1, true, true)          /* A := Int(A) ^ Int(B) */                          \
    X(LAND, OPERAND_NONE, 2, 1, true, true)         /* A := Number(A) && Number(B) */                   \
    X(LOR, OPERAND_NONE, 2, 1, true, true)          /* A := Number(A) || Number(B) */                   \
    X(LT, OPERAND_NONE, 2, 1, true, true)           /* A := Number(A) < Number(B) */                    \
    X(GT, OPERAND_NONE, 2, 1, true, true)           /* A := Number(A) > Number(B) */                    \
    X(LE, OPERAND_NONE, 2, 1, true, true)           /* A := Number(A) <= Number(B) */                   \
    X(GE, OPERAND_NONE, 2, 1, true, true)           /* A := Number(A) >= Number(B) */                   \
    X(EQUAL, OPERAND_NONE, 2, 1, true, true)        /* A := A.IsEqual(B): numbers or texts */           \
    X(NE, OPERAND_NONE, 2, 1, true, true)           /* A := !A.IsEqual(B) */                            \
    X(CALL, OPERAND_CALL, 0, 1, false, false)       /* call function val & 0xFFFF, val >> 16 arguments */\
    X(RETURN, OPERAND_NONE, 0, 0, false, true)      /* pc := popped return address, frame dropped */    \
    X(SETVAR, OPERAND_VARIABLE, 1, 1, true, true)   /* variable val := T; T stays */                    \
    X(GETVAR, OPERAND_VARIABLE, 0, 1, true, true)   /* push a copy of variable val */                   \
    X(JMP, OPERAND_LABEL, 0, 0, false, true)        /* pc := label val */                               \
    X(JT, OPERAND_LABEL, 1, 0, false, true)         /* pop T; to label val if Number(T) is not 0 */     \
    X(JF, OPERAND_LABEL, 1, 0, false, true)         /* pop T; to label val if Number(T) is 0 */         \
    X(DONE, OPERAND_NONE, 0, 0, false, false)       /* end of the program */

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

// Token types from 256 on, each with its display name, in number order;
// one-character tokens use the character code itself (below 256). The enum
// and TOKEN_NAMES both come from this table.
#define MORSCRIPT_TOKENS(X)                                                     \
    X(EOS, "end-of-script") X(SHL, "<<") X(SHR, ">>") X(INC, "++") X(DEC, "--")  \
    X(LAND, "&&") X(LOR, "||") X(LE, "<=") X(GE, ">=") X(EQ, "==") X(NE, "!=")   \
    X(ADD_ASSIGN, "+=") X(SUB_ASSIGN, "-=") X(MUL_ASSIGN, "*=")                 \
    X(DIV_ASSIGN, "/=") X(MOD_ASSIGN, "%=") X(CAT_ASSIGN, ".=")                 \
    X(AND_ASSIGN, "&=") X(OR_ASSIGN, "|=") X(XOR_ASSIGN, "^=")                  \
    X(SHL_ASSIGN, "<<=") X(SHR_ASSIGN, ">>=")                                   \
    X(IF, "if") X(ELSE, "else") X(FOR, "for") X(WHILE, "while") X(DO, "do")     \
    X(CONTINUE, "continue") X(BREAK, "break") X(FUNCTION, "function")           \
    X(RETURN, "return") X(VAR, "var") X(PROTOTYPE, "prototype") X(EXIT, "exit") \
    X(IDENTIFIER, "identifier") X(CONSTANT, "constant")

enum TokenType {
    TK_NONE = -2,              // no token read yet
    TK_LAST_CHARACTER = 255,   // the highest one-character type
#define MORSCRIPT_TOKEN_ENUM(name, text) TK_##name,
    MORSCRIPT_TOKENS(MORSCRIPT_TOKEN_ENUM)
#undef MORSCRIPT_TOKEN_ENUM
    TK_END_OF_TABLE,           // one past the last, not a token
    TK_LAST = TK_END_OF_TABLE - 1
};
static_assert(TK_EOS == 256, "the named token types start at 256");

struct TokenName {
    int id;
    const char* name;
};

const int TOKEN_NAME_COUNT = TK_END_OF_TABLE - TK_EOS;
extern const TokenName TOKEN_NAMES[TOKEN_NAME_COUNT];
extern const char* const OPCODE_NAMES[OP_COUNT];

}  // namespace MorScript

#endif
