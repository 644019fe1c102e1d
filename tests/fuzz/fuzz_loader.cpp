// One libFuzzer target per loader: FUZZ_BODY names the body this build of
// the file runs (see FuzzBodies.h).
#include "FuzzBodies.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    return FuzzBodies::FUZZ_BODY(data, size);
}
