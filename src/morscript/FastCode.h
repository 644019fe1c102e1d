// The program in the form the instruction loop runs: one entry per opcode,
// with operands decoded once and common sequences of opcodes joined into one
// entry by general rules (an operand load followed by an operator, an
// operator followed by a store, a compare or a return, jumps followed through
// NOOPs and other jumps, ...). Each entry describes the run that starts at
// its own opcode index, so entering the program at any index (a jump, a
// return, a host rewinding the state) stays correct. A run is taken only when
// the step budget covers all of its opcodes and no wait callback is set;
// otherwise its first opcode runs on its own. The result is exactly that of
// executing the opcodes one by one.
#ifndef MORSCRIPT_FASTCODE_H
#define MORSCRIPT_FASTCODE_H

#include <cstddef>
#include <cstdint>
#include <vector>

#include "morscript/Opcodes.h"
#include "morscript/Operators.h"
#include "morscript/Value.h"

namespace MorScript {

struct Opcode;
struct Function;

// How many operators have handlers of their own (FAST_OPERATORS below).
const int FAST_OPERATOR_COUNT = 9;

// What an entry does. BIN entries apply a numeric or compare operator to A
// and B taken from: two decoded operands (VV), the stack top and one operand
// (SV) or the two top stack values (SS); the result is then pushed, stored
// into a variable (SETVAR c; POP), tested by JT/JF or returned (RETURN).
enum FastHandler : uint8_t {
    FH_SINGLE,   // the opcode runs on its own
    FH_END,      // past the last opcode
    FH_NOOPS,    // a run of NOOPs
    FH_JUMP,     // JMP, followed through NOOPs and further JMPs
    FH_PUSH,     // GETVAR a or PUSH a
    FH_MOVE,     // GETVAR/PUSH a; SETVAR c; POP
    FH_STORE,    // SETVAR c; POP
    FH_TEST,     // GETVAR/PUSH a; JT or JF
    FH_TEST_TOP, // JT or JF on the stack top
    FH_RET,      // GETVAR/PUSH a; RETURN
    FH_STEP,     // GETVAR a; [DUP;] INC or DEC; SETVAR a; POP[; POP]
    FH_VV_PUSH, FH_VV_STORE, FH_VV_TEST, FH_VV_RET,
    FH_SV_PUSH, FH_SV_STORE, FH_SV_TEST, FH_SV_RET,
    FH_SS_PUSH, FH_SS_STORE, FH_SS_TEST, FH_SS_RET,
    FH_CALL,
    FH_RETURN,
    FH_DONE,
    // v = v . x . y ...; or v .= x: the text of v grows in place instead of
    // being copied onto the stack and back (see BuildFastCode).
    FH_APPEND_HEAD,   // GETVAR v that starts such an assignment
    FH_APPEND_CAT,    // a CAT whose left operand is that value
    FH_APPEND_STORE,  // the closing SETVAR v; POP
    // FH_STEP whose run goes on into a VV test (the end of most loops: the
    // counter steps, then the loop condition is tested).
    FH_STEP_TEST,
    // FH_STEP_TEST with the test's operator known, in FAST_OPERATORS order.
    FH_STEP_TEST_BY_OPERATOR,
    // ... and when the test compares the stepped variable itself with < <=
    // > or >= (a counting loop), with the new value used at once.
    FH_STEP_SELF_TEST_BY_OPERATOR = FH_STEP_TEST_BY_OPERATOR + FAST_OPERATOR_COUNT,
    // VV store of + - or * into the variable read first (x += y).
    FH_VV_SELF_BY_OPERATOR = FH_STEP_SELF_TEST_BY_OPERATOR + 4,
    FH_BIN_BY_OPERATOR = FH_VV_SELF_BY_OPERATOR + 3,
    // The BIN handlers again, one for each of the most common operators
    // (FAST_OPERATORS), in the order VV, SV, SS; push, store, test, return.
    FH_COUNT = FH_BIN_BY_OPERATOR + 3 * 4 * FAST_OPERATOR_COUNT
};

// Operators with handlers of their own, in handler order: X(context..., opcode)
// for each. The step-and-test handlers count on LT LE GT GE standing fourth
// to seventh, the in-place ones on ADD SUB MUL standing first.
#define MORSCRIPT_FAST_OPERATORS(X, ...)                                                           \
    X(__VA_ARGS__, ADD) X(__VA_ARGS__, SUB) X(__VA_ARGS__, MUL) X(__VA_ARGS__, LT) X(__VA_ARGS__, LE) \
    X(__VA_ARGS__, GT) X(__VA_ARGS__, GE) X(__VA_ARGS__, EQUAL) X(__VA_ARGS__, NE)
#define MORSCRIPT_FAST_OPERATOR_CODE(unused, op) OP_##op,
const uint8_t FAST_OPERATORS[] = {MORSCRIPT_FAST_OPERATORS(MORSCRIPT_FAST_OPERATOR_CODE, )};
#undef MORSCRIPT_FAST_OPERATOR_CODE
static_assert(sizeof FAST_OPERATORS == FAST_OPERATOR_COUNT, "one handler family per fast operator");

// Sinks in the order of the BIN handler families above.
enum FastSink : uint8_t { SINK_PUSH, SINK_STORE, SINK_TEST, SINK_RET };

// A decoded variable or constant: a global or a constant by address, a local
// by its byte offset in the current frame (stored with the lowest bit set;
// addresses and offsets are even).
class FastRef {
public:
    static FastRef Address(Value* v) { return FastRef(reinterpret_cast<uintptr_t>(v)); }
    static FastRef Local(uint32_t slot) { return FastRef(static_cast<uintptr_t>(slot) * sizeof(Value) + 1); }
    FastRef() = default;
    bool IsLocal() const { return m_bits & 1; }
    Value* Address() const { return reinterpret_cast<Value*>(m_bits); }
    size_t Offset() const { return m_bits - 1; }  // of a local, in bytes
    bool operator==(const FastRef& other) const { return m_bits == other.m_bits; }

private:
    explicit FastRef(uintptr_t bits) : m_bits(bits) {}
    uintptr_t m_bits = 0;
};

struct FastOp {
    uint8_t handler = FH_SINGLE;
    uint8_t len = 1;       // opcodes covered when the run falls through
    uint8_t lenTaken = 1;  // opcodes covered when its jump is taken
    uint8_t need = 1;      // the larger of the two: the budget the run needs
    uint8_t op = 0;        // the operator, INC or DEC
    bool ifTrue = false;   // the test jumps on a true value (JT)
    uint32_t next = 0;     // where the run continues when it falls through
    uint32_t target = 0;   // where a taken jump lands; span of an append
    int32_t count = 0;     // a call: local slots of the called function
    int8_t delta = 0;      // a step: 1 for INC, -1 for DEC
    FastRef a, b, c;       // operands and the variable a store sets
    // next and target as entries of the same table.
    const FastOp* pnext = nullptr;
    const FastOp* ptarget = nullptr;
};

// Builds the table for a program (one entry per opcode and one past the
// end). Operands are decoded against the constant and global tables given,
// which must stay where they are while the table is used.
void BuildFastCode(const std::vector<Opcode>& code, const std::vector<uint32_t>& labels,
                   std::vector<Value>& consts, std::vector<Value>& globals,
                   const std::vector<Function>& funcs, std::vector<FastOp>* fast);

}  // namespace MorScript

#endif
