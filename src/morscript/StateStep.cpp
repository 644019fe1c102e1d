// The instruction loop: Step, calls, returns and frames.
#include <climits>
#include <cmath>
#include <new>
#include <stdexcept>

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

// The run table must cover the whole program: host code (a host function,
// the wait callback) may have compiled more code into this state.
void State::RefreshProgram()
{
    if (m_fast.size() != m_opcodes.size() + 1 || m_fastConsts != m_consts.data() ||
        m_fastGlobals != m_vars.data() || m_fastLabels != m_labels.size())
        BuildProgram();
}

void State::BuildProgram()
{
    BuildFastCode(m_opcodes, m_labels, m_consts, m_vars, &m_fast);
    m_fastConsts = m_consts.data();
    m_fastGlobals = m_vars.data();
    m_fastLabels = m_labels.size();
}

// A run-time error inside an in-place append: the stack gets the value the
// opcodes one by one would have left there, and the variable its old text.
void State::AbandonAppend()
{
    if (!m_append.active)
        return;
    m_append.active = false;
    if (m_append.slot < m_stack.Size())
        m_stack[m_append.slot] = *m_append.var;
    m_append.var->Restore(m_append.mark);
}

bool State::CheckTextSize(int line, size_t size)
{
    if (size <= MAX_TEXT)
        return true;
    RuntimeError(line, "Text too long (max is %zu bytes)", MAX_TEXT);
    return false;
}

int State::Step(int count)
{
    long long budget = count < 0 ? LLONG_MAX : count;
    try {
        for (;;) {
            if (budget <= 0)
                return 1;
            if (m_waitfunc) {
                if (!m_waitfunc(this, m_waituser, 0))
                    return 2;
                m_waitfunc = nullptr;
                m_waituser = nullptr;
            }
            RefreshProgram();
            int result = Run(&budget);
            if (result != RUN_WAIT)
                return result;
        }
    } catch (const std::bad_alloc&) {
    } catch (const std::length_error&) {
    }
    // Out of memory outside the instruction loop (building the run table,
    // the wait callback).
    RuntimeError(0, "Out of memory");
    return 0;
}

// Runs opcodes until the budget is used up (1), the script ends (0) or a
// wait callback is set (RUN_WAIT). The program counter lives in m_currcode
// whenever code outside this loop may look at it.
int State::Run(long long* budgetInOut)
{
    static void* const HANDLERS[FH_COUNT] = {
        &&h_single, &&h_end, &&h_noops, &&h_jump, &&h_push, &&h_move, &&h_store, &&h_test,
        &&h_test_top, &&h_ret, &&h_step,
        &&h_vv_push, &&h_vv_store, &&h_vv_test, &&h_vv_ret,
        &&h_sv_push, &&h_sv_store, &&h_sv_test, &&h_sv_ret,
        &&h_ss_push, &&h_ss_store, &&h_ss_test, &&h_ss_ret,
        &&h_call, &&h_return, &&h_done, &&h_append_head, &&h_append_cat, &&h_append_store,
    };
    long long budget = *budgetInOut;
    ValueStack& st = m_stack;
    const FastOp* const fast = m_fast.data();
    const OpcodeHandle ncode = static_cast<OpcodeHandle>(m_opcodes.size());
    OpcodeHandle pc = m_currcode < ncode ? m_currcode : ncode;
    const FastOp* f;
    Value *a, *b, *c;
    double r;
    int result = 1;

#define NEXT()                      \
    do {                            \
        f = fast + pc;              \
        goto* HANDLERS[f->handler]; \
    } while (0)
#define NEED(n)           \
    if (budget < (n))     \
        goto h_single;
#define ADVANCE()         \
    do {                  \
        pc += f->len;     \
        budget -= f->len; \
        NEXT();           \
    } while (0)
#define BRANCH(truth)                                          \
    do {                                                       \
        if ((truth) == f->ifTrue) {                            \
            pc = f->target;                                    \
            budget -= f->lenTaken;                             \
        } else {                                               \
            pc += f->len;                                      \
            budget -= f->len;                                  \
        }                                                      \
        NEXT();                                                \
    } while (0)
// RETURN with its value already on the stack.
#define RETURN_NOW()                          \
    do {                                      \
        pc = m_callstack.back();              \
        m_callstack.pop_back();               \
        PopFrame();                           \
        if (pc > ncode)                       \
            pc = ncode;                       \
        NEXT();                               \
    } while (0)

    try {
    NEXT();

h_single: {
    if (budget < 1)
        goto out;
    --budget;
    m_currcode = pc;
    const int done = ExecOne();
    if (done == 0) {
        result = 0;
        goto out_synced;
    }
    pc = m_currcode;
    if (done == 2) {  // a call: host code may have set a wait or added code
        if (m_waitfunc || m_fast.size() != m_opcodes.size() + 1) {
            result = RUN_WAIT;
            goto out_synced;
        }
    }
    if (pc > ncode)
        pc = ncode;
    NEXT();
}
h_end:
    if (budget < 1)
        goto out;
    m_currcode = pc;
    RuntimeError(0, "Reached end of VM code without hitting OP_DONE");
    result = 0;
    goto out_synced;
h_noops:
h_jump:
    NEED(f->len);
    budget -= f->len;
    pc = f->handler == FH_JUMP ? f->target : pc + f->len;
    NEXT();
h_push:
    NEED(1);
    if (!(a = Ref(f->a)))
        goto h_single;
    st.Push(*a);
    ADVANCE();
h_move:
    NEED(f->len);
    if (!(a = Ref(f->a)) || !(c = Ref(f->c)))
        goto h_single;
    *c = *a;
    ADVANCE();
h_store:
    NEED(f->len);
    if (st.Empty() || !(c = Ref(f->c)))
        goto h_single;
    c->TakeFrom(st.Top());
    st.Pop();
    ADVANCE();
h_test:
    NEED(f->len);
    NEED(f->lenTaken);
    if (!(a = Ref(f->a)))
        goto h_single;
    BRANCH(a->GetNum() != 0);
h_test_top: {
    NEED(f->len);
    NEED(f->lenTaken);
    if (st.Empty())
        goto h_single;
    const bool truth = st.Top().GetNum() != 0;
    st.Pop();
    BRANCH(truth);
}
h_ret:
    NEED(f->len);
    if (m_callstack.empty() || !(a = Ref(f->a)))
        goto h_single;
    budget -= f->len;
    st.Push(*a);
    RETURN_NOW();
h_step:
    NEED(f->len);
    if (!(a = Ref(f->a)))
        goto h_single;
    a->SetNum(f->op == OP_INC ? a->GetNum() + 1 : a->GetNum() - 1);
    ADVANCE();

    // Operator on two decoded operands.
h_vv_push:
h_vv_store:
h_vv_test:
h_vv_ret:
    NEED(f->len);
    NEED(f->lenTaken);
    if (!(a = Ref(f->a)) || !(b = Ref(f->b)) || !NumericOp(f->op, *a, *b, &r))
        goto h_single;
    switch (f->handler) {
    case FH_VV_PUSH:
        st.PushNum(r);
        ADVANCE();
    case FH_VV_STORE:
        if (!(c = Ref(f->c)))
            goto h_single;
        c->SetNum(r);
        ADVANCE();
    case FH_VV_TEST:
        BRANCH(r != 0);
    default:
        if (m_callstack.empty())
            goto h_single;
        budget -= f->len;
        st.PushNum(r);
        RETURN_NOW();
    }

    // Operator on the stack top and a decoded operand.
h_sv_push:
h_sv_store:
h_sv_test:
h_sv_ret: {
    NEED(f->len);
    NEED(f->lenTaken);
    if (st.Empty() || !(b = Ref(f->b)))
        goto h_single;
    Value& top = st.Top();
    if (!NumericOp(f->op, top, *b, &r))
        goto h_single;
    switch (f->handler) {
    case FH_SV_PUSH:
        top.SetNum(r);
        ADVANCE();
    case FH_SV_STORE:
        if (!(c = Ref(f->c)))
            goto h_single;
        c->SetNum(r);
        st.Pop();
        ADVANCE();
    case FH_SV_TEST:
        st.Pop();
        BRANCH(r != 0);
    default:
        if (m_callstack.empty())
            goto h_single;
        budget -= f->len;
        top.SetNum(r);
        RETURN_NOW();
    }
}

    // Operator on the two top stack values.
h_ss_push:
h_ss_store:
h_ss_test:
h_ss_ret: {
    NEED(f->len);
    NEED(f->lenTaken);
    if (st.Size() < 2)
        goto h_single;
    Value& left = st[st.Size() - 2];
    if (!NumericOp(f->op, left, st.Top(), &r))
        goto h_single;
    switch (f->handler) {
    case FH_SS_PUSH:
        left.SetNum(r);
        st.Pop();
        ADVANCE();
    case FH_SS_STORE:
        if (!(c = Ref(f->c)))
            goto h_single;
        c->SetNum(r);
        st.Pop();
        st.Pop();
        ADVANCE();
    case FH_SS_TEST:
        st.Pop();
        st.Pop();
        BRANCH(r != 0);
    default:
        if (m_callstack.empty())
            goto h_single;
        budget -= f->len;
        left.SetNum(r);
        st.Pop();
        RETURN_NOW();
    }
}

h_call: {
    NEED(1);
    // Script functions directly; host functions and every failure through
    // the one-opcode path.
    const int val = m_opcodes[pc].val;
    const unsigned index = static_cast<unsigned>(val) & 0xFFFFu;
    if (index >= m_funcs.size())
        goto h_single;
    const Function& fn = m_funcs[index];
    if (fn.type != FUNC_SCRIPT || !fn.baked || m_callstack.size() >= static_cast<size_t>(MAX_CALL_DEPTH) ||
        fn.calllabel >= m_labels.size())
        goto h_single;
    --budget;
    PushFrame(fn.vars);
    m_callstack.push_back(pc + 1);
    pc = m_labels[fn.calllabel];
    if (pc > ncode)
        pc = ncode;
    NEXT();
}
h_return:
    NEED(1);
    if (m_callstack.empty())
        goto h_single;
    --budget;
    RETURN_NOW();
h_done:
    NEED(1);
    --budget;
    MoveToEnd();
    result = 0;
    goto out_synced;

    // In-place append: the head checks that the budget covers the whole
    // assignment, which holds no call, so nothing can stop it half-way but
    // a run-time error (see AbandonAppend).
h_append_head:
    NEED(static_cast<long long>(f->target));
    if (m_append.active || !(a = Ref(f->a)))
        goto h_single;
    m_append.mark = a->MarkText();
    m_append.var = a;
    m_append.slot = st.Size();
    m_append.active = true;
    st.Push(Value());
    ADVANCE();
h_append_cat: {
    NEED(1);
    if (!m_append.active || m_append.slot + 2 != st.Size())
        goto h_single;
    const std::string& text = st.Top().GetStr();
    if (!CheckTextSize(m_opcodes[pc].line, m_append.var->TextSize() + text.size())) {
        result = 0;
        goto out_synced;
    }
    m_append.var->AppendText(text);
    st.Pop();
    ADVANCE();
}
h_append_store:
    NEED(f->len);
    if (!m_append.active || m_append.slot + 1 != st.Size())
        goto h_single;
    m_append.active = false;
    st.Pop();
    ADVANCE();
    } catch (const std::bad_alloc&) {
        goto out_of_memory;
    } catch (const std::length_error&) {
        goto out_of_memory;
    }

#undef NEXT
#undef NEED
#undef ADVANCE
#undef BRANCH
#undef RETURN_NOW

out_of_memory:
    // The script stops as on any other run-time error, at the opcode that
    // ran out.
    m_currcode = pc < ncode ? pc : ncode;
    RuntimeError(pc < ncode ? m_opcodes[pc].line : 0, "Out of memory");
    result = 0;
    goto out_synced;
out:
    m_currcode = pc;
out_synced:
    *budgetInOut = budget;
    return result;
}

// One opcode at m_currcode. Returns 0 when the script stops (DONE or an
// error), 2 after a call, 1 otherwise.
int State::ExecOne()
{
    ValueStack& st = m_stack;
    const Opcode op = m_opcodes[m_currcode];
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
    case OP_CAT: {
        Value& a = st[st.Size() - 2];
        const std::string& b = st.Top().GetStr();
        if (!CheckTextSize(op.line, a.TextSize() + b.size()))
            return 0;
        a.AppendText(b);
        st.Pop();
        break;
    }
    case OP_CALL:
        if (!InternalCall(op.line, op.val & 0xFFFF, static_cast<int>(static_cast<unsigned>(op.val) >> 16)))
            return 0;
        return 2;
    case OP_RETURN:
        if (m_callstack.empty()) {
            RuntimeError(op.line, "Callstack is empty!");
            return 0;
        }
        m_currcode = m_callstack.back();
        m_callstack.pop_back();
        PopFrame();
        return 1;
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
            return 1;
        }
        break;
    }
    case OP_DONE:
        MoveToEnd();
        return 0;
    default:
        if (IsNumericOp(op.code)) {
            Value& a = st[st.Size() - 2];
            double r;
            if (!NumericOp(op.code, a, st.Top(), &r)) {
                RuntimeError(op.line, op.code == OP_DIV ? "Divide by zero" : "Modulus divide by zero");
                return 0;
            }
            a.SetNum(r);
            st.Pop();
            break;
        }
        RuntimeError(op.line, "%s", BAD_OPCODE);
        return 0;
    }
    ++m_currcode;
    return 1;
}

}  // namespace MorScript
