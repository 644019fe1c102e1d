#include "morscript/FastCode.h"

#include "morscript/State.h"

namespace MorScript {

namespace {

const size_t MAX_RUN = 255;       // opcodes one entry may cover
const size_t MAX_JUMP_CHAIN = 8;  // JMPs followed from one JMP
const size_t MAX_APPEND_SPAN = 64;

class Builder {
public:
    Builder(const std::vector<Opcode>& code, const std::vector<uint32_t>& labels,
            std::vector<Value>& consts, std::vector<Value>& globals, std::vector<FastOp>* fast)
        : m_code(code), m_labels(labels), m_consts(consts), m_globals(globals), m_fast(*fast),
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
        for (size_t i = 0; i < m_n; ++i)
            BuildEntry(i);
        for (size_t i = 0; i < m_n; ++i)
            AbsorbTrailingNoops(i);
        for (size_t i = 0; i < m_n; ++i)
            FindAppend(i);
        // Backwards, so that a NOOP run takes over the finished entry after it.
        for (size_t i = m_n; i-- > 0;)
            MergeLeadingNoops(i);
    }

private:
    bool Is(size_t i, int code) const { return i < m_n && m_code[i].code == code; }
    bool LabelOk(int label) const { return label >= 0 && static_cast<size_t>(label) < m_labels.size(); }

    // A GETVAR or PUSH operand decoded, or false when it names nothing.
    bool Ref(size_t i, FastRef* ref) const
    {
        if (i >= m_n)
            return false;
        int val = m_code[i].val;
        if (m_code[i].code == OP_PUSH) {
            if (static_cast<unsigned>(val) >= m_consts.size())
                return false;
            ref->ptr = &m_consts[val];
            return true;
        }
        if (m_code[i].code == OP_GETVAR)
            return VarRef(val, ref);
        return false;
    }
    bool VarRef(int id, FastRef* ref) const
    {
        if (id < 0) {
            ref->slot = id & 0x7FFFFFFF;  // checked against the frame when run
            return true;
        }
        if (static_cast<size_t>(id) >= m_globals.size())
            return false;
        ref->ptr = &m_globals[id];
        return true;
    }
    // Where a jump to label lands once NOOPs there are skipped, and how many
    // opcodes that adds; false for a label outside the program.
    bool Land(int label, uint32_t* at, size_t* extra) const
    {
        if (!LabelOk(label) || m_labels[label] >= m_n)
            return false;
        *at = m_labels[label] + m_noops[m_labels[label]];
        *extra = m_noops[m_labels[label]];
        return true;
    }

    // The operator at i with what follows it: a store, a test or a return.
    void Sink(FastOp& f, size_t i, FastHandler base, size_t before)
    {
        f.op = static_cast<uint8_t>(m_code[i].code);
        size_t len = before + 1;
        FastSink sink = SINK_PUSH;
        uint32_t at;
        size_t extra;
        if (Is(i + 1, OP_SETVAR) && Is(i + 2, OP_POP) && VarRef(m_code[i + 1].val, &f.c)) {
            sink = SINK_STORE;
            len += 2;
        } else if ((Is(i + 1, OP_JT) || Is(i + 1, OP_JF)) && Land(m_code[i + 1].val, &at, &extra)) {
            sink = SINK_TEST;
            f.ifTrue = m_code[i + 1].code == OP_JT;
            f.target = at;
            len += 1;
            f.lenTaken = static_cast<uint8_t>(len + extra);
        } else if (Is(i + 1, OP_RETURN)) {
            sink = SINK_RET;
            len += 1;
        }
        f.handler = static_cast<uint8_t>(base + sink);
        f.len = static_cast<uint8_t>(len);
        if (sink != SINK_TEST)
            f.lenTaken = f.len;
    }

    void BuildEntry(size_t i)
    {
        FastOp& f = m_fast[i];
        const Opcode& op = m_code[i];
        uint32_t at;
        size_t extra;
        switch (op.code) {
        case OP_NOOP:
            f.handler = FH_NOOPS;
            f.len = f.lenTaken = static_cast<uint8_t>(m_noops[i]);
            return;
        case OP_JMP: {
            if (!Land(op.val, &at, &extra))
                return;
            size_t len = 1 + extra;
            for (size_t chain = 0; chain < MAX_JUMP_CHAIN && Is(at, OP_JMP); ++chain) {
                uint32_t next;
                if (!Land(m_code[at].val, &next, &extra) || len + 1 + extra >= MAX_RUN)
                    break;
                len += 1 + extra;
                at = next;
            }
            f.handler = FH_JUMP;
            f.target = at;
            f.len = f.lenTaken = static_cast<uint8_t>(len);
            return;
        }
        case OP_SETVAR:
            if (Is(i + 1, OP_POP) && VarRef(op.val, &f.c)) {
                f.handler = FH_STORE;
                f.len = f.lenTaken = 2;
            }
            return;
        case OP_JT: case OP_JF:
            if (Land(op.val, &at, &extra)) {
                f.handler = FH_TEST_TOP;
                f.ifTrue = op.code == OP_JT;
                f.target = at;
                f.lenTaken = static_cast<uint8_t>(1 + extra);
            }
            return;
        case OP_CALL:
            f.handler = FH_CALL;
            return;
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
            if (IsNumericOp(op.code))
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
        uint32_t at;
        size_t extra;
        if (Ref(i + 1, &f.b) && i + 2 < m_n && IsNumericOp(m_code[i + 2].code)) {
            Sink(f, i + 2, FH_VV_PUSH, 2);
        } else if (i + 1 < m_n && IsNumericOp(m_code[i + 1].code)) {
            f.b = f.a;
            f.a = FastRef();
            Sink(f, i + 1, FH_SV_PUSH, 1);
        } else if (var && stepsSelf(i + 1)) {
            f.handler = FH_STEP;
            f.op = static_cast<uint8_t>(m_code[i + 1].code);
            f.len = f.lenTaken = 4;
        } else if (var && Is(i + 1, OP_DUP) && stepsSelf(i + 2) && Is(i + 5, OP_POP)) {
            f.handler = FH_STEP;
            f.op = static_cast<uint8_t>(m_code[i + 2].code);
            f.len = f.lenTaken = 6;
        } else if (Is(i + 1, OP_SETVAR) && Is(i + 2, OP_POP) && VarRef(m_code[i + 1].val, &f.c)) {
            f.handler = FH_MOVE;
            f.len = f.lenTaken = 3;
        } else if ((Is(i + 1, OP_JT) || Is(i + 1, OP_JF)) && Land(m_code[i + 1].val, &at, &extra)) {
            f.handler = FH_TEST;
            f.ifTrue = m_code[i + 1].code == OP_JT;
            f.target = at;
            f.len = 2;
            f.lenTaken = static_cast<uint8_t>(2 + extra);
        } else if (Is(i + 1, OP_RETURN)) {
            f.handler = FH_RET;
            f.len = f.lenTaken = 2;
        }
        if (f.handler == FH_PUSH)
            f.b = FastRef();
    }

    static bool FallsThrough(uint8_t h)
    {
        return h != FH_SINGLE && h != FH_END && h != FH_JUMP && h != FH_CALL && h != FH_RETURN &&
               h != FH_DONE && h != FH_RET && h != FH_VV_RET && h != FH_SV_RET && h != FH_SS_RET &&
               h != FH_NOOPS;
    }

    // NOOPs after a run (the labels after an if, a loop, ...) join the run.
    void AbsorbTrailingNoops(size_t i)
    {
        FastOp& f = m_fast[i];
        if (!FallsThrough(f.handler))
            return;
        size_t end = i + f.len;
        if (end < m_n && m_noops[end] && f.len + m_noops[end] < MAX_RUN)
            f.len = static_cast<uint8_t>(f.len + m_noops[end]);
        if (f.handler != FH_TEST && f.handler != FH_TEST_TOP && f.handler != FH_VV_TEST &&
            f.handler != FH_SV_TEST && f.handler != FH_SS_TEST)
            f.lenTaken = f.len;
    }

    // A NOOP run takes over the entry after it when that entry does not
    // depend on its own position.
    void MergeLeadingNoops(size_t i)
    {
        if (m_code[i].code != OP_NOOP)
            return;
        const size_t k = m_noops[i];
        const FastOp& next = m_fast[i + k];
        if (i + k >= m_n || next.handler == FH_SINGLE || next.handler == FH_CALL || next.handler == FH_END ||
            next.handler == FH_APPEND_HEAD || next.handler == FH_APPEND_CAT || next.handler == FH_APPEND_STORE ||
            next.handler == FH_NOOPS || next.len + k >= MAX_RUN || next.lenTaken + k >= MAX_RUN)
            return;
        FastOp merged = next;
        merged.len = static_cast<uint8_t>(merged.len + k);
        merged.lenTaken = static_cast<uint8_t>(merged.lenTaken + k);
        m_fast[i] = merged;
    }

    // GETVAR v at i whose value only has texts appended to it (it is the left
    // operand of every CAT that consumes it) and then goes back into v with
    // SETVAR v; POP, with no jump, call or other use of v in between. The
    // text of v then grows in place. Runs built at the opcodes in between
    // never cover the CATs or the store, which are never joined with others.
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
                m_fast[i].handler = FH_APPEND_HEAD;
                m_fast[i].len = m_fast[i].lenTaken = 1;
                m_fast[i].a = ref;
                m_fast[i].target = static_cast<uint32_t>(j + 2 - i);
                for (size_t c : cats) {
                    m_fast[c] = FastOp();
                    m_fast[c].handler = FH_APPEND_CAT;
                }
                m_fast[j] = FastOp();
                m_fast[j].handler = FH_APPEND_STORE;
                m_fast[j].len = m_fast[j].lenTaken = 2;
                m_fast[j].c = ref;
                return;
            }
            if (code == OP_PUSH || (code == OP_GETVAR && m_code[j].val != v)) {
                ++depth;
            } else if (code == OP_CAT || IsNumericOp(code)) {
                // An operator at depth 2 takes our value as its left operand.
                if (depth < 2 || (depth == 2 && code != OP_CAT))
                    return;
                if (depth == 2)
                    cats.push_back(j);
                --depth;
            } else if (code == OP_POP || code == OP_DUP || (code == OP_SETVAR && m_code[j].val != v) ||
                       (code >= OP_NOT && code <= OP_DEC)) {
                // These read or change the top value, which must not be ours.
                if (depth < 2)
                    return;
                if (code == OP_POP)
                    --depth;
                else if (code == OP_DUP)
                    ++depth;
            } else {
                return;  // jumps, calls, returns, NOOPs (labels), v itself
            }
        }
    }

    const std::vector<Opcode>& m_code;
    const std::vector<uint32_t>& m_labels;
    std::vector<Value>& m_consts;
    std::vector<Value>& m_globals;
    std::vector<FastOp>& m_fast;
    const size_t m_n;
    std::vector<size_t> m_noops;  // length of the NOOP run at each index
};

}  // namespace

void BuildFastCode(const std::vector<Opcode>& code, const std::vector<uint32_t>& labels,
                   std::vector<Value>& consts, std::vector<Value>& globals, std::vector<FastOp>* fast)
{
    Builder(code, labels, consts, globals, fast).Build();
}

}  // namespace MorScript
