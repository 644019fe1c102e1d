// Runs a script twice, once one opcode per Step and once in large slices
// (where the VM joins opcodes into runs), and compares everything a host can
// observe: printed text, error lines, the program counter, the stack, the
// globals and the locals of active calls.
#ifndef TESTS_FUZZ_CROSSCHECK_H
#define TESTS_FUZZ_CROSSCHECK_H

#include <functional>
#include <string>

#include "morscript/State.h"

namespace MorScriptCheck {

// Fills a fresh state (which already has "print") with a program; false
// when there is nothing to run. Errors go to the outputter given.
typedef std::function<bool(MorScript::State& S, MorScript::Outputter* out)> Setup;

// What a run leaves behind. Each run stops after maxOps opcodes; slice is
// the budget of each Step.
std::string RunAndDescribe(const Setup& setup, long long maxOps, int slice);
std::string RunAndDescribe(const std::string& source, long long maxOps, int slice);

// Empty when the one-opcode run and the run in slices agree (or there is
// nothing to run); otherwise both descriptions.
std::string CrossCheck(const Setup& setup, long long maxOps, int slice);
std::string CrossCheck(const std::string& source, long long maxOps, int slice);

// A hand-made program from arbitrary bytes: tables of constants, globals,
// labels and functions, and opcodes with operands in and out of range.
Setup BytecodeFromBytes(const unsigned char* data, size_t size);

// What the fuzz targets run on each input (and the tests on each corpus
// file): the cross-check under a bound of opcodes, with a slice that ends
// far from any run and one that ends inside runs. Empty when all agree.
std::string CheckScriptInput(const std::string& source);
std::string CheckBytecodeInput(const unsigned char* data, size_t size);

}  // namespace MorScriptCheck

#endif
