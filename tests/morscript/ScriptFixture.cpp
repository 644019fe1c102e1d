#include "ScriptFixture.h"

#include <cstdio>

using namespace MorScript;

namespace MorScriptTest {

static int PrintLine(State* S, int, void* user)
{
    std::string* printed = static_cast<std::string*>(user);
    *printed += S->Pop().GetStr();
    *printed += "\n";
    S->Push(Value(std::string()));
    return 1;
}

Script::Script()
{
    S.AddFunc("print", PrintLine, 1, PARAMS_EXACT, &printed_);
}

bool Script::Compile(const std::string& source)
{
    StringInputter in(source);
    return S.Create(&in, &out_, nullptr) == 1;
}

std::string Script::Run(const std::string& source)
{
    if (Compile(source))
        S.Step(-1);
    return printed_;
}

std::string Eval(const std::string& expr)
{
    Script s;
    std::string printed = s.Run("print(" + expr + ");");
    if (!s.Errors().empty())
        return "<" + s.Errors() + ">";
    if (!printed.empty() && printed.back() == '\n')
        printed.pop_back();
    return printed;
}

std::string CompileError(const std::string& source)
{
    Script s;
    if (s.Compile(source))
        return "";
    return s.S.GetError();
}

std::string RuntimeError(const std::string& source)
{
    Script s;
    s.Run(source);
    std::string text = s.Errors();
    if (text.size() >= 2 && text.compare(text.size() - 2, 2, "\r\n") == 0)
        text.resize(text.size() - 2);
    return text;
}

std::string Listing(const State& S, size_t from)
{
    std::string out;
    for (size_t i = from; i < S.m_opcodes.size(); ++i) {
        for (size_t l = 0; l < S.m_labels.size(); ++l)
            if (S.m_labels[l] == i && S.m_opcodes[i].code == OP_NOOP)
                out += "L" + std::to_string(l) + ": ";
        const Opcode& op = S.m_opcodes[i];
        out += OPCODE_NAMES[op.code];
        char buf[64];
        switch (op.code) {
        case OP_PUSH:
            out += " \"" + S.m_consts[op.val].GetStr() + "\"";
            break;
        case OP_CALL:
            out += " " + S.m_funcs[op.val & 0xFFFF].name + "/" +
                   std::to_string(static_cast<unsigned>(op.val) >> 16);
            break;
        case OP_JMP: case OP_JT: case OP_JF:
            out += " L" + std::to_string(op.val);
            break;
        case OP_SETVAR: case OP_GETVAR:
            if (op.val < 0)
                snprintf(buf, sizeof buf, " 0x%x", static_cast<unsigned>(op.val));
            else
                snprintf(buf, sizeof buf, " %d", op.val);
            out += buf;
            break;
        default:
            break;
        }
        if (i + 1 < S.m_opcodes.size())
            out += ", ";
    }
    return out;
}

}  // namespace MorScriptTest
