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

// Shifts by the low six bits of the count; 32 to 63 shift everything out
// (SHR then leaves the sign).
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

// A value's forms as the operators read them; a number the instruction loop
// has at hand already serves as it is.
__attribute__((always_inline)) inline double Num(const Value& v)
{
    return v.GetNum();
}
__attribute__((always_inline)) inline double Num(double d)
{
    return d;
}
__attribute__((always_inline)) inline int32_t Int(const Value& v)
{
    return v.GetInt();
}

// The binary operators that cannot fail, as the result of A op B from the
// left operand a and the right operand b. Comparisons give 1 or 0.
//
// X(opcode, result)
#define MORSCRIPT_BINARY_OPERATORS(X)                      \
    X(ADD, Num(a) + Num(b))                                \
    X(SUB, Num(a) - Num(b))                                \
    X(MUL, Num(a) * Num(b))                                \
    X(SHL, ShiftLeft(Int(a), Int(b)))                      \
    X(SHR, ShiftRight(Int(a), Int(b)))                     \
    X(AND, Int(a) & Int(b))                                \
    X(OR, Int(a) | Int(b))                                 \
    X(XOR, Int(a) ^ Int(b))                                \
    X(LAND, Num(a) != 0 && Num(b) != 0)                    \
    X(LOR, Num(a) != 0 || Num(b) != 0)                     \
    X(LT, Num(a) < Num(b))                                 \
    X(GT, Num(a) > Num(b))                                 \
    X(LE, Num(a) <= Num(b))                                \
    X(GE, Num(a) >= Num(b))                                \
    X(EQUAL, a.IsEqual(b))                                 \
    X(NE, !a.IsEqual(b))

// Binary<OP_ADD>(a, b) and so on: one operator known at compile time, on
// two values or (for the operators on numbers) a number and a value.
template <int OP> struct BinaryOperator;
#define MORSCRIPT_BINARY_DEFINITION(op, result)                                           \
    template <> struct BinaryOperator<OP_##op> {                                          \
        template <typename A, typename B>                                                 \
        __attribute__((always_inline)) static auto Apply(const A& a, const B& b)          \
        {                                                                                 \
            return result;                                                                \
        }                                                                                 \
    };
MORSCRIPT_BINARY_OPERATORS(MORSCRIPT_BINARY_DEFINITION)
#undef MORSCRIPT_BINARY_DEFINITION
template <int OP, typename A, typename B>
__attribute__((always_inline)) inline auto Binary(const A& a, const B& b)
{
    return BinaryOperator<OP>::Apply(a, b);
}

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

// INC and DEC (by 1 or -1) on a number, from the stack top or a variable.
// Callers read the number first: loading the step before a value's number
// is made keeps it alive across that call and slows every counting loop.
__attribute__((always_inline)) inline double Stepped(double x, int by)
{
    return x + by;
}

}  // namespace MorScript

#endif
