#pragma once
// A record's times as ISO 8601 with their offset ("2026-12-09T14:05:07+01:00"),
// read and written the same in every build: the wall clock as the student's
// machine showed it, and the offset to compare two times as instants.

#include <cstdint>
#include <string>
#include <string_view>

namespace grading {

struct Time {
    int year = 0, month = 0, day = 0, hour = 0, minute = 0, second = 0, millisecond = 0;
    int offsetMinutes = 0; // east of UTC
    bool valid = false;
    // Milliseconds since 1970 in UTC; an invalid time comes before every valid one.
    std::int64_t instant() const;
    bool operator<(const Time& o) const { return instant() < o.instant(); }
    bool operator==(const Time& o) const { return instant() == o.instant(); }
};

// "yyyy-MM-ddTHH:mm:ss[.zzz][Z|+HH:MM|+HHMM]"; anything else is invalid.
Time parseTime(std::string_view text);

// As the record writes it, to the second with the offset written out, also
// for UTC: "2026-12-09T14:05:07+01:00"; empty for an invalid time.
std::string isoText(const Time& t);

// The wall clock as "yyyy-MM-dd HH:mm:ss", or to the minute.
std::string toSecond(const Time& t);
std::string toMinute(const Time& t);

} // namespace grading
