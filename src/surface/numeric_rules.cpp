#include "surface/numeric_rules.h"

#include <string>

namespace quill {

double leadingNumber(std::string_view text)
{
    std::string s;
    s.reserve(text.size());
    for (char c : text)
        if (c != ' ' && c != '\t' && c != '\n' && c != '\r')
            s.push_back(c);

    std::size_t i = 0;
    std::string number;
    if (i < s.size() && (s[i] == '+' || s[i] == '-'))
        number.push_back(s[i++]);
    std::size_t digits = 0;
    while (i < s.size() && s[i] >= '0' && s[i] <= '9') {
        number.push_back(s[i++]);
        ++digits;
    }
    if (i < s.size() && s[i] == '.') {
        number.push_back(s[i++]);
        while (i < s.size() && s[i] >= '0' && s[i] <= '9') {
            number.push_back(s[i++]);
            ++digits;
        }
    }
    if (digits == 0)
        return 0.0;
    // An exponent counts only when digits follow it ("2e" is 2).
    if (i < s.size() && (s[i] == 'e' || s[i] == 'E' || s[i] == 'd' || s[i] == 'D')) {
        std::size_t j = i + 1;
        std::string exponent = "e";
        if (j < s.size() && (s[j] == '+' || s[j] == '-'))
            exponent.push_back(s[j++]);
        std::size_t expDigits = 0;
        while (j < s.size() && s[j] >= '0' && s[j] <= '9') {
            exponent.push_back(s[j++]);
            ++expDigits;
        }
        if (expDigits > 0)
            number += exponent;
    }
    try {
        return std::stod(number);
    } catch (...) {
        // Out of range for a double: as large as it can be, with its sign.
        return number[0] == '-' ? -HUGE_VAL : HUGE_VAL;
    }
}

} // namespace quill
