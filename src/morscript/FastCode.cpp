#include "morscript/FastCode.h"

#include "morscript/State.h"
#include "morscript/Value.h"

namespace MorScript {

namespace {

const size_t MAX_RUN = 255;

}  // namespace

void BuildFastCode(const std::vector<Opcode>& code, const std::vector<uint32_t>& labels,
                   size_t constCount, size_t globalCount, std::vector<FastOp>* fast)
{
    const size_t n = code.size();
    fast->assign(n, FastOp());

    std::vector<uint8_t> noops(n + 1, 0);  // length of the NOOP run at each index
    for (size_t i = n; i-- > 0;)
        if (code[i].code == OP_NOOP)
            noops[i] = static_cast<uint8_t>(noops[i + 1] < MAX_RUN - 1 ? noops[i + 1] + 1 : MAX_RUN - 1);

    auto is = [&](size_t i, int op) { return i < n && code[i].code == op; };
    auto labelOk = [&](int label) { return label >= 0 && static_cast<size_t>(label) < labels.size(); };
    // Locals are checked against the current frame at run time.
    auto varOk = [&](int id) { return id < 0 || static_cast<size_t>(id) < globalCount; };

    for (size_t i = 0; i < n; ++i) {
        FastOp& f = (*fast)[i];
        const Opcode& op = code[i];
        if (op.code == OP_NOOP) {
            f.kind = FAST_NOOPS;
            f.len = noops[i];
        } else if (op.code == OP_JMP && labelOk(op.val)) {
            f.kind = FAST_JUMP;
            uint32_t target = labels[op.val];
            f.len = 1;
            if (target < n) {
                f.len += noops[target];
                target += noops[target];
            }
            f.c = static_cast<int>(target);
        } else if (op.code == OP_SETVAR && varOk(op.val) && is(i + 1, OP_POP)) {
            f.kind = FAST_STORE;
            f.len = 2;
            f.a = op.val;
        } else if (op.code == OP_GETVAR && varOk(op.val)) {
            f.a = op.val;
            if ((is(i + 1, OP_INC) || is(i + 1, OP_DEC)) && is(i + 2, OP_SETVAR) &&
                code[i + 2].val == op.val && is(i + 3, OP_POP)) {
                f.kind = FAST_STEP;
                f.op = static_cast<uint8_t>(code[i + 1].code);
                f.len = 4;
            } else if (is(i + 1, OP_DUP) && (is(i + 2, OP_INC) || is(i + 2, OP_DEC)) &&
                       is(i + 3, OP_SETVAR) && code[i + 3].val == op.val && is(i + 4, OP_POP) &&
                       is(i + 5, OP_POP)) {
                f.kind = FAST_STEP;
                f.op = static_cast<uint8_t>(code[i + 2].code);
                f.len = 6;
            } else if (((is(i + 1, OP_GETVAR) && varOk(code[i + 1].val)) ||
                        (is(i + 1, OP_PUSH) && static_cast<size_t>(code[i + 1].val) < constCount)) &&
                       i + 2 < n && IsNumericOp(code[i + 2].code)) {
                if (code[i + 1].code == OP_PUSH)
                    f.flags |= FAST_B_CONST;
                f.b = code[i + 1].val;
                f.op = static_cast<uint8_t>(code[i + 2].code);
                if (is(i + 3, OP_SETVAR) && varOk(code[i + 3].val) && is(i + 4, OP_POP)) {
                    f.kind = FAST_ASSIGN;
                    f.c = code[i + 3].val;
                    f.len = 5;
                } else if (IsCompareOp(f.op) && (is(i + 3, OP_JT) || is(i + 3, OP_JF)) &&
                           labelOk(code[i + 3].val)) {
                    f.kind = FAST_BRANCH;
                    if (code[i + 3].code == OP_JT)
                        f.flags |= FAST_IF_TRUE;
                    f.c = static_cast<int>(labels[code[i + 3].val]);
                    f.len = 4;
                } else {
                    f.kind = FAST_PUSH_ARITH;
                    f.len = 3;
                }
            }
        }
    }
}

}  // namespace MorScript
