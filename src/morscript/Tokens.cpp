#include "morscript/Tokens.h"

namespace MorScript {

const TokenName TOKEN_NAMES[TOKEN_NAME_COUNT] = {
    {256, "end-of-script"}, {257, "<<"}, {258, ">>"}, {259, "++"},
    {260, "--"}, {261, "&&"}, {262, "||"}, {263, "<="}, {264, ">="},
    {265, "=="}, {266, "!="}, {267, "+="}, {268, "-="}, {269, "*="},
    {270, "/="}, {271, "%="}, {272, ".="}, {273, "&="}, {274, "|="},
    {275, "^="}, {276, "<<="}, {277, ">>="}, {278, "if"}, {279, "else"},
    {280, "for"}, {281, "while"}, {282, "do"}, {283, "continue"},
    {284, "break"}, {285, "function"}, {286, "return"}, {287, "var"},
    {288, "prototype"}, {289, "exit"}, {290, "identifier"}, {291, "constant"},
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
