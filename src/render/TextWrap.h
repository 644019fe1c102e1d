#pragma once
// Measuring and wrapping text for a bitmap font, without drawing: the width
// a text takes on screen, its bounding box, word wrapping to a width with
// the fonts' line break (a backslash), and pages of a few lines.
#include <string>
#include <vector>

#include "render/FontDefinition.h"

struct TextBox {
    int left = 0, top = 0, right = 0, bottom = 0; // empty when right <= left
    bool empty() const { return right <= left || bottom <= top; }
};

// Pixels from the pen's start to the right edge of the widest line: the
// farther of the last glyph's right edge and the pen after it.
int textWidth(const FontDefinition& font, const std::string& text);

// The box the glyphs of a print at (x, y) cover; right-aligned text ends at x.
TextBox textBox(const FontDefinition& font, const std::string& text, int x, int y,
                bool rightAligned = false);

// The text with line breaks put between words so that no line is wider than
// `width`. Breaks already in the text stay; a word wider than the width is
// broken between letters (at least one letter a line).
std::string wrapText(const FontDefinition& font, const std::string& text, int width);

// How many lines, one line height apart, fit in `height` pixels below the
// pen's first line: the lowest glyph of the last one must end inside. At
// least 1.
int linesThatFit(const FontDefinition& font, int height);

// The text wrapped to `width` and cut into pages of at most `lines` lines;
// always at least one page.
std::vector<std::string> textPages(const FontDefinition& font, const std::string& text, int width,
                                   int lines);
