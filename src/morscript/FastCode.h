// Short runs of opcodes that the instruction loop can execute in one go.
// Each entry describes the run that starts at its own opcode index, so
// entering the program at any index (a jump, a return, a host rewinding the
// state) stays correct. A run is taken only when the step budget covers all
// of its opcodes and no wait callback is set, and only while its operands are
// plain numbers; otherwise the first opcode runs on its own as usual. The
// result is exactly that of executing the opcodes one by one.
#ifndef MORSCRIPT_FASTCODE_H
#define MORSCRIPT_FASTCODE_H

#include <cstddef>
#include <cstdint>
#include <vector>

#include "morscript/Opcodes.h"
#include "morscript/Value.h"

namespace MorScript {

struct Opcode;

enum FastKind : uint8_t {
    FAST_NONE,        // the opcode runs on its own
    FAST_NOOPS,       // a run of NOOPs
    FAST_JUMP,        // JMP, and the NOOPs at its target
    FAST_BRANCH,      // GETVAR a; GETVAR b or PUSH b; compare; JT or JF
    FAST_ASSIGN,      // GETVAR a; GETVAR b or PUSH b; arithmetic; SETVAR c; POP
    FAST_PUSH_ARITH,  // GETVAR a; GETVAR b or PUSH b; arithmetic or compare
    FAST_STEP,        // GETVAR a; [DUP;] INC or DEC; SETVAR a; POP[; POP]
    FAST_STORE,       // SETVAR a; POP
};

const uint8_t FAST_B_CONST = 1;  // operand b is a constant index, not a variable id
const uint8_t FAST_IF_TRUE = 2;  // the branch is taken on a true comparison (JT)

struct FastOp {
    uint8_t kind = FAST_NONE;
    uint8_t len = 1;       // opcodes covered
    uint8_t op = 0;        // the arithmetic, compare, INC or DEC opcode
    uint8_t flags = 0;     // FAST_B_CONST, FAST_IF_TRUE
    int a = 0, b = 0;
    int c = 0;             // the variable an assignment sets, or the opcode index a jump lands on
};

// Builds the table for a program; labels map label numbers to opcode indices.
// Runs are made only with constant indices and global variable ids that exist.
void BuildFastCode(const std::vector<Opcode>& code, const std::vector<uint32_t>& labels,
                   size_t constCount, size_t globalCount, std::vector<FastOp>* fast);

inline bool IsCompareOp(int op)
{
    return op == OP_LT || op == OP_GT || op == OP_LE || op == OP_GE || op == OP_EQUAL || op == OP_NE;
}

inline bool IsNumericOp(int op)
{
    return (op >= OP_ADD && op <= OP_SHR) || (op >= OP_AND && op <= OP_NE);
}

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

// Arithmetic and compare opcodes on two numbers (EQUAL and NE only for two
// numerical values). False for a division or modulus by zero, which the plain
// path reports as an error.
inline bool NumericOp(int op, double x, double y, double* result)
{
    double r;
    switch (op) {
    case OP_ADD: r = x + y; break;
    case OP_SUB: r = x - y; break;
    case OP_MUL: r = x * y; break;
    case OP_DIV:
        if (y == 0)
            return false;
        r = x / y;
        break;
    case OP_MOD: {
        int32_t a = Value::ToInt(x), b = Value::ToInt(y);
        if (b == 0)
            return false;
        r = b == -1 ? 0 : a % b;  // INT32_MIN % -1 would trap
        break;
    }
    case OP_SHL: r = ShiftLeft(Value::ToInt(x), Value::ToInt(y)); break;
    case OP_SHR: r = ShiftRight(Value::ToInt(x), Value::ToInt(y)); break;
    case OP_AND: r = Value::ToInt(x) & Value::ToInt(y); break;
    case OP_OR: r = Value::ToInt(x) | Value::ToInt(y); break;
    case OP_XOR: r = Value::ToInt(x) ^ Value::ToInt(y); break;
    case OP_LAND: r = (x != 0 && y != 0) ? 1 : 0; break;
    case OP_LOR: r = (x == 0 && y == 0) ? 0 : 1; break;
    case OP_LT: r = x < y; break;
    case OP_GT: r = x > y; break;
    case OP_LE: r = x <= y; break;
    case OP_GE: r = x >= y; break;
    case OP_EQUAL: r = x == y; break;
    case OP_NE: r = x != y; break;
    default: return false;
    }
    *result = r;
    return true;
}

}  // namespace MorScript

#endif
