// One compiled script and the stack machine that runs it. The compiler fills
// the tables (constants, opcodes, labels, functions, globals) during Create;
// Step then executes a bounded number of opcodes per call.
#ifndef MORSCRIPT_STATE_H
#define MORSCRIPT_STATE_H

#include <string>
#include <vector>

#include "morscript/FastCode.h"
#include "morscript/IO.h"
#include "morscript/Opcodes.h"
#include "morscript/Value.h"

namespace MorScript {

class State;

// A host function: pops its argument count of values (last argument first),
// pushes exactly one result and returns non-zero on success.
typedef int (*HostFunction)(State* S, int argumentCount, void* user);
// Polled before every instruction while set: 0 keeps the script waiting, any
// other result releases it. terminating is 1 when the state goes away.
typedef int (*WaitFunction)(State* S, void* user, int terminating);

enum PARAM_LIMIT { PARAMS_MIN = 0, PARAMS_MAX = 1, PARAMS_EXACT = 2 };

enum FunctionType { FUNC_HOST = 0, FUNC_SCRIPT = 1 };

struct Function {
    std::string name;  // lower case
    int type = FUNC_HOST;
    int params = 0;
    PARAM_LIMIT limittype = PARAMS_EXACT;
    unsigned calllabel = 0;  // script function: label of its entry point
    HostFunction address = nullptr;
    void* user = nullptr;
    int vars = 0;  // script function: local slots of its frame
    bool baked = false;  // has a body
};

struct Opcode {
    int code;
    int line;
    int val;
};

typedef unsigned OpcodeHandle;

// The operand stack. Popped slots keep their storage, so pushing a text into
// a slot that held one before reuses its buffer instead of allocating.
class ValueStack {
public:
    size_t Size() const { return m_size; }
    bool Empty() const { return m_size == 0; }
    void Push(const Value& v)
    {
        if (m_size == m_data.size())
            m_data.push_back(v);
        else
            m_data[m_size] = v;
        ++m_size;
    }
    Value& Top() { return m_data[m_size - 1]; }
    void Pop()
    {
        if (m_size)
            --m_size;
    }
    void PushNum(double d)
    {
        if (m_size == m_data.size())
            m_data.emplace_back(d);
        else
            m_data[m_size].SetNum(d);
        ++m_size;
    }
    void Clear() { m_size = 0; }
    Value& operator[](size_t i) { return m_data[i]; }

    std::vector<Value> m_data;
    size_t m_size = 0;
};

// One active call of a script function: its slots in State::m_slots.
struct Frame {
    size_t base;
    int size;
};

class State {
public:
    static const int MAX_FUNCTIONS = 65536;
    // Nested script-function calls allowed before the script is stopped.
    static const int MAX_CALL_DEPTH = 100000;

    State();
    State(const State& other);
    State& operator=(const State& other);
    virtual ~State();

    int Create(Inputter* in, Outputter* out, void* user);

    int AddFunc(const char* name, HostFunction function, int params, PARAM_LIMIT limit, void* user);
    int AddMorScriptFunc(const std::string& name, int params, unsigned calllabel, bool baked);
    int AddVar(int* localCounter);
    unsigned AddConst(const std::string& text);
    unsigned RegLabel();
    void SetLabel(unsigned label, OpcodeHandle target);

    int Step(int count);
    int Push(const Value& v);
    Value Pop();
    // Calls a function by name with the top argumentCount values of the stack
    // (everything else is dropped) and returns into the final DONE. The kept
    // values change order, so push a script function's arguments last first.
    int CallFunc(const char* name, int argumentCount);
    void Rewind() { InternalRewind(0); }
    bool Done() const { return !m_opcodes.empty() && m_currcode == m_opcodes.size() - 1; }
    void MoveToEnd() { m_currcode = m_opcodes.empty() ? 0 : static_cast<OpcodeHandle>(m_opcodes.size() - 1); }

    int SetWaitFunc(WaitFunction callback, void* user);
    void TermWaitFunc();

    int Output(const char* format, ...) __attribute__((format(printf, 2, 3)));
    // Compile error: stores the message and abandons the compilation.
    [[noreturn]] void Error(int line, const char* format, ...) __attribute__((format(printf, 3, 4)));
    // Run-time error: stops the script on its final DONE and writes the message.
    void RuntimeError(int line, const char* format, ...) __attribute__((format(printf, 3, 4)));

    int InternalCall(int line, int index, int argumentCount);
    void InternalRewind(int keep);

    void* GetUserVal() const { return m_user; }
    void SetUserVal(void* user) { m_user = user; }
    Outputter* GetOutputter() const { return m_outputter; }
    void SetOutputter(Outputter* out) { m_outputter = out; }
    const std::string& GetError() const { return m_err; }

    Outputter* m_outputter = nullptr;
    void* m_user = nullptr;
    std::vector<Function> m_funcs;
    std::vector<OpcodeHandle> m_callstack;
    std::vector<Value> m_consts;
    std::vector<Opcode> m_opcodes;
    OpcodeHandle m_currcode = 0;
    std::vector<Value> m_vars;
    ValueStack m_stack;
    std::vector<OpcodeHandle> m_labels;
    std::vector<Frame> m_pages;  // call frames; the last is the current one
    std::vector<Value> m_slots;  // local slots of every frame, stacked
    WaitFunction m_waitfunc = nullptr;
    void* m_waituser = nullptr;
    std::string m_err;

    // The program in the form the instruction loop runs (see FastCode.h):
    // built by Create and rebuilt whenever the program or the tables its
    // operands point into change. Call InvalidateFastCode after editing
    // opcodes or labels in place.
    std::vector<FastOp> m_fast;
    void InvalidateFastCode() { m_fast.clear(); }

    // Longest text a script can make; a longer one is a run-time error.
    static constexpr size_t MAX_TEXT = size_t(16) << 20;

private:
    static const int RUN_WAIT = 3;  // Run stopped because a wait callback was set

    // A variable by id, or null for an id that names no variable.
    Value* VarRef(int id)
    {
        if (!IsLocalId(id))
            return static_cast<size_t>(id) < m_vars.size() ? &m_vars[id] : nullptr;
        int slot = LocalSlot(id);
        return slot < m_localCount ? m_locals + slot : nullptr;
    }
    // A decoded operand; locals are checked against the current frame.
    Value* Ref(const FastRef& r)
    {
        if (!r.IsLocal())
            return r.Address();
        return r.Offset() < m_localBytes ? reinterpret_cast<Value*>(reinterpret_cast<char*>(m_locals) + r.Offset())
                                         : nullptr;
    }
    // The run table's entry for an opcode index (past the end: the entry
    // that reports running off the program), and the other way round.
    const FastOp* Entry(size_t index) const
    {
        return m_fast.data() + (index < m_opcodes.size() ? index : m_opcodes.size());
    }
    OpcodeHandle Index(const FastOp* f) const { return static_cast<OpcodeHandle>(f - m_fast.data()); }
    void PushFrame(int vars);
    void PopFrame();
    void SyncFrame();
    void RefreshProgram();
    void BuildProgram();
    int Run(long long* budget);
    int ExecOne();
    void AbandonAppend();
    bool CheckTextSize(int line, size_t size);

    Value* m_locals = nullptr;  // the current frame's slots
    int m_localCount = 0;
    size_t m_localBytes = 0;  // m_localCount * sizeof(Value)
    const Value* m_fastConsts = nullptr;  // where m_fast's operands point
    const Value* m_fastGlobals = nullptr;
    size_t m_fastLabels = 0;
    size_t m_fastFuncs = 0;
    // A variable whose text grows in place (FH_APPEND_HEAD): the stack slot
    // that stands for its value meanwhile, and its state before.
    struct Append {
        bool active = false;
        size_t slot = 0;
        Value* var = nullptr;
        Value::Mark mark{};
    } m_append;
};

}  // namespace MorScript

#endif
