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

namespace {
// Moves the longest head of `word` that fits `width` (at least one letter)
// out of it.
std::string takeFittingHead(const FontDefinition& font, std::string& word, int width)
{
    size_t n = 1;
    while (n < word.size() && lineWidth(font, word.substr(0, n + 1)) <= width)
        n++;
    std::string head = word.substr(0, n);
    word.erase(0, n);
    return head;
}
} // namespace

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
            while (lineWidth(font, line) > width && line.size() > 1)
                wrapped += takeFittingHead(font, line, width) + LINE_BREAK;
        }
        wrapped += line;
    }
    return wrapped;
}

int linesThatFit(const FontDefinition& font, int height)
{
    int lowest = 0;
    for (const KelBitChar& g : font.characters) {
        if (g.width > 0 && g.height > 0)
            lowest = std::max(lowest, g.yoffset + g.height);
    }
    if (font.lineHeight <= 0 || height < lowest)
        return 1;
    return (height - lowest) / font.lineHeight + 1;
}

std::vector<std::string> textPages(const FontDefinition& font, const std::string& text, int width,
                                   int lines)
{
    std::vector<std::string> pages(1);
    int onPage = 0;
    for (const std::string& line : splitAt(wrapText(font, text, width), LINE_BREAK)) {
        if (onPage == std::max(lines, 1)) {
            pages.emplace_back();
            onPage = 0;
        }
        if (onPage++ > 0)
            pages.back() += LINE_BREAK;
        pages.back() += line;
    }
    return pages;
}
