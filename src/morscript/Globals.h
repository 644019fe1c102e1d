// Small string helpers shared by the lexer, the compiler and the state.
#ifndef MORSCRIPT_GLOBALS_H
#define MORSCRIPT_GLOBALS_H

#include <cstddef>

namespace MorScript {

// Name hash used to speed up keyword and identifier look-ups.
int Hash(const char* name);
// Lower-cases str in place and returns it.
char* strlwr2(char* str);
// Clears all n bytes of dst and copies at most n-1 characters of src.
char* strncpy2(char* dst, const char* src, size_t n);
// Case-insensitive compare: 0 when equal, else the difference of the first
// differing lower-cased characters.
int stricmp2(const char* a, const char* b);

}  // namespace MorScript

#endif
