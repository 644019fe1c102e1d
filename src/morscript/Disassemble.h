// Compiled programs as text: the listing of the command-line tool and the
// compact one-line form the tests compare against.
#ifndef MORSCRIPT_DISASSEMBLE_H
#define MORSCRIPT_DISASSEMBLE_H

#include <string>

namespace MorScript {

class State;

enum DisassemblyStyle {
    // One opcode a line (index, name, operand, source line), then the
    // function table. Constants are quoted with unprintable bytes escaped;
    // jumps show their label and target, calls the argument count.
    DISASSEMBLY_LISTING,
    // "NAME operand" items joined by ", " from opcode `from` on. Label
    // targets show as "Ln:" before the NOOP they point at; constants in plain
    // quotes; calls as name/count; locals as 0x8000000n.
    DISASSEMBLY_COMPACT,
};

std::string Disassemble(const State& S, DisassemblyStyle style = DISASSEMBLY_LISTING, size_t from = 0);

}  // namespace MorScript

#endif
