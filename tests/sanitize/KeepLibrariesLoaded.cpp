// Linked into the test programs of the sanitizer build only. Closing a GL
// context makes Mesa unload its driver with dlclose; whatever the driver
// leaked is then reported by LeakSanitizer from an "unknown module" that no
// suppression can name, and its stacks cannot be read. Keeping every library
// loaded until the process ends lets the leak report name the library each
// leak comes from, so the suppressions file can silence the graphics and
// media libraries by name while a leak in the game's own code still fails.
#include <dlfcn.h>

extern "C" int dlclose(void*)
{
    return 0; // the library stays mapped; the process exits soon after
}
