// Helpers for the script language tests: a state with a recording print
// function and outputter, and a compact listing of compiled code.
#ifndef TESTS_MORSCRIPT_SCRIPTFIXTURE_H
#define TESTS_MORSCRIPT_SCRIPTFIXTURE_H

#include <string>

#include "morscript/State.h"

namespace MorScriptTest {

class RecordingOutputter : public MorScript::Outputter {
public:
    int Write(const char* text) override
    {
        text_ += text;
        return 1;
    }
    std::string text_;
};

// One state with "print" registered; printed lines are collected.
class Script {
public:
    Script();
    // Compiles source; false on a compile error (see Errors()).
    bool Compile(const std::string& source);
    // Compiles and runs to the end; returns what was printed.
    std::string Run(const std::string& source);
    const std::string& Printed() const { return printed_; }
    const std::string& Errors() const { return out_.text_; }

    MorScript::State S;
    RecordingOutputter out_;
    std::string printed_;
};

// The text of "print(expr);" run as a script, without the line feed.
std::string Eval(const std::string& expr);
// The compile error text ("Error, line N: ...") or "" when source compiles.
std::string CompileError(const std::string& source);
// The run-time error line written by the state, without its line ending.
std::string RuntimeError(const std::string& source);
// Compiled code as "NAME operand" items joined by ", ". Label targets show as
// "Ln:" before the opcode they point at; PUSH shows the constant's text in
// quotes; CALL shows name/count; locals show as 0x8000000n.
std::string Listing(const MorScript::State& S, size_t from = 0);

// The whole content of a file, bytes as they are ("" when unreadable).
std::string ReadFile(const std::string& path);

}  // namespace MorScriptTest

#endif
