// The instruction loop: Step, calls, returns and frames.
#include <climits>
#include <cmath>

#include "morscript/State.h"

namespace MorScript {

namespace {

const char* const BAD_OPCODE = "Unrecognized opcode";

// Stack operands each opcode reads. Operands missing from the stack (a host
// function popped too much) read as empty texts.
const signed char OPERANDS[OP_COUNT] = {
    0, 0, 0, 1, 1, 1, 1, 1, 1, 1, 2, 2, 2, 2, 2, 2, 2, 2, 2,
    2, 2, 2, 2, 2, 2, 2, 2, 2, 2, 0, 0, 1, 0, 0, 1, 1, 0,
};

// Both values hold valid numbers that the operator can use directly.
inline bool PlainNumbers(const Value* a, const Value* b, int op)
{
    if (!a->m_numok || !b->m_numok)
        return false;
    if (op == OP_EQUAL || op == OP_NE)  // numbers compare only if both are numerical
        return a->m_isnumok && a->m_isnum && b->m_isnumok && b->m_isnum;
    return true;
}

}  // namespace

void State::SyncFrame()
{
    if (m_pages.empty()) {
        m_locals = nullptr;
        m_localCount = 0;
    } else {
        m_locals = m_slots.data() + m_pages.back().base;
        m_localCount = m_pages.back().size;
    }
}

void State::PushFrame(int vars)
{
    const size_t base = m_pages.empty() ? 0 : m_pages.back().base + m_pages.back().size;
    if (m_slots.size() < base + vars)
        m_slots.resize(base + vars);
    Value* slots = m_slots.data() + base;
    for (int i = 0; i < vars; ++i)
        slots[i].Init();
    // Filled in place: building the record on the stack and copying it costs
    // a store-forwarding stall on every call.
    m_pages.emplace_back();
    m_pages.back().base = base;
    m_pages.back().size = vars;
    m_locals = slots;
    m_localCount = vars;
}

void State::PopFrame()
{
    if (!m_pages.empty())
        m_pages.pop_back();
    SyncFrame();
}

int State::InternalCall(int line, int index, int argumentCount)
{
    if (index < 0 || static_cast<size_t>(index) >= m_funcs.size()) {
        RuntimeError(line, "Invalid ID for OP_CALL: %d", index);
        return 0;
    }
    const Function& f = m_funcs[index];
    if (f.type == FUNC_HOST) {
        if (!f.address(this, argumentCount, f.user)) {
            RuntimeError(line, "C function '%s()' failed!", m_funcs[index].name.c_str());
            return 0;
        }
        ++m_currcode;
        return 1;
    }
    if (!f.baked) {
        RuntimeError(line, "Call to prototyped but not defined function '%s()'", f.name.c_str());
        return 0;
    }
    // Without a bound, runaway recursion would exhaust memory.
    if (m_callstack.size() >= static_cast<size_t>(MAX_CALL_DEPTH)) {
        RuntimeError(line, "Stack overflow (more than %d nested calls)", MAX_CALL_DEPTH);
        return 0;
    }
    if (f.calllabel >= m_labels.size()) {
        RuntimeError(line, "%s", BAD_OPCODE);
        return 0;
    }
    PushFrame(f.vars);
    m_callstack.push_back(m_currcode + 1);
    m_currcode = m_labels[f.calllabel];
    return 1;
}

// Host code (a host function, the wait callback) may have compiled more code
// into this state: the run table must cover the whole program.
void State::RefreshProgram(size_t* ncode)
{
    if (m_fast.size() != m_opcodes.size())
        BuildFastCode(m_opcodes, m_labels, m_consts.size(), m_vars.size(), &m_fast);
    *ncode = m_opcodes.size();
}

int State::Step(int count)
{
    size_t ncode;
    RefreshProgram(&ncode);
    long long budget = count < 0 ? LLONG_MAX : count;
    ValueStack& st = m_stack;
    OpcodeHandle pc = m_currcode;
    // The program counter lives in pc and is written back before anything
    // that may look at it (host functions, errors, returning).
    while (budget > 0) {
        if (m_waitfunc) {
            m_currcode = pc;
            if (!m_waitfunc(this, m_waituser, 0))
                return 2;
            m_waitfunc = nullptr;
            m_waituser = nullptr;
            pc = m_currcode;
            RefreshProgram(&ncode);
        }
        if (pc >= ncode) {
            RuntimeError(0, "Reached end of VM code without hitting OP_DONE");
            return 0;
        }

        const FastOp& f = m_fast[pc];
        if (f.len <= budget) {
            switch (f.kind) {
            case FAST_NOOPS:
                pc += f.len;
                budget -= f.len;
                continue;
            case FAST_JUMP:
                pc = static_cast<OpcodeHandle>(f.c);
                budget -= f.len;
                continue;
            case FAST_STORE: {
                Value* var = FastVar(f.a);
                if (!var || st.Empty())
                    break;
                // The popped slot is dead: hand its text over instead of copying it.
                Value& top = st.Top();
                if (top.m_strok) {
                    var->Swap(top);
                } else {
                    var->m_num = top.m_num;
                    var->m_isnum = top.m_isnum;
                    var->m_strok = false;
                    var->m_numok = top.m_numok;
                    var->m_isnumok = top.m_isnumok;
                }
                st.Pop();
                pc += 2;
                budget -= 2;
                continue;
            }
            case FAST_STEP: {
                Value* var = FastVar(f.a);
                if (!var || !var->m_numok)
                    break;
                var->SetNum(f.op == OP_INC ? var->m_num + 1 : var->m_num - 1);
                pc += f.len;
                budget -= f.len;
                continue;
            }
            case FAST_BRANCH: case FAST_ASSIGN: case FAST_PUSH_ARITH: {
                const Value* a = FastVar(f.a);
                const Value* b = (f.flags & FAST_B_CONST) ? &m_consts[f.b] : FastVar(f.b);
                double r;
                if (!a || !b || !PlainNumbers(a, b, f.op) || !NumericOp(f.op, a->m_num, b->m_num, &r))
                    break;
                if (f.kind == FAST_BRANCH) {
                    pc = (r != 0) == ((f.flags & FAST_IF_TRUE) != 0) ? static_cast<OpcodeHandle>(f.c) : pc + 4;
                } else if (f.kind == FAST_ASSIGN) {
                    Value* c = FastVar(f.c);
                    if (!c)
                        break;
                    c->SetNum(r);
                    pc += 5;
                } else {
                    st.PushNum(r);
                    pc += 3;
                }
                budget -= f.len;
                continue;
            }
            default:
                break;
            }
        }

        // One opcode on its own.
        --budget;
        const Opcode op = m_opcodes[pc];
        if (static_cast<unsigned>(op.code) < OP_COUNT) {
            while (st.Size() < static_cast<size_t>(OPERANDS[op.code]))
                st.Push(Value(std::string()));
        }
        switch (op.code) {
        case OP_NOOP:
            break;
        case OP_PUSH:
            if (static_cast<unsigned>(op.val) >= m_consts.size()) {
                RuntimeError(op.line, "%s", BAD_OPCODE);
                return 0;
            }
            st.Push(m_consts[op.val]);
            break;
        case OP_POP:
            st.Pop();
            break;
        case OP_DUP:
            st.Push(st.Top());
            break;
        case OP_NOT:
            st.Top().SetNum(st.Top().GetNum() == 0 ? 1 : 0);
            break;
        case OP_POS:
            st.Top().SetNum(std::fabs(st.Top().GetNum()));
            break;
        case OP_NEG:
            st.Top().SetNum(-st.Top().GetNum());
            break;
        case OP_COMP:
            st.Top().SetNum(~st.Top().GetInt());
            break;
        case OP_INC:
            st.Top().SetNum(st.Top().GetNum() + 1);
            break;
        case OP_DEC:
            st.Top().SetNum(st.Top().GetNum() - 1);
            break;
        case OP_ADD: case OP_SUB: case OP_MUL: case OP_DIV: case OP_MOD:
        case OP_SHL: case OP_SHR: case OP_AND: case OP_OR: case OP_XOR:
        case OP_LAND: case OP_LOR: case OP_LT: case OP_GT: case OP_LE: case OP_GE: {
            Value& a = st[st.Size() - 2];
            double r;
            if (!NumericOp(op.code, a.GetNum(), st.Top().GetNum(), &r)) {
                RuntimeError(op.line, op.code == OP_DIV ? "Divide by zero" : "Modulus divide by zero");
                return 0;
            }
            a.SetNum(r);
            st.Pop();
            break;
        }
        case OP_CAT: {
            Value& a = st[st.Size() - 2];
            a.GetStr();
            a.m_str += st.Top().GetStr();
            a.m_numok = a.m_isnumok = false;
            st.Pop();
            break;
        }
        case OP_EQUAL: case OP_NE: {
            Value& a = st[st.Size() - 2];
            bool equal = a.IsEqual(st.Top());
            a.SetNum((op.code == OP_EQUAL) == equal ? 1 : 0);
            st.Pop();
            break;
        }
        case OP_CALL:
            m_currcode = pc;
            if (!InternalCall(op.line, op.val & 0xFFFF, static_cast<int>(static_cast<unsigned>(op.val) >> 16)))
                return 0;
            pc = m_currcode;
            RefreshProgram(&ncode);
            continue;
        case OP_RETURN:
            if (m_callstack.empty()) {
                RuntimeError(op.line, "Callstack is empty!");
                return 0;
            }
            pc = m_callstack.back();
            m_callstack.pop_back();
            PopFrame();
            continue;
        case OP_SETVAR:
        case OP_GETVAR: {
            Value* var = VarRef(op.val);
            if (!var) {
                RuntimeError(op.line, "%s", BAD_OPCODE);
                return 0;
            }
            if (op.code == OP_SETVAR)
                *var = st.Top();
            else
                st.Push(*var);
            break;
        }
        case OP_JMP: case OP_JT: case OP_JF: {
            if (static_cast<unsigned>(op.val) >= m_labels.size()) {
                RuntimeError(op.line, "%s", BAD_OPCODE);
                return 0;
            }
            bool jump = true;
            if (op.code != OP_JMP) {
                bool truth = st.Top().GetNum() != 0;
                st.Pop();
                jump = (op.code == OP_JT) == truth;
            }
            if (jump) {
                pc = m_labels[op.val];
                continue;
            }
            break;
        }
        case OP_DONE:
            MoveToEnd();
            return 0;
        default:
            RuntimeError(op.line, "%s", BAD_OPCODE);
            return 0;
        }
        ++pc;
    }
    m_currcode = pc;
    return 1;
}

}  // namespace MorScript
