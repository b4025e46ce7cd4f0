#include "numbers.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <cstdlib>

namespace numbers {

namespace {

// Decimal digits and exponent of a value rounded to 15 significant digits.
struct Decimal {
    bool negative = false;
    std::string digits; // significant digits without trailing zeros, at least one
    int exponent = 0;   // decimal exponent of the first digit
};

Decimal toDecimal(double value)
{
    Decimal d;
    std::array<char, 64> buf{};
    // 14 digits after the point in scientific form: 15 significant digits,
    // correctly rounded from the exact binary value.
    auto res = std::to_chars(buf.data(), buf.data() + buf.size(), value,
                             std::chars_format::scientific, 14);
    std::string_view s(buf.data(), static_cast<std::size_t>(res.ptr - buf.data()));
    std::size_t i = 0;
    if (i < s.size() && s[i] == '-') {
        d.negative = true;
        ++i;
    }
    const auto ePos = s.find('e');
    for (; i < ePos; ++i)
        if (s[i] != '.')
            d.digits.push_back(s[i]);
    int exp = 0;
    std::from_chars(s.data() + ePos + 1 + (s[ePos + 1] == '+' ? 1 : 0), s.data() + s.size(), exp);
    d.exponent = exp;
    while (d.digits.size() > 1 && d.digits.back() == '0')
        d.digits.pop_back();
    if (d.digits == "0")
        d.negative = false;
    return d;
}



// A number literal as the leading-number reading takes it apart: the digits
// for from_chars, and where its first significant digit stands, so that an
// out-of-range value is known as an overflow or an underflow.
struct Literal {
    std::string clean;  // the literal without blanks and without a leading '+'
    std::string exponentText;
    bool negative = false;
    bool expDigits = false;
    int mantissaDigits = 0;
    long firstNonZeroPos = 0; // >0: index of the first non-zero integer digit; <0: minus its decimal place
    long intDigitCount = 0;
    std::size_t length = 0;   // characters read, blanks included
};

Literal scanLiteral(std::string_view text)
{
    Literal l;
    bool signSeen = false, pointSeen = false, inExponent = false, expSignSeen = false;
    long fracIndex = 0;
    std::size_t& at = l.length;
    for (; at < text.size(); ++at) {
        const char c = text[at];
        if (c == ' ' || c == '\t' || c == '\n')
            continue;
        if (!inExponent) {
            if ((c == '+' || c == '-') && !signSeen && l.mantissaDigits == 0 && !pointSeen) {
                signSeen = true;
                l.negative = c == '-';
                continue;
            }
            if (c >= '0' && c <= '9') {
                ++l.mantissaDigits;
                if (pointSeen)
                    ++fracIndex;
                else
                    ++l.intDigitCount;
                if (c != '0' && l.firstNonZeroPos == 0)
                    l.firstNonZeroPos = pointSeen ? -fracIndex : l.intDigitCount;
                l.clean.push_back(c);
                continue;
            }
            if (c == '.' && !pointSeen) {
                pointSeen = true;
                l.clean.push_back(c);
                continue;
            }
            if ((c == 'e' || c == 'E') && l.mantissaDigits > 0) {
                inExponent = true;
                continue;
            }
            break;
        }
        if ((c == '+' || c == '-') && !expSignSeen && !l.expDigits) {
            expSignSeen = true;
            if (c == '-')
                l.exponentText.push_back('-');
            continue;
        }
        if (c >= '0' && c <= '9') {
            l.expDigits = true;
            l.exponentText.push_back(c);
            continue;
        }
        break;
    }
    return l;
}

// A literal out of the double range overflows when its first significant
// digit stands at a positive decimal place, and underflows otherwise.
bool overflows(const Literal& l)
{
    long exp = 0;
    if (l.expDigits) {
        // Clamp long exponent texts: only the sign of the magnitude matters.
        const bool negExp = !l.exponentText.empty() && l.exponentText[0] == '-';
        std::string_view digits(l.exponentText);
        if (negExp)
            digits.remove_prefix(1);
        while (digits.size() > 1 && digits.front() == '0')
            digits.remove_prefix(1);
        exp = digits.size() > 6 ? 1000000 : std::atol(std::string(digits).c_str());
        if (negExp)
            exp = -exp;
    }
    // Decimal exponent of the first significant digit.
    const long magnitude =
        exp + (l.firstNonZeroPos > 0 ? l.intDigitCount - l.firstNonZeroPos : l.firstNonZeroPos);
    return magnitude > 0;
}

} // namespace

std::string displayText(double value, char separator)
{
    if (!std::isfinite(value) || value == 0.0)
        return "0";
    const Decimal d = toDecimal(value);
    std::string out;
    if (d.negative)
        out.push_back('-');
    const int n = static_cast<int>(d.digits.size());
    if (d.exponent < -4 || d.exponent > 14) {
        out.push_back(d.digits[0]);
        if (n > 1) {
            out.push_back(separator);
            out.append(d.digits, 1);
        }
        out.push_back('E');
        out.push_back(d.exponent < 0 ? '-' : '+');
        const int a = std::abs(d.exponent);
        if (a < 10)
            out.push_back('0');
        out += std::to_string(a);
        return out;
    }
    if (d.exponent < 0) {
        out += "0";
        out.push_back(separator);
        out.append(static_cast<std::size_t>(-d.exponent - 1), '0');
        out += d.digits;
        return out;
    }
    const int intDigits = d.exponent + 1;
    if (n <= intDigits) {
        out += d.digits;
        out.append(static_cast<std::size_t>(intDigits - n), '0');
    } else {
        out.append(d.digits, 0, static_cast<std::size_t>(intDigits));
        out.push_back(separator);
        out.append(d.digits, static_cast<std::size_t>(intDigits));
    }
    return out;
}

std::string patternText(double value, int integerDigits, int decimals, char separator)
{
    if (!std::isfinite(value))
        value = 0.0;
    std::array<char, 400> buf{};
    auto res = std::to_chars(buf.data(), buf.data() + buf.size(), std::fabs(value),
                             std::chars_format::fixed, decimals);
    std::string body(buf.data(), res.ptr);
    const auto point = body.find('.');
    std::string intPart = point == std::string::npos ? body : body.substr(0, point);
    std::string fracPart = point == std::string::npos ? std::string() : body.substr(point + 1);
    bool allZero = true;
    for (char c : body)
        if (c >= '1' && c <= '9')
            allZero = false;
    while (static_cast<int>(intPart.size()) < integerDigits)
        intPart.insert(intPart.begin(), '0');
    // "#0.0": an optional digit position never removes the last integer digit.
    std::string out;
    if (value < 0 && !allZero)
        out.push_back('-');
    out += intPart;
    if (decimals > 0) {
        out.push_back(separator);
        out += fracPart;
    }
    return out;
}


Reading readLeadingNumber(std::string_view text)
{
    Literal l = scanLiteral(text);
    Reading r;
    r.length = l.length;
    if (l.mantissaDigits == 0)
        return r;
    r.found = true;
    if (l.expDigits) {
        l.clean.push_back('e');
        l.clean += l.exponentText;
    }
    double v = 0.0;
    auto res = std::from_chars(l.clean.data(), l.clean.data() + l.clean.size(), v);
    if (res.ec == std::errc::result_out_of_range) {
        r.overflow = overflows(l);
        v = r.overflow ? HUGE_VAL : 0.0;
    }
    r.value = l.negative ? -v : v;
    return r;
}

double roundHalfEven(double value)
{
    // The default rounding mode rounds to nearest, ties to even.
    return std::nearbyint(value);
}

double roundDecimals(double value, int decimals)
{
    if (!std::isfinite(value))
        return value;
    std::array<char, 400> buf{};
    auto res = std::to_chars(buf.data(), buf.data() + buf.size(), value,
                             std::chars_format::fixed, decimals);
    double out = 0.0;
    std::from_chars(buf.data(), res.ptr, out);
    return out;
}

double roundSignificant(double value, int digits)
{
    if (!std::isfinite(value) || value == 0.0)
        return value;
    // The scientific form keeps digits - 1 places behind the first digit.
    std::array<char, 64> buf{};
    auto res = std::to_chars(buf.data(), buf.data() + buf.size(), value, std::chars_format::scientific,
                             std::max(digits, 1) - 1);
    double out = 0.0;
    std::from_chars(buf.data(), res.ptr, out);
    return out;
}

std::size_t utf8Length(std::string_view text)
{
    std::size_t n = 0;
    for (unsigned char c : text)
        if ((c & 0xC0) != 0x80)
            ++n;
    return n;
}

} // namespace numbers
