#include "ScriptFixture.h"

#include <fstream>
#include <sstream>

#include <cstdio>

#include "morscript/Disassemble.h"

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
    return Disassemble(S, DISASSEMBLY_COMPACT, from);
}

}  // namespace MorScriptTest

std::string MorScriptTest::ReadFile(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    std::stringstream text;
    text << in.rdbuf();
    return text.str();
}
