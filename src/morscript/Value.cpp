#include "morscript/Value.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace MorScript {

void Value::MakeStr() const
{
    // Whole numbers below a million print as their digits under "%g"; they
    // are by far the most common, and formatting them by hand is much faster.
    if (m_num > -1e6 && m_num < 1e6 && m_num == static_cast<int32_t>(m_num) &&
        !(m_num == 0 && std::signbit(m_num))) {
        char digits[16];
        char* p = digits + sizeof digits;
        int32_t n = static_cast<int32_t>(m_num);
        uint32_t u = n < 0 ? static_cast<uint32_t>(-n) : static_cast<uint32_t>(n);
        do {
            *--p = static_cast<char>('0' + u % 10);
            u /= 10;
        } while (u);
        if (n < 0)
            *--p = '-';
        m_str.assign(p, digits + sizeof digits - p);
        m_strok = true;
        return;
    }
    char buf[64];
    int n = snprintf(buf, sizeof buf, "%g", m_num);
    m_str.assign(buf, n > 0 ? static_cast<size_t>(n) : 0);
    m_strok = true;
}

bool Value::IsNumericalText(const std::string& s)
{
    bool point = false;
    for (char c : s) {
        if (c == '.') {
            if (point)
                return false;
            point = true;
        } else if (c < '0' || c > '9') {
            return false;
        }
    }
    return true;
}

void Value::MakeIsNum() const
{
    m_isnum = IsNumericalText(GetStr());
    m_isnumok = true;
}

void Value::MakeNum() const
{
    // atof stops at an embedded zero byte just as it would in a C string.
    m_num = IsNumerical() ? atof(GetStr().c_str()) : 1.0;
    m_numok = true;
}

bool Value::IsEqualSlow(const Value& other) const
{
    if (IsNumerical() && other.IsNumerical())
        return GetNum() == other.GetNum();
    const std::string& a = GetStr();
    const std::string& b = other.GetStr();
    return a.size() == b.size() && memcmp(a.data(), b.data(), a.size()) == 0;
}

int32_t Value::ToInt(double d)
{
    if (std::isnan(d))
        return 0;
    if (d >= 2147483647.0)
        return INT32_MAX;
    if (d <= -2147483648.0)
        return INT32_MIN;
    return static_cast<int32_t>(d);
}

}  // namespace MorScript
