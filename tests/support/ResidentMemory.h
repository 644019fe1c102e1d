#pragma once

// Resident memory of this process in kB, from /proc/self/status: the
// current ("VmRSS:") or the peak ("VmHWM:"); -1 when it cannot be read.
long residentKb(const char* field);

// The most resident memory a whole game driven by a test may reach (the
// game itself stays near 130 MB). 0 in a sanitizer build, whose shadow
// memory and freed-memory quarantine say nothing about the game's own use.
long residentLimitKb();
