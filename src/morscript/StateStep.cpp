// The instruction loop: Step, calls, returns and frames.
#include <climits>
#include <cmath>

#include "morscript/State.h"

namespace MorScript {

namespace {
const char* const BAD_OPCODE = "Unrecognized opcode";

int32_t ShiftLeft(int32_t a, int32_t count)
{
    int n = count & 63;
    if (n >= 32)
        return 0;
    return static_cast<int32_t>(static_cast<uint32_t>(a) << n);
}

int32_t ShiftRight(int32_t a, int32_t count)
{
    int n = count & 63;
    if (n >= 32)
        return a < 0 ? -1 : 0;
    return a >> n;
}

// Remainder of a / b with the sign of a; b is not 0.
int32_t Remainder(int32_t a, int32_t b)
{
    if (b == -1)
        return 0;  // INT32_MIN % -1 would trap
    return a % b;
}
}  // namespace

Value* State::VarRef(int id)
{
    if (id >= 0)
        return static_cast<size_t>(id) < m_vars.size() ? &m_vars[id] : nullptr;
    if (m_pages.empty())
        return nullptr;
    const Frame& frame = m_pages.back();
    int slot = id & 0x7FFFFFFF;
    return slot < frame.size ? &m_slots[frame.base + slot] : nullptr;
}

void State::PushFrame(int vars)
{
    size_t base = m_pages.empty() ? 0 : m_pages.back().base + m_pages.back().size;
    if (m_slots.size() < base + vars)
        m_slots.resize(base + vars);
    for (int i = 0; i < vars; ++i)
        m_slots[base + i].Init();
    m_pages.push_back(Frame{base, vars});
}

void State::PopFrame()
{
    if (!m_pages.empty())
        m_pages.pop_back();
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

int State::Step(int count)
{
    long long budget = count < 0 ? LLONG_MAX : count;
    ValueStack& st = m_stack;
    while (budget-- > 0) {
        if (m_waitfunc) {
            if (!m_waitfunc(this, m_waituser, 0))
                return 2;
            m_waitfunc = nullptr;
            m_waituser = nullptr;
        }
        if (m_currcode >= m_opcodes.size()) {
            RuntimeError(0, "Reached end of VM code without hitting OP_DONE");
            return 0;
        }
        const Opcode op = m_opcodes[m_currcode];

        // Operands missing from the stack (a host function popped too much)
        // read as empty texts.
        static const signed char NEEDS[OP_COUNT] = {
            0, 0, 0, 1, 1, 1, 1, 1, 1, 1, 2, 2, 2, 2, 2, 2, 2, 2, 2,
            2, 2, 2, 2, 2, 2, 2, 2, 2, 2, 0, 0, 1, 0, 0, 1, 1, 0,
        };
        if (static_cast<unsigned>(op.code) < OP_COUNT) {
            while (st.Size() < static_cast<size_t>(NEEDS[op.code]))
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
            const Value& b = st.Top();
            const double x = a.GetNum(), y = b.GetNum();
            double r = 0;
            switch (op.code) {
            case OP_ADD: r = x + y; break;
            case OP_SUB: r = x - y; break;
            case OP_MUL: r = x * y; break;
            case OP_DIV:
                if (y == 0) {
                    RuntimeError(op.line, "Divide by zero");
                    return 0;
                }
                r = x / y;
                break;
            case OP_MOD: {
                int32_t d = Value::ToInt(y);
                if (d == 0) {
                    RuntimeError(op.line, "Modulus divide by zero");
                    return 0;
                }
                r = Remainder(Value::ToInt(x), d);
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
            if (!InternalCall(op.line, op.val & 0xFFFF, static_cast<int>(static_cast<unsigned>(op.val) >> 16)))
                return 0;
            continue;
        case OP_RETURN:
            if (m_callstack.empty()) {
                RuntimeError(op.line, "Callstack is empty!");
                return 0;
            }
            m_currcode = m_callstack.back();
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
                m_currcode = m_labels[op.val];
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
        ++m_currcode;
    }
    return 1;
}

}  // namespace MorScript
