// Where a compiler reads its source and where a state writes its errors.
#ifndef MORSCRIPT_IO_H
#define MORSCRIPT_IO_H

#include <cstdio>
#include <string>

namespace MorScript {

class Inputter {
public:
    virtual ~Inputter() {}
    // Next byte of the source as 0..255, or -1 at the end.
    virtual int ReadChar() = 0;
};

class Outputter {
public:
    virtual ~Outputter() {}
    virtual int Write(const char* text) = 0;
};

// Source held in memory (tests, generated scripts).
class StringInputter : public Inputter {
public:
    explicit StringInputter(std::string text) : m_text(std::move(text)) {}
    int ReadChar() override
    {
        if (m_pos >= m_text.size())
            return -1;
        return static_cast<unsigned char>(m_text[m_pos++]);
    }

private:
    std::string m_text;
    size_t m_pos = 0;
};

// Source read from an open file; the file stays owned by the caller.
class FileInputter : public Inputter {
public:
    explicit FileInputter(FILE* fp) : m_fp(fp) {}
    int ReadChar() override
    {
        if (!m_fp)
            return -1;
        int c = getc(m_fp);
        return c == EOF ? -1 : c;
    }

private:
    FILE* m_fp;
};

}  // namespace MorScript

#endif
