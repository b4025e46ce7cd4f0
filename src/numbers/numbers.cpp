#include "numbers.h"

#include <fast_float/fast_float.h>
#include <fmt/format.h>

#include <algorithm>
#include <array>
#include <cmath>

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
    // 14 digits after the point in scientific form: 15 significant digits,
    // correctly rounded from the exact binary value, halves to even.
    std::array<char, 64> buf{};
    const char* end = fmt::format_to(buf.data(), "{:.14e}", value);
    std::string_view s(buf.data(), static_cast<std::size_t>(end - buf.data()));
    std::size_t i = 0;
    if (i < s.size() && s[i] == '-') {
        d.negative = true;
        ++i;
    }
    const auto ePos = s.find('e');
    for (; i < ePos; ++i)
        if (s[i] != '.')
            d.digits.push_back(s[i]);
    // The exponent has at most three digits and a sign.
    const bool negExp = s[ePos + 1] == '-';
    for (std::size_t k = ePos + 2; k < s.size(); ++k)
        d.exponent = d.exponent * 10 + (s[k] - '0');
    if (negExp)
        d.exponent = -d.exponent;
    while (d.digits.size() > 1 && d.digits.back() == '0')
        d.digits.pop_back();
    if (d.digits == "0")
        d.negative = false;
    return d;
}

// The exact value of a plain number text (digits, at most one '.', an
// optional exponent): correctly rounded, +-infinity beyond the range.
double parsed(std::string_view text)
{
    double v = 0.0;
    fast_float::from_chars(text.data(), text.data() + text.size(), v);
    return v;
}

// A value with `decimals` places (fixed) or `decimals` + 1 significant
// digits (scientific), rounded on the exact binary value, halves to even.
std::string fixedText(double value, int decimals) { return fmt::format("{:.{}f}", value, decimals); }
std::string scientificText(double value, int decimals) { return fmt::format("{:.{}e}", value, decimals); }

// A number literal as the leading-number reading takes it apart: its
// digits without blanks and sign, ready for the parser.
struct Literal {
    std::string clean;  // the literal without blanks and without its sign
    std::string exponentText;
    bool negative = false;
    bool expDigits = false;
    int mantissaDigits = 0;
    std::size_t length = 0; // characters read, blanks included
};

Literal scanLiteral(std::string_view text)
{
    Literal l;
    bool signSeen = false, pointSeen = false, inExponent = false, expSignSeen = false;
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
    const std::string body = fixedText(std::fabs(value), decimals);
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

std::string fixedHalfAway(double value, int decimals)
{
    if (!std::isfinite(value))
        value = 0.0;
    // Twenty more places show the exact binary value far enough: a double
    // that is not a tie differs from it well before them.
    constexpr int more = 20;
    const std::string longer = fixedText(value, decimals + more);
    const std::size_t next = longer.size() - more;
    const bool tie = longer[next] == '5' && longer.find_first_not_of('0', next + 1) == std::string::npos;
    if (tie)
        value = std::nextafter(value, value < 0 ? -HUGE_VAL : HUGE_VAL);
    return fixedText(value, decimals);
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
    // Beyond the range the parser gives infinity; below it, 0 or the
    // nearest tiny value.
    const double v = parsed(l.clean);
    r.overflow = std::isinf(v);
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
    return parsed(fixedText(value, decimals));
}

double roundSignificant(double value, int digits)
{
    if (!std::isfinite(value) || value == 0.0)
        return value;
    // The scientific form keeps digits - 1 places behind the first digit.
    return parsed(scientificText(value, std::max(digits, 1) - 1));
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
