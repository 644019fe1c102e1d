#include "render/TextWrap.h"

#include <algorithm>
#include <vector>

namespace {
const char LINE_BREAK = '\\';

int lineWidth(const FontDefinition& font, const std::string& line)
{
    int pen = 0, right = 0;
    for (unsigned char c : line) {
        const KelBitChar& g = font.characters[c];
        if (g.width > 0 && g.height > 0)
            right = std::max(right, pen + g.xoffset + g.width);
        pen += g.xadvance;
    }
    return std::max(pen, right);
}

std::vector<std::string> splitAt(const std::string& text, char separator)
{
    std::vector<std::string> parts(1);
    for (char c : text) {
        if (c == separator)
            parts.emplace_back();
        else
            parts.back() += c;
    }
    return parts;
}
} // namespace

int textWidth(const FontDefinition& font, const std::string& text)
{
    int widest = 0;
    for (const std::string& line : splitAt(text, LINE_BREAK))
        widest = std::max(widest, lineWidth(font, line));
    return widest;
}

TextBox textBox(const FontDefinition& font, const std::string& text, int x, int y,
                bool rightAligned)
{
    TextBox box;
    bool first = true;
    for (const GlyphQuad& q : font.layoutText(text, x, y, rightAligned)) {
        if (first) {
            box = {q.destX, q.destY, q.destX + q.destW, q.destY + q.destH};
            first = false;
            continue;
        }
        box.left = std::min(box.left, q.destX);
        box.top = std::min(box.top, q.destY);
        box.right = std::max(box.right, q.destX + q.destW);
        box.bottom = std::max(box.bottom, q.destY + q.destH);
    }
    return box;
}

std::string wrapText(const FontDefinition& font, const std::string& text, int width)
{
    std::string wrapped;
    std::vector<std::string> lines = splitAt(text, LINE_BREAK);
    for (size_t l = 0; l < lines.size(); l++) {
        if (l > 0)
            wrapped += LINE_BREAK;
        std::string line;
        for (const std::string& word : splitAt(lines[l], ' ')) {
            std::string candidate = line.empty() ? word : line + " " + word;
            if (!line.empty() && lineWidth(font, candidate) > width) {
                wrapped += line + LINE_BREAK;
                line = word;
            } else {
                line = candidate;
            }
        }
        wrapped += line;
    }
    return wrapped;
}
