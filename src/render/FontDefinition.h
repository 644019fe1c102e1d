#pragma once
// The glyph table of a bitmap font and the text layout that walks it: the
// part of KelBitmapFont that needs no OpenGL. The definition file follows the
// line layout of the text form of AngelCode's BMFont descriptor, but values
// are taken by their position on the line, not by their key.
#include <string>
#include <vector>

// Every number of a definition file is held within this: far more than any
// glyph page or line needs, and small enough that layout sums cannot overflow.
const int FONT_VALUE_LIMIT = 65536;

struct KelBitChar {
    int x = 0, y = 0;            // top-left pixel of the glyph in the page
    int width = 0, height = 0;   // glyph size, in the page and on screen
    int xadvance = 0;            // pen advance after the glyph
    int char_id = 0;             // see the markers below
    int page = 0;                // stored only: page 0 is the one drawn
    int xoffset = 0, yoffset = 0;

    static constexpr int BLANK_LINE = -666;    // blank definition line
    static constexpr int END_OF_GLYPHS = -2;   // first "kerning" line
};

// One glyph to draw: source rectangle in page pixels, destination on screen.
struct GlyphQuad {
    int srcX, srcY, srcR, srcB;
    int destX, destY, destW, destH;
};

class FontDefinition {
public:
    // Parses a definition file: 0, -1 when it cannot be opened, or DAMAGED
    // when a "common" or "char" line is malformed (reported with the file's
    // name and the line's number).
    int loadDefinition(const char* filename);
    // The same, but a damaged file ends the process with status 1, as the
    // game's fonts demand.
    int loadDefinitionOrExit(const char* filename);
    static constexpr int DAMAGED = -2;
    // The "common" line: lineHeight, base, scaleW, scaleH, pages by position.
    // A malformed line is reported and sets `damaged`.
    void setEnvironmentVars(const std::string& line);
    // One glyph line. Blank lines give char_id BLANK_LINE, a "kerning" line
    // gives END_OF_GLYPHS; a malformed line is reported and sets `damaged`.
    KelBitChar generateCharacterFromLine(const std::string& line);

    // The glyphs a print draws, in drawing order. A backslash starts a new
    // line one lineHeight lower. Left-aligned text starts its pen at (x, y);
    // right-aligned text is walked from its last byte backwards and ends at x.
    std::vector<GlyphQuad> layoutText(const std::string& text, int x, int y,
                                      bool rightAligned) const;

    int getLineHeight() const { return lineHeight; }

    bool damaged = false;
    int lineHeight = 0;
    int base = 0;
    int scaleW = 0;
    int scaleH = 0;
    KelBitChar characters[256];  // indexed by the byte as unsigned char
};
