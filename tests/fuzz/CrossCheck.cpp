#include "CrossCheck.h"

#include <cstdio>
#include <vector>

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

std::string RunAndDescribe(const Setup& setup, long long maxOps, int slice)
{
    State S;
    std::string printed;
    Recorder out;
    S.AddFunc("print", Print, 1, PARAMS_EXACT, &printed);
    if (!setup(S, &out))
        return "nothing to run: " + out.m_text;
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

namespace {

// The set-up that compiles `source`.
Setup compiling(const std::string& source)
{
    return [&source](State& S, Outputter* out) {
        StringInputter in(source);
        return S.Create(&in, out, nullptr) == 1;
    };
}

} // namespace

std::string RunAndDescribe(const std::string& source, long long maxOps, int slice)
{
    return RunAndDescribe(compiling(source), maxOps, slice);
}

std::string CrossCheck(const Setup& setup, long long maxOps, int slice)
{
    const std::string single = RunAndDescribe(setup, maxOps, 1);
    const std::string batched = RunAndDescribe(setup, maxOps, slice);
    if (single == batched)
        return "";
    return "one opcode at a time:\n" + single + "\nin slices of " + std::to_string(slice) + ":\n" + batched;
}

std::string CrossCheck(const std::string& source, long long maxOps, int slice)
{
    return CrossCheck(compiling(source), maxOps, slice);
}

std::string CheckScriptInput(const std::string& source)
{
    for (int slice : {1 << 30, 5}) {
        std::string diff = CrossCheck(source, 20000, slice);
        if (!diff.empty())
            return diff;
    }
    return "";
}

std::string CheckBytecodeInput(const unsigned char* data, size_t size)
{
    const Setup setup = BytecodeFromBytes(data, size);
    for (int slice : {1 << 30, 3}) {
        std::string diff = CrossCheck(setup, 5000, slice);
        if (!diff.empty())
            return diff;
    }
    return "";
}

Setup BytecodeFromBytes(const unsigned char* data, size_t size)
{
    std::vector<unsigned char> bytes(data, data + size);
    return [bytes](State& S, Outputter* out) {
        if (bytes.size() < 16)
            return false;
        size_t at = 0;
        auto next = [&]() { return at < bytes.size() ? bytes[at++] : 0; };
        S.SetOutputter(out);
        for (const char* text : {"abc", "5", "-2", "2.5", "1e+06"})
            S.AddConst(text);
        for (int i = 0; i < 4; ++i)
            S.AddVar(nullptr);
        for (int i = 0; i < 8; ++i)
            S.SetLabel(S.RegLabel(), next() % 64);
        // Two script functions (one maybe only prototyped) beside "print".
        for (int i = 0; i < 2; ++i) {
            int index = S.AddMorScriptFunc(i ? "g" : "f", 1, next() % 9, i == 0 || next() % 2);
            S.m_funcs[index].vars = next() % 4;
        }
        const bool done = next() % 8 != 0;
        while (at + 3 <= bytes.size()) {
            const int code = next() % (OP_COUNT + 1);  // one past the last: an unknown opcode
            const int a = next(), b = next();
            int val;
            if (code == OP_GETVAR || code == OP_SETVAR)
                val = (a & 0x80) ? static_cast<int>(0x80000000u | (a & 7)) : a % 6;
            else if (code == OP_CALL)
                val = (a % 4) | ((b % 3) << 16);
            else
                val = a % 12;  // constants and labels, some out of range
            S.m_opcodes.push_back(Opcode{code, b, val});
        }
        if (done)
            S.m_opcodes.push_back(Opcode{OP_DONE, 0, 0});
        S.InvalidateFastCode();
        return true;
    };
}

}  // namespace MorScriptCheck
