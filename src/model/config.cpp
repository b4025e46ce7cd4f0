#include "model/config.h"

#include "model/characteristic.h"
#include "numbers/numbers.h"

#include <cmath>
#include <fstream>
#include <filesystem>
#include <string_view>
#include <system_error>

namespace model {

namespace {

// A step of a line that cannot be carried out. The handler stops there; the
// stores of its earlier steps stay, as they would on the bench.
struct LineError {
    std::string reason;
};

[[noreturn]] void fail(std::string reason) { throw LineError{std::move(reason)}; }

// Teachers save the file with whatever editor is at hand: Notepad writes
// Windows-1252, newer editors UTF-8. A line that is valid UTF-8 is taken as
// it is; any other is read as Latin-1, so "Stromfühler" arrives right both ways.
bool validUtf8(std::string_view t)
{
    std::size_t i = 0;
    while (i < t.size()) {
        const auto c = static_cast<unsigned char>(t[i]);
        int more = 0;
        if (c < 0x80)
            more = 0;
        else if (c >= 0xC2 && c <= 0xDF)
            more = 1;
        else if (c >= 0xE0 && c <= 0xEF)
            more = 2;
        else if (c >= 0xF0 && c <= 0xF4)
            more = 3;
        else
            return false;
        if (i + static_cast<std::size_t>(more) >= t.size() && more > 0)
            return false;
        for (int k = 1; k <= more; ++k)
            if ((static_cast<unsigned char>(t[i + static_cast<std::size_t>(k)]) & 0xC0) != 0x80)
                return false;
        i += static_cast<std::size_t>(more) + 1;
    }
    return true;
}

std::string toUtf8(std::string_view t)
{
    if (validUtf8(t))
        return std::string(t);
    std::string out;
    out.reserve(t.size() * 2);
    for (char ch : t) {
        const auto c = static_cast<unsigned char>(ch);
        if (c < 0x80) {
            out += ch;
        } else {
            out += static_cast<char>(0xC0 | (c >> 6));
            out += static_cast<char>(0x80 | (c & 0x3F));
        }
    }
    return out;
}

// ASCII letters and the Latin-1 capitals À to Þ (in UTF-8, the multiplication
// sign excepted) are lowered, as a Western code page lowers them; all other
// bytes stay, so no multi-byte character can be torn apart.
std::string lowered(std::string t)
{
    for (std::size_t i = 0; i < t.size(); ++i) {
        const auto c = static_cast<unsigned char>(t[i]);
        if (c >= 'A' && c <= 'Z') {
            t[i] = static_cast<char>(c - 'A' + 'a');
        } else if (c == 0xC3 && i + 1 < t.size()) {
            const auto d = static_cast<unsigned char>(t[i + 1]);
            if (d >= 0x80 && d <= 0x9E && d != 0x97)
                t[i + 1] = static_cast<char>(d + 0x20);
            ++i;
        }
    }
    return t;
}

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
        fail("die Zahl \"" + std::string(text) + "\" ist zu groß");
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

class Reader {
public:
    Reader(ExperimentState& s, ConfigTarget& target, Class1& random) : s_(s), target_(target), random_(random) {}

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
        const auto u = valueOf(fields, 1);
        const double volts = numbers::roundHalfEven(drawWholeOrNumber(u));
        // The source gives 0 to 24 V; its control could not show more.
        if (!(volts >= 0 && volts <= 24))
            fail("die Quellenspannung " + oneDecimalText(volts) + " V liegt nicht zwischen 0 und 24 V");
        s_.uquelle = static_cast<std::int16_t>(volts);
        (void)split(field(fields, 2), '=');
        const auto t = valueOf(fields, 3);
        const double temp = drawWholeOrNumber(t);
        // The thermostat works from 20 to 100 °C, and the alpha question at
        // this temperature would divide by zero at -273 °C.
        if (!(temp >= 20 && temp <= 100))
            fail("die Thermostattemperatur " + oneDecimalText(temp) + " °C liegt nicht zwischen 20 und 100 °C");
        s_.tsoll = temp;
        s_.teta = temp;
    }

    void f_sensortyp(const std::string& line)
    {
        const auto fields = split(line, ':');
        // Field 2 must stand in the line, even when it does not hide the choice.
        if (field(fields, 2) == "off")
            target_.hideSensorChoice();
        const auto v = valueOf(fields, 1);
        const double index = numbers::roundHalfEven(drawWholeOrNumber(v));
        if (!(index >= 0 && index <= 6))
            fail("die Sensornummer " + oneDecimalText(index) + " liegt nicht zwischen 0 und 6");
        s_.sensortyp = static_cast<std::uint8_t>(index);
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
        s_.strom_k = numberOf(valueOf(fields, 2));
        nameAndTolerance(fields, 5, 3);
    }

    void f_sensortyp6(const std::string& line)
    {
        const auto fields = split(line, ':');
        s_.thermo_k = drawOrNumber(valueOf(fields, 1));
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
            fail("Feld 1 muss off (Messprotokoll verbergen) oder on lauten, nicht \"" + value + "\"");
    }

private:
    // The "sensor" and "basic" lines draw whole numbers.
    double drawWholeOrNumber(const std::string& value)
    {
        if (contains(value, "randint")) {
            const auto b = boundsOf(value, "randint");
            return random_.RANDINT(b.a, b.b);
        }
        return numberOf(value);
    }

    // The "typ" lines draw fractions; "rand" is also found inside "randint".
    double drawOrNumber(const std::string& value)
    {
        if (contains(value, "rand")) {
            const auto b = boundsOf(value, "rand");
            return random_.RAND(b.a, b.b);
        }
        return numberOf(value);
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

    void store(int type, double ExperimentState::*target, double value)
    {
        ExperimentState trial = s_;
        trial.*target = value;
        if (auto why = unusable(trial, type); !why.empty())
            fail(why);
        s_.*target = value;
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
        s_.sensorname[static_cast<std::size_t>(type)] = field(fields, nameField);
        s_.toleranz[static_cast<std::size_t>(type)] = numberOf(field(fields, nameField + 1));
    }

    ExperimentState& s_;
    ConfigTarget& target_;
    Class1& random_;
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

// One line of the file: it ends at a line feed, a carriage return or both
// together, so files from any system read alike.
bool readLine(std::istream& in, std::string& line)
{
    line.clear();
    std::istream::int_type c = in.get();
    if (c == std::istream::traits_type::eof())
        return false;
    for (; c != std::istream::traits_type::eof(); c = in.get()) {
        if (c == '\n')
            break;
        if (c == '\r') {
            if (in.peek() == '\n')
                in.get();
            break;
        }
        line += static_cast<char>(c);
    }
    return true;
}

} // namespace

std::vector<ConfigProblem> f_connect(ExperimentState& s, ConfigTarget& target, Class1& random)
{
    std::vector<ConfigProblem> problems;
    const std::filesystem::path path = std::filesystem::path(s.pfad) / "cmmup.dlx";
    std::error_code ec;
    if (!std::filesystem::exists(path, ec))
        return problems;
    std::ifstream in(path, std::ios::binary);
    if (!in || std::filesystem::is_directory(path, ec)) {
        problems.push_back({0, "", "Die Datei cmmup.dlx ist vorhanden, lässt sich aber nicht lesen."});
        return problems;
    }
    return applyConfig(in, s, target, random);
}

std::vector<ConfigProblem> applyConfig(std::istream& in, ExperimentState& s, ConfigTarget& target, Class1& random)
{
    std::vector<ConfigProblem> problems;
    Reader reader(s, target, random);
    std::string raw;
    int number = 0;
    while (readLine(in, raw)) {
        ++number;
        const std::string text = toUtf8(raw);
        const std::string line = lowered(text);
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
            problems.push_back({number, text, reasons});
    }
    if (in.bad())
        problems.push_back({number + 1, "", "Die Datei cmmup.dlx konnte nicht bis zum Ende gelesen werden."});
    return problems;
}

std::string problemReport(const std::vector<ConfigProblem>& problems)
{
    if (problems.empty())
        return {};
    std::string text = "In der Datei cmmup.dlx wurden folgende Zeilen nicht oder nur zum Teil verwendet:";
    for (const auto& p : problems) {
        text += '\r';
        if (p.line > 0)
            text += "Zeile " + std::to_string(p.line) + ": " + p.text + " – " + p.reason;
        else
            text += p.reason;
    }
    return text;
}

} // namespace model
