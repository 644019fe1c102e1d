// libFuzzer target: arbitrary text compiled and run under an opcode bound,
// once one opcode at a time and in slices; any difference aborts.
#include <cstdio>
#include <cstdlib>

#include "CrossCheck.h"

extern "C" int LLVMFuzzerTestOneInput(const unsigned char* data, size_t size)
{
    const std::string diff = MorScriptCheck::CheckScriptInput(std::string(reinterpret_cast<const char*>(data), size));
    if (!diff.empty()) {
        fprintf(stderr, "%s\n", diff.c_str());
        abort();
    }
    return 0;
}
