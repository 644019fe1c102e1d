// The script language's only data type: a text and a number at once, each
// derived from the other on demand and cached.
#ifndef MORSCRIPT_VALUE_H
#define MORSCRIPT_VALUE_H

#include <cstdint>
#include <string>
#include <utility>

namespace MorScript {

class Value final {
public:
    Value() { Init(); }
    explicit Value(double d) { SetNum(d); }
    explicit Value(const std::string& s) { SetStr(s); }
    explicit Value(std::string&& s) { SetStr(std::move(s)); }
    explicit Value(const char* s) { SetStr(std::string(s)); }
    Value(const Value& other) { CopyFrom(other); }
    Value(Value&& other) noexcept { MoveFrom(other); }
    virtual ~Value() {}

    Value& operator=(const Value& other)
    {
        if (this != &other)
            CopyFrom(other);
        return *this;
    }
    Value& operator=(Value&& other) noexcept
    {
        if (this != &other)
            MoveFrom(other);
        return *this;
    }

    void Swap(Value& other) noexcept
    {
        m_str.swap(other.m_str);
        std::swap(m_num, other.m_num);
        std::swap(m_isnum, other.m_isnum);
        std::swap(m_strok, other.m_strok);
        std::swap(m_numok, other.m_numok);
        std::swap(m_isnumok, other.m_isnumok);
    }

    // Empty text, number 0, numerical; all forms valid. Keeps the text's
    // storage for reuse.
    void Init()
    {
        m_str.clear();
        m_num = 0;
        m_isnum = true;
        m_strok = m_numok = m_isnumok = true;
    }
    void SetNum(double d)
    {
        m_num = d;
        m_isnum = true;
        m_numok = m_isnumok = true;
        m_strok = false;
    }
    void SetStr(const std::string& s)
    {
        m_str = s;
        m_strok = true;
        m_numok = m_isnumok = false;
    }
    void SetStr(std::string&& s)
    {
        m_str = std::move(s);
        m_strok = true;
        m_numok = m_isnumok = false;
    }

    // Text form; a number is written with "%g".
    const std::string& GetStr() const
    {
        if (!m_strok)
            MakeStr();
        return m_str;
    }
    // Number form; a non-numerical text counts as 1.
    double GetNum() const
    {
        if (!m_numok)
            MakeNum();
        return m_num;
    }
    // Empty text, or digits with at most one point.
    bool IsNumerical() const
    {
        if (!m_isnumok)
            MakeIsNum();
        return m_isnum;
    }
    void CalcAllInfo() const
    {
        GetStr();
        IsNumerical();
        GetNum();
    }
    // Numbers compare when both are numerical, texts byte for byte otherwise.
    bool IsEqual(const Value& other) const
    {
        if (m_isnumok && m_isnum && m_numok && other.m_isnumok && other.m_isnum && other.m_numok)
            return m_num == other.m_num;
        return IsEqualSlow(other);
    }

    // Number truncated toward zero to a 32-bit integer, saturating.
    int32_t GetInt() const { return ToInt(GetNum()); }
    static int32_t ToInt(double d);
    // Whether text s counts as numerical.
    static bool IsNumericalText(const std::string& s);

    // Whether the text form is present now (not made on demand yet).
    bool HasText() const { return m_strok; }
    size_t TextSize() const { return GetStr().size(); }
    // Text(this) followed by text: the value becomes that text.
    void AppendText(const std::string& text)
    {
        GetStr();
        m_str += text;
        m_numok = m_isnumok = false;
    }
    // Becomes other's value, leaving other unspecified: a value about to be
    // dropped hands over its text storage instead of having it copied.
    void TakeFrom(Value& other)
    {
        if (other.m_strok)
            m_str.swap(other.m_str);
        m_strok = other.m_strok;
        m_numok = other.m_numok;
        m_isnumok = other.m_isnumok;
        m_isnum = other.m_isnum;
        m_num = other.m_num;
    }

    // The whole state of a value whose text is about to grow, so that the
    // growth can be taken back (see Restore).
    struct Mark {
        size_t size;
        double num;
        bool isnum, numok, isnumok;
    };
    Mark MarkText() const
    {
        GetStr();
        return Mark{m_str.size(), m_num, m_isnum, m_numok, m_isnumok};
    }
    // Undoes appends made since the mark.
    void Restore(const Mark& mark)
    {
        m_str.resize(mark.size);
        m_strok = true;
        m_num = mark.num;
        m_isnum = mark.isnum;
        m_numok = mark.numok;
        m_isnumok = mark.isnumok;
    }

private:
    void CopyFrom(const Value& other)
    {
        m_strok = other.m_strok;
        m_numok = other.m_numok;
        m_isnumok = other.m_isnumok;
        m_isnum = other.m_isnum;
        m_num = other.m_num;
        if (other.m_strok)
            m_str = other.m_str;
    }
    void MoveFrom(Value& other)
    {
        m_strok = other.m_strok;
        m_numok = other.m_numok;
        m_isnumok = other.m_isnumok;
        m_isnum = other.m_isnum;
        m_num = other.m_num;
        if (other.m_strok)
            m_str.swap(other.m_str);
    }
    void MakeStr() const;
    void MakeNum() const;
    void MakeIsNum() const;
    bool IsEqualSlow(const Value& other) const;

    // The three forms and whether each is valid; the text and number are
    // made on demand, so they are mutable.
    mutable std::string m_str;
    mutable double m_num = 0;
    mutable bool m_isnum = true;
    mutable bool m_strok = true, m_numok = true, m_isnumok = true;
};

}  // namespace MorScript

#endif
