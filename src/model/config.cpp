#include "model/config.h"

#include "model/characteristic.h"
#include "model/configtext.h"
#include "numbers/numbers.h"

#include <cmath>
#include <string_view>

namespace model {

namespace {

// A step of a line that cannot be carried out. The handler stops there; the
// stores of its earlier steps stay, as they would on the bench.
struct LineError {
    std::string reason;
};

[[noreturn]] void fail(std::string reason) { throw LineError{std::move(reason)}; }

std::vector<std::string> split(std::string_view t, char sep)
{
    std::vector<std::string> parts;
    std::size_t start = 0;
    for (;;) {
        const auto pos = t.find(sep, start);
        parts.emplace_back(t.substr(start, pos == std::string_view::npos ? std::string_view::npos : pos - start));
        if (pos == std::string_view::npos)
            return parts;
        start = pos + 1;
    }
}

const std::string& field(const std::vector<std::string>& fields, std::size_t n)
{
    if (n >= fields.size())
        fail("Feld " + std::to_string(n) + " fehlt (Felder werden durch \":\" getrennt)");
    return fields[n];
}

// The value of a field: the text after its first "=" up to a second one.
std::string valueOf(const std::vector<std::string>& fields, std::size_t n)
{
    const auto parts = split(field(fields, n), '=');
    if (parts.size() < 2)
        fail("in Feld " + std::to_string(n) + " fehlt das \"=\" vor dem Wert");
    return parts[1];
}

double numberOf(std::string_view text)
{
    const auto r = numbers::readLeadingNumber(text);
    if (r.overflow || !std::isfinite(r.value))
        fail("die Zahl \"" + configtext::shortened(configtext::printable(text), 24) + "\" ist zu groß");
    return r.value;
}

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
    const auto pieces = split(rest, ',');
    if (pieces.size() < 2)
        fail("in der Zufallsform fehlt das Komma zwischen den Grenzen");
    return {numberOf(pieces[0]), numberOf(pieces[1])};
}

bool contains(std::string_view text, std::string_view word) { return text.find(word) != std::string_view::npos; }

std::string trimmed(std::string_view t)
{
    const auto first = t.find_first_not_of(" \t");
    if (first == std::string_view::npos)
        return {};
    return std::string(t.substr(first, t.find_last_not_of(" \t") - first + 1));
}

std::string oneDecimalText(double v) { return numbers::displayText(v, ','); }

// The teacher writes numbers with a point; the check shows them so.
std::string fileText(double v) { return numbers::displayText(v, '.'); }

// A value as a line gives it: the number stored and, in a dry run, the
// random form it was drawn from ("rand(0.0003; 0.0004)").
struct Read {
    double value = 0;
    std::string drawnFrom;
};

class Reader {
public:
    Reader(ExperimentState& s, ConfigTarget& target, Class1& random, SettingNotes* notes)
        : s_(s), target_(target), random_(random), notes_(notes)
    {
    }

    void f_warmup(const std::string& line)
    {
        const auto fields = split(line, ':');
        if (valueOf(fields, 1) == "yes")
            target_.showSelfHeatingSwitch();
        if (valueOf(fields, 2) == "yes") {
            s_.eigenerwarmung = 1;
            target_.pressSelfHeatingSwitch();
        }
    }

    void f_basic(const std::string& line)
    {
        const auto fields = split(line, ':');
        Read u = drawWholeOrNumber(valueOf(fields, 1));
        u.value = numbers::roundHalfEven(u.value);
        const double volts = u.value;
        // The source gives 0 to 24 V; its control could not show more.
        if (!(volts >= 0 && volts <= 24))
            fail("die Quellenspannung " + oneDecimalText(volts) + " V liegt nicht zwischen 0 und 24 V");
        s_.uquelle = static_cast<std::int16_t>(volts);
        note(&s_.uquelle, u);
        (void)split(field(fields, 2), '=');
        const Read t = drawWholeOrNumber(valueOf(fields, 3));
        const double temp = t.value;
        // The thermostat works from 20 to 100 °C, and the alpha question at
        // this temperature would divide by zero at -273 °C.
        if (!(temp >= 20 && temp <= 100))
            fail("die Thermostattemperatur " + oneDecimalText(temp) + " °C liegt nicht zwischen 20 und 100 °C");
        s_.tsoll = temp;
        s_.teta = temp;
        note(&s_.tsoll, t);
    }

    void f_sensortyp(const std::string& line)
    {
        const auto fields = split(line, ':');
        // Field 2 must stand in the line, even when it does not hide the choice.
        if (field(fields, 2) == "off")
            target_.hideSensorChoice();
        Read v = drawWholeOrNumber(valueOf(fields, 1));
        v.value = numbers::roundHalfEven(v.value);
        const double index = v.value;
        if (!(index >= 0 && index <= 6))
            fail("die Sensornummer " + oneDecimalText(index) + " liegt nicht zwischen 0 und 6");
        s_.sensortyp = static_cast<std::uint8_t>(index);
        note(&s_.sensortyp, v);
        target_.selectSensor(static_cast<int>(index));
    }

    void f_sensortyp0(const std::string& line) { typLine(line, 0, &ExperimentState::ntc_a, &ExperimentState::ntc_b); }
    void f_sensortyp1(const std::string& line) { typLine(line, 1, &ExperimentState::ptc_a, &ExperimentState::ptc_b); }
    void f_sensortyp2(const std::string& line)
    {
        typLine(line, 2, &ExperimentState::pt100_r0, &ExperimentState::pt100_a);
    }
    void f_sensortyp3(const std::string& line)
    {
        typLine(line, 3, &ExperimentState::pt1000_r0, &ExperimentState::pt1000_a);
    }

    void f_sensortyp4(const std::string& line)
    {
        const auto fields = split(line, ':');
        (void)split(field(fields, 1), '=');
        (void)split(field(fields, 2), '=');
        nameAndTolerance(fields, 4, 3);
    }

    void f_sensortyp5(const std::string& line)
    {
        const auto fields = split(line, ':');
        s_.strom_i0 = numberOf(valueOf(fields, 1));
        note(&s_.strom_i0, {s_.strom_i0, {}});
        s_.strom_k = numberOf(valueOf(fields, 2));
        note(&s_.strom_k, {s_.strom_k, {}});
        nameAndTolerance(fields, 5, 3);
    }

    void f_sensortyp6(const std::string& line)
    {
        const auto fields = split(line, ':');
        const Read k = drawOrNumber(valueOf(fields, 1));
        s_.thermo_k = k.value;
        note(&s_.thermo_k, k);
        nameAndTolerance(fields, 6, 2);
    }

    // The teacher's switch for the measurement journal. Only a line that
    // starts with the keyword is one: older files may mention the word in a
    // remark, which must stay a remark.
    void f_protokoll(const std::string& line)
    {
        const auto fields = split(line, ':');
        std::string_view head = fields[0];
        if (head.substr(0, 3) == "\xEF\xBB\xBF")
            head.remove_prefix(3); // the mark some editors put before the first line
        if (trimmed(head) != "protokoll")
            return;
        const std::string value = trimmed(field(fields, 1));
        if (value == "off")
            target_.hideJournal();
        else if (value != "on")
            fail("Feld 1 muss off (Messprotokoll verbergen) oder on lauten, nicht \"" +
                 configtext::shortened(value, 24) + "\"");
    }

private:
    // The "sensor" and "basic" lines draw whole numbers.
    Read drawWholeOrNumber(const std::string& value)
    {
        if (contains(value, "randint")) {
            const auto b = boundsOf(value, "randint");
            return {random_.RANDINT(b.a, b.b), drawnFrom("randint", b)};
        }
        return {numberOf(value), {}};
    }

    // The "typ" lines draw fractions; "rand" is also found inside "randint".
    Read drawOrNumber(const std::string& value)
    {
        if (contains(value, "rand")) {
            const auto b = boundsOf(value, "rand");
            return {random_.RAND(b.a, b.b), drawnFrom("rand", b)};
        }
        return {numberOf(value), {}};
    }

    // Only a dry run needs the text, so the real start builds none.
    std::string drawnFrom(const char* form, const Bounds& b) const
    {
        return notes_ ? std::string(form) + "(" + fileText(b.a) + "; " + fileText(b.b) + ")" : std::string();
    }

    void note(const void* field, const Read& r)
    {
        if (notes_)
            notes_->note(s_, field, r.drawnFrom.empty() ? fileText(r.value) : r.drawnFrom);
    }

    // The evaluation computes the type's characteristic from 20 to 100 °C
    // and its scale top; the bench can reach up to the destruction limit.
    // A parameter that makes any of these unusable is refused.
    static std::string unusable(const ExperimentState& trial, int type)
    {
        if (type == 2 && trial.pt100_r0 == 0)
            return "R0 = 0 ist nicht möglich (die Kennlinie teilt durch R0)";
        if (type == 3 && trial.pt1000_r0 == 0)
            return "R0 = 0 ist nicht möglich (die Kennlinie teilt durch R0)";
        if (type == 0 && trial.ntc_b == 0)
            return "B = 0 ist nicht möglich (der Temperaturkoeffizient wäre 0)";
        if (type == 1 && trial.ptc_b == 0)
            return "b = 0 ist nicht möglich (der Temperaturkoeffizient wäre 0)";
        if (type == 0 || type == 1) {
            bool ok = std::isfinite(scaleTopValue(trial, type));
            for (int t = 0; ok && t <= 150; ++t)
                ok = std::isfinite(trueCharacteristic(trial, type, t));
            if (!ok)
                return "mit diesem Wert wird die Kennlinie zwischen 0 und 150 °C unendlich groß";
        }
        return {};
    }

    void store(int type, double ExperimentState::*target, const Read& r)
    {
        ExperimentState trial = s_;
        trial.*target = r.value;
        if (auto why = unusable(trial, type); !why.empty())
            fail(why);
        s_.*target = r.value;
        note(&(s_.*target), r);
    }

    void typLine(const std::string& line, int type, double ExperimentState::*first, double ExperimentState::*second)
    {
        const auto fields = split(line, ':');
        store(type, first, drawOrNumber(valueOf(fields, 1)));
        store(type, second, drawOrNumber(valueOf(fields, 2)));
        nameAndTolerance(fields, type, 3);
    }

    void nameAndTolerance(const std::vector<std::string>& fields, int type, std::size_t nameField)
    {
        const auto t = static_cast<std::size_t>(type);
        s_.sensorname[t] = field(fields, nameField);
        if (notes_)
            notes_->note(s_, &s_.sensorname[t], configtext::printable(s_.sensorname[t]));
        s_.toleranz[t] = numberOf(field(fields, nameField + 1));
        note(&s_.toleranz[t], {s_.toleranz[t], {}});
    }

    ExperimentState& s_;
    ConfigTarget& target_;
    Class1& random_;
    SettingNotes* notes_;
};

// The reader's keyword table, in the order in which a line is tested.
struct Keyword {
    std::string_view word;
    void (Reader::*handler)(const std::string&);
};

constexpr Keyword keywords[] = {
    {"warmup", &Reader::f_warmup},         {"sensor", &Reader::f_sensortyp},
    {"typ0", &Reader::f_sensortyp0},       {"typ1", &Reader::f_sensortyp1},
    {"typ2", &Reader::f_sensortyp2},       {"typ3", &Reader::f_sensortyp3},
    {"typ4", &Reader::f_sensortyp4},       {"typ5", &Reader::f_sensortyp5},
    {"typ6", &Reader::f_sensortyp6},       {"basic", &Reader::f_basic},
    {"protokoll", &Reader::f_protokoll},
};

// Where the reading stopped early: reported once, with the line it stopped at.
void stopAt(ProblemList& problems, int number, std::string_view raw, const char* reason)
{
    using namespace configtext;
    problems.add({number, shortened(printable(toUtf8(head(raw, 256))), 40), reason});
}

void applyLine(Reader& reader, int number, std::string_view raw, ProblemList& problems)
{
    const std::string text = configtext::toUtf8(raw);
    const std::string line = configtext::lowered(text);
    std::string reasons;
    for (const auto& k : keywords) {
        if (!contains(line, k.word))
            continue;
        try {
            (reader.*k.handler)(line);
        } catch (const LineError& e) {
            if (!reasons.empty())
                reasons += "; ";
            reasons += "\"" + std::string(k.word) + "\": " + e.reason;
        }
    }
    if (!reasons.empty())
        // A reason may quote a piece of the line: no control character of
        // a binary file reaches the teacher's box or terminal.
        problems.add({number, configtext::printable(text), configtext::printable(reasons)});
}

constexpr const char* longLine = "die Zeile ist länger als 4096 Bytes; ab hier wurde die Datei nicht gelesen";
constexpr const char* tooLarge = "die Datei ist größer als 1 MiB; ab hier wurde sie nicht gelesen";
constexpr const char* tooManyProblems = "schon 1000 Zeilen waren nicht verwendbar; ab hier wurde die Datei nicht gelesen";

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
            return stopAt(problems, number, raw, longLine);
        // The last line before the size limit may be incomplete.
        if (!ended && cut)
            return stopAt(problems, number, raw, tooLarge);
        applyLine(reader, number, raw, problems);
        const bool crlf = ended && bytes[end] == '\r' && end + 1 < bytes.size() && bytes[end + 1] == '\n';
        pos = end + (crlf ? 2 : 1);
        if (problems.total >= maxProblemLines && (pos < bytes.size() || cut))
            return stopAt(problems, number + 1, {}, tooManyProblems);
    }
    if (cut)
        stopAt(problems, number + 1, {}, tooLarge);
}

} // namespace model
