// Bitmap font definition files and the layout of printed text.
#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <string>

#include "render/FontDefinition.h"
#include "render/KelBitmapFont.h"

namespace {

const char* const kCommon = "common lineHeight=16 base=12 scaleW=256 scaleH=256 pages=1";
const char* const kCharA = "char id=65 x=10 y=20 width=8 height=12 xoffset=1 yoffset=2 xadvance=9 page=0";

class FontFileTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        char pattern[] = "/tmp/font-XXXXXX";
        ASSERT_NE(mkdtemp(pattern), nullptr);
        dir = pattern;
    }
    void TearDown() override { std::system(("rm -rf '" + dir + "'").c_str()); }

    std::string write(const std::string& contents)
    {
        std::string path = dir + "/font.fnt";
        std::ofstream(path, std::ios::binary) << contents;
        return path;
    }
    std::string header() { return std::string("info face=test\n") + kCommon + "\n"; }

    std::string dir;
};

void expectGlyph(const KelBitChar& g, int id, int x, int y, int w, int h, int xo, int yo, int adv)
{
    EXPECT_EQ(g.char_id, id);
    EXPECT_EQ(g.x, x);
    EXPECT_EQ(g.y, y);
    EXPECT_EQ(g.width, w);
    EXPECT_EQ(g.height, h);
    EXPECT_EQ(g.xoffset, xo);
    EXPECT_EQ(g.yoffset, yo);
    EXPECT_EQ(g.xadvance, adv);
}

TEST(FontLines, GlyphValuesAreTakenByPosition)
{
    FontDefinition def;
    expectGlyph(def.generateCharacterFromLine(kCharA), 65, 10, 20, 8, 12, 1, 2, 9);
    KelBitChar misspelt = def.generateCharacterFromLine(
        "char  idd=65 ex=10   why=20 w=8 h=12 xo=1 yo=2 adv=9 pg=0\r");
    expectGlyph(misspelt, 65, 10, 20, 8, 12, 1, 2, 9);
    KelBitChar negative = def.generateCharacterFromLine(
        "char id=66 x=0 y=0 width=5 height=5 xoffset=-3 yoffset=+4 xadvance=6x page=0");
    EXPECT_EQ(negative.xoffset, -3);
    EXPECT_EQ(negative.yoffset, 4);
    EXPECT_EQ(negative.xadvance, 6);
}

TEST(FontLines, ExtraTokensAreReportedOnceEach)
{
    FontDefinition def;
    testing::internal::CaptureStderr();
    KelBitChar g = def.generateCharacterFromLine(std::string(kCharA) + " chnl=15");
    EXPECT_EQ(testing::internal::GetCapturedStderr(), "FAIL) Too many tokens in this line.\n");
    EXPECT_EQ(g.page, 0);
    EXPECT_EQ(g.xadvance, 9);

    // One-character tokens carry nothing and are not counted.
    testing::internal::CaptureStderr();
    g = def.generateCharacterFromLine(std::string(kCharA) + " \r");
    EXPECT_EQ(testing::internal::GetCapturedStderr(), "");

    testing::internal::CaptureStdout();
    testing::internal::CaptureStderr();
    def.setEnvironmentVars(std::string(kCommon) + " packed=0");
    EXPECT_EQ(testing::internal::GetCapturedStderr(), "FAIL) Too many tokens in this line.\n");
    EXPECT_EQ(testing::internal::GetCapturedStdout(),
              "setting lineHeight\nsetting base\nsetting scaleW\nsetting scaleH\n"
              "ignoring pages for now\n");
    EXPECT_EQ(def.lineHeight, 16);
    EXPECT_EQ(def.base, 12);
    EXPECT_EQ(def.scaleW, 256);
    EXPECT_EQ(def.scaleH, 256);
}

TEST(FontLines, BlankKerningAndEmptyNames)
{
    FontDefinition def;
    testing::internal::CaptureStderr();
    EXPECT_EQ(def.generateCharacterFromLine("").char_id, KelBitChar::BLANK_LINE);
    EXPECT_EQ(testing::internal::GetCapturedStderr(), "WARN) Blank line encountered\n");

    const char* kerning = "kerning first=32 second=65 amount=-1";
    testing::internal::CaptureStderr();
    EXPECT_EQ(def.generateCharacterFromLine(kerning).char_id, KelBitChar::END_OF_GLYPHS);
    EXPECT_EQ(testing::internal::GetCapturedStderr(),
              std::string("FAIL) Line \"") + kerning +
                  "\" does not contain enough tokens to be a character ID\n");

    testing::internal::CaptureStderr();
    KelBitChar g = def.generateCharacterFromLine(
        "char =70 x=0 y=0 width=1 height=1 xoffset=0 yoffset=0 xadvance=1 page=0");
    EXPECT_EQ(testing::internal::GetCapturedStderr(),
              "WARN) Name too short: '' (must be at least 1 character)\n");
    EXPECT_EQ(g.char_id, 70);
}

TEST(FontLinesDeathTest, MalformedLinesEndTheProcess)
{
    FontDefinition def;
    EXPECT_EXIT(def.setEnvironmentVars("common lineHeight=16 base=12"),
                ::testing::ExitedWithCode(1),
                "FAIL\\) Line \"common lineHeight=16 base=12\" does not contain enough tokens "
                "to be a commons definition");
    EXPECT_EXIT(def.setEnvironmentVars("commons a=1 b=2 c=3 d=4 e=5"),
                ::testing::ExitedWithCode(1), "does not contain magic word 'common' at start");
    EXPECT_EXIT(def.generateCharacterFromLine("chars count=95"), ::testing::ExitedWithCode(1),
                "FAIL\\) Line \"chars count=95\" does not contain enough tokens to be a character ID");
    EXPECT_EXIT(def.generateCharacterFromLine(
                    "glyph id=65 x=10 y=20 width=8 height=12 xoffset=1 yoffset=2 xadvance=9"),
                ::testing::ExitedWithCode(1),
                "FAIL KelBitmapFont:191\\) Line \"glyph id=65 .*\" does not contain magic word "
                "'char' at start. Not character id.");
}

TEST_F(FontFileTest, LoadsGlyphsUntilFirstKerningLine)
{
    FontDefinition def;
    std::string path = write(header() + kCharA + "\n" +
                             "char id=0 x=1 y=1 width=1 height=1 xoffset=0 yoffset=0 xadvance=1 page=0\n"
                             "char id=200 x=30 y=40 width=5 height=6 xoffset=0 yoffset=0 xadvance=7 page=0\n"
                             "kerning first=65 second=66 amount=-1\n"
                             "char id=66 x=1 y=1 width=1 height=1 xoffset=0 yoffset=0 xadvance=1 page=0\n");
    testing::internal::CaptureStdout();
    EXPECT_EQ(def.loadDefinition(path.c_str()), 0);
    testing::internal::GetCapturedStdout();
    EXPECT_EQ(def.lineHeight, 16);
    expectGlyph(def.characters['A'], 65, 10, 20, 8, 12, 1, 2, 9);
    expectGlyph(def.characters[200], 200, 30, 40, 5, 6, 0, 0, 7);
    expectGlyph(def.characters[0], 0, 0, 0, 0, 0, 0, 0, 0);
    expectGlyph(def.characters['B'], 0, 0, 0, 0, 0, 0, 0, 0);
}

TEST_F(FontFileTest, TrailingLineFeedWarnsOnceAtTheEnd)
{
    FontDefinition def;
    std::string path = write(header() + kCharA + "\n");
    testing::internal::CaptureStdout();
    testing::internal::CaptureStderr();
    EXPECT_EQ(def.loadDefinition(path.c_str()), 0);
    EXPECT_EQ(testing::internal::GetCapturedStderr(), "WARN) Blank line encountered\n");
    testing::internal::GetCapturedStdout();
    EXPECT_EQ(def.characters['A'].width, 8);
}

TEST_F(FontFileTest, OverlongLineIsParsedWholeAndReadingGoesOn)
{
    FontDefinition def;
    std::string extra;
    for (int i = 0; i < 30; ++i)
        extra += " pad" + std::to_string(i) + "=0";
    std::string path = write(header() + kCharA + extra + "\n" +
                             "char id=66 x=1 y=2 width=3 height=4 xoffset=0 yoffset=0 xadvance=5 page=0");
    testing::internal::CaptureStdout();
    testing::internal::CaptureStderr();
    EXPECT_EQ(def.loadDefinition(path.c_str()), 0);
    std::string err = testing::internal::GetCapturedStderr();
    testing::internal::GetCapturedStdout();
    size_t reports = 0;
    for (size_t at = err.find("Too many"); at != std::string::npos; at = err.find("Too many", at + 1))
        ++reports;
    EXPECT_EQ(reports, 30u);
    EXPECT_EQ(def.characters['A'].xadvance, 9);
    expectGlyph(def.characters['B'], 66, 1, 2, 3, 4, 0, 0, 5);
}

TEST_F(FontFileTest, OtherLineKindsBetweenGlyphsEndTheProcess)
{
    FontDefinition def;
    std::string path = write(header() + kCharA + "\npage id=0 file=\"font.png\"\n");
    EXPECT_EXIT(def.loadDefinition(path.c_str()), ::testing::ExitedWithCode(1),
                "not contain enough tokens to be a character ID");
}

TEST_F(FontFileTest, MissingDefinitionFile)
{
    FontDefinition def;
    std::string path = dir + "/none.fnt";
    testing::internal::CaptureStderr();
    EXPECT_EQ(def.loadDefinition(path.c_str()), -1);
    EXPECT_EQ(testing::internal::GetCapturedStderr(), "[" + path + "] wasn't found\n");
}

// A font with glyphs A (65), B (66), C (67) and one high glyph (233).
FontDefinition layoutFont()
{
    FontDefinition def;
    def.lineHeight = 16;
    def.characters['A'] = {0, 0, 8, 12, 9, 65, 0, 1, 2};   // x y w h adv id page xo yo
    def.characters['B'] = {8, 0, 7, 12, 10, 66, 0, 3, 0};
    def.characters['C'] = {16, 0, 6, 11, 8, 67, 0, 0, 1};
    def.characters[233] = {24, 0, 5, 5, 6, 233, 0, 0, 0};
    return def;
}

TEST(FontLayout, BackslashBreaksTheLine)
{
    FontDefinition def = layoutFont();
    std::vector<GlyphQuad> quads = def.layoutText("AB\\C", 10, 20, false);
    ASSERT_EQ(quads.size(), 3u);
    EXPECT_EQ(quads[0].destX, 10 + 1);
    EXPECT_EQ(quads[0].destY, 20 + 2);
    EXPECT_EQ(quads[0].srcR, 8);
    EXPECT_EQ(quads[0].srcB, 12);
    EXPECT_EQ(quads[1].destX, 10 + 9 + 3);
    EXPECT_EQ(quads[1].destY, 20);
    EXPECT_EQ(quads[1].srcX, 8);
    EXPECT_EQ(quads[1].srcR, 15);
    EXPECT_EQ(quads[2].destX, 10);
    EXPECT_EQ(quads[2].destY, 20 + 16 + 1);
    EXPECT_EQ(quads[2].destW, 6);
    EXPECT_EQ(quads[2].destH, 11);
}

TEST(FontLayout, RightAlignedTextEndsAtX)
{
    FontDefinition def = layoutFont();
    std::vector<GlyphQuad> quads = def.layoutText("AB", 100, 50, true);
    ASSERT_EQ(quads.size(), 2u);
    EXPECT_EQ(quads[0].srcX, 8);                   // B first
    EXPECT_EQ(quads[0].destX, 100 - 7 + 3);
    EXPECT_EQ(quads[1].srcX, 0);
    EXPECT_EQ(quads[1].destX, 100 - 10 - 8 + 1);

    // Read backwards, the lines go downward in reverse order.
    quads = def.layoutText("A\\B", 100, 50, true);
    ASSERT_EQ(quads.size(), 2u);
    EXPECT_EQ(quads[0].srcX, 8);
    EXPECT_EQ(quads[0].destY, 50);
    EXPECT_EQ(quads[1].srcX, 0);
    EXPECT_EQ(quads[1].destY, 50 + 16 + 2);
    EXPECT_EQ(quads[1].destX, 100 - 8 + 1);
}

TEST(FontLayout, HighBytesIndexTheUpperTableAndUndefinedBytesDrawNothing)
{
    FontDefinition def = layoutFont();
    std::vector<GlyphQuad> quads = def.layoutText("\xE9\xEA" "A", 0, 0, false);
    ASSERT_EQ(quads.size(), 2u);
    EXPECT_EQ(quads[0].srcX, 24);
    EXPECT_EQ(quads[1].destX, 6 + 1);  // the undefined byte 234 did not advance
}

TEST(FontReadiness, UnloadableFontOnlyReportsWhenPrinting)
{
    std::string missing = "/nonexistent-font-dir/font";
    testing::internal::CaptureStdout();
    testing::internal::CaptureStderr();
    {
        KelBitmapFont font((missing + ".png").c_str(), (missing + ".fnt").c_str());
        EXPECT_FALSE(font.bIsReady);
        font.print("AB", 0, 0);
        font.rightAlignPrint("AB", 0, 0, 0.5f);
    }
    std::string err = testing::internal::GetCapturedStderr();
    std::string out = testing::internal::GetCapturedStdout();
    EXPECT_EQ(err, "FAIL) Image file " + missing + ".png not found\n"
                   "FAIL) Bitmap font bitmap file " + missing + ".png not found or unusable\n"
                   "FAIL) This font isn't ready to print to. Didn't complete construction\n"
                   "FAIL) This font isn't ready to print to. Didn't complete construction\n");
    EXPECT_EQ(out.rfind("INFO) Initializing bitmap font load (tga:" + missing + ".png fnt:" +
                            missing + ".fnt)\nINFO) Emptying bitmap font\nPASS) Bitmap font emptied in ",
                        0),
              0u);
}

} // namespace
