#include "morscript/Globals.h"

#include <cctype>
#include <cstdint>
#include <cstring>

namespace MorScript {

int Hash(const char* name)
{
    // Unsigned arithmetic wraps at 32 bits; the right shifts are done on the
    // signed value so that they propagate the sign.
    uint32_t h = 0;
    for (const char* p = name; *p; ++p) {
        h += static_cast<uint32_t>(static_cast<int32_t>(static_cast<signed char>(*p)));
        h += h << 10;
        h ^= static_cast<uint32_t>(static_cast<int32_t>(h) >> 6);
    }
    h += h << 3;
    h ^= static_cast<uint32_t>(static_cast<int32_t>(h) >> 11);
    h += h << 15;
    h ^= 0x1337;
    return static_cast<int32_t>(h);
}

char* strlwr2(char* str)
{
    for (char* p = str; *p; ++p)
        *p = static_cast<char>(tolower(static_cast<unsigned char>(*p)));
    return str;
}

char* strncpy2(char* dst, const char* src, size_t n)
{
    if (n == 0)
        return dst;
    memset(dst, 0, n);
    size_t i = 0;
    for (; i + 1 < n && src[i]; ++i)
        dst[i] = src[i];
    return dst;
}

int stricmp2(const char* a, const char* b)
{
    for (;; ++a, ++b) {
        int ca = tolower(static_cast<unsigned char>(*a));
        int cb = tolower(static_cast<unsigned char>(*b));
        if (ca != cb)
            return ca - cb;
        if (ca == 0)
            return 0;
    }
}

}  // namespace MorScript
