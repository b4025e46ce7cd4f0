#include "grading/isotime.h"

#include <cstdio>
#include <limits>

namespace grading {

namespace {

// Reads `count` digits at `pos`; -1 when one is missing.
int digits(std::string_view s, std::size_t pos, std::size_t count)
{
    if (pos + count > s.size())
        return -1;
    int v = 0;
    for (std::size_t i = pos; i < pos + count; ++i) {
        if (s[i] < '0' || s[i] > '9')
            return -1;
        v = v * 10 + (s[i] - '0');
    }
    return v;
}

// Days since 1970-01-01 of a date of the proleptic Gregorian calendar.
std::int64_t daysFromCivil(int y, int m, int d)
{
    y -= m <= 2;
    const std::int64_t era = (y >= 0 ? y : y - 399) / 400;
    const int yoe = y - static_cast<int>(era * 400);
    const int doy = (153 * (m + (m > 2 ? -3 : 9)) + 2) / 5 + d - 1;
    const int doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
    return era * 146097 + doe - 719468;
}

bool leap(int y)
{
    return (y % 4 == 0 && y % 100 != 0) || y % 400 == 0;
}

int daysIn(int y, int m)
{
    static constexpr int days[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    return m == 2 && leap(y) ? 29 : days[m - 1];
}

} // namespace

std::int64_t Time::instant() const
{
    if (!valid)
        return std::numeric_limits<std::int64_t>::min();
    const std::int64_t seconds = daysFromCivil(year, month, day) * 86400 + hour * 3600 + minute * 60 +
                                 second - std::int64_t{offsetMinutes} * 60;
    return seconds * 1000 + millisecond;
}

Time parseTime(std::string_view s)
{
    Time t;
    t.year = digits(s, 0, 4);
    t.month = digits(s, 5, 2);
    t.day = digits(s, 8, 2);
    t.hour = digits(s, 11, 2);
    t.minute = digits(s, 14, 2);
    t.second = digits(s, 17, 2);
    if (s.size() < 19 || s[4] != '-' || s[7] != '-' || s[10] != 'T' || s[13] != ':' || s[16] != ':' ||
        t.year < 0 || t.month < 1 || t.month > 12 || t.day < 1 || t.day > daysIn(t.year, t.month) ||
        t.hour < 0 || t.hour > 23 || t.minute < 0 || t.minute > 59 || t.second < 0 || t.second > 59)
        return {};
    std::size_t pos = 19;
    if (pos < s.size() && (s[pos] == '.' || s[pos] == ',')) {
        std::size_t end = pos + 1;
        while (end < s.size() && s[end] >= '0' && s[end] <= '9')
            ++end;
        if (end == pos + 1)
            return {};
        // Milliseconds from the first three digits; more are cut off.
        const std::string_view fraction = s.substr(pos + 1, end - pos - 1);
        for (std::size_t i = 0; i < 3; ++i)
            t.millisecond = t.millisecond * 10 + (i < fraction.size() ? fraction[i] - '0' : 0);
        pos = end;
    }
    if (pos < s.size() && s[pos] == 'Z') {
        ++pos;
    } else if (pos < s.size() && (s[pos] == '+' || s[pos] == '-')) {
        const int hours = digits(s, pos + 1, 2);
        const bool colon = pos + 3 < s.size() && s[pos + 3] == ':';
        const int minutes = digits(s, pos + (colon ? 4 : 3), 2);
        if (hours < 0 || minutes < 0 || hours > 23 || minutes > 59)
            return {};
        t.offsetMinutes = (s[pos] == '-' ? -1 : 1) * (hours * 60 + minutes);
        pos += colon ? 6 : 5;
    }
    if (pos != s.size())
        return {};
    t.valid = true;
    return t;
}

std::string isoText(const Time& t)
{
    if (!t.valid)
        return {};
    const int minutes = t.offsetMinutes < 0 ? -t.offsetMinutes : t.offsetMinutes;
    char out[40];
    std::snprintf(out, sizeof out, "%04d-%02d-%02dT%02d:%02d:%02d%c%02d:%02d", t.year, t.month, t.day, t.hour,
                  t.minute, t.second, t.offsetMinutes < 0 ? '-' : '+', minutes / 60, minutes % 60);
    return out;
}

std::string toMinute(const Time& t)
{
    if (!t.valid)
        return {};
    char out[32];
    std::snprintf(out, sizeof out, "%04d-%02d-%02d %02d:%02d", t.year, t.month, t.day, t.hour, t.minute);
    return out;
}

std::string toSecond(const Time& t)
{
    if (!t.valid)
        return {};
    char out[8];
    std::snprintf(out, sizeof out, ":%02d", t.second);
    return toMinute(t) + out;
}

} // namespace grading
