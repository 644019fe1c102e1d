// What the binary operators, INC and DEC compute, written once. The
// one-opcode path (ExecOne) and every joined run of the instruction loop call
// these, so the two cannot disagree. A new binary operator is a row here and
// a row in Opcodes.h (and its token and precedence in the parser).
#ifndef MORSCRIPT_OPERATORS_H
#define MORSCRIPT_OPERATORS_H

#include <cstdint>

#include "morscript/Opcodes.h"
#include "morscript/Value.h"

namespace MorScript {

// Shifts count with the low six bits of the count; 32 to 63 shift
// everything out (SHR keeps the sign).
inline int32_t ShiftLeft(int32_t a, int32_t count)
{
    int n = count & 63;
    return n >= 32 ? 0 : static_cast<int32_t>(static_cast<uint32_t>(a) << n);
}

inline int32_t ShiftRight(int32_t a, int32_t count)
{
    int n = count & 63;
    if (n >= 32)
        return a < 0 ? -1 : 0;
    return a >> n;
}

// The binary operators that cannot fail, as the result of A op B from the
// values a (left) and b (right). Comparisons give 1 or 0.
//
// X(opcode, result)
#define MORSCRIPT_BINARY_OPERATORS(X)                      \
    X(ADD, a.GetNum() + b.GetNum())                        \
    X(SUB, a.GetNum() - b.GetNum())                        \
    X(MUL, a.GetNum() * b.GetNum())                        \
    X(SHL, ShiftLeft(a.GetInt(), b.GetInt()))              \
    X(SHR, ShiftRight(a.GetInt(), b.GetInt()))             \
    X(AND, a.GetInt() & b.GetInt())                        \
    X(OR, a.GetInt() | b.GetInt())                         \
    X(XOR, a.GetInt() ^ b.GetInt())                        \
    X(LAND, a.GetNum() != 0 && b.GetNum() != 0)            \
    X(LOR, a.GetNum() != 0 || b.GetNum() != 0)             \
    X(LT, a.GetNum() < b.GetNum())                         \
    X(GT, a.GetNum() > b.GetNum())                         \
    X(LE, a.GetNum() <= b.GetNum())                        \
    X(GE, a.GetNum() >= b.GetNum())                        \
    X(EQUAL, a.IsEqual(b))                                 \
    X(NE, !a.IsEqual(b))

// Binary<OP_ADD>(a, b) and so on: one operator known at compile time.
template <int OP> auto Binary(const Value& a, const Value& b);
#define MORSCRIPT_BINARY_DEFINITION(op, result)                                  \
    template <>                                                                  \
    __attribute__((always_inline)) inline auto Binary<OP_##op>(const Value& a, const Value& b) \
    {                                                                            \
        return result;                                                           \
    }
MORSCRIPT_BINARY_OPERATORS(MORSCRIPT_BINARY_DEFINITION)
#undef MORSCRIPT_BINARY_DEFINITION

// Any binary operator but CAT, chosen at run time. False for a division or
// modulus by zero, which the one-opcode path reports as an error.
__attribute__((always_inline)) inline bool NumericOp(int op, const Value& a, const Value& b, double* result)
{
    switch (op) {
    case OP_DIV: {
        double y = b.GetNum();
        if (y == 0)
            return false;
        *result = a.GetNum() / y;
        return true;
    }
    case OP_MOD: {
        int32_t x = a.GetInt(), y = b.GetInt();
        if (y == 0)
            return false;
        *result = y == -1 ? 0 : x % y;  // INT32_MIN % -1 would trap
        return true;
    }
#define MORSCRIPT_BINARY_CASE(op, unused) \
    case OP_##op:                         \
        *result = Binary<OP_##op>(a, b);  \
        return true;
    MORSCRIPT_BINARY_OPERATORS(MORSCRIPT_BINARY_CASE)
#undef MORSCRIPT_BINARY_CASE
    default:
        return false;
    }
}

// INC and DEC (by 1 or -1), on the stack top or in a variable.
inline double Stepped(const Value& t, int by)
{
    return t.GetNum() + by;
}

}  // namespace MorScript

#endif
