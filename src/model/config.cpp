#include "model/config.h"

#include "model/characteristic.h"
#include "model/configline.h"
#include "model/configtext.h"
#include "model/coursesettings.h"
#include "numbers/numbers.h"

#include <cmath>
#include <optional>
#include <string_view>
#include <utility>

namespace model {

namespace {

using configline::contains;
using configline::fail;
using configline::fileText;
using configline::Line;

struct Bounds {
    double a = 0;
    double b = 0;
};

// The random form: keyword deleted everywhere, then the brackets, then the
// first two pieces between commas give the bounds.
Bounds boundsOf(std::string value, std::string_view keyword)
{
    for (auto pos = value.find(keyword); pos != std::string::npos; pos = value.find(keyword))
        value.erase(pos, keyword.size());
    std::string rest;
    for (char c : value)
        if (c != '(' && c != ')')
            rest += c;
    const auto pieces = configline::split(rest, ',');
    if (pieces.size() < 2)
        fail(Reason::RandomFormWithoutComma);
    return {configline::numberOf(pieces[0]), configline::numberOf(pieces[1])};
}

std::string oneDecimalText(double v) { return numbers::displayText(v, ','); }

// A value as a line gives it: the number stored and, in a dry run, the
// random form it was drawn from ("rand(0.0003; 0.0004)").
struct Read {
    double value = 0;
    std::string drawnFrom;
};

// Field 0 without blanks and without the mark some editors put before the first line.
std::string fieldZero(const Line& line)
{
    std::string_view head = line.field(0);
    if (head.substr(0, 3) == "\xEF\xBB\xBF")
        head.remove_prefix(3);
    return configline::trimmed(head);
}

class Reader {
public:
    Reader(ExperimentState& s, ConfigTarget& target, Class1& random, SettingNotes* settings)
        : s_(s), target_(target), random_(random), settings_(settings)
    {
    }

    // What the teacher is told about the last line's values.
    std::vector<ConfigReason> takeNotes() { return told_.take(); }

    void f_warmup(const Line& line)
    {
        if (line.value(1) == "yes")
            target_.showSelfHeatingSwitch();
        if (line.value(2) == "yes") {
            s_.eigenerwarmung = 1;
            target_.pressSelfHeatingSwitch();
        }
    }

    void f_basic(const Line& line)
    {
        if (auto u = drawWholeOrNumber(line, 1)) {
            u->value = numbers::roundHalfEven(u->value);
            const double volts = u->value;
            // The source gives 0 to 24 V; its control could not show more.
            if (!(volts >= 0 && volts <= 24))
                fail(Reason::VoltageOutOfRange, {oneDecimalText(volts)});
            s_.uquelle = static_cast<std::int16_t>(volts);
            note(&s_.uquelle, *u);
        }
        (void)line.field(2);
        if (auto t = drawWholeOrNumber(line, 3)) {
            const double temp = t->value;
            // The thermostat works from 20 to 100 °C, and the alpha question at
            // this temperature would divide by zero at -273 °C.
            if (!(temp >= 20 && temp <= 100))
                fail(Reason::TemperatureOutOfRange, {oneDecimalText(temp)});
            s_.tsoll = temp;
            s_.teta = temp;
            note(&s_.tsoll, *t);
        }
    }

    void f_sensortyp(const Line& line)
    {
        // Field 2 must stand in the line, even when it does not hide the choice.
        const std::string& hide = line.field(2);
        if (hide == "off")
            target_.hideSensorChoice();
        else if (configline::meansHiding(hide))
            told_.add(Reason::HidingWordNotOff);
        auto v = drawWholeOrNumber(line, 1);
        if (!v)
            return;
        v->value = numbers::roundHalfEven(v->value);
        const double index = v->value;
        if (!(index >= 0 && index <= 6))
            fail(Reason::SensorIndexOutOfRange, {oneDecimalText(index)});
        s_.sensortyp = static_cast<std::uint8_t>(index);
        note(&s_.sensortyp, *v);
        target_.selectSensor(static_cast<int>(index));
    }

    void f_sensortyp0(const Line& line) { typLine(line, 0, &ExperimentState::ntc_a, &ExperimentState::ntc_b); }
    void f_sensortyp1(const Line& line) { typLine(line, 1, &ExperimentState::ptc_a, &ExperimentState::ptc_b); }
    void f_sensortyp2(const Line& line) { typLine(line, 2, &ExperimentState::pt100_r0, &ExperimentState::pt100_a); }
    void f_sensortyp3(const Line& line)
    {
        typLine(line, 3, &ExperimentState::pt1000_r0, &ExperimentState::pt1000_a);
    }

    void f_sensortyp4(const Line& line)
    {
        (void)line.field(1);
        (void)line.field(2);
        nameAndTolerance(line, 4, 3);
    }

    // The current sensor's line has no random form: "rand" there is reported
    // and the value not stored.
    void f_sensortyp5(const Line& line)
    {
        for (auto [n, field] : {std::pair{1u, &ExperimentState::strom_i0}, std::pair{2u, &ExperimentState::strom_k}}) {
            const std::string value = line.value(n);
            if (contains(value, "rand")) {
                told_.add(Reason::NoRandomForm);
                continue;
            }
            if (const auto v = told_.number(value, line.writtenValue(n))) {
                s_.*field = *v;
                note(&(s_.*field), {*v, {}});
            }
        }
        nameAndTolerance(line, 5, 3);
    }

    void f_sensortyp6(const Line& line)
    {
        if (const auto k = drawOrNumber(line, 1)) {
            s_.thermo_k = k->value;
            note(&s_.thermo_k, *k);
        }
        nameAndTolerance(line, 6, 2);
    }

    // The teacher's switch for the measurement journal. Only a line that
    // starts with the keyword is one: older files may mention the word in a
    // remark, which must stay a remark.
    // The course's lines; only a line whose field 0 is the keyword is one.
    // The folder of "ergebnisse" is taken as written.
    void f_kurs(const Line& line)
    {
        const auto keyword = courseKeyword(line.lowered());
        if (keyword.empty())
            return;
        if (auto why = applyCourseLine(keyword, line.lowered(), line.written(), s_.course))
            throw configline::LineError{std::move(*why)};
    }

    void f_protokoll(const Line& line)
    {
        if (!startsWith(line, "protokoll"))
            return;
        const std::string value = configline::trimmed(line.field(1));
        if (value == "off")
            target_.hideJournal();
        else if (value != "on")
            fail(Reason::JournalValue, {configtext::shortened(configtext::printable(value), 24)});
    }

    // The language of the run's texts, "de" or "en"; as with the journal's
    // switch, only a line that starts with the keyword is one.
    void f_sprache(const Line& line)
    {
        if (!startsWith(line, "sprache"))
            return;
        const std::string value = configline::trimmed(line.field(1));
        if (value == "de" || value == "en")
            s_.sprache = value;
        else
            fail(Reason::LanguageValue, {configtext::shortened(configtext::printable(value), 24)});
    }

private:
    static bool startsWith(const Line& line, std::string_view keyword) { return fieldZero(line) == keyword; }

    // The "sensor" and "basic" lines draw whole numbers.
    std::optional<Read> drawWholeOrNumber(const Line& line, std::size_t n)
    {
        const std::string value = line.value(n);
        if (contains(value, "randint")) {
            const auto b = boundsOf(value, "randint");
            return Read{random_.RANDINT(b.a, b.b), drawnFrom("randint", b)};
        }
        return number(line, n);
    }

    // The "typ" lines draw fractions; "rand" is also found inside "randint".
    std::optional<Read> drawOrNumber(const Line& line, std::size_t n)
    {
        const std::string value = line.value(n);
        if (contains(value, "rand")) {
            const auto b = boundsOf(value, "rand");
            return Read{random_.RAND(b.a, b.b), drawnFrom("rand", b)};
        }
        return number(line, n);
    }

    std::optional<Read> number(const Line& line, std::size_t n)
    {
        if (const auto v = told_.number(line.value(n), line.writtenValue(n)))
            return Read{*v, {}};
        return std::nullopt;
    }

    // Only a dry run needs the text, so the real start builds none.
    std::string drawnFrom(const char* form, const Bounds& b) const
    {
        return settings_ && !settings_->drawnValues ? std::string(form) + "(" + fileText(b.a) + "; " + fileText(b.b) + ")" : std::string();
    }

    void note(const void* field, const Read& r)
    {
        if (settings_)
            settings_->note(s_, field, r.drawnFrom.empty() ? fileText(r.value) : r.drawnFrom);
    }

    // The evaluation computes the type's characteristic from 20 to 100 °C
    // and its scale top; the bench can reach up to the destruction limit.
    // A parameter that makes any of these unusable is refused.
    static std::optional<Reason> unusable(const ExperimentState& trial, int type)
    {
        if ((type == 2 && trial.pt100_r0 == 0) || (type == 3 && trial.pt1000_r0 == 0))
            return Reason::ZeroR0;
        if (type == 0 && trial.ntc_b == 0)
            return Reason::ZeroNtcB;
        if (type == 1 && trial.ptc_b == 0)
            return Reason::ZeroPtcB;
        if (type == 0 || type == 1) {
            bool ok = std::isfinite(scaleTopValue(trial, type));
            for (int t = 0; ok && t <= 150; ++t)
                ok = std::isfinite(trueCharacteristic(trial, type, t));
            if (!ok)
                return Reason::CharacteristicInfinite;
        }
        return std::nullopt;
    }

    void store(int type, double ExperimentState::*target, const std::optional<Read>& r)
    {
        if (!r)
            return;
        ExperimentState trial = s_;
        trial.*target = r->value;
        if (const auto why = unusable(trial, type))
            fail(*why);
        s_.*target = r->value;
        note(&(s_.*target), *r);
    }

    void typLine(const Line& line, int type, double ExperimentState::*first, double ExperimentState::*second)
    {
        store(type, first, drawOrNumber(line, 1));
        store(type, second, drawOrNumber(line, 2));
        nameAndTolerance(line, type, 3);
    }

    // The name keeps the case the teacher wrote; it is shown as it stands.
    void nameAndTolerance(const Line& line, int type, std::size_t nameField)
    {
        const auto t = static_cast<std::size_t>(type);
        s_.sensorname[t] = line.writtenField(nameField);
        if (settings_)
            settings_->note(s_, &s_.sensorname[t], configtext::printable(s_.sensorname[t]));
        const std::size_t at = nameField + 1;
        if (const auto tol = told_.tolerance(line.field(at), line.writtenField(at))) {
            s_.toleranz[t] = *tol;
            note(&s_.toleranz[t], {*tol, {}});
        }
    }

    ExperimentState& s_;
    ConfigTarget& target_;
    Class1& random_;
    SettingNotes* settings_;
    configline::Notes told_;
};

// The reader's keyword table, in the order in which a line is tested. The
// check's hint for a mistyped keyword reads the same table.
struct Keyword {
    std::string_view word;
    void (Reader::*handler)(const Line&);
    // The line is one only when its field 0 is exactly the word; the older
    // keywords count wherever they stand in the line.
    bool exact = false;
};

constexpr Keyword keywords[] = {
    {"warmup", &Reader::f_warmup},         {"sensor", &Reader::f_sensortyp},
    {"typ0", &Reader::f_sensortyp0},       {"typ1", &Reader::f_sensortyp1},
    {"typ2", &Reader::f_sensortyp2},       {"typ3", &Reader::f_sensortyp3},
    {"typ4", &Reader::f_sensortyp4},       {"typ5", &Reader::f_sensortyp5},
    {"typ6", &Reader::f_sensortyp6},       {"basic", &Reader::f_basic},
    {"protokoll", &Reader::f_protokoll, true}, {"anmeldung", &Reader::f_kurs, true},
    {"variante", &Reader::f_kurs, true},   {"ergebnisse", &Reader::f_kurs, true},
    {"pruefung", &Reader::f_kurs, true},   {"sprache", &Reader::f_sprache, true},
};

// Where the reading stopped early: reported once, with the line it stopped at.
void stopAt(ProblemList& problems, int number, std::string_view raw, Reason why)
{
    using namespace configtext;
    problems.add({number, shortened(printable(toUtf8(head(raw, 256))), 40), {{why, {}, {}}}});
}

// A remark that looks like a setting names the keyword nearest to its first
// word, the first of the table among equally near ones.
void hintAt(ProblemList& problems, int number, const Line& line)
{
    if (!problems.collectHints || problems.hints.size() >= maxProblemLines)
        return;
    const std::string word = fieldZero(line);
    std::string_view nearest;
    std::size_t best = std::string::npos;
    bool exact = false;
    for (const auto& k : keywords)
        if (const auto d = configline::editDistance(word, k.word); d < best) {
            best = d;
            nearest = k.word;
            exact = k.exact;
        }
    // A word two letters off a keyword that only counts exactly ("varianten",
    // "sprachen") would leave its line silently unused, with a value or without;
    // a remark ("Anmerkung: für Kurs A") has prose after its colon.
    const bool valued = line.lowered().find(':') != std::string::npos;
    const std::string value = valued ? configline::trimmed(line.field(1)) : std::string();
    const bool nearMiss = exact && best <= 2 && !value.empty() && value.find(' ') == std::string::npos;
    if (!nearMiss && !configline::looksLikeSetting(line.lowered()))
        return;
    problems.hints.push_back(
        {number, {}, {{Reason::RemarkLooksLikeSetting, {std::to_string(number), std::string(nearest)}, {}}}});
}

void applyLine(Reader& reader, int number, std::string_view raw, ProblemList& problems)
{
    const Line line(configtext::toUtf8(raw));
    std::vector<ConfigReason> reasons;
    bool named = false;
    // A course line is that line alone, whatever words its values hold.
    const std::string_view course = courseKeyword(line.lowered());
    for (const auto& k : keywords) {
        if (!contains(line.lowered(), k.word) || (!course.empty() && k.word != course) ||
            (k.exact && fieldZero(line) != k.word))
            continue;
        named = true;
        std::vector<ConfigReason> told;
        try {
            (reader.*k.handler)(line);
            told = reader.takeNotes();
        } catch (const configline::LineError& e) {
            told = reader.takeNotes();
            told.push_back(e.reason);
        }
        // No control character of a binary file reaches the teacher's box
        // or terminal, whichever handler quoted the value.
        for (auto& r : told) {
            r.keyword = k.word;
            for (auto& v : r.values)
                v = configtext::printable(v);
            reasons.push_back(std::move(r));
        }
    }
    if (!reasons.empty())
        problems.add({number, configtext::printable(line.written()), std::move(reasons)});
    else if (!named)
        hintAt(problems, number, line);
}

std::ptrdiff_t placeOf(const ExperimentState& s, const void* field)
{
    return static_cast<const char*>(field) - reinterpret_cast<const char*>(&s);
}

} // namespace

void SettingNotes::note(const ExperimentState& s, const void* field, std::string shown)
{
    shown_[placeOf(s, field)] = std::move(shown);
}

const std::string* SettingNotes::find(const ExperimentState& s, const void* field) const
{
    const auto it = shown_.find(placeOf(s, field));
    return it == shown_.end() ? nullptr : &it->second;
}

void applyConfigText(std::string_view bytes, bool cut, ExperimentState& s, ConfigTarget& target, Class1& random,
                     ProblemList& problems, SettingNotes* notes)
{
    Reader reader(s, target, random, notes);
    int number = 0;
    std::size_t pos = 0;
    while (pos < bytes.size()) {
        ++number;
        // A line ends at a line feed, a carriage return or both together,
        // so files from any system read alike.
        std::size_t end = bytes.find_first_of("\r\n", pos);
        const bool ended = end != std::string_view::npos;
        if (!ended)
            end = bytes.size();
        const std::string_view raw = bytes.substr(pos, end - pos);
        if (raw.size() > maxLineBytes)
            return stopAt(problems, number, raw, Reason::LineTooLong);
        // The last line before the size limit may be incomplete.
        if (!ended && cut)
            return stopAt(problems, number, raw, Reason::FileTooLarge);
        applyLine(reader, number, raw, problems);
        const bool crlf = ended && bytes[end] == '\r' && end + 1 < bytes.size() && bytes[end + 1] == '\n';
        pos = end + (crlf ? 2 : 1);
        if (problems.total >= maxProblemLines && (pos < bytes.size() || cut))
            return stopAt(problems, number + 1, {}, Reason::TooManyProblems);
    }
    if (cut)
        stopAt(problems, number + 1, {}, Reason::FileTooLarge);
}

} // namespace model
