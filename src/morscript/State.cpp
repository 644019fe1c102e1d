// The state's tables, compilation, host interface and error reporting. The
// instruction loop lives in StateStep.cpp.
#include "morscript/State.h"

#include <climits>
#include <cstdarg>
#include <cstdio>

#include "morscript/Globals.h"
#include "morscript/Parser.h"

namespace MorScript {

namespace {
// Thrown by State::Error to abandon a compilation; caught only by Create.
struct CompileAbort {};

std::string FormatV(const char* format, va_list args)
{
    va_list copy;
    va_copy(copy, args);
    int n = vsnprintf(nullptr, 0, format, copy);
    va_end(copy);
    if (n <= 0)
        return std::string();
    std::string text(static_cast<size_t>(n) + 1, '\0');
    vsnprintf(&text[0], text.size(), format, args);
    text.resize(static_cast<size_t>(n));
    return text;
}
}  // namespace

State::State()
{
    AddConst("");
    AddConst("0");
    AddConst("1");
}

State::State(const State& other)
{
    *this = other;
}

State& State::operator=(const State& other)
{
    if (this == &other)
        return *this;
    TermWaitFunc();
    m_outputter = other.m_outputter;
    m_user = other.m_user;
    m_funcs = other.m_funcs;
    m_callstack = other.m_callstack;
    m_consts = other.m_consts;
    m_opcodes = other.m_opcodes;
    m_currcode = other.m_currcode;
    m_vars = other.m_vars;
    m_stack = other.m_stack;
    m_labels = other.m_labels;
    m_pages = other.m_pages;
    m_slots = other.m_slots;
    m_waitfunc = other.m_waitfunc;
    m_waituser = other.m_waituser;
    m_fast.clear();
    SyncFrame();
    return *this;
}

State::~State()
{
    TermWaitFunc();
}

int State::Create(Inputter* in, Outputter* out, void* user)
{
    if (!in || !out)
        return 0;
    m_outputter = out;
    m_user = user;
    try {
        Parser parser(this, in);
        parser.Start();
    } catch (const CompileAbort&) {
        Output("%s", m_err.c_str());
        return 0;
    }
    m_currcode = 0;
    BuildProgram();
    return 1;
}

int State::AddFunc(const char* name, HostFunction function, int params, PARAM_LIMIT limit, void* user)
{
    if (m_funcs.size() >= static_cast<size_t>(MAX_FUNCTIONS) || !name || !function || params < 0 ||
        limit < PARAMS_MIN || limit > PARAMS_EXACT)
        return 0;
    char buf[256];
    strncpy2(buf, name, sizeof buf);
    Function f;
    f.name = strlwr2(buf);
    f.type = FUNC_HOST;
    f.params = params;
    f.limittype = limit;
    f.address = function;
    f.user = user;
    f.baked = true;
    m_funcs.push_back(f);
    return 1;
}

int State::AddMorScriptFunc(const std::string& name, int params, unsigned calllabel, bool baked)
{
    if (m_funcs.size() >= static_cast<size_t>(MAX_FUNCTIONS))
        return -1;
    Function f;
    f.name = name;
    f.type = FUNC_SCRIPT;
    f.params = params;
    f.limittype = PARAMS_EXACT;
    f.calllabel = calllabel;
    f.baked = baked;
    m_funcs.push_back(f);
    return static_cast<int>(m_funcs.size() - 1);
}

int State::AddVar(int* localCounter)
{
    if (localCounter) {
        if (*localCounter < 0)
            return -1;
        int id = LocalId(*localCounter);
        // Past the last slot the counter turns negative: no slot is left.
        *localCounter = *localCounter == INT_MAX ? -1 : *localCounter + 1;
        return id;
    }
    if (m_vars.size() >= 0x7FFFFFFFu)
        return -1;
    m_vars.emplace_back();
    return static_cast<int>(m_vars.size() - 1);
}

unsigned State::AddConst(const std::string& text)
{
    m_consts.emplace_back(text);
    m_consts.back().CalcAllInfo();
    return static_cast<unsigned>(m_consts.size() - 1);
}

unsigned State::RegLabel()
{
    m_labels.push_back(0);
    return static_cast<unsigned>(m_labels.size() - 1);
}

void State::SetLabel(unsigned label, OpcodeHandle target)
{
    if (label < m_labels.size())
        m_labels[label] = target;
}

int State::Push(const Value& v)
{
    m_stack.Push(v);
    return static_cast<int>(m_stack.Size());
}

Value State::Pop()
{
    if (m_stack.Empty())
        return Value(std::string());
    Value v = std::move(m_stack.Top());
    m_stack.Pop();
    return v;
}

int State::CallFunc(const char* name, int argumentCount)
{
    if (!name || m_opcodes.empty())
        return 0;
    // A name registered twice resolves to the later record, as in the compiler.
    int index = -1;
    for (size_t i = m_funcs.size(); i-- > 0;) {
        if (stricmp2(m_funcs[i].name.c_str(), name) == 0) {
            index = static_cast<int>(i);
            break;
        }
    }
    if (index < 0)
        return 0;
    InternalRewind(argumentCount);
    // The call returns into the final DONE; unsigned wrap-around makes this
    // work for a program of a single opcode as well.
    m_currcode = static_cast<OpcodeHandle>(m_opcodes.size() - 2);
    return InternalCall(0, index, argumentCount);
}

void State::InternalRewind(int keep)
{
    ValueStack fresh;
    for (int i = 0; i < keep && !m_stack.Empty(); ++i) {
        fresh.Push(m_stack.Top());
        m_stack.Pop();
    }
    TermWaitFunc();
    m_currcode = 0;
    m_stack = std::move(fresh);
    m_callstack.clear();
    m_pages.clear();
    m_append.active = false;
    SyncFrame();
}

int State::SetWaitFunc(WaitFunction callback, void* user)
{
    if (m_waitfunc)
        return 0;
    m_waitfunc = callback;
    m_waituser = user;
    return 1;
}

void State::TermWaitFunc()
{
    if (m_waitfunc)
        m_waitfunc(this, m_waituser, 1);
}

int State::Output(const char* format, ...)
{
    if (!m_outputter)
        return 0;
    va_list args;
    va_start(args, format);
    std::string text = FormatV(format, args);
    va_end(args);
    text += "\r\n";
    return m_outputter->Write(text.c_str());
}

void State::Error(int line, const char* format, ...)
{
    va_list args;
    va_start(args, format);
    std::string message = FormatV(format, args);
    va_end(args);
    m_err = "Error, line " + std::to_string(line) + ": " + message;
    throw CompileAbort();
}

void State::RuntimeError(int line, const char* format, ...)
{
    AbandonAppend();
    MoveToEnd();
    va_list args;
    va_start(args, format);
    std::string message = FormatV(format, args);
    va_end(args);
    Output("Runtime Error, line %d: %s", line, message.c_str());
}

}  // namespace MorScript
