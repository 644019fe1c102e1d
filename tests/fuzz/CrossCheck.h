// Runs a script twice, once one opcode per Step and once in large slices
// (where the VM joins opcodes into runs), and compares everything a host can
// observe: printed text, error lines, the program counter, the stack, the
// globals and the locals of active calls.
#ifndef TESTS_FUZZ_CROSSCHECK_H
#define TESTS_FUZZ_CROSSCHECK_H

#include <string>

namespace MorScriptCheck {

// Empty when both runs agree (or the script does not compile); otherwise a
// description of the first difference. Each run stops after maxOps opcodes.
// slice is the budget of each Step of the batched run.
std::string CrossCheck(const std::string& source, long long maxOps, int slice);

// What a run leaves behind, for comparisons and failure messages.
std::string RunAndDescribe(const std::string& source, long long maxOps, int slice);

}  // namespace MorScriptCheck

#endif
