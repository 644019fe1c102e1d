// Bitmap font definition files and the layout of printed text.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "Captured.h"
#include "TempDir.h"
#include "render/FontDefinition.h"
#include "render/KelBitmapFont.h"
#include "render/ScreenPosition.h"

namespace {

const char* const kCommon = "common lineHeight=16 base=12 scaleW=256 scaleH=256 pages=1";
const char* const kCharA = "char id=65 x=10 y=20 width=8 height=12 xoffset=1 yoffset=2 xadvance=9 page=0";
const std::string kHeader = std::string("info face=test\n") + kCommon + "\n";

void expectGlyph(const KelBitChar& g, int id, int x, int y, int w, int h, int xo, int yo, int adv)
{
    EXPECT_EQ(std::vector<int>({g.char_id, g.x, g.y, g.width, g.height, g.xoffset, g.yoffset, g.xadvance}),
              std::vector<int>({id, x, y, w, h, xo, yo, adv}));
}

}  // namespace

TEST(FontLines, GlyphValuesAreTakenByPositionAndExtraTokensReported)
{
    FontDefinition def;
    expectGlyph(def.generateCharacterFromLine(kCharA), 65, 10, 20, 8, 12, 1, 2, 9);
    expectGlyph(def.generateCharacterFromLine("char  idd=65 ex=10   why=20 w=8 h=12 xo=1 yo=2 adv=9 pg=0\r"),
                65, 10, 20, 8, 12, 1, 2, 9);
    expectGlyph(def.generateCharacterFromLine(
                    "char id=66 x=0 y=0 width=5 height=5 xoffset=-3 yoffset=+4 xadvance=6x page=0"),
                66, 0, 0, 5, 5, -3, 4, 6);

    KelBitChar g;
    EXPECT_EQ(capturedStderr([&] { g = def.generateCharacterFromLine(std::string(kCharA) + " chnl=15"); }),
              "FAIL) Too many tokens in this line.\n");
    EXPECT_EQ(g.xadvance, 9);
    EXPECT_EQ(capturedStderr([&] { def.generateCharacterFromLine(std::string(kCharA) + " \r"); }), "")
        << "one-character tokens are not counted";

    std::string out;
    EXPECT_EQ(capturedStderr([&] {
                  out = capturedStdout([&] { def.setEnvironmentVars(std::string(kCommon) + " packed=0"); });
              }),
              "FAIL) Too many tokens in this line.\n");
    EXPECT_EQ(out, "setting lineHeight\nsetting base\nsetting scaleW\nsetting scaleH\nignoring pages for now\n");
    EXPECT_EQ(std::vector<int>({def.lineHeight, def.base, def.scaleW, def.scaleH}),
              std::vector<int>({16, 12, 256, 256}));
}

TEST(FontLines, BlankKerningAndEmptyNames)
{
    const std::string kerning = "kerning first=32 second=65 amount=-1";
    struct Case { std::string line; int id; std::string message; };
    const Case cases[] = {
        {"", KelBitChar::BLANK_LINE, "WARN) Blank line encountered\n"},
        {kerning, KelBitChar::END_OF_GLYPHS,
         "FAIL) Line \"" + kerning + "\" does not contain enough tokens to be a character ID\n"},
        {"char =70 x=0 y=0 width=1 height=1 xoffset=0 yoffset=0 xadvance=1 page=0", 70,
         "WARN) Name too short: '' (must be at least 1 character)\n"},
    };
    FontDefinition def;
    for (const Case& c : cases) {
        int id = 0;
        EXPECT_EQ(capturedStderr([&] { id = def.generateCharacterFromLine(c.line).char_id; }), c.message);
        EXPECT_EQ(id, c.id) << c.line;
    }
}

TEST(FontLines, MalformedLinesAreReportedAndMarkTheDefinitionDamaged)
{
    struct Case { bool common; std::string line, message; };
    const Case cases[] = {
        {true, "common lineHeight=16 base=12",
         "FAIL) Line \"common lineHeight=16 base=12\" does not contain enough tokens to be a commons definition\n"},
        {true, "commons a=1 b=2 c=3 d=4 e=5",
         "FAIL) Line \"commons a=1 b=2 c=3 d=4 e=5\" does not contain magic word 'common' at start. Not commons definition.\n"},
        {false, "chars count=95",
         "FAIL) Line \"chars count=95\" does not contain enough tokens to be a character ID\n"},
        {false, "glyph id=65 x=10 y=20 width=8 height=12 xoffset=1 yoffset=2 xadvance=9",
         "FAIL KelBitmapFont:191) Line \"glyph id=65 x=10 y=20 width=8 height=12 xoffset=1 yoffset=2 xadvance=9\" "
         "does not contain magic word 'char' at start. Not character id.\n"},
    };
    for (const Case& c : cases) {
        FontDefinition def;
        EXPECT_EQ(capturedStderr([&] {
                      if (c.common)
                          def.setEnvironmentVars(c.line);
                      else
                          def.generateCharacterFromLine(c.line);
                  }),
                  c.message);
        EXPECT_TRUE(def.damaged) << c.line;
    }
}

TEST(FontLinesDeathTest, ADamagedFileIsNamedWithItsLineAndEndsTheGame)
{
    TempDir dir;
    FontDefinition def;
    std::string path = dir.write("font.fnt", kHeader + kCharA + "\npage id=0 file=\"font.png\"\n");
    std::string err = capturedStderr([&] { EXPECT_EQ(def.loadDefinition(path.c_str()), FontDefinition::DAMAGED); });
    EXPECT_NE(err.find("FAIL) Font definition " + path + " is damaged at line 4\n"), std::string::npos) << err;
    EXPECT_EXIT(def.loadDefinitionOrExit(path.c_str()), ::testing::ExitedWithCode(1), "is damaged at line 4");
}

TEST(FontFile, LoadsGlyphsUntilTheFirstKerningLine)
{
    TempDir dir;
    FontDefinition def;
    std::string path = dir.write(
        "font.fnt", kHeader + kCharA + "\n" +
                        "char id=0 x=1 y=1 width=1 height=1 xoffset=0 yoffset=0 xadvance=1 page=0\n"
                        "char id=200 x=30 y=40 width=5 height=6 xoffset=0 yoffset=0 xadvance=7 page=0\n"
                        "kerning first=65 second=66 amount=-1\n"
                        "char id=66 x=1 y=1 width=1 height=1 xoffset=0 yoffset=0 xadvance=1 page=0\n");
    capturedStdout([&] { EXPECT_EQ(def.loadDefinition(path.c_str()), 0); });
    EXPECT_EQ(def.lineHeight, 16);
    expectGlyph(def.characters['A'], 65, 10, 20, 8, 12, 1, 2, 9);
    expectGlyph(def.characters[200], 200, 30, 40, 5, 6, 0, 0, 7);
    expectGlyph(def.characters[0], 0, 0, 0, 0, 0, 0, 0, 0);
    expectGlyph(def.characters['B'], 0, 0, 0, 0, 0, 0, 0, 0);

    std::string missing = dir.file("none.fnt");
    EXPECT_EQ(capturedStderr([&] { EXPECT_EQ(def.loadDefinition(missing.c_str()), -1); }),
              "[" + missing + "] wasn't found\n");
}

TEST(FontFile, OverlongLineIsParsedWholeAndTrailingLineFeedWarnsOnce)
{
    TempDir dir;
    FontDefinition def;
    std::string extra, tooMany;
    for (int i = 0; i < 30; ++i) {
        extra += " pad" + std::to_string(i) + "=0";
        tooMany += "FAIL) Too many tokens in this line.\n";
    }
    std::string path = dir.write(
        "font.fnt", kHeader + kCharA + extra + "\n" +
                        "char id=66 x=1 y=2 width=3 height=4 xoffset=0 yoffset=0 xadvance=5 page=0\n");
    std::string err = capturedStderr([&] {
        capturedStdout([&] { EXPECT_EQ(def.loadDefinition(path.c_str()), 0); });
    });
    EXPECT_EQ(err, tooMany + "WARN) Blank line encountered\n");
    EXPECT_EQ(def.characters['A'].xadvance, 9);
    expectGlyph(def.characters['B'], 66, 1, 2, 3, 4, 0, 0, 5);
}

namespace {

// A font with glyphs A (65), B (66), C (67) and one high glyph (233).
FontDefinition layoutFont()
{
    FontDefinition def;
    def.lineHeight = 16;
    def.characters['A'] = {0, 0, 8, 12, 9, 65, 0, 1, 2};  // x y w h adv id page xo yo
    def.characters['B'] = {8, 0, 7, 12, 10, 66, 0, 3, 0};
    def.characters['C'] = {16, 0, 6, 11, 8, 67, 0, 0, 1};
    def.characters[233] = {24, 0, 5, 5, 6, 233, 0, 0, 0};
    return def;
}

}  // namespace

TEST(FontLayout, BackslashBreaksTheLineAndHighBytesUseTheUpperTable)
{
    FontDefinition def = layoutFont();
    std::vector<GlyphQuad> q = def.layoutText("AB\\C", 10, 20, false);
    ASSERT_EQ(q.size(), 3u);
    EXPECT_EQ(std::vector<int>({q[0].destX, q[0].destY, q[0].srcR, q[0].srcB}),
              std::vector<int>({10 + 1, 20 + 2, 8, 12}));
    EXPECT_EQ(std::vector<int>({q[1].destX, q[1].destY, q[1].srcX, q[1].srcR}),
              std::vector<int>({10 + 9 + 3, 20, 8, 15}));
    EXPECT_EQ(std::vector<int>({q[2].destX, q[2].destY, q[2].destW, q[2].destH}),
              std::vector<int>({10, 20 + 16 + 1, 6, 11}));

    q = def.layoutText("\xE9\xEA" "A", 0, 0, false);
    ASSERT_EQ(q.size(), 2u);
    EXPECT_EQ(q[0].srcX, 24);
    EXPECT_EQ(q[1].destX, 6 + 1) << "the undefined byte 234 did not advance";
}

TEST(FontLayout, RightAlignedTextEndsAtXAndLinesGoDownInReverse)
{
    FontDefinition def = layoutFont();
    std::vector<GlyphQuad> q = def.layoutText("AB", 100, 50, true);
    ASSERT_EQ(q.size(), 2u);
    EXPECT_EQ(std::vector<int>({q[0].srcX, q[0].destX, q[1].srcX, q[1].destX}),
              std::vector<int>({8, 100 - 7 + 3, 0, 100 - 10 - 8 + 1}));
    q = def.layoutText("A\\B", 100, 50, true);
    ASSERT_EQ(q.size(), 2u);
    EXPECT_EQ(std::vector<int>({q[0].srcX, q[0].destY, q[1].srcX, q[1].destY, q[1].destX}),
              std::vector<int>({8, 50, 0, 50 + 16 + 2, 100 - 8 + 1}));
}

TEST(FontReadiness, UnloadableFontOnlyReportsWhenPrinting)
{
    std::string missing = "/nonexistent-font-dir/font";
    std::string out;
    std::string err = capturedStderr([&] {
        out = capturedStdout([&] {
            KelBitmapFont font((missing + ".png").c_str(), (missing + ".fnt").c_str());
            EXPECT_FALSE(font.bIsReady);
            font.print("AB", 0, 0);
            font.rightAlignPrint("AB", 0, 0, 0.5f);
        });
    });
    EXPECT_EQ(err, "FAIL) Image file " + missing + ".png not found\n"
                   "FAIL) Bitmap font bitmap file " + missing + ".png not found or unusable\n"
                   "FAIL) This font isn't ready to print to. Didn't complete construction\n"
                   "FAIL) This font isn't ready to print to. Didn't complete construction\n");
    EXPECT_EQ(out.rfind("INFO) Initializing bitmap font load (tga:" + missing + ".png fnt:" + missing +
                            ".fnt)\nINFO) Emptying bitmap font\nPASS) Bitmap font emptied in ",
                        0),
              0u);
}

// Values near 2^31 are held to the font limit, and a long text walks the pen
// far off screen without any sum overflowing.
TEST(FontLayout, HugeValuesAreClampedAndTheLayoutCannotOverflow)
{
    FontDefinition def;
    std::string err = capturedStderr([&] {
        capturedStdout([&] { def.setEnvironmentVars("common lineHeight=2147483647 base=1 scaleW=1 scaleH=1 pages=1"); });
        def.characters['A'] = def.generateCharacterFromLine(
            "char id=65 x=2147483647 y=0 width=2147483647 height=8 xoffset=-2147483648 yoffset=0 xadvance=2147483647 page=0");
    });
    EXPECT_NE(err.find("WARN) Font value 2147483647 is out of range, using 65536\n"), std::string::npos) << err;
    EXPECT_EQ(def.lineHeight, FONT_VALUE_LIMIT);
    EXPECT_EQ(def.characters['A'].xoffset, -FONT_VALUE_LIMIT);

    std::vector<GlyphQuad> quads = def.layoutText(std::string(40000, 'A') + "\\A", 0, 0, false);
    ASSERT_EQ(quads.size(), 40001u);
    EXPECT_EQ(quads[39999].destX, OFF_SCREEN_LIMIT);
    EXPECT_EQ(quads[40000].destX, -FONT_VALUE_LIMIT) << "a line break returns the pen";
    EXPECT_EQ(quads[40000].destY, FONT_VALUE_LIMIT);
}
