// libFuzzer target: hand-made bytecode (operands in and out of range, stray
// jumps, calls and returns) run one opcode at a time and in slices; any
// difference aborts, and the sanitizers catch what the VM must never do.
#include <cstdio>
#include <cstdlib>

#include "CrossCheck.h"

extern "C" int LLVMFuzzerTestOneInput(const unsigned char* data, size_t size)
{
    const std::string diff = MorScriptCheck::CheckBytecodeInput(data, size);
    if (!diff.empty()) {
        fprintf(stderr, "%s\n", diff.c_str());
        abort();
    }
    return 0;
}
