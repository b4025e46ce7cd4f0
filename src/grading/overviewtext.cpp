// The class overview as text: its columns, the table for the terminal and
// the grade file.

#include "grading/overviewtext.h"

#include "numbers/numbers.h"

#include <algorithm>

namespace grading {

namespace {

std::string noteText(Note note, const StudentRow& r, const Words& w)
{
    switch (note) {
    case Note::PointsDiffer:
        return tr(w, QT_TRANSLATE_NOOP("course", "Punkte passen nicht zur Nachrechnung"));
    case Note::WrongVariant:
        return tr(w, QT_TRANSLATE_NOOP("course", "Sensor passt nicht zur Variante"));
    case Note::Copy:
        return tr(w, QT_TRANSLATE_NOOP("course", "Kopie"));
    case Note::OtherConfig:
        return tr(w, QT_TRANSLATE_NOOP("course", "andere cmmup.dlx"));
    case Note::Names: {
        std::string names;
        for (const std::string& n : r.names)
            names += (names.empty() ? "" : ", ") + n;
        return filled(tr(w, QT_TRANSLATE_NOOP("course", "verschiedene Namen: %1")), {names});
    }
    case Note::LaterRun:
        return tr(w, QT_TRANSLATE_NOOP("course", "weiterer Durchlauf nach der Abgabe"));
    case Note::Destroyed:
        return tr(w, QT_TRANSLATE_NOOP("course", "Sensor zerstört"));
    case Note::DestroyedAfter:
        return tr(w, QT_TRANSLATE_NOOP("course", "Sensor nach der Auswertung zerstört"));
    }
    return {};
}

std::string padded(const std::string& text, std::size_t width)
{
    return text + std::string(width - numbers::utf8Length(text), ' ');
}

std::string trimmed(const std::string& text)
{
    const auto b = text.find_first_not_of(" \t\r\n\v\f");
    return b == std::string::npos ? std::string() : text.substr(b, text.find_last_not_of(" \t\r\n\v\f") - b + 1);
}

// A CSV field, quoted where a comma, a quote or a line break would break it.
std::string csvField(const std::string& text)
{
    if (text.find_first_of(",\"\n\r") == std::string::npos)
        return text;
    std::string out = "\"";
    for (const char c : text)
        out += c == '"' ? std::string("\"\"") : std::string(1, c);
    return out + '"';
}

// How many runs a student made and how many of them were evaluated.
std::string runsText(const StudentRow& r, const Words& w)
{
    return filled(tr(w, QT_TRANSLATE_NOOP("course", "%1 (%2 ausgewertet)")),
                  {std::to_string(r.runs), std::to_string(r.evaluated)});
}

// The points as a percentage of the maximum with one decimal and a point
// ("80.0"), "" when no attempt counts.
std::string percentText(const StudentRow& r, const Words&)
{
    if (r.points < 0 || r.maximum <= 0)
        return {};
    return numbers::fixedHalfAway(100.0 * r.points / r.maximum, 1);
}

std::string idCell(const StudentRow& r, const Words&) { return r.id; }
std::string nameCell(const StudentRow& r, const Words&) { return r.name; }
std::string sensorCell(const StudentRow& r, const Words& w) { return shownSensorName(w, r.sensorIndex, r.sensor); }
std::string pointsOf(const StudentRow& r, const Words& w)
{
    return r.points < 0 ? "–"
                        : filled(tr(w, QT_TRANSLATE_NOOP("course", "%1 von %2")),
                                 {std::to_string(r.points), std::to_string(r.maximum)});
}
std::string pointsNumber(const StudentRow& r, const Words&) { return r.points < 0 ? "" : std::to_string(r.points); }
std::string pointsSlash(const StudentRow& r, const Words&)
{
    return r.points < 0 ? "–" : std::to_string(r.points) + " / " + std::to_string(r.maximum);
}
std::string maximumCell(const StudentRow& r, const Words&) { return std::to_string(r.maximum); }
std::string runsNumber(const StudentRow& r, const Words&) { return std::to_string(r.runs); }
std::string startedToSecond(const StudentRow& r, const Words&) { return toSecond(r.started); }
std::string startedToMinute(const StudentRow& r, const Words&) { return toMinute(r.started); }
std::string notesCell(const StudentRow& r, const Words& w) { return notesText(r, w); }

} // namespace

std::string notesText(const StudentRow& r, const Words& words)
{
    std::string out;
    for (const Note n : r.notes)
        out += (out.empty() ? "" : "; ") + noteText(n, r, words);
    return out;
}

const std::vector<Column>& columns()
{
    static const std::vector<Column> all = {
        {QT_TRANSLATE_NOOP("course", "Matrikelnummer"), false, idCell, idCell, idCell},
        {QT_TRANSLATE_NOOP("course", "Name"), false, nameCell, nameCell, nameCell},
        {QT_TRANSLATE_NOOP("course", "Punkte"), true, pointsOf, pointsNumber, pointsSlash},
        {QT_TRANSLATE_NOOP("course", "Höchstpunktzahl"), true, nullptr, maximumCell, nullptr},
        {QT_TRANSLATE_NOOP("course", "Prozent"), true, nullptr, percentText, nullptr},
        {QT_TRANSLATE_NOOP("course", "Versuche"), true, runsText, runsNumber, runsText},
        {QT_TRANSLATE_NOOP("course", "Sensor"), false, sensorCell, sensorCell, sensorCell},
        {QT_TRANSLATE_NOOP("course", "Beginn"), false, nullptr, startedToSecond, startedToMinute},
        {QT_TRANSLATE_NOOP("course", "Hinweis"), false, notesCell, notesCell, notesCell},
    };
    return all;
}

std::string tableText(const Overview& o, const Words& words)
{
    std::vector<std::vector<std::string>> rows(1);
    for (const Column& c : columns())
        if (c.terminal)
            rows.front().push_back(tr(words, c.head));
    for (const StudentRow& r : o.students) {
        std::vector<std::string>& row = rows.emplace_back();
        for (const Column& c : columns())
            if (c.terminal)
                row.push_back(c.terminal(r, words));
    }
    std::vector<std::size_t> width(rows.front().size(), 0);
    for (const auto& row : rows)
        for (std::size_t c = 0; c < row.size(); ++c)
            width[c] = std::max(width[c], numbers::utf8Length(row[c]));
    std::string out;
    for (const auto& row : rows) {
        std::string line;
        for (std::size_t c = 0; c < row.size(); ++c)
            line += c + 1 < row.size() ? padded(row[c], width[c] + 2) : row[c];
        out += trimmed(line) + '\n';
    }
    out += filled(tr(words, QT_TRANSLATE_NOOP("course", "%1 Studierende")), {std::to_string(o.students.size())});
    out += '\n';
    if (!o.variantsChecked)
        out += tr(words, QT_TRANSLATE_NOOP("course", "Die Varianten sind nicht geprüft; das tut --config mit der cmmup.dlx des Kurses.")) + '\n';
    if (!o.unreadable.empty()) {
        out += filled(tr(words, QT_TRANSLATE_NOOP("course", "\nNicht lesbar (%1 Dateien):\n")),
                      {std::to_string(o.unreadable.size())});
        for (const Unreadable& u : o.unreadable)
            out += "  " + u.file + ": " + worded(words, u.reason) + '\n';
    }
    return out;
}

std::string csvText(const Overview& o, const Words& words)
{
    // The byte order mark tells a spreadsheet the file is UTF-8, so that
    // "Müller" arrives whole; an LMS import strips it.
    std::string out = "\xEF\xBB\xBF";
    std::string head;
    for (const Column& c : columns())
        if (c.csv)
            head += (head.empty() ? "" : ",") + csvField(tr(words, c.head));
    out += head + "\r\n";
    for (const StudentRow& r : o.students) {
        std::string line;
        bool first = true;
        for (const Column& c : columns())
            if (c.csv) {
                line += (first ? "" : ",") + csvField(c.csv(r, words));
                first = false;
            }
        out += line + "\r\n";
    }
    return out;
}

} // namespace grading
