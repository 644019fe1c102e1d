#include "CrossCheck.h"

#include <cstdio>

#include "morscript/State.h"

using namespace MorScript;

namespace MorScriptCheck {

namespace {

class Recorder : public Outputter {
public:
    int Write(const char* text) override
    {
        m_text += text;
        return 1;
    }
    std::string m_text;
};

int Print(State* S, int, void* user)
{
    *static_cast<std::string*>(user) += S->Pop().GetStr() + "\n";
    S->Push(Value(std::string()));
    return 1;
}

std::string Describe(const Value& v)
{
    char num[64];
    snprintf(num, sizeof num, "%.17g", v.GetNum());
    return "[" + v.GetStr() + "|" + (v.IsNumerical() ? "n" : "t") + "|" + num + "]";
}

}  // namespace

std::string RunAndDescribe(const std::string& source, long long maxOps, int slice)
{
    State S;
    std::string printed;
    Recorder out;
    S.AddFunc("print", Print, 1, PARAMS_EXACT, &printed);
    StringInputter in(source);
    if (!S.Create(&in, &out, nullptr))
        return "compile error: " + out.m_text;
    long long left = maxOps;
    int result = 1;
    while (result == 1 && left > 0) {
        int budget = left < slice ? static_cast<int>(left) : slice;
        result = S.Step(budget);
        left -= budget;
    }
    std::string text = "result " + std::to_string(result) + " pc " + std::to_string(S.m_currcode) + "\nprinted:\n" +
                       printed + "errors:\n" + out.m_text + "stack:";
    // Values popped off the stack one by one, top first.
    while (S.m_stack.Size())
        text += Describe(S.Pop());
    text += "\nglobals:";
    for (const Value& v : S.m_vars)
        text += Describe(v);
    text += "\nlocals:";
    size_t used = S.m_pages.empty() ? 0 : S.m_pages.back().base + S.m_pages.back().size;
    for (size_t i = 0; i < used; ++i)
        text += Describe(S.m_slots[i]);
    text += "\ncalls: " + std::to_string(S.m_callstack.size()) + "\n";
    return text;
}

std::string CrossCheck(const std::string& source, long long maxOps, int slice)
{
    const std::string single = RunAndDescribe(source, maxOps, 1);
    const std::string batched = RunAndDescribe(source, maxOps, slice);
    if (single == batched)
        return "";
    return "one opcode at a time:\n" + single + "\nin slices of " + std::to_string(slice) + ":\n" + batched;
}

}  // namespace MorScriptCheck
