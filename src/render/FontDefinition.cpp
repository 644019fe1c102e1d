#include "render/FontDefinition.h"

#include <climits>
#include <cstdio>
#include <cstdlib>
#include <fstream>

#include "data/DataFile.h"
#include "data/SpaceSplit.h"
#include "render/ScreenPosition.h"

namespace {

// Decimal integer with an optional sign, stopping at the first other
// character; no digits give 0. Values beyond the font limit are clamped to
// it, so that no layout sum can overflow.
int parseLeadingInt(const std::string& text)
{
    std::string::size_type i = 0;
    bool negative = false;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
        negative = text[i] == '-';
        ++i;
    }
    long long value = 0;
    for (; i < text.size() && text[i] >= '0' && text[i] <= '9'; ++i) {
        if (value <= (long long)INT_MAX + 1)
            value = value * 10 + (text[i] - '0');
    }
    if (negative)
        value = -value;
    if (value > FONT_VALUE_LIMIT || value < -FONT_VALUE_LIMIT) {
        long long clamped = value > 0 ? FONT_VALUE_LIMIT : -FONT_VALUE_LIMIT;
        fprintf(stderr, "WARN) Font value %s is out of range, using %lld\n", text.c_str(), clamped);
        return (int)clamped;
    }
    return (int)value;
}

// The value of a "key=value" token. The key is not compared with anything:
// only the position of the token on its line counts.
int getInt(const std::string& token)
{
    std::string cleaned;
    for (char c : token) {
        if (c != ' ' && c != '\r' && c != '\n')
            cleaned += c;
    }
    if (cleaned.empty())
        return -1;
    std::string::size_type eq = cleaned.find('=');
    std::string name = cleaned.substr(0, eq);
    if (name.empty())
        fprintf(stderr, "WARN) Name too short: '%s' (must be at least 1 character)\n", name.c_str());
    if (eq == std::string::npos)
        return 0;
    return parseLeadingInt(cleaned.substr(eq + 1));
}

} // namespace

// Lines are read whole with std::getline, whatever their length: a
// definition line longer than the format's 199 characters is parsed in full
// (it holds more tokens, which are reported as too many), and reading always
// resumes at the next physical line.
int FontDefinition::loadDefinition(const char* filename)
{
    std::ifstream in;
    if (!openDataFile(in, filename)) {
        fprintf(stderr, "[%s] wasn't found\n", filename);
        return -1;
    }

    damaged = false;
    int lineNumber = 2;
    auto reportDamage = [&]() {
        fprintf(stderr, "FAIL) Font definition %s is damaged at line %i\n", filename, lineNumber);
        return DAMAGED;
    };
    std::string line;
    std::getline(in, line);  // the "info" line is not used
    line.clear();
    std::getline(in, line);
    setEnvironmentVars(line);
    if (damaged)
        return reportDamage();

    // After the last line feed one more, empty, read happens before the end
    // of the file shows: that is the blank line reported at the end.
    while (in.good()) {
        line.clear();
        std::getline(in, line);
        ++lineNumber;
        KelBitChar glyph = generateCharacterFromLine(line);
        if (damaged)
            return reportDamage();
        if (glyph.char_id >= 1 && glyph.char_id <= 255)
            characters[glyph.char_id] = glyph;
        if (glyph.char_id == KelBitChar::END_OF_GLYPHS)
            return 0;
    }
    return 0;
}

int FontDefinition::loadDefinitionOrExit(const char* filename)
{
    int result = loadDefinition(filename);
    if (result == DAMAGED)
        exit(1);
    return result;
}

void FontDefinition::setEnvironmentVars(const std::string& line)
{
    std::vector<std::string> tokens = splitAtSpaces(line);
    if (tokens.size() < 6) {
        fprintf(stderr, "FAIL) Line \"%s\" does not contain enough tokens to be a commons definition\n",
                line.c_str());
        damaged = true;
        return;
    }
    if (tokens[0] != "common") {
        fprintf(stderr, "FAIL) Line \"%s\" does not contain magic word 'common' at start. Not commons definition.\n",
                line.c_str());
        damaged = true;
        return;
    }
    for (size_t i = 1; i < tokens.size(); ++i) {
        switch (i) {
        case 1:
            printf("setting lineHeight\n");
            lineHeight = getInt(tokens[i]);
            break;
        case 2:
            printf("setting base\n");
            base = getInt(tokens[i]);
            break;
        case 3:
            printf("setting scaleW\n");
            scaleW = getInt(tokens[i]);
            break;
        case 4:
            printf("setting scaleH\n");
            scaleH = getInt(tokens[i]);
            break;
        case 5:
            printf("ignoring pages for now\n");
            break;
        default:
            fprintf(stderr, "FAIL) Too many tokens in this line.\n");
            break;
        }
    }
}

KelBitChar FontDefinition::generateCharacterFromLine(const std::string& line)
{
    KelBitChar glyph;
    // A line holding only the carriage return of a CRLF file is blank too.
    if (line.empty() || line == "\r") {
        fprintf(stderr, "WARN) Blank line encountered\n");
        glyph.char_id = KelBitChar::BLANK_LINE;
        return glyph;
    }

    std::vector<std::string> tokens = splitAtSpaces(line);
    if (tokens.size() < 9) {
        fprintf(stderr, "FAIL) Line \"%s\" does not contain enough tokens to be a character ID\n",
                line.c_str());
        if (!tokens.empty() && tokens[0] == "kerning") {
            glyph.char_id = KelBitChar::END_OF_GLYPHS;
            return glyph;
        }
        damaged = true;
        return glyph;
    }
    if (tokens[0] != "char") {
        fprintf(stderr, "FAIL %s:%i) Line \"%s\" does not contain magic word 'char' at start. Not character id.\n",
                "KelBitmapFont", 191, line.c_str());
        damaged = true;
        return glyph;
    }

    // Stray one-character tokens (a lone carriage return, say) carry nothing.
    std::vector<std::string> fields;
    for (const std::string& token : tokens) {
        if (token.size() != 1)
            fields.push_back(token);
    }
    for (size_t i = 1; i < fields.size(); ++i) {
        switch (i) {
        case 1: glyph.char_id = getInt(fields[i]); break;
        case 2: glyph.x = getInt(fields[i]); break;
        case 3: glyph.y = getInt(fields[i]); break;
        case 4: glyph.width = getInt(fields[i]); break;
        case 5: glyph.height = getInt(fields[i]); break;
        case 6: glyph.xoffset = getInt(fields[i]); break;
        case 7: glyph.yoffset = getInt(fields[i]); break;
        case 8: glyph.xadvance = getInt(fields[i]); break;
        case 9: glyph.page = getInt(fields[i]); break;
        default:
            fprintf(stderr, "FAIL) Too many tokens in this line.\n");
            break;
        }
    }
    return glyph;
}

// Glyphs without area (undefined bytes, spaces) only move the pen.
std::vector<GlyphQuad> FontDefinition::layoutText(const std::string& text, int x, int y,
                                                  bool rightAligned) const
{
    // The pen is counted wide: a long enough text walks it past any int.
    // Positions beyond the off-screen limit are all the same to the screen.
    auto onScreen = [](long long v) {
        return (int)(v > OFF_SCREEN_LIMIT ? OFF_SCREEN_LIMIT : v < -OFF_SCREEN_LIMIT ? -OFF_SCREEN_LIMIT : v);
    };
    std::vector<GlyphQuad> quads;
    long long cursorX = x;
    long long cursorY = y;
    for (size_t n = 0; n < text.size(); ++n) {
        unsigned char c = (unsigned char)text[rightAligned ? text.size() - 1 - n : n];
        if (c == '\\') {
            cursorX = x;
            cursorY += lineHeight;
            continue;
        }
        const KelBitChar& g = characters[c];
        long long left = rightAligned ? cursorX - g.width + g.xoffset : cursorX + g.xoffset;
        if (g.width != 0 && g.height != 0) {
            quads.push_back({g.x, g.y, g.x + g.width, g.y + g.height,
                             onScreen(left), onScreen(cursorY + g.yoffset), g.width, g.height});
        }
        cursorX += rightAligned ? -g.xadvance : g.xadvance;
    }
    return quads;
}
