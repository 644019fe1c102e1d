#include "morscript/FastCode.h"

#include "morscript/State.h"

namespace MorScript {

namespace {

const size_t MAX_RUN = 255;        // opcodes one entry may cover
const size_t MAX_JUMP_CHAIN = 16;  // NOOP runs and JMPs followed from one place
const size_t MAX_APPEND_SPAN = 64;

class Builder {
public:
    Builder(const std::vector<Opcode>& code, const std::vector<uint32_t>& labels, std::vector<Value>& consts,
            std::vector<Value>& globals, const std::vector<Function>& funcs, std::vector<FastOp>* fast)
        : m_code(code), m_labels(labels), m_consts(consts), m_globals(globals), m_funcs(funcs), m_fast(*fast),
          m_n(code.size()), m_noops(code.size() + 1, 0)
    {
    }

    void Build()
    {
        m_fast.assign(m_n + 1, FastOp());
        m_fast[m_n].handler = FH_END;
        for (size_t i = m_n; i-- > 0;)
            if (m_code[i].code == OP_NOOP)
                m_noops[i] = m_noops[i + 1] + 1 < MAX_RUN ? m_noops[i + 1] + 1 : MAX_RUN - 1;
        for (size_t i = 0; i < m_n; ++i) {
            FastOp& f = m_fast[i];
            BuildEntry(f, i);
            if (FallsThrough(f.handler)) {
                f.next = static_cast<uint32_t>(i + f.len);
                size_t len = f.len;
                Follow(&f.next, &len);
                f.len = static_cast<uint8_t>(len);
                if (!IsTest(f.handler))
                    f.lenTaken = f.len;
                if (len == 0)
                    f = FastOp();
            }
        }
        for (size_t i = 0; i < m_n; ++i)
            FindAppend(i);
        for (FastOp& f : m_fast)
            f.need = f.len > f.lenTaken ? f.len : f.lenTaken;
        for (FastOp& f : m_fast)
            if (f.handler == FH_STEP && f.next < m_n && m_fast[f.next].handler == FH_VV_TEST)
                f.handler = FH_STEP_TEST;
        for (FastOp& f : m_fast) {
            Specialise(f);
            f.pnext = &m_fast[f.next <= m_n ? f.next : m_n];
            f.ptarget = &m_fast[f.target <= m_n ? f.target : m_n];
        }
    }

private:
    static bool IsTest(uint8_t h)
    {
        return h == FH_TEST || h == FH_TEST_TOP || h == FH_VV_TEST || h == FH_SV_TEST || h == FH_SS_TEST;
    }
    // Whether the run goes on at the opcode after it (when a test is not taken).
    static bool FallsThrough(uint8_t h)
    {
        return h != FH_SINGLE && h != FH_CALL && h != FH_RETURN && h != FH_DONE && h != FH_RET &&
               h != FH_VV_RET && h != FH_SV_RET && h != FH_SS_RET;
    }
    // The opcode at i is code, and may be joined into a run.
    bool Is(size_t i, int code) const { return i < m_n && m_code[i].code == code && OPCODE_INFO[code].joins; }
    bool IsJoinableNumericOp(size_t i) const
    {
        return i < m_n && IsNumericOp(m_code[i].code) && OPCODE_INFO[m_code[i].code].joins;
    }
    bool LabelOk(int label) const
    {
        return label >= 0 && static_cast<size_t>(label) < m_labels.size() && m_labels[label] < m_n;
    }

    // Moves *at past NOOPs and through JMPs, counting the opcodes passed in
    // *len, as long as the count stays within one entry's reach.
    void Follow(uint32_t* at, size_t* len) const
    {
        for (size_t chain = 0; chain < MAX_JUMP_CHAIN && *at < m_n; ++chain) {
            const Opcode& op = m_code[*at];
            if (op.code == OP_NOOP && *len + m_noops[*at] < MAX_RUN) {
                *len += m_noops[*at];
                *at += static_cast<uint32_t>(m_noops[*at]);
            } else if (op.code == OP_JMP && LabelOk(op.val) && *len + 1 < MAX_RUN) {
                *len += 1;
                *at = m_labels[op.val];
            } else {
                break;
            }
        }
    }

    // A GETVAR or PUSH operand decoded, or false when it names nothing.
    bool Ref(size_t i, FastRef* ref) const
    {
        if (i >= m_n || !IsOpcode(m_code[i].code) || !OPCODE_INFO[m_code[i].code].joins)
            return false;
        int val = m_code[i].val;
        if (m_code[i].code == OP_PUSH) {
            if (static_cast<unsigned>(val) >= m_consts.size())
                return false;
            *ref = FastRef::Address(&m_consts[val]);
            return true;
        }
        return m_code[i].code == OP_GETVAR && VarRef(val, ref);
    }
    bool VarRef(int id, FastRef* ref) const
    {
        if (IsLocalId(id)) {
            *ref = FastRef::Local(LocalSlot(id));  // checked against the frame when run
            return true;
        }
        if (static_cast<size_t>(id) >= m_globals.size())
            return false;
        *ref = FastRef::Address(&m_globals[id]);
        return true;
    }
    // A test: where its jump lands and how many opcodes that takes.
    bool Test(FastOp& f, size_t i, size_t before)
    {
        if (!(Is(i, OP_JT) || Is(i, OP_JF)) || !LabelOk(m_code[i].val))
            return false;
        f.ifTrue = m_code[i].code == OP_JT;
        f.target = m_labels[m_code[i].val];
        size_t len = before + 1;
        Follow(&f.target, &len);
        f.lenTaken = static_cast<uint8_t>(len);
        return true;
    }

    // The operator at i with what follows it: a store, a test or a return.
    void Sink(FastOp& f, size_t i, FastHandler base, size_t before)
    {
        f.op = static_cast<uint8_t>(m_code[i].code);
        size_t len = before + 1;
        FastSink sink = SINK_PUSH;
        if (Is(i + 1, OP_SETVAR) && Is(i + 2, OP_POP) && VarRef(m_code[i + 1].val, &f.c)) {
            sink = SINK_STORE;
            len += 2;
        } else if (Test(f, i + 1, len)) {
            sink = SINK_TEST;
            len += 1;
        } else if (Is(i + 1, OP_RETURN)) {
            sink = SINK_RET;
            len += 1;
        }
        f.handler = static_cast<uint8_t>(base + sink);
        f.len = static_cast<uint8_t>(len);
    }

    void BuildEntry(FastOp& f, size_t i)
    {
        const Opcode& op = m_code[i];
        switch (op.code) {
        case OP_NOOP:
            f.handler = FH_NOOPS;
            f.len = 0;  // Follow counts the run
            return;
        case OP_JMP:
            if (LabelOk(op.val)) {
                f.handler = FH_JUMP;
                f.len = 0;  // Follow counts the JMP and what it leads through
            }
            return;
        case OP_SETVAR:
            if (Is(i + 1, OP_POP) && VarRef(op.val, &f.c)) {
                f.handler = FH_STORE;
                f.len = 2;
            }
            return;
        case OP_JT: case OP_JF:
            if (Test(f, i, 0))
                f.handler = FH_TEST_TOP;
            return;
        case OP_CALL: {
            f.handler = FH_CALL;
            // A script function's entry decoded; anything else runs on its own.
            const unsigned index = static_cast<unsigned>(DecodeCallOperand(op.val).function);
            if (index < m_funcs.size() && m_funcs[index].type == FUNC_SCRIPT && m_funcs[index].baked &&
                LabelOk(static_cast<int>(m_funcs[index].calllabel))) {
                f.target = m_labels[m_funcs[index].calllabel];
                size_t len = 1;
                Follow(&f.target, &len);
                f.lenTaken = static_cast<uint8_t>(len);
                f.count = m_funcs[index].vars;
            } else {
                f.handler = FH_SINGLE;
            }
            return;
        }
        case OP_RETURN:
            f.handler = FH_RETURN;
            return;
        case OP_DONE:
            f.handler = FH_DONE;
            return;
        case OP_GETVAR: case OP_PUSH:
            BuildLoad(f, i);
            return;
        default:
            if (IsJoinableNumericOp(i))
                Sink(f, i, FH_SS_PUSH, 0);
            return;
        }
    }

    // An operand load and what it feeds.
    void BuildLoad(FastOp& f, size_t i)
    {
        if (!Ref(i, &f.a))
            return;
        f.handler = FH_PUSH;
        const bool var = m_code[i].code == OP_GETVAR;
        const int self = m_code[i].val;
        auto stepsSelf = [&](size_t k) {
            return (Is(k, OP_INC) || Is(k, OP_DEC)) && Is(k + 1, OP_SETVAR) && m_code[k + 1].val == self &&
                   Is(k + 2, OP_POP);
        };
        if (Ref(i + 1, &f.b) && IsJoinableNumericOp(i + 2)) {
            Sink(f, i + 2, FH_VV_PUSH, 2);
        } else if (IsJoinableNumericOp(i + 1)) {
            f.b = f.a;
            f.a = FastRef();
            Sink(f, i + 1, FH_SV_PUSH, 1);
        } else if (var && stepsSelf(i + 1)) {
            f.handler = FH_STEP;
            f.op = static_cast<uint8_t>(m_code[i + 1].code);
            f.len = 4;
        } else if (var && Is(i + 1, OP_DUP) && stepsSelf(i + 2) && Is(i + 5, OP_POP)) {
            f.handler = FH_STEP;
            f.op = static_cast<uint8_t>(m_code[i + 2].code);
            f.len = 6;
        } else if (Is(i + 1, OP_SETVAR) && Is(i + 2, OP_POP) && VarRef(m_code[i + 1].val, &f.c)) {
            f.handler = FH_MOVE;
            f.len = 3;
        } else if (Test(f, i + 1, 1)) {
            f.handler = FH_TEST;
            f.len = 2;
        } else if (Is(i + 1, OP_RETURN)) {
            f.handler = FH_RET;
            f.len = 2;
        }
    }

    // GETVAR v at i whose value only has texts appended to it (it is the left
    // operand of every CAT that consumes it) and then goes back into v with
    // SETVAR v; POP, with no jump, call or other use of v in between. The
    // text of v then grows in place. Runs built at the opcodes in between
    // never cover those CATs or the store: CAT is never joined with others.
    void FindAppend(size_t i)
    {
        if (!Is(i, OP_GETVAR))
            return;
        const int v = m_code[i].val;
        FastRef ref;
        if (!VarRef(v, &ref))
            return;
        std::vector<size_t> cats;
        size_t depth = 1;  // values on the stack since i, ours at the bottom
        for (size_t j = i + 1; j < m_n && j - i < MAX_APPEND_SPAN; ++j) {
            const int code = m_code[j].code;
            if (code == OP_SETVAR && m_code[j].val == v) {
                if (depth != 1 || cats.empty() || !Is(j + 1, OP_POP))
                    return;
                Mark(m_fast[i], FH_APPEND_HEAD, i, 1);
                m_fast[i].a = ref;
                m_fast[i].target = static_cast<uint32_t>(j + 2 - i);
                for (size_t c : cats)
                    Mark(m_fast[c], FH_APPEND_CAT, c, 1);
                Mark(m_fast[j], FH_APPEND_STORE, j, 2);
                return;
            }
            if (!IsOpcode(code) || !OPCODE_INFO[code].computes || (code == OP_GETVAR && m_code[j].val == v))
                return;  // jumps, calls, returns, labels, v itself end the search
            const OpcodeInfo& info = OPCODE_INFO[code];
            if (info.pops > 0 && depth < 2)
                return;  // it would read or change our value
            if (code == OP_CAT && depth == 2)
                cats.push_back(j);  // our value as the left operand
            else if (info.pops == 2 && depth == 2)
                return;  // any other operator on our value
            depth = depth - info.pops + info.pushes;
        }
    }
    void Specialise(FastOp& f) const
    {
        if (f.handler == FH_STEP || f.handler == FH_STEP_TEST)
            f.delta = f.op == OP_INC ? 1 : -1;
        const uint8_t op = f.handler == FH_STEP_TEST ? m_fast[f.next].op : f.op;
        for (int k = 0; k < FAST_OPERATOR_COUNT; ++k) {
            if (FAST_OPERATORS[k] != op)
                continue;
            if (f.handler == FH_STEP_TEST && k >= 3 && k <= 6 && m_fast[f.next].a == f.a)
                f.handler = static_cast<uint8_t>(FH_STEP_SELF_TEST_BY_OPERATOR + k - 3);
            else if (f.handler == FH_STEP_TEST)
                f.handler = static_cast<uint8_t>(FH_STEP_TEST_BY_OPERATOR + k);
            else if (f.handler == FH_VV_STORE && k <= 2 && f.c == f.a)
                f.handler = static_cast<uint8_t>(FH_VV_SELF_BY_OPERATOR + k);
            else if (f.handler >= FH_VV_PUSH && f.handler <= FH_SS_RET)
                f.handler = static_cast<uint8_t>(FH_BIN_BY_OPERATOR + (f.handler - FH_VV_PUSH) * FAST_OPERATOR_COUNT + k);
        }
    }
    static void Mark(FastOp& f, FastHandler h, size_t i, uint8_t len)
    {
        f = FastOp();
        f.handler = h;
        f.len = f.lenTaken = len;
        f.next = static_cast<uint32_t>(i + len);
    }

    const std::vector<Opcode>& m_code;
    const std::vector<uint32_t>& m_labels;
    std::vector<Value>& m_consts;
    std::vector<Value>& m_globals;
    const std::vector<Function>& m_funcs;
    std::vector<FastOp>& m_fast;
    const size_t m_n;
    std::vector<size_t> m_noops;  // length of the NOOP run at each index
};

}  // namespace

void BuildFastCode(const std::vector<Opcode>& code, const std::vector<uint32_t>& labels,
                   std::vector<Value>& consts, std::vector<Value>& globals, const std::vector<Function>& funcs,
                   std::vector<FastOp>* fast)
{
    Builder(code, labels, consts, globals, funcs, fast).Build();
}

}  // namespace MorScript
