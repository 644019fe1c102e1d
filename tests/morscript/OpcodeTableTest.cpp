// The opcode table drives the compiler's opcodes, the disassembler and the
// run builder: every row must come out of the compiler, read back from the
// listing by its name, and run alike in joined runs and one at a time.
#include <gtest/gtest.h>

#include <sstream>

#include "CrossCheck.h"
#include "ScriptFixture.h"
#include "morscript/Disassemble.h"

using namespace MorScript;
using MorScriptTest::Script;

namespace {

// Uses every construct of the language, so every opcode.
const char* const ALL_FEATURES =
    "function f(a, b) { var t = a % b; return t; }\n"
    "var x = 6, y = 4, s = 'a', n;\n"
    "n = !x + +(-y) + ~x; n++; --n;\n"
    "n = x + y - x * y / 2 + f(x, y) + (x << 2) + (x >> 1) + (x & y) + (x | y) + (x ^ y);\n"
    "n = (x && y) + (x || y) + (x < y) + (x > y) + (x <= y) + (x >= y) + (x == y) + (x != y);\n"
    "s = s . n;\n"
    "while (x > 0) x--;\n"
    "do { y--; } while (y > 0);\n"
    "if (x) exit;\n";

int OpcodeByName(const std::string& name)
{
    for (int code = 0; code < OP_COUNT; ++code)
        if (name == OPCODE_INFO[code].name)
            return code;
    return -1;
}

}  // namespace

TEST(OpcodeTable, EveryRowRoundTripsThroughCompilerListingAndRuns)
{
    Script s;
    ASSERT_TRUE(s.Compile(ALL_FEATURES)) << s.Errors();
    const std::vector<Opcode>& code = s.S.m_opcodes;

    for (int row = 0; row < OP_COUNT; ++row) {
        EXPECT_STREQ(OPCODE_NAMES[row], OPCODE_INFO[row].name);
        bool emitted = false;
        for (const Opcode& op : code)
            emitted |= op.code == row;
        EXPECT_TRUE(emitted) << OPCODE_INFO[row].name << " never compiled";
    }

    // The compact listing, read back item by item: the name gives the opcode
    // again, and an operand is shown exactly when the row has one.
    std::stringstream listing(Disassemble(s.S, DISASSEMBLY_COMPACT));
    std::string item;
    size_t index = 0;
    while (std::getline(listing, item, ',')) {
        std::stringstream words(item);
        std::string name;
        words >> name;
        if (name.back() == ':')  // a label
            words >> name;
        ASSERT_LT(index, code.size());
        EXPECT_EQ(code[index].code, OpcodeByName(name)) << item;
        std::string operand;
        EXPECT_EQ(OPCODE_INFO[code[index].code].operand != OPERAND_NONE, static_cast<bool>(words >> operand))
            << item;
        ++index;
    }
    EXPECT_EQ(code.size(), index);

    // An opcode that may not be joined runs on its own; all of them run
    // alike in runs and one at a time.
    for (size_t i = 0; i < code.size(); ++i) {
        if (!OPCODE_INFO[code[i].code].joins) {
            EXPECT_EQ(1, s.S.m_fast[i].len) << OPCODE_INFO[code[i].code].name;
        }
    }
    EXPECT_EQ("", MorScriptCheck::CrossCheck(ALL_FEATURES, 100000, 1 << 30));
    EXPECT_EQ("", MorScriptCheck::CrossCheck(ALL_FEATURES, 100000, 3));
}
