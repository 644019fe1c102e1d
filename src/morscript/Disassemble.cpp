#include "morscript/Disassemble.h"

#include <cstdio>

#include "morscript/State.h"

namespace MorScript {

namespace {

// Text of a constant for the listing, quoted, with unprintable bytes escaped.
std::string Quote(const std::string& s)
{
    std::string out = "\"";
    for (unsigned char c : s) {
        if (c == '"' || c == '\\') {
            out += '\\';
            out += static_cast<char>(c);
        } else if (c == '\n') {
            out += "\\n";
        } else if (c == '\t') {
            out += "\\t";
        } else if (c < 32 || c >= 127) {
            char esc[8];
            snprintf(esc, sizeof esc, "\\x%02x", c);
            out += esc;
        } else {
            out += static_cast<char>(c);
        }
    }
    return out + "\"";
}

// The operand of an opcode as its operand kind describes it.
std::string Operand(const State& S, const Opcode& op, DisassemblyStyle style)
{
    const bool compact = style == DISASSEMBLY_COMPACT;
    char buf[64];
    switch (IsOpcode(op.code) ? OPCODE_INFO[op.code].operand : OPERAND_NONE) {
    case OPERAND_NONE:
        return "";
    case OPERAND_CONSTANT:
        if (static_cast<unsigned>(op.val) < S.m_consts.size())
            return compact ? "\"" + S.m_consts[op.val].GetStr() + "\"" : Quote(S.m_consts[op.val].GetStr());
        break;
    case OPERAND_CALL: {
        const CallOperand call = DecodeCallOperand(op.val);
        std::string name = static_cast<size_t>(call.function) < S.m_funcs.size() ? S.m_funcs[call.function].name : "?";
        if (compact)
            return name + "/" + std::to_string(call.arguments);
        snprintf(buf, sizeof buf, " (%d argument%s)", call.arguments, call.arguments == 1 ? "" : "s");
        return name + buf;
    }
    case OPERAND_LABEL:
        if (compact)
            return "L" + std::to_string(op.val);
        if (static_cast<unsigned>(op.val) < S.m_labels.size()) {
            snprintf(buf, sizeof buf, "L%d -> %u", op.val, S.m_labels[op.val]);
            return buf;
        }
        break;
    case OPERAND_VARIABLE:
        if (compact && IsLocalId(op.val))
            snprintf(buf, sizeof buf, "0x%x", static_cast<unsigned>(op.val));
        else if (compact)
            snprintf(buf, sizeof buf, "%d", op.val);
        else if (IsLocalId(op.val))
            snprintf(buf, sizeof buf, "local %d", LocalSlot(op.val));
        else
            snprintf(buf, sizeof buf, "global %d", op.val);
        return buf;
    }
    snprintf(buf, sizeof buf, "%d", op.val);
    return buf;
}

std::string FunctionTable(const State& S)
{
    std::string out = "\nFunctions:\n";
    char line[512];
    for (size_t i = 0; i < S.m_funcs.size(); ++i) {
        const Function& f = S.m_funcs[i];
        if (f.type == FUNC_HOST) {
            static const char* const LIMITS[] = {"at least", "at most", "exactly"};
            snprintf(line, sizeof line, "%6zu  %-20s host, %s %d argument%s\n", i, f.name.c_str(),
                     LIMITS[f.limittype], f.params, f.params == 1 ? "" : "s");
        } else {
            unsigned entry = f.calllabel < S.m_labels.size() ? S.m_labels[f.calllabel] : 0;
            snprintf(line, sizeof line, "%6zu  %-20s script, %d parameter%s, entry L%u -> %u, %d local%s%s\n", i,
                     f.name.c_str(), f.params, f.params == 1 ? "" : "s", f.calllabel, entry, f.vars,
                     f.vars == 1 ? "" : "s", f.baked ? "" : ", not defined");
        }
        out += line;
    }
    return out;
}

}  // namespace

std::string Disassemble(const State& S, DisassemblyStyle style, size_t from)
{
    std::string out;
    for (size_t i = from; i < S.m_opcodes.size(); ++i) {
        const Opcode& op = S.m_opcodes[i];
        const char* name = IsOpcode(op.code) ? OPCODE_INFO[op.code].name : "?";
        if (style == DISASSEMBLY_LISTING) {
            char line[512];
            snprintf(line, sizeof line, "%6zu  %-7s %-30s line %d\n", i, name, Operand(S, op, style).c_str(), op.line);
            out += line;
            continue;
        }
        for (size_t l = 0; l < S.m_labels.size(); ++l)
            if (S.m_labels[l] == i && op.code == OP_NOOP)
                out += "L" + std::to_string(l) + ": ";
        out += name;
        const std::string operand = Operand(S, op, style);
        if (!operand.empty())
            out += " " + operand;
        if (i + 1 < S.m_opcodes.size())
            out += ", ";
    }
    if (style == DISASSEMBLY_LISTING)
        out += FunctionTable(S);
    return out;
}

}  // namespace MorScript
