// The instruction loop: Step, calls, returns and frames.
#include <climits>
#include <cmath>
#include <new>
#include <stdexcept>

#include "morscript/Operators.h"
#include "morscript/State.h"

namespace MorScript {

namespace {

const char* const BAD_OPCODE = "Unrecognized opcode";

// Every handler of an operator known when the table is built, in the order
// of FH_BIN_BY_OPERATOR.
#define FOR_OPERATORS(M, fam, sink) MORSCRIPT_FAST_OPERATORS(M, fam, sink)
#define FOR_SINKS(M, fam) \
    FOR_OPERATORS(M, fam, push) FOR_OPERATORS(M, fam, store) FOR_OPERATORS(M, fam, test) \
    FOR_OPERATORS(M, fam, ret)
#define FOR_EVERY_OPERATOR_HANDLER(M) FOR_SINKS(M, vv) FOR_SINKS(M, sv) FOR_SINKS(M, ss)

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
    m_localBytes = static_cast<size_t>(m_localCount) * sizeof(Value);
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
    m_localBytes = static_cast<size_t>(vars) * sizeof(Value);
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
        m_fastGlobals != m_vars.data() || m_fastLabels != m_labels.size() || m_fastFuncs != m_funcs.size())
        BuildProgram();
}

void State::BuildProgram()
{
    BuildFastCode(m_opcodes, m_labels, m_consts, m_vars, m_funcs, &m_fast);
    m_fastConsts = m_consts.data();
    m_fastFuncs = m_funcs.size();
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
// wait callback is set (RUN_WAIT). The loop keeps only the current entry
// and the budget; the program counter is the entry's index, written to
// m_currcode whenever code outside this loop may look at it.
int State::Run(long long* budgetInOut)
{
    static void* const HANDLERS[FH_COUNT] = {
        &&h_single, &&h_end, &&h_noops, &&h_jump, &&h_push, &&h_move, &&h_store, &&h_test,
        &&h_test_top, &&h_ret, &&h_step,
        &&h_vv_push, &&h_vv_store, &&h_vv_test, &&h_vv_ret,
        &&h_sv_push, &&h_sv_store, &&h_sv_test, &&h_sv_ret,
        &&h_ss_push, &&h_ss_store, &&h_ss_test, &&h_ss_ret,
        &&h_call, &&h_return, &&h_done, &&h_append_head, &&h_append_cat, &&h_append_store,
        &&h_step_test,
#define STEP_TEST_ADDRESS(fam, sink, op) &&h_step_test_##op,
        FOR_OPERATORS(STEP_TEST_ADDRESS, , )
#undef STEP_TEST_ADDRESS
        &&h_step_self_test_LT, &&h_step_self_test_LE, &&h_step_self_test_GT, &&h_step_self_test_GE,
        &&h_vv_self_ADD, &&h_vv_self_SUB, &&h_vv_self_MUL,
#define LABEL_ADDRESS(fam, sink, op) &&h_##fam##_##sink##_##op,
        FOR_EVERY_OPERATOR_HANDLER(LABEL_ADDRESS)
#undef LABEL_ADDRESS
    };
    long long budget = *budgetInOut;
    const FastOp* f = Entry(m_currcode);
    int result = 1;

#define NEXT() goto* HANDLERS[f->handler]
#define NEED(n)           \
    if (budget < (n))     \
        goto h_single;
// Value* var := the operand ref, or the one-opcode path for a local
// outside the current frame.
#define REF(var, ref)                                                         \
    Value* var;                                                               \
    {                                                                         \
        const FastRef r_ = (ref);                                             \
        if (!r_.IsLocal())                                                    \
            var = r_.Address();                                               \
        else if (r_.Offset() < m_localBytes)                                  \
            var = reinterpret_cast<Value*>(reinterpret_cast<char*>(m_locals) + r_.Offset()); \
        else                                                                  \
            goto h_single;                                                    \
    }
#define ADVANCE()         \
    do {                  \
        budget -= f->len; \
        f = f->pnext;     \
        NEXT();           \
    } while (0)
#define BRANCH(truth)                    \
    do {                                 \
        if ((truth) == f->ifTrue) {      \
            budget -= f->lenTaken;       \
            f = f->ptarget;              \
        } else {                         \
            budget -= f->len;            \
            f = f->pnext;                \
        }                                \
        NEXT();                          \
    } while (0)
// RETURN with its value already on the stack.
#define RETURN_NOW()                          \
    do {                                      \
        f = Entry(m_callstack.back());        \
        m_callstack.pop_back();               \
        PopFrame();                           \
        NEXT();                               \
    } while (0)

    try {
    NEXT();

h_single: {
    if (budget < 1)
        goto out;
    --budget;
    m_currcode = Index(f);
    const int done = ExecOne();
    if (done == 0) {
        result = 0;
        goto out_synced;
    }
    if (done == 2) {  // a call: host code may have set a wait or added code
        if (m_waitfunc || m_fast.size() != m_opcodes.size() + 1) {
            result = RUN_WAIT;
            goto out_synced;
        }
    }
    f = Entry(m_currcode);
    NEXT();
}
h_end:
    if (budget < 1)
        goto out;
    m_currcode = Index(f);
    RuntimeError(0, "Reached end of VM code without hitting OP_DONE");
    result = 0;
    goto out_synced;
h_noops:
h_jump:
    NEED(f->len);
    ADVANCE();
h_push: {
    NEED(f->len);
    REF(a, f->a);
    m_stack.Push(*a);
    ADVANCE();
}
h_move: {
    NEED(f->len);
    REF(a, f->a);
    REF(c, f->c);
    *c = *a;
    ADVANCE();
}
h_store: {
    NEED(f->len);
    REF(c, f->c);
    if (m_stack.Empty())
        goto h_single;
    c->TakeFrom(m_stack.Top());
    m_stack.Pop();
    ADVANCE();
}
h_test: {
    NEED(f->need);
    REF(a, f->a);
    BRANCH(a->GetNum() != 0);
}
h_test_top: {
    NEED(f->need);
    if (m_stack.Empty())
        goto h_single;
    const bool truth = m_stack.Top().GetNum() != 0;
    m_stack.Pop();
    BRANCH(truth);
}
h_ret: {
    NEED(f->len);
    REF(a, f->a);
    if (m_callstack.empty())
        goto h_single;
    budget -= f->len;
    m_stack.Push(*a);
    RETURN_NOW();
}
h_step_test: {
    // The test's own entry checks nothing this one has not checked, so a
    // failure there (a division by zero) runs it on its own.
    const FastOp* test = f->pnext;
    NEED(f->len + test->need);
    REF(a, f->a);
    REF(x, test->a);
    REF(y, test->b);
    const double n = Num(*a);
    a->SetNum(Stepped(n, f->delta));
    budget -= f->len;
    f = test;
    double r;
    if (!NumericOp(f->op, *x, *y, &r))
        NEXT();
    BRANCH(r != 0);
}
#define TAKE_VV                           \
    REF(a, f->a);                         \
    REF(b, f->b);
// r := A op B for an operator known here.
#define COMPUTE(op) const auto r = Binary<OP_##op>(*a, *b);
#define STEP_TEST_HANDLER(unused1, unused2, op)                                \
    h_step_test_##op : {                                       \
        const FastOp* test = f->pnext;                         \
        NEED(f->len + test->need);                             \
        REF(v, f->a);                                          \
        const double x = Num(*v);                              \
        v->SetNum(Stepped(x, f->delta));                       \
        budget -= f->len;                                      \
        f = test;                                              \
        TAKE_VV                                                \
        COMPUTE(op)                                            \
        BRANCH(r != 0);                                        \
    }
    FOR_OPERATORS(STEP_TEST_HANDLER, , )
#define STEP_SELF_TEST_HANDLER(op)                             \
    h_step_self_test_##op : {                                  \
        const FastOp* test = f->pnext;                         \
        NEED(f->len + test->need);                             \
        REF(v, f->a);                                          \
        REF(b, test->b);                                       \
        const double x = Num(*v);                              \
        const double next = Stepped(x, f->delta);              \
        v->SetNum(next);                                       \
        budget -= f->len;                                      \
        f = test;                                              \
        BRANCH(Binary<OP_##op>(next, *b));                     \
    }
    STEP_SELF_TEST_HANDLER(LT)
    STEP_SELF_TEST_HANDLER(LE)
    STEP_SELF_TEST_HANDLER(GT)
    STEP_SELF_TEST_HANDLER(GE)
#define VV_SELF_HANDLER(op)                                    \
    h_vv_self_##op : {                                         \
        NEED(f->len);                                          \
        REF(a, f->a);                                          \
        REF(b, f->b);                                          \
        COMPUTE(op)                                            \
        a->SetNum(r);                                          \
        ADVANCE();                                             \
    }
    VV_SELF_HANDLER(ADD)
    VV_SELF_HANDLER(SUB)
    VV_SELF_HANDLER(MUL)
h_step: {
    NEED(f->len);
    REF(a, f->a);
    const double x = Num(*a);
    a->SetNum(Stepped(x, f->delta));
    ADVANCE();
}

    // Operators. Each family of operand sources and each sink has a handler
    // of its own, so that every one dispatches (and predicts) on its own.
#define TAKE_SV                           \
    REF(b, f->b);                         \
    if (m_stack.Empty())                  \
        goto h_single;                    \
    Value* a = &m_stack.Top();
#define TAKE_SS                           \
    if (m_stack.Size() < 2)               \
        goto h_single;                    \
    Value* a = &m_stack[m_stack.Size() - 2]; \
    Value* b = &m_stack.Top();
// Results of the three families: VV pushes, SV and SS replace A.
#define PUT_VV m_stack.PushNum(r);
#define PUT_SV a->SetNum(r);
#define PUT_SS a->SetNum(r); m_stack.Pop();
#define DROP_VV
#define DROP_SV m_stack.Pop();
#define DROP_SS m_stack.Pop(); m_stack.Pop();
#define SINK_push(FAM, COMPUTE)                       \
    NEED(f->len);                                     \
    TAKE_##FAM                                        \
    COMPUTE                                           \
    PUT_##FAM                                         \
    ADVANCE();
#define SINK_store(FAM, COMPUTE)                      \
    NEED(f->len);                                     \
    TAKE_##FAM                                        \
    REF(c, f->c);                                     \
    COMPUTE                                           \
    c->SetNum(r);                                     \
    DROP_##FAM                                        \
    ADVANCE();
#define SINK_test(FAM, COMPUTE)                       \
    NEED(f->need);                                    \
    TAKE_##FAM                                        \
    COMPUTE                                           \
    DROP_##FAM                                        \
    BRANCH(r != 0);
#define SINK_ret(FAM, COMPUTE)                        \
    NEED(f->len);                                     \
    if (m_callstack.empty())                          \
        goto h_single;                                \
    TAKE_##FAM                                        \
    COMPUTE                                           \
    budget -= f->len;                                 \
    PUT_##FAM                                         \
    RETURN_NOW();
// Any numeric operator, through NumericOp; a division by zero runs on its
// own and reports the error there.
#define COMPUTE_ANY                                   \
    double r;                                         \
    if (!NumericOp(f->op, *a, *b, &r))                \
        goto h_single;
#define FAMILY_vv VV
#define FAMILY_sv SV
#define FAMILY_ss SS
#define HANDLER_BODY(sink, FAM, COMPUTE) SINK_##sink(FAM, COMPUTE)
#define ANY_OPERATOR_HANDLER(fam, sink) \
    h_##fam##_##sink : {                \
        HANDLER_BODY(sink, FAMILY_##fam, COMPUTE_ANY) \
    }
#define OPERATOR_HANDLER(fam, sink, op)   \
    h_##fam##_##sink##_##op : {           \
        HANDLER_BODY(sink, FAMILY_##fam, COMPUTE(op)) \
    }
#define ANY_OPERATOR_HANDLERS(fam) \
    ANY_OPERATOR_HANDLER(fam, push) ANY_OPERATOR_HANDLER(fam, store) \
    ANY_OPERATOR_HANDLER(fam, test) ANY_OPERATOR_HANDLER(fam, ret)

    ANY_OPERATOR_HANDLERS(vv)
    ANY_OPERATOR_HANDLERS(sv)
    ANY_OPERATOR_HANDLERS(ss)
    FOR_EVERY_OPERATOR_HANDLER(OPERATOR_HANDLER)

h_call: {
    // Script functions with their entry decoded; host functions and every
    // failure through the one-opcode path.
    NEED(f->lenTaken);
    if (m_callstack.size() >= static_cast<size_t>(MAX_CALL_DEPTH))
        goto h_single;
    budget -= f->lenTaken;
    PushFrame(f->count);
    m_callstack.push_back(Index(f) + 1);
    f = f->ptarget;
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
h_append_head: {
    NEED(static_cast<long long>(f->target));
    REF(a, f->a);
    if (m_append.active)
        goto h_single;
    m_append.mark = a->MarkText();
    m_append.var = a;
    m_append.slot = m_stack.Size();
    m_append.active = true;
    m_stack.Push(Value());
    ADVANCE();
}
h_append_cat: {
    NEED(1);
    if (!m_append.active || m_append.slot + 2 != m_stack.Size())
        goto h_single;
    const std::string& text = m_stack.Top().GetStr();
    if (!CheckTextSize(m_opcodes[Index(f)].line, m_append.var->TextSize() + text.size())) {
        result = 0;
        goto out_synced;
    }
    m_append.var->AppendText(text);
    m_stack.Pop();
    ADVANCE();
}
h_append_store:
    NEED(f->len);
    if (!m_append.active || m_append.slot + 1 != m_stack.Size())
        goto h_single;
    m_append.active = false;
    m_stack.Pop();
    ADVANCE();
    } catch (const std::bad_alloc&) {
        goto out_of_memory;
    } catch (const std::length_error&) {
        goto out_of_memory;
    }

out_of_memory: {
    // The script stops as on any other run-time error, at the opcode that
    // ran out.
    m_currcode = Index(f);
    RuntimeError(m_currcode < m_opcodes.size() ? m_opcodes[m_currcode].line : 0, "Out of memory");
    result = 0;
    goto out_synced;
}
out:
    m_currcode = Index(f);
out_synced:
    *budgetInOut = budget;
    return result;
}

#undef NEXT
#undef STEP_TEST_HANDLER
#undef STEP_SELF_TEST_HANDLER
#undef VV_SELF_HANDLER
#undef NEED
#undef REF
#undef ADVANCE
#undef BRANCH
#undef RETURN_NOW
#undef TAKE_VV
#undef TAKE_SV
#undef TAKE_SS
#undef PUT_VV
#undef PUT_SV
#undef PUT_SS
#undef DROP_VV
#undef DROP_SV
#undef DROP_SS
#undef SINK_push
#undef SINK_store
#undef SINK_test
#undef SINK_ret
#undef COMPUTE_ANY
#undef COMPUTE
#undef FAMILY_vv
#undef FAMILY_sv
#undef FAMILY_ss
#undef HANDLER_BODY
#undef ANY_OPERATOR_HANDLER
#undef OPERATOR_HANDLER
#undef ANY_OPERATOR_HANDLERS

// One opcode at m_currcode. Returns 0 when the script stops (DONE or an
// error), 2 after a call, 1 otherwise.
int State::ExecOne()
{
    ValueStack& st = m_stack;
    const Opcode op = m_opcodes[m_currcode];
    // Operands missing from the stack (a host function popped too much)
    // read as empty texts.
    if (IsOpcode(op.code)) {
        while (st.Size() < static_cast<size_t>(OPCODE_INFO[op.code].pops))
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
        st.Top().SetNum(Stepped(Num(st.Top()), 1));
        break;
    case OP_DEC:
        st.Top().SetNum(Stepped(Num(st.Top()), -1));
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
    case OP_CALL: {
        const CallOperand call = DecodeCallOperand(op.val);
        if (!InternalCall(op.line, call.function, call.arguments))
            return 0;
        return 2;
    }
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
