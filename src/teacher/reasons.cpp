#include "teacher/reasons.h"

#include <algorithm>
#include <iterator>

namespace teacher {

namespace {

using model::Reason;

// Full sentence (%1, %2: the reason's values) and short one. The short one
// quotes nothing from the line and names no sensor type: a student may read
// it when the file hides which sensor is on the bench.
constexpr ReasonRow rows[] = {
    {Reason::FileNotRegular, QT_TRANSLATE_NOOP("ConfigReason", "Die Datei %1 ist keine gewöhnliche Datei."),
     QT_TRANSLATE_NOOP("ConfigReason", "die Datei ist keine gewöhnliche Datei")},
    {Reason::FileUnreadable,
     QT_TRANSLATE_NOOP("ConfigReason", "Die Datei %1 ist vorhanden, lässt sich aber nicht lesen."),
     QT_TRANSLATE_NOOP("ConfigReason", "die Datei lässt sich nicht lesen")},
    {Reason::FileReadIncomplete,
     QT_TRANSLATE_NOOP("ConfigReason", "Die Datei %1 konnte nicht bis zum Ende gelesen werden."),
     QT_TRANSLATE_NOOP("ConfigReason", "die Datei konnte nicht bis zum Ende gelesen werden")},
    {Reason::LineTooLong,
     QT_TRANSLATE_NOOP("ConfigReason",
                       "die Zeile ist länger als 4096 Bytes; ab hier wurde die Datei nicht gelesen"),
     QT_TRANSLATE_NOOP("ConfigReason", "Zeile länger als 4096 Bytes; ab hier nicht gelesen")},
    {Reason::FileTooLarge,
     QT_TRANSLATE_NOOP("ConfigReason", "die Datei ist größer als 1 MiB; ab hier wurde sie nicht gelesen"),
     QT_TRANSLATE_NOOP("ConfigReason", "Datei größer als 1 MiB; ab hier nicht gelesen")},
    {Reason::TooManyProblems,
     QT_TRANSLATE_NOOP("ConfigReason",
                       "schon 1000 Zeilen waren nicht verwendbar; ab hier wurde die Datei nicht gelesen"),
     QT_TRANSLATE_NOOP("ConfigReason", "1000 unbrauchbare Zeilen; ab hier nicht gelesen")},
    {Reason::FieldMissing,
     QT_TRANSLATE_NOOP("ConfigReason", "Feld %1 fehlt (Felder werden durch \":\" getrennt)"),
     QT_TRANSLATE_NOOP("ConfigReason", "ein Feld fehlt")},
    {Reason::EqualsMissing, QT_TRANSLATE_NOOP("ConfigReason", "in Feld %1 fehlt das \"=\" vor dem Wert"),
     QT_TRANSLATE_NOOP("ConfigReason", "ein \"=\" fehlt")},
    {Reason::RandomFormWithoutComma,
     QT_TRANSLATE_NOOP("ConfigReason", "in der Zufallsform fehlt das Komma zwischen den Grenzen"),
     QT_TRANSLATE_NOOP("ConfigReason", "Komma in der Zufallsform fehlt")},
    {Reason::NumberTooLarge, QT_TRANSLATE_NOOP("ConfigReason", "die Zahl \"%1\" ist zu groß"),
     QT_TRANSLATE_NOOP("ConfigReason", "Zahl zu groß")},
    {Reason::VoltageOutOfRange,
     QT_TRANSLATE_NOOP("ConfigReason", "die Quellenspannung %1 V liegt nicht zwischen 0 und 24 V"),
     QT_TRANSLATE_NOOP("ConfigReason", "Wert außerhalb des erlaubten Bereichs")},
    {Reason::TemperatureOutOfRange,
     QT_TRANSLATE_NOOP("ConfigReason", "die Thermostattemperatur %1 °C liegt nicht zwischen 20 und 100 °C"),
     QT_TRANSLATE_NOOP("ConfigReason", "Wert außerhalb des erlaubten Bereichs")},
    {Reason::SensorIndexOutOfRange,
     QT_TRANSLATE_NOOP("ConfigReason", "die Sensornummer %1 liegt nicht zwischen 0 und 6"),
     QT_TRANSLATE_NOOP("ConfigReason", "Wert außerhalb des erlaubten Bereichs")},
    {Reason::ZeroR0,
     QT_TRANSLATE_NOOP("ConfigReason", "R0 = 0 ist nicht möglich (die Kennlinie teilt durch R0)"),
     QT_TRANSLATE_NOOP("ConfigReason", "Kennwert nicht möglich")},
    {Reason::ZeroNtcB,
     QT_TRANSLATE_NOOP("ConfigReason", "B = 0 ist nicht möglich (der Temperaturkoeffizient wäre 0)"),
     QT_TRANSLATE_NOOP("ConfigReason", "Kennwert nicht möglich")},
    {Reason::ZeroPtcB,
     QT_TRANSLATE_NOOP("ConfigReason", "b = 0 ist nicht möglich (der Temperaturkoeffizient wäre 0)"),
     QT_TRANSLATE_NOOP("ConfigReason", "Kennwert nicht möglich")},
    {Reason::CharacteristicInfinite,
     QT_TRANSLATE_NOOP("ConfigReason",
                       "mit diesem Wert wird die Kennlinie zwischen 0 und 150 °C unendlich groß"),
     QT_TRANSLATE_NOOP("ConfigReason", "Kennwert nicht möglich")},
    {Reason::JournalValue,
     QT_TRANSLATE_NOOP("ConfigReason",
                       "Feld 1 muss off (Messprotokoll verbergen) oder on lauten, nicht \"%1\""),
     QT_TRANSLATE_NOOP("ConfigReason", "Feld 1 muss off oder on lauten")},
    {Reason::LanguageValue,
     QT_TRANSLATE_NOOP("ConfigReason", "Feld 1 muss de (Deutsch) oder en (Englisch) lauten, nicht \"%1\""),
     QT_TRANSLATE_NOOP("ConfigReason", "Feld 1 muss de oder en lauten")},
    {Reason::DecimalComma,
     QT_TRANSLATE_NOOP("ConfigReason", "»%1« ist keine Zahl; Dezimalpunkt verwenden: %2"),
     QT_TRANSLATE_NOOP("ConfigReason", "Dezimalkomma statt Dezimalpunkt")},
    {Reason::TextAfterNumber,
     QT_TRANSLATE_NOOP("ConfigReason", "in »%1« steht Text nach der Zahl; verwendet wird %2"),
     QT_TRANSLATE_NOOP("ConfigReason", "Text nach der Zahl")},
    {Reason::NoNumber,
     QT_TRANSLATE_NOOP("ConfigReason", "»%1« ist keine Zahl; der Wert wurde nicht übernommen"),
     QT_TRANSLATE_NOOP("ConfigReason", "keine Zahl")},
    {Reason::ToleranceNotAFraction,
     QT_TRANSLATE_NOOP("ConfigReason", "Toleranz ist ein Anteil: 0.05 bedeutet 5 %"),
     QT_TRANSLATE_NOOP("ConfigReason", "Toleranz ist kein Anteil")},
    {Reason::NoRandomForm,
     QT_TRANSLATE_NOOP("ConfigReason",
                       "diese Zeile kennt keine Zufallsform; der Wert wurde nicht übernommen"),
     QT_TRANSLATE_NOOP("ConfigReason", "Zufallsform nicht möglich")},
    {Reason::HidingWordNotOff, QT_TRANSLATE_NOOP("ConfigReason", "nur »off« verbirgt die Auswahl"),
     QT_TRANSLATE_NOOP("ConfigReason", "nur »off« verbirgt die Auswahl")},
    {Reason::SignInValue, QT_TRANSLATE_NOOP("ConfigReason", "Feld 1 muss pflicht lauten, nicht \"%1\""),
     QT_TRANSLATE_NOOP("ConfigReason", "Feld 1 muss pflicht lauten")},
    {Reason::DigitsValue,
     QT_TRANSLATE_NOOP("ConfigReason", "Feld 2 muss stellen=<Anzahl der Ziffern, 1 bis 20> lauten, nicht \"%1\""),
     QT_TRANSLATE_NOOP("ConfigReason", "Feld 2 muss stellen=<Anzahl> lauten")},
    {Reason::ExamValue,
     QT_TRANSLATE_NOOP("ConfigReason", "Feld 1 muss on (Prüfung) oder off lauten, nicht \"%1\""),
     QT_TRANSLATE_NOOP("ConfigReason", "Feld 1 muss on oder off lauten")},
    {Reason::VariantKeyMissing, QT_TRANSLATE_NOOP("ConfigReason", "das Schlüsselwort hinter \"=\" fehlt"),
     QT_TRANSLATE_NOOP("ConfigReason", "Schlüsselwort fehlt")},
    {Reason::ResultFolderMissing, QT_TRANSLATE_NOOP("ConfigReason", "der Ordner hinter \"=\" fehlt"),
     QT_TRANSLATE_NOOP("ConfigReason", "Ordner fehlt")},
    {Reason::RemarkLooksLikeSetting,
     QT_TRANSLATE_NOOP("ConfigReason", "Zeile %1 ist eine Bemerkung; meinten Sie »%2«?"),
     QT_TRANSLATE_NOOP("ConfigReason", "Bemerkung, die wie eine Einstellung aussieht")},
};

constexpr const char* context = "ConfigReason";

} // namespace

const ReasonRow* reasonRow(Reason key)
{
    const auto it =
        std::find_if(std::begin(rows), std::end(rows), [key](const ReasonRow& r) { return r.key == key; });
    return it == std::end(rows) ? nullptr : it;
}

Text reasonText(const model::ConfigReason& reason)
{
    const ReasonRow* row = reasonRow(reason.key);
    if (!row)
        return shown("");
    std::vector<Text> values;
    for (const std::string& v : reason.values)
        values.push_back(shown(v));
    return form(context, row->full, std::move(values));
}

Text shortReasonText(Reason key)
{
    const ReasonRow* row = reasonRow(key);
    return row ? form(context, row->brief) : shown("");
}

} // namespace teacher
