#include "morscript/Tokens.h"

namespace MorScript {

const TokenName TOKEN_NAMES[TOKEN_NAME_COUNT] = {
#define MORSCRIPT_TOKEN_NAME(name, text) {TK_##name, text},
    MORSCRIPT_TOKENS(MORSCRIPT_TOKEN_NAME)
#undef MORSCRIPT_TOKEN_NAME
};

const char* const OPCODE_NAMES[OP_COUNT] = {
#define MORSCRIPT_OPCODE_NAME(name, operand, pops, pushes, computes, joins) #name,
    MORSCRIPT_OPCODES(MORSCRIPT_OPCODE_NAME)
#undef MORSCRIPT_OPCODE_NAME
};

const OpcodeInfo OPCODE_INFO[OP_COUNT] = {
#define MORSCRIPT_OPCODE_INFO(name, operand, pops, pushes, computes, joins) \
    {#name, operand, pops, pushes, computes, joins},
    MORSCRIPT_OPCODES(MORSCRIPT_OPCODE_INFO)
#undef MORSCRIPT_OPCODE_INFO
};

std::string GetTokenName(int type)
{
    if (type >= 0 && type <= 255)
        return std::string(1, static_cast<char>(type));
    if (type >= TK_EOS && type <= TK_LAST)
        return TOKEN_NAMES[type - TK_EOS].name;
    return "<<ERROR!!!>>";
}

}  // namespace MorScript
