#include "ResidentMemory.h"

#include <cstdlib>
#include <cstring>
#include <fstream>
#include <string>

long residentKb(const char* field)
{
    std::ifstream status("/proc/self/status");
    std::string line;
    while (std::getline(status, line)) {
        if (line.rfind(field, 0) == 0)
            return atol(line.c_str() + strlen(field));
    }
    return -1;
}

#if defined(__SANITIZE_ADDRESS__)
#define LARDER_SANITIZED 1
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
#define LARDER_SANITIZED 1
#endif
#endif

long residentLimitKb()
{
#ifdef LARDER_SANITIZED
    return 0;
#else
    return 300 * 1024;
#endif
}
