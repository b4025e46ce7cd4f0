// The teacher's reports on the configuration file: every reason has its
// sentences, and the start-up message lists the first lines.

#include "configreport/reasontext.h"
#include "configreport/report.h"
#include "configreport/typenames.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

using model::ConfigProblem;
using model::Reason;

std::string startup(const std::vector<ConfigProblem>& p, std::size_t total = 0, bool hidden = false)
{
    return configreport::startupReport(p, total, hidden).toStdString();
}

const model::ConfigReason badIndex{Reason::SensorIndexOutOfRange, {"9"}, "sensor"};
const std::string badIndexText = "\"sensor\": die Sensornummer 9 liegt nicht zwischen 0 und 6";

TEST(ConfigReport, EveryReasonHasBothSentences)
{
    for (int k = 0; k < static_cast<int>(Reason::Count); ++k) {
        const auto* row = configreport::reasonRow(static_cast<Reason>(k));
        ASSERT_NE(row, nullptr) << "reason " << k;
        EXPECT_STRNE(row->full, "") << "reason " << k;
        EXPECT_STRNE(row->brief, "") << "reason " << k;
        // The short sentence may be read by students: it has no place for a value.
        for (char n = '1'; n <= '9'; ++n)
            EXPECT_EQ(std::string(row->brief).find(std::string("%") + n), std::string::npos)
                << "reason " << k;
    }
}

// "Es handelt sich um …": each type with the article its gender asks for; a
// name the teacher gave stands in quotes, its gender unknown.
TEST(ConfigReport, EachTypeWithItsOwnArticle)
{
    const std::vector<std::pair<std::string, std::string>> rows = {
        {"NTC-Widerstand", "einen NTC-Widerstand"},
        {"PTC-Widerstand", "einen PTC-Widerstand"},
        {"Pt 100", "einen Pt 100"},
        {"Pt 1000", "einen Pt 1000"},
        {"Flussspannung Si-Diode (konstanter Strom)", "eine Si-Diode (Flussspannung bei konstantem Strom)"},
        {"Stromfühler", "einen Stromfühler"},
        {"Thermoelement", "ein Thermoelement"},
    };
    for (int t = 0; t < static_cast<int>(rows.size()); ++t) {
        const auto& [name, phrase] = rows[static_cast<std::size_t>(t)];
        EXPECT_EQ(configreport::sensorWithArticle(t, name).toStdString(), phrase);
        EXPECT_EQ(configreport::sensorWithArticle(t, "Fühler B").toStdString(), "\u201EFühler B\u201C");
    }
}

TEST(ConfigReport, ValuesFillTheirPlacesOnce)
{
    EXPECT_EQ(configreport::reasonText({Reason::DecimalComma, {"%2", "0.5"}, "typ0"}).toStdString(),
              "»%2« ist keine Zahl; Dezimalpunkt verwenden: 0.5");
}

TEST(ConfigReport, ListsEachLineAfterACarriageReturn)
{
    const std::vector<ConfigProblem> p = {{2, "sensor:nr=9", {badIndex}},
                                          {5, "basic:u=1", {{Reason::FieldMissing, {"2"}, "basic"}}}};
    EXPECT_EQ(startup(p),
              "In der Datei cmmup.dlx wurden folgende Zeilen nicht oder nur zum Teil verwendet:"
              "\rZeile 2: sensor:nr=9 – " +
                  badIndexText +
                  "\rZeile 5: basic:u=1 – \"basic\": Feld 2 fehlt (Felder werden durch \":\" getrennt)");
    EXPECT_EQ(startup({}), "");
    // A file that could not be read has no lines to list.
    EXPECT_EQ(startup({{0, "", {{Reason::FileNotRegular, {"cmmup.dlx"}, ""}}}}),
              "Die Datei cmmup.dlx ist keine gewöhnliche Datei.");
}

TEST(ConfigReport, StartupReportListsTwentyShortenedLines)
{
    std::vector<ConfigProblem> p;
    for (int i = 1; i <= 21; ++i)
        p.push_back({i, "sensor:nr=9:" + std::string(100, 'x'), {badIndex}});
    const std::string shown = "sensor:nr=9:" + std::string(48, 'x') + "…";
    std::string expected = "In der Datei cmmup.dlx wurden folgende Zeilen nicht oder nur zum Teil verwendet:";
    for (int i = 1; i <= 20; ++i)
        expected += "\rZeile " + std::to_string(i) + ": " + shown + " – " + badIndexText;
    EXPECT_EQ(startup(p), expected + "\r… und 1 weitere Zeilen (kora --check-config zeigt alle)");
    p.resize(20);
    EXPECT_EQ(startup(p, 60), expected + "\r… und 40 weitere Zeilen (kora --check-config zeigt alle)");
}

// With a hidden choice the students may read the box: two reasons of one
// kind are named once, and nothing of the line is quoted.
TEST(ConfigReport, HiddenChoiceNamesEachKindOnce)
{
    const std::vector<ConfigProblem> p = {
        {4,
         "basic:u=30:x:t=200",
         {{Reason::VoltageOutOfRange, {"30"}, "basic"}, {Reason::TemperatureOutOfRange, {"200"}, "basic"}}}};
    EXPECT_EQ(startup(p, 1, true),
              "In der Datei cmmup.dlx wurden folgende Zeilen nicht oder nur zum Teil verwendet:"
              "\rZeile 4: Wert außerhalb des erlaubten Bereichs"
              "\rDie Sensorauswahl ist verborgen, daher nennt diese Meldung weder Zeilen noch "
              "Werte. Einzelheiten zeigt kora --check-config.");
}

} // namespace
