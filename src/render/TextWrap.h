#pragma once
// Measuring and wrapping text for a bitmap font, without drawing: the width
// a text takes on screen, its bounding box, and word wrapping to a width
// with the fonts' line break (a backslash).
#include <string>

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
// `width`. Breaks already in the text stay; a single word wider than the
// width keeps a line of its own.
std::string wrapText(const FontDefinition& font, const std::string& text, int width);
