// The teacher's cmmup.dlx read into a fresh experiment state: what each line
// stores, what it asks of the window, and what a bad line reports.

#include "configreport/reasontext.h"
#include "configreport/report.h"
#include "model/config.h"
#include "model/configcheck.h"
#include "model/random.h"
#include "model/state.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <functional>
#include <future>
#include <map>
#include <string>
#include <thread>
#include <vector>

#include <fcntl.h>
#include <sys/resource.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

namespace {

using model::ConfigProblem;
using model::ExperimentState;

// Records what the reader asks of the window, in order.
struct FakeTarget : model::ConfigTarget {
    std::vector<std::string> calls;
    ExperimentState* state = nullptr;
    void showSelfHeatingSwitch() override { calls.push_back("show"); }
    void pressSelfHeatingSwitch() override { calls.push_back("press"); }
    void hideSensorChoice() override { calls.push_back("hide"); }
    void hideJournal() override { calls.push_back("hideJournal"); }
    void selectSensor(int index) override
    {
        calls.push_back("select" + std::to_string(index));
        // The option button stores the index again, as on the bench.
        state->sensortyp = static_cast<std::uint8_t>(index);
    }
};

class Folder {
public:
    Folder()
    {
        static int n = 0;
        path_ = std::filesystem::temp_directory_path() /
                ("kora_config_" + std::to_string(::testing::UnitTest::GetInstance()->random_seed()) + "_" +
                 std::to_string(n++));
        std::filesystem::remove_all(path_);
        std::filesystem::create_directories(path_);
    }
    ~Folder() { std::filesystem::remove_all(path_); }
    void write(const std::string& content) const
    {
        std::ofstream out(path_ / "cmmup.dlx", std::ios::binary);
        out << content;
    }
    std::string path() const { return path_.string(); }

private:
    std::filesystem::path path_;
};

struct Outcome {
    ExperimentState s;
    FakeTarget target;
    std::vector<ConfigProblem> problems;
};

void startValues(ExperimentState& s) { model::setStartValues(s, ','); }

void read(Outcome& r, const Folder& f, model::Class1& random)
{
    r.s.pfad = f.path();
    r.target.state = &r.s;
    r.problems = model::f_connect(r.s, r.target, random);
}

Outcome runFile(const std::string& content)
{
    Folder f;
    f.write(content);
    Outcome r;
    startValues(r.s);
    model::Class1 random;
    read(r, f, random);
    return r;
}

using Calls = std::vector<std::string>;

// What the teacher reads about a problem, in the report's words.
std::string said(const ConfigProblem& p) { return configreport::problemLine(p).toStdString(); }

std::string report(const std::vector<ConfigProblem>& problems)
{
    return configreport::startupReport(problems).toStdString();
}

// ---------------------------------------------------------------------------
// Lines that are used.

struct GoodCase {
    const char* name;
    std::string file;
    Calls calls;
    std::function<void(const ExperimentState&)> check;
};

std::ostream& operator<<(std::ostream& os, const GoodCase& c) { return os << c.name; }

class GoodLines : public ::testing::TestWithParam<GoodCase> {};

TEST_P(GoodLines, StoreAndAskTheWindow)
{
    const auto& c = GetParam();
    Outcome r = runFile(c.file);
    EXPECT_TRUE(r.problems.empty()) << report(r.problems);
    EXPECT_EQ(r.target.calls, c.calls);
    c.check(r.s);
}

const ExperimentState& fresh()
{
    static ExperimentState s = [] {
        ExperimentState x;
        startValues(x);
        return x;
    }();
    return s;
}

INSTANTIATE_TEST_SUITE_P(
    Config, GoodLines,
    ::testing::Values(
        GoodCase{"UpperCaseWarmupShowsAndPresses", "WARMUP:A=YES:B=YES\n", {"show", "press"},
                 [](const ExperimentState& s) { EXPECT_EQ(s.eigenerwarmung, 1); }},
        GoodCase{"YesWithTrailingBlankIsNotYes", "warmup:a=yes :b=no\n", {},
                 [](const ExperimentState& s) { EXPECT_EQ(s.eigenerwarmung, 0); }},
        GoodCase{"SelfHeatingOnWithoutOfferingTheSwitch", "warmup:a=no:b=yes\n", {"press"},
                 [](const ExperimentState& s) { EXPECT_EQ(s.eigenerwarmung, 1); }},
        GoodCase{"BasicVoltageRoundsHalfToEven", "basic:u=12.5:x:t=22.5\n", {},
                 [](const ExperimentState& s) {
                     EXPECT_EQ(s.uquelle, 12);
                     EXPECT_EQ(s.tsoll, 22.5);
                     EXPECT_EQ(s.teta, 22.5);
                 }},
        GoodCase{"SecondBasicLineWins", "basic:u=5:x:t=30\r\nrem: anything\r\nbasic:u=7:r=0:t=40\r\n", {},
                 [](const ExperimentState& s) {
                     EXPECT_EQ(s.uquelle, 7);
                     EXPECT_EQ(s.tsoll, 40);
                     EXPECT_EQ(s.teta, 40);
                 }},
        GoodCase{"CarriageReturnAloneEndsALine", "basic:u=5:x:t=30\rwarmup:a=yes:b=no\r\n\rtyp4:x:y:d:0.3", {"show"},
                 [](const ExperimentState& s) {
                     EXPECT_EQ(s.uquelle, 5);
                     EXPECT_EQ(s.tsoll, 30);
                     EXPECT_EQ(s.toleranz[4], 0.3);
                 }},
        GoodCase{"SensorIndexThreeAndAHalfIsFour", "sensor:nr=3.5:x\n", {"select4"},
                 [](const ExperimentState& s) { EXPECT_EQ(s.sensortyp, 4); }},
        GoodCase{"SensorIndexTwoAndAHalfIsTwo", "sensor:nr=2.5:\n", {"select2"},
                 [](const ExperimentState& s) { EXPECT_EQ(s.sensortyp, 2); }},
        GoodCase{"OffHidesTheChoiceFirst", "Sensor:wahl=3:OFF\n", {"hide", "select3"},
                 [](const ExperimentState& s) { EXPECT_EQ(s.sensortyp, 3); }},
        GoodCase{"OtherWordKeepsTheChoiceVisible", "sensor:egal=3:an\n", {"select3"},
                 [](const ExperimentState&) {}},
        GoodCase{"UpperCaseRandFormDraws", "typ0:a=RAND(1,2):b=4000:ntc:0.1\n", {},
                 [](const ExperimentState& s) {
                     EXPECT_GE(s.ntc_a, 1);
                     EXPECT_LT(s.ntc_a, 2);
                     EXPECT_EQ(s.ntc_b, 4000);
                 }},
        GoodCase{"RandintInTypLineDrawsFromZero", "typ2:r0=randint(90,110):a=0.4:pt100:0.02\n", {},
                 [](const ExperimentState& s) {
                     EXPECT_GT(s.pt100_r0, 0);
                     EXPECT_LT(s.pt100_r0, 110);
                     EXPECT_EQ(s.pt100_a, 0.4);
                     EXPECT_EQ(s.sensorname[2], "pt100");
                     EXPECT_EQ(s.toleranz[2], 0.02);
                 }},
        GoodCase{"Typ4ChangesOnlyNameAndTolerance", "typ4:x=1:y=2:Diode:0.2\n", {},
                 [](const ExperimentState& s) {
                     ExperimentState e = fresh();
                     e.sensorname[4] = "Diode";
                     e.toleranz[4] = 0.2;
                     EXPECT_EQ(s.sensorname, e.sensorname);
                     EXPECT_EQ(s.toleranz, e.toleranz);
                     EXPECT_EQ(s.diode_is, e.diode_is);
                     EXPECT_EQ(s.strom_i0, e.strom_i0);
                     EXPECT_EQ(s.thermo_k, e.thermo_k);
                 }},
        GoodCase{"Typ6NameAndToleranceOneFieldEarlier", "typ6:k=rand(4e-05,4e-05):thermo:0.3\n", {},
                 [](const ExperimentState& s) {
                     EXPECT_EQ(s.thermo_k, 4e-05);
                     EXPECT_EQ(s.sensorname[6], "thermo");
                     EXPECT_EQ(s.toleranz[6], 0.3);
                 }},
        GoodCase{"Typ0NamedSensorAlsoSelects", "typ0:a=0.0003:b=4000:sensor-ntc:0.05\n", {"select0"},
                 [](const ExperimentState& s) {
                     EXPECT_EQ(s.sensorname[0], "sensor-ntc");
                     EXPECT_EQ(s.ntc_a, 0.0003);
                 }},
        GoodCase{"Latin1NameArrivesAsUtf8", "typ5:i=273:k=1:Stromf\xFChler:0.1\n", {},
                 [](const ExperimentState& s) { EXPECT_EQ(s.sensorname[5], "Stromf\xC3\xBChler"); }},
        GoodCase{"ValueEndsAtASecondEquals", "warmup:a=yes=no:b=ja=yes\nbasic:u=6=9:x:t=30.5=1\n", {"show"},
                 [](const ExperimentState& s) {
                     EXPECT_EQ(s.eigenerwarmung, 0);
                     EXPECT_EQ(s.uquelle, 6);
                     EXPECT_EQ(s.tsoll, 30.5);
                 }},
        GoodCase{"BlanksInsideNumbersAndExtraFieldsIgnored", "typ3:r=1 0 00:a= 3.9 e0:pt 1000: 0.0 2:mehr:noch\n", {},
                 [](const ExperimentState& s) {
                     EXPECT_EQ(s.pt1000_r0, 1000);
                     EXPECT_EQ(s.pt1000_a, 3.9);
                     EXPECT_EQ(s.sensorname[3], "pt 1000");
                     EXPECT_EQ(s.toleranz[3], 0.02);
                 }},
        GoodCase{"RandomFormIgnoresAThirdPiece", "typ1:a=rand(2e-7,2e-7,9):b=rand((0.06),0.06)x:ptc:0.05\n", {},
                 [](const ExperimentState& s) {
                     EXPECT_EQ(s.ptc_a, 2e-7);
                     EXPECT_EQ(s.ptc_b, 0.06);
                 }},
        GoodCase{"BasicRandintWithEqualBounds", "basic:u=randint(7.4,7.4):x:t=randint(35,35)\n", {},
                 [](const ExperimentState& s) {
                     EXPECT_EQ(s.uquelle, 7);
                     EXPECT_EQ(s.tsoll, 35);
                     EXPECT_EQ(s.teta, 35);
                 }},
        GoodCase{"Latin1CapitalsKeepTheirCase", "typ4:x:y:\xC3\x80\xC3\x89\xC3\x9E\xC3\x97\xC3\x9F-DIODE:0.1\n", {},
                 [](const ExperimentState& s) {
                     EXPECT_EQ(s.sensorname[4], "\xC3\x80\xC3\x89\xC3\x9E\xC3\x97\xC3\x9F-DIODE");
                 }},
        GoodCase{"Utf8CapitalUmlautKeepsItsCase", "typ5:i=273:k=1:STROMF\xC3\x9CHLER:0.1\n", {},
                 [](const ExperimentState& s) { EXPECT_EQ(s.sensorname[5], "STROMF\xC3\x9CHLER"); }},
        // Keywords and "off" are still read without regard to case; only the name keeps it.
        GoodCase{"UpperCaseLineKeepsOnlyTheNamesCase", "SENSOR:NR=2:OFF\nTYP2:R0=110:A=0.4:Pt-F\xC3\xBChler:0.02\n",
                 {"hide", "select2"},
                 [](const ExperimentState& s) {
                     EXPECT_EQ(s.pt100_r0, 110);
                     EXPECT_EQ(s.sensorname[2], "Pt-F\xC3\xBChler");
                 }},
        GoodCase{"ProtokollOffHidesTheJournal", "\xEF\xBB\xBF Protokoll:OFF \nprotokoll:on\n", {"hideJournal"},
                 [](const ExperimentState& s) { EXPECT_EQ(s.uquelle, fresh().uquelle); }},
        // An older file may mention the word anywhere but at the start of a line.
        GoodCase{"RemarksNamingProtokollStayRemarks",
                 "Messprotokoll: off\nprotokoll off\n# protokoll:off\nwarmup:a=yes:b=no protokoll:off\n", {"show"},
                 [](const ExperimentState& s) { EXPECT_EQ(s.uquelle, fresh().uquelle); }},
        GoodCase{"CourseLinesKeepTheFolderAsWritten",
                 "Anmeldung:Pflicht\nvariante:schluessel=Physik\n ergebnisse :ordner= /srv/Kurs/Ergebnisse:A \n"
                 "pruefung:on\n",
                 {},
                 [](const ExperimentState& s) {
                     EXPECT_TRUE(s.course.anmeldung);
                     EXPECT_EQ(s.course.schluessel, "physik");
                     EXPECT_EQ(s.course.ergebnisse, "/srv/Kurs/Ergebnisse:A");
                     EXPECT_TRUE(s.course.pruefung);
                     EXPECT_EQ(s.course.stellen, 0);
                 }},
        GoodCase{"StellenAsksForThatManyDigits", "anmeldung:pflicht: Stellen = 7 \n", {},
                 [](const ExperimentState& s) {
                     EXPECT_TRUE(s.course.anmeldung);
                     EXPECT_EQ(s.course.stellen, 7);
                 }},
        // A folder named after a sensor once selected that sensor.
        GoodCase{"CourseLineIsThatLineAlone", "ergebnisse:ordner=/srv/sensor/typ1:off\nvariante:x=basic\n", {},
                 [](const ExperimentState& s) {
                     EXPECT_EQ(s.course.ergebnisse, "/srv/sensor/typ1:off");
                     EXPECT_EQ(s.course.schluessel, "basic");
                     EXPECT_EQ(s.ptc_a, fresh().ptc_a);
                 }},
        GoodCase{"RemarksNamingCourseWordsStayRemarks",
                 "Die ergebnisse kommen später\n# pruefung:on\nkeine anmeldung:pflicht\npruefung:off\n", {},
                 [](const ExperimentState& s) { EXPECT_FALSE(s.course.signInRequired()); }},
        GoodCase{"SpracheChoosesTheRunsLanguage", "\xEF\xBB\xBF Sprache:EN \nsprache:de\nsprache:en\n", {},
                 [](const ExperimentState& s) { EXPECT_EQ(s.sprache, "en"); }},
        GoodCase{"RemarksNamingSpracheStayRemarks", "Unterrichtssprache: en\n# sprache:en\nsprache en\n", {},
                 [](const ExperimentState& s) { EXPECT_EQ(s.sprache, ""); }},
        GoodCase{"LinesWithoutKeywordAreRemarks", "\nDies ist eine Bemerkung.\n\n", {},
                 [](const ExperimentState& s) { EXPECT_EQ(s.uquelle, fresh().uquelle); }}),
    [](const auto& info) { return std::string(info.param.name); });

// ---------------------------------------------------------------------------
// Lines that are not (fully) used: reported, unusable values not stored,
// earlier steps of the line kept.

struct BadCase {
    const char* name;
    std::string line;
    std::string reason; // a part of the reason the teacher reads
    Calls calls;
    std::function<void(const ExperimentState&)> check;
};

std::ostream& operator<<(std::ostream& os, const BadCase& c) { return os << c.name; }

class BadLines : public ::testing::TestWithParam<BadCase> {};

TEST_P(BadLines, ReportedAndTheRestIsRead)
{
    const auto& c = GetParam();
    // A good line after the bad one shows that reading goes on.
    Outcome r = runFile("rem\n" + c.line + "\ntyp4:x=1:y=2:weiter:0.5\n");
    ASSERT_EQ(r.problems.size(), 1u);
    EXPECT_EQ(r.problems[0].line, 2);
    EXPECT_NE(said(r.problems[0]).find(c.reason), std::string::npos) << said(r.problems[0]);
    EXPECT_EQ(r.target.calls, c.calls);
    EXPECT_EQ(r.s.sensorname[4], "weiter");
    c.check(r.s);
}

INSTANTIATE_TEST_SUITE_P(
    Config, BadLines,
    ::testing::Values(
        // A mistyped value is reported and the start value kept; it once
        // quietly became 0.
        BadCase{"MistypedVoltageIsReported", "basic:u=zwölf:x:t=25", "»zwölf« ist keine Zahl", {},
                [](const ExperimentState& s) {
                    EXPECT_EQ(s.uquelle, 10);
                    EXPECT_EQ(s.tsoll, 25);
                }},
        BadCase{"HidingWordKeepsTheChoiceVisible", "sensor:egal=3:aus", "nur »off« verbirgt die Auswahl", {"select3"},
                [](const ExperimentState& s) { EXPECT_EQ(s.sensortyp, 3); }},
        BadCase{"OffMustBeTheWholeField", "sensor:nr=1:off ", "nur »off« verbirgt", {"select1"},
                [](const ExperimentState& s) { EXPECT_EQ(s.sensortyp, 1); }},
        BadCase{"OffAsAValueDoesNotHide", "sensor:nr=2:nr=off", "nur »off« verbirgt", {"select2"},
                [](const ExperimentState& s) { EXPECT_EQ(s.sensortyp, 2); }},
        BadCase{"Typ5HasNoRandomForm", "typ5:i0=rand(270,280):k=2:strom:0.1", "keine Zufallsform", {},
                [](const ExperimentState& s) {
                    EXPECT_EQ(s.strom_i0, 273);
                    EXPECT_EQ(s.strom_k, 2);
                    EXPECT_EQ(s.sensorname[5], "strom");
                }},
        BadCase{"CommaEndsANumber", "typ6:k=5,5e-05:thermo:0,5",
                "\"typ6\": »5,5e-05« ist keine Zahl; Dezimalpunkt verwenden: 5.5e-05; "
                "\"typ6\": »0,5« ist keine Zahl; Dezimalpunkt verwenden: 0.5",
                {},
                [](const ExperimentState& s) {
                    EXPECT_EQ(s.thermo_k, fresh().thermo_k);
                    EXPECT_EQ(s.sensorname[6], "thermo");
                    EXPECT_EQ(s.toleranz[6], fresh().toleranz[6]);
                }},
        BadCase{"SensorRandFormIsNoRandintForm", "sensor:nr=rand(5,6):x", "»rand(5,6)« ist keine Zahl", {},
                [](const ExperimentState& s) { EXPECT_EQ(s.sensortyp, 0); }},
        BadCase{"BasicWithoutThirdField", "basic:u=12:t=22", "Feld 3 fehlt", {},
                [](const ExperimentState& s) {
                    EXPECT_EQ(s.uquelle, 12); // the first step stays
                    EXPECT_EQ(s.tsoll, 20);
                }},
        BadCase{"ValueWithoutEquals", "basic:u12:x:t=30", "\"=\"", {},
                [](const ExperimentState& s) {
                    EXPECT_EQ(s.uquelle, 10);
                    EXPECT_EQ(s.tsoll, 20);
                }},
        BadCase{"WarmupWithoutEquals", "warmup:yes:b=yes", "\"=\"", {},
                [](const ExperimentState& s) { EXPECT_EQ(s.eigenerwarmung, 0); }},
        BadCase{"SensorWithoutFieldTwo", "sensor:nr=3", "Feld 2 fehlt", {},
                [](const ExperimentState& s) { EXPECT_EQ(s.sensortyp, 0); }},
        BadCase{"ProtokollWithoutField1", "protokoll", "Feld 1 fehlt", {},
                [](const ExperimentState&) {}},
        BadCase{"ProtokollInGerman", "protokoll:aus", "off", {}, [](const ExperimentState&) {}},
        BadCase{"SpracheSpelledOut", "sprache:englisch", "de (Deutsch) oder en (Englisch) lauten, nicht \"englisch\"", {},
                [](const ExperimentState& s) { EXPECT_EQ(s.sprache, ""); }},
        // A binary file once put its NUL bytes into the reason, and so into the box.
        BadCase{"ProtokollValueWithControlCharacters", std::string("protokoll:o=\0\x1b", 14),
                "nicht \"o=\xEF\xBF\xBD\xEF\xBF\xBD\"", {}, [](const ExperimentState&) {}},
        // A fuzz run found a course line's control character in its reason.
        BadCase{"PruefungValueWithControlCharacters", "pruefung:o\x0e", "nicht \"o\xEF\xBF\xBD\"", {},
                [](const ExperimentState& s) { EXPECT_FALSE(s.course.pruefung); }},
        BadCase{"AnmeldungOtherThanPflicht", "anmeldung:ja", "pflicht", {},
                [](const ExperimentState& s) { EXPECT_FALSE(s.course.anmeldung); }},
        BadCase{"AnmeldungWithoutField1", "anmeldung", "Feld 1 fehlt", {}, [](const ExperimentState&) {}},
        BadCase{"StellenInWords", "anmeldung:pflicht:stellen=sieben", "Feld 2 muss stellen=", {},
                [](const ExperimentState& s) { EXPECT_EQ(s.course.stellen, 0); }},
        BadCase{"StellenBeyondTwenty", "anmeldung:pflicht:stellen=21", "nicht \"stellen=21\"", {},
                [](const ExperimentState& s) { EXPECT_EQ(s.course.stellen, 0); }},
        BadCase{"VarianteWithoutKey", "variante:schluessel= ", "Schlüsselwort", {},
                [](const ExperimentState& s) { EXPECT_TRUE(s.course.schluessel.empty()); }},
        BadCase{"ErgebnisseWithoutEquals", "ergebnisse:/srv/kurs", "\"=\"", {},
                [](const ExperimentState& s) { EXPECT_TRUE(s.course.ergebnisse.empty()); }},
        BadCase{"PruefungInGerman", "pruefung:ein", "on", {},
                [](const ExperimentState& s) { EXPECT_FALSE(s.course.pruefung); }},
        BadCase{"RemarkNamingAKeyword", "Die alten basic Werte", "Feld 1 fehlt", {},
                [](const ExperimentState& s) { EXPECT_EQ(s.uquelle, 10); }},
        BadCase{"Typ2WithoutNameKeepsItsParameters", "typ2:r=110:a=0.4", "Feld 3 fehlt", {},
                [](const ExperimentState& s) {
                    EXPECT_EQ(s.pt100_r0, 110);
                    EXPECT_EQ(s.pt100_a, 0.4);
                    EXPECT_EQ(s.sensorname[2], "Pt 100");
                }},
        BadCase{"Typ5WithoutToleranceKeepsItsValues", "typ5:i=250:k=2:strom", "Feld 4 fehlt", {},
                [](const ExperimentState& s) {
                    EXPECT_EQ(s.strom_i0, 250);
                    EXPECT_EQ(s.strom_k, 2);
                    EXPECT_EQ(s.sensorname[5], "strom");
                    EXPECT_EQ(s.toleranz[5], 0.01);
                }},
        BadCase{"WarmupSecondValueWithoutEquals", "warmup:a=yes:ein", "\"=\"", {"show"},
                [](const ExperimentState& s) { EXPECT_EQ(s.eigenerwarmung, 0); }},
        BadCase{"RandomFormWithoutComma", "sensor:nr=randint(2 4):x", "Komma", {},
                [](const ExperimentState& s) { EXPECT_EQ(s.sensortyp, 0); }},
        BadCase{"SensorIndexSeven", "sensor:nr=7:x", "zwischen 0 und 6", {},
                [](const ExperimentState& s) { EXPECT_EQ(s.sensortyp, 0); }},
        BadCase{"NegativeIndexStillHides", "sensor:nr=-1:off", "zwischen 0 und 6", {"hide"},
                [](const ExperimentState& s) { EXPECT_EQ(s.sensortyp, 0); }},
        BadCase{"IndexSixAndAHalfRoundsToSeven", "sensor:nr=6.6:x", "zwischen 0 und 6", {},
                [](const ExperimentState& s) { EXPECT_EQ(s.sensortyp, 0); }},
        BadCase{"VoltageAboveTheSource", "basic:u=30:x:t=30", "Quellenspannung", {},
                [](const ExperimentState& s) {
                    EXPECT_EQ(s.uquelle, 10);
                    EXPECT_EQ(s.tsoll, 20);
                }},
        BadCase{"VoltageBeyondSixteenBits", "basic:u=70000:x:t=30", "Quellenspannung", {},
                [](const ExperimentState& s) { EXPECT_EQ(s.uquelle, 10); }},
        BadCase{"AbsoluteZeroThermostat", "basic:u=5:x:t=-273", "Thermostattemperatur", {},
                [](const ExperimentState& s) {
                    EXPECT_EQ(s.uquelle, 5);
                    EXPECT_EQ(s.tsoll, 20);
                    EXPECT_EQ(s.teta, 20);
                }},
        BadCase{"ThermostatAboveHundred", "basic:u=5:x:t=randint(101,120)", "Thermostattemperatur", {},
                [](const ExperimentState& s) { EXPECT_EQ(s.tsoll, 20); }},
        BadCase{"ZeroPt100R0", "typ2:r0=0:a=0.4:pt:0.02", "R0", {},
                [](const ExperimentState& s) {
                    EXPECT_EQ(s.pt100_r0, 100);
                    EXPECT_EQ(s.pt100_a, fresh().pt100_a);
                    EXPECT_EQ(s.sensorname[2], fresh().sensorname[2]);
                }},
        BadCase{"ZeroPt1000R0", "typ3:r0=0:a=4:pt:0.02", "R0", {},
                [](const ExperimentState& s) { EXPECT_EQ(s.pt1000_r0, 1000); }},
        BadCase{"ZeroNtcB", "typ0:a=0.0003:b=0:n:0.1", "B = 0", {},
                [](const ExperimentState& s) {
                    EXPECT_EQ(s.ntc_a, 0.0003); // the first step stays
                    EXPECT_EQ(s.ntc_b, 5000);
                }},
        BadCase{"ZeroPtcB", "typ1:a=1e-7:b=0:p:0.1", "b = 0", {},
                [](const ExperimentState& s) { EXPECT_EQ(s.ptc_b, fresh().ptc_b); }},
        BadCase{"PtcExponentialOverflows", "typ1:a=1e-7:b=5:p:0.1", "unendlich", {},
                [](const ExperimentState& s) { EXPECT_EQ(s.ptc_b, fresh().ptc_b); }},
        BadCase{"NtcExponentialOverflows", "typ0:a=1:b=1e6:n:0.1", "unendlich", {},
                [](const ExperimentState& s) {
                    EXPECT_EQ(s.ntc_a, 1);
                    EXPECT_EQ(s.ntc_b, 5000);
                }},
        BadCase{"NumberTooLarge", "typ6:k=1e999:t:0.1", "zu groß", {},
                [](const ExperimentState& s) { EXPECT_EQ(s.thermo_k, fresh().thermo_k); }},
        BadCase{"Typ6WithoutTolerance", "typ6:k=6e-05:thermo", "Feld 3 fehlt", {},
                [](const ExperimentState& s) {
                    EXPECT_EQ(s.thermo_k, 6e-05);
                    EXPECT_EQ(s.sensorname[6], "thermo");
                }}),
    [](const auto& info) { return std::string(info.param.name); });

// ---------------------------------------------------------------------------
// A teacher's slips: each with the line the teacher reads (from the start-up
// reading, or as the check's hint), the value that stays, and the check's
// exit status. They all once passed as "enthält keine Fehler".

struct Slip {
    const char* name;
    std::string line;
    std::string told; // "" when nothing is said
    int status;       // of kora --check-config
    Calls calls;
    std::function<void(const ExperimentState&)> check;
};

std::ostream& operator<<(std::ostream& os, const Slip& c) { return os << c.name; }

class Slips : public ::testing::TestWithParam<Slip> {};

TEST_P(Slips, ToldStoredAndChecked)
{
    const auto& c = GetParam();
    Folder f;
    f.write(c.line + "\n");
    Outcome r;
    startValues(r.s);
    model::Class1 random;
    read(r, f, random);
    const model::ConfigCheck check = model::checkConfig(f.path() + "/cmmup.dlx", "cmmup.dlx");
    EXPECT_EQ(check.status, c.status);
    std::vector<std::string> told;
    for (const auto& p : r.problems)
        told.push_back(said(p));
    // A hint is the check's alone: at the start the line stays a remark.
    for (const auto& h : check.hints)
        told.push_back(configreport::reasonText(h.reasons.at(0)).toStdString());
    EXPECT_EQ(told, c.told.empty() ? std::vector<std::string>{} : std::vector<std::string>{c.told});
    EXPECT_EQ(check.problems.size(), r.problems.size());
    EXPECT_EQ(r.target.calls, c.calls);
    c.check(r.s);
}

std::string typ0(const std::string& a, const std::string& tol)
{
    return "typ0:a=" + a + ":b=5000:NTC-Widerstand:" + tol;
}

INSTANTIATE_TEST_SUITE_P(
    Config, Slips,
    ::testing::Values(
        Slip{"DecimalCommaInAParameter", typ0("0,0004", "0.05"),
             "Zeile 1: " + typ0("0,0004", "0.05") + " – \"typ0\": »0,0004« ist keine Zahl; Dezimalpunkt verwenden: 0.0004",
             1, {},
             [](const ExperimentState& s) {
                 EXPECT_EQ(s.ntc_a, 0.000357);
                 EXPECT_EQ(s.ntc_b, 5000);
                 EXPECT_EQ(s.toleranz[0], 0.05);
             }},
        Slip{"DecimalCommaInTheVoltage", "basic:u=12,5:x:t=30",
             "Zeile 1: basic:u=12,5:x:t=30 – \"basic\": »12,5« ist keine Zahl; Dezimalpunkt verwenden: 12.5", 1, {},
             [](const ExperimentState& s) {
                 EXPECT_EQ(s.uquelle, 10);
                 EXPECT_EQ(s.tsoll, 30);
             }},
        Slip{"UnitAfterTheVoltage", "basic:u=12 V:x:t=30",
             "Zeile 1: basic:u=12 V:x:t=30 – \"basic\": in »12 V« steht Text nach der Zahl; verwendet wird 12", 1, {},
             [](const ExperimentState& s) { EXPECT_EQ(s.uquelle, 12); }},
        Slip{"UnitGluedToTheTemperature", "basic:u=12:x:t=30°C",
             "Zeile 1: basic:u=12:x:t=30°C – \"basic\": in »30°C« steht Text nach der Zahl; verwendet wird 30", 1, {},
             [](const ExperimentState& s) { EXPECT_EQ(s.tsoll, 30); }},
        Slip{"LetterAfterAParameter", "typ6:k=4e-05k:Thermoelement:0.03",
             "Zeile 1: typ6:k=4e-05k:Thermoelement:0.03 – \"typ6\": in »4e-05k« steht Text nach der Zahl; verwendet "
             "wird 4E-05",
             1, {}, [](const ExperimentState& s) { EXPECT_EQ(s.thermo_k, 4e-05); }},
        Slip{"BlanksAroundNumbersAreFine", "basic:u= 12 :x:t= 30 ", "", 0, {},
             [](const ExperimentState& s) {
                 EXPECT_EQ(s.uquelle, 12);
                 EXPECT_EQ(s.tsoll, 30);
             }},
        Slip{"PlaceholderFieldsStaySilent", "typ4:x:y:Diode:0.1", "", 0, {},
             [](const ExperimentState& s) { EXPECT_EQ(s.toleranz[4], 0.1); }},
        Slip{"ToleranceInPercent", typ0("0.0004", "5%"),
             "Zeile 1: " + typ0("0.0004", "5%") + " – \"typ0\": Toleranz ist ein Anteil: 0.05 bedeutet 5 %", 1, {},
             [](const ExperimentState& s) {
                 EXPECT_EQ(s.ntc_a, 0.0004);
                 EXPECT_EQ(s.toleranz[0], 0.05);
             }},
        Slip{"ToleranceAsWholePercent", "typ2:r0=100:a=0.385:Pt 100:5",
             "Zeile 1: typ2:r0=100:a=0.385:Pt 100:5 – \"typ2\": Toleranz ist ein Anteil: 0.05 bedeutet 5 %", 1, {},
             [](const ExperimentState& s) { EXPECT_EQ(s.toleranz[2], 0.01); }},
        Slip{"ToleranceOfOne", "typ4:x:y:Diode:1",
             "Zeile 1: typ4:x:y:Diode:1 – \"typ4\": Toleranz ist ein Anteil: 0.05 bedeutet 5 %", 1, {},
             [](const ExperimentState& s) { EXPECT_EQ(s.toleranz[4], 0.1); }},
        Slip{"ToleranceWithDecimalComma", "typ4:x:y:Diode:0,2",
             "Zeile 1: typ4:x:y:Diode:0,2 – \"typ4\": »0,2« ist keine Zahl; Dezimalpunkt verwenden: 0.2", 1, {},
             [](const ExperimentState& s) { EXPECT_EQ(s.toleranz[4], 0.1); }},
        Slip{"RandomFormOnTheCurrentSensor", "typ5:i0=rand(1,2):k=1:Stromfühler:0.01",
             "Zeile 1: typ5:i0=rand(1,2):k=1:Stromfühler:0.01 – \"typ5\": diese Zeile kennt keine Zufallsform; der Wert "
             "wurde nicht übernommen",
             1, {}, [](const ExperimentState& s) { EXPECT_EQ(s.strom_i0, 273); }},
        Slip{"AusDoesNotHide", "sensor:nr=3:aus",
             "Zeile 1: sensor:nr=3:aus – \"sensor\": nur »off« verbirgt die Auswahl", 1, {"select3"},
             [](const ExperimentState& s) { EXPECT_EQ(s.sensortyp, 3); }},
        Slip{"OfDoesNotHide", "sensor:nr=3:of", "Zeile 1: sensor:nr=3:of – \"sensor\": nur »off« verbirgt die Auswahl",
             1, {"select3"}, [](const ExperimentState&) {}},
        Slip{"HideDoesNotHide", "Sensor:nr=3:Hide",
             "Zeile 1: Sensor:nr=3:Hide – \"sensor\": nur »off« verbirgt die Auswahl", 1, {"select3"},
             [](const ExperimentState&) {}},
        Slip{"MistypedKeywordIsAHint", "sensr:nr=3:off", "Zeile 1 ist eine Bemerkung; meinten Sie »sensor«?", 0, {},
             [](const ExperimentState& s) { EXPECT_EQ(s.sensortyp, 0); }},
        Slip{"MistypedTypLineIsAHint", "typ7:a=1:b=2:x:0.1", "Zeile 1 ist eine Bemerkung; meinten Sie »typ0«?", 0, {},
             [](const ExperimentState&) {}},
        // A course line one letter off did nothing at all: the check fails.
        Slip{"VariantenIsAnError", "varianten:schluessel=x", "Zeile 1 ist eine Bemerkung; meinten Sie »variante«?", 1,
             {}, [](const ExperimentState& s) { EXPECT_TRUE(s.course.schluessel.empty()); }},
        Slip{"AnmeldungenIsAnError", "anmeldungen:pflicht", "Zeile 1 ist eine Bemerkung; meinten Sie »anmeldung«?",
             1, {}, [](const ExperimentState& s) { EXPECT_FALSE(s.course.anmeldung); }},
        Slip{"ErgebnissIsAnError", "ergebniss:ordner=abgabe", "Zeile 1 ist eine Bemerkung; meinten Sie »ergebnisse«?",
             1, {}, [](const ExperimentState& s) { EXPECT_TRUE(s.course.ergebnisse.empty()); }},
        Slip{"PruefungenIsAnError", "pruefungen:on", "Zeile 1 ist eine Bemerkung; meinten Sie »pruefung«?", 1, {},
             [](const ExperimentState& s) { EXPECT_FALSE(s.course.pruefung); }},
        Slip{"SprachenIsAnError", "sprachen:en", "Zeile 1 ist eine Bemerkung; meinten Sie »sprache«?", 1, {},
             [](const ExperimentState& s) { EXPECT_EQ(s.sprache, ""); }},
        Slip{"ProseAfterANearWordIsNoHint", "Anmerkung: Diese Datei gilt für Kurs A", "", 0, {},
             [](const ExperimentState&) {}},
        Slip{"RemarkWithAColonIsNoHint", "Hinweis: die Werte a=1 gelten", "", 0, {}, [](const ExperimentState&) {}},
        Slip{"NameKeepsItsCase", typ0("0.0004", "0.05"), "", 0, {},
             [](const ExperimentState& s) { EXPECT_EQ(s.sensorname[0], "NTC-Widerstand"); }}),
    [](const auto& info) { return std::string(info.param.name); });

// The results folder as the teacher's account finds it: a folder that is
// missing or no folder fails the check; a good one is left as it was, the
// check's trial file gone again.
TEST(Config, ResultFolderAsTheTeachersAccountFindsIt)
{
    using State = model::ConfigCheck::ResultFolder;
    const std::pair<const char*, State> rows[] = {
        {"abgabe", State::Fine}, {"datei", State::NotAFolder}, {"fehlt", State::Missing}};
    for (const auto& [name, state] : rows) {
        Folder f;
        std::filesystem::create_directory(std::filesystem::path(f.path()) / "abgabe");
        std::ofstream(std::filesystem::path(f.path()) / "datei") << "x";
        f.write(std::string("ergebnisse:ordner=") + name + "\n");
        const model::ConfigCheck check = model::checkConfig(f.path() + "/cmmup.dlx", "cmmup.dlx");
        EXPECT_EQ(check.resultFolder, state) << name;
        EXPECT_EQ(check.status, state == State::Fine ? 0 : 1) << name;
        EXPECT_TRUE(std::filesystem::is_empty(std::filesystem::path(f.path()) / "abgabe")) << name;
    }
}

TEST(Config, SeveralBadLinesEachReportedInFileOrder)
{
    Outcome r = runFile("sensor:nr=9:x\nbasic:u=3:x:t=50\nBASIC:U=99:X:T=50\n");
    ASSERT_EQ(r.problems.size(), 2u);
    EXPECT_EQ(r.problems[0].line, 1);
    EXPECT_EQ(r.problems[1].line, 3);
    EXPECT_EQ(r.problems[1].text, "BASIC:U=99:X:T=50"); // as the teacher wrote it
    EXPECT_EQ(r.s.uquelle, 3);
    EXPECT_EQ(r.s.tsoll, 50);
}

TEST(Config, LineNumbersCountEveryKindOfLineEnd)
{
    Outcome r = runFile("rem\r\nrem\rrem\nsensor:nr=9:x\r");
    ASSERT_EQ(r.problems.size(), 1u);
    EXPECT_EQ(r.problems[0].line, 4);
    EXPECT_EQ(r.problems[0].text, "sensor:nr=9:x");
}

TEST(Config, MissingFileChangesNothing)
{
    Folder f;
    Outcome r;
    startValues(r.s);
    model::Class1 random;
    read(r, f, random);
    EXPECT_TRUE(r.problems.empty());
    EXPECT_TRUE(r.target.calls.empty());
    EXPECT_EQ(r.s.uquelle, fresh().uquelle);
}

// ---------------------------------------------------------------------------
// What kind of thing cmmup.dlx is, and how much of it is read. Each case runs
// under a watchdog, so a reader that waits on a pipe or reads a device
// without end fails at once instead of hanging, and its peak memory is
// compared with the peak before.

struct FileCase {
    const char* name;
    std::function<void(const std::filesystem::path& file)> make;
    std::vector<std::string> report; // problemLine() of each problem
    std::int16_t uquelle;            // what the basic lines left
};

std::ostream& operator<<(std::ostream& os, const FileCase& c) { return os << c.name; }

class FileKinds : public ::testing::TestWithParam<FileCase> {};

long peakKb()
{
    rusage u{};
    getrusage(RUSAGE_SELF, &u);
    return u.ru_maxrss;
}

void guarded(const std::function<void()>& work)
{
    std::promise<void> done;
    auto finished = done.get_future();
    std::thread t([&] {
        work();
        done.set_value();
    });
    if (finished.wait_for(std::chrono::seconds(5)) != std::future_status::ready) {
        ADD_FAILURE() << "the reader does not come back";
        std::fflush(nullptr);
        std::_Exit(1);
    }
    t.join();
}

void writeAt(const std::filesystem::path& file, const std::string& content, off_t at = 0)
{
    const int fd = ::open(file.c_str(), O_WRONLY | O_CREAT, 0644);
    ASSERT_GE(fd, 0);
    ASSERT_EQ(::pwrite(fd, content.data(), content.size(), at), static_cast<ssize_t>(content.size()));
    ::close(fd);
}

std::string repeated(const std::string& s, std::size_t n)
{
    std::string out;
    out.reserve(s.size() * n);
    for (std::size_t i = 0; i < n; ++i)
        out += s;
    return out;
}

TEST_P(FileKinds, ReportedAtOnceAndReadWithinTheLimits)
{
    const auto& c = GetParam();
    Folder f;
    const std::filesystem::path file = std::filesystem::path(f.path()) / "cmmup.dlx";
    c.make(file);
    Outcome r;
    startValues(r.s);
    model::Class1 random;
    const long before = peakKb();
    guarded([&] { read(r, f, random); });
    EXPECT_LT(peakKb() - before, 64 * 1024) << "kB more at the peak";
    std::vector<std::string> report;
    for (const auto& p : r.problems)
        report.push_back(said(p));
    EXPECT_EQ(report, c.report);
    EXPECT_EQ(r.s.uquelle, c.uquelle);
}

const std::string notRegular = "Die Datei cmmup.dlx ist keine gewöhnliche Datei.";
const std::string good = "basic:u=5:x:t=30\n"; // 17 bytes
const std::string later = "basic:u=7:x:t=40\n";
const std::string tooLarge = "die Datei ist größer als 1 MiB; ab hier wurde sie nicht gelesen";
// 1023 lines of 1024 bytes each.
const std::string kibLines = repeated(std::string(1023, 'x') + "\n", 1023);
// 1026 lines, exactly 1 MiB: the good line, 1024 lines of filler, the later line.
const std::string oneMiB = good + kibLines + std::string(989, 'x') + "\n" + later;

INSTANTIATE_TEST_SUITE_P(
    Config, FileKinds,
    ::testing::Values(
        FileCase{"Directory", [](const auto& p) { std::filesystem::create_directory(p); }, {notRegular}, 10},
        FileCase{"NamedPipe", [](const auto& p) { ASSERT_EQ(::mkfifo(p.c_str(), 0644), 0); }, {notRegular}, 10},
        FileCase{"LinkToDevZero", [](const auto& p) { std::filesystem::create_symlink("/dev/zero", p); },
                 {notRegular}, 10},
        FileCase{"Socket",
                 [](const auto& p) {
                     sockaddr_un a{};
                     a.sun_family = AF_UNIX;
                     ASSERT_LT(p.string().size(), sizeof a.sun_path);
                     std::strcpy(a.sun_path, p.c_str());
                     const int s = ::socket(AF_UNIX, SOCK_STREAM, 0);
                     ASSERT_EQ(::bind(s, reinterpret_cast<sockaddr*>(&a), sizeof a), 0);
                     ::close(s);
                 },
                 {notRegular}, 10},
        FileCase{"LinkToRegularFileIsRead",
                 [](const auto& p) {
                     writeAt(p.parent_path() / "echt.dlx", good);
                     std::filesystem::create_symlink("echt.dlx", p);
                 },
                 {}, 5},
        FileCase{"LinkLeadingNowhere", [](const auto& p) { std::filesystem::create_symlink("fehlt.dlx", p); },
                 {"Die Datei cmmup.dlx ist vorhanden, lässt sich aber nicht lesen."}, 10},
        FileCase{"LineOf4096BytesIsRead",
                 [](const auto& p) { writeAt(p, "basic:u=5:x:t=30:" + std::string(4096 - 17, 'x') + "\n"); }, {}, 5},
        FileCase{"LongerLineEndsTheReading",
                 [](const auto& p) { writeAt(p, good + "rem " + std::string(4093, 'x') + "\r\n" + later); },
                 {"Zeile 2: rem " + std::string(36, 'x') +
                  "… – die Zeile ist länger als 4096 Bytes; ab hier wurde die Datei nicht gelesen"},
                 5},
        // 4 GiB that take no disk: only the first MiB is read, and the
        // line that the limit cuts (line 1025, bytes 1047569 to 1049568) is
        // not used.
        FileCase{"SparseFileOfFourGiB",
                 [](const auto& p) {
                     writeAt(p, good + kibLines + std::string(1999, 'x') + "\n" + later);
                     writeAt(p, later, 2 << 20);
                     ASSERT_EQ(::truncate(p.c_str(), off_t{4} << 30), 0);
                 },
                 {"Zeile 1025: " + std::string(40, 'x') + "… – " + tooLarge}, 5},
        FileCase{"ExactlyOneMiBIsRead", [](const auto& p) { writeAt(p, oneMiB); }, {}, 7},
        FileCase{"OneByteMoreIsReportedAtTheNextLine", [](const auto& p) { writeAt(p, oneMiB + "\n"); },
                 {"Zeile 1027: " + tooLarge}, 7},
        FileCase{"ThousandUnusableLinesEndTheReading", [](const auto& p) { writeAt(p, repeated("basic\n", 1001) + good); },
                 [] {
                     std::vector<std::string> r(1000, "");
                     for (int i = 0; i < 1000; ++i)
                         r[i] = "Zeile " + std::to_string(i + 1) +
                                ": basic – \"basic\": Feld 1 fehlt (Felder werden durch \":\" getrennt)";
                     r.push_back("Zeile 1001: schon 1000 Zeilen waren nicht verwendbar; ab hier wurde die Datei nicht "
                                 "gelesen");
                     return r;
                 }(),
                 10},
        FileCase{"BinaryBytesNeverReachTheReport",
                 [](const auto& p) { writeAt(p, std::string("sensor:nr=9\0\x1b\x9b:x\n", 18) + good); },
                 {"Zeile 1: sensor:nr=9\xEF\xBF\xBD\xEF\xBF\xBD\xEF\xBF\xBD:x – \"sensor\": in "
                  "»9\xEF\xBF\xBD\xEF\xBF\xBD\xEF\xBF\xBD« steht Text nach der Zahl; verwendet wird 9; \"sensor\": die "
                  "Sensornummer 9 liegt nicht zwischen 0 und 6"},
                 5}),
    [](const auto& info) { return std::string(info.param.name); });

// ---------------------------------------------------------------------------
// Random draws.

TEST(Config, SensorRandint2To4FavoursTheMiddle)
{
    Folder f;
    f.write("sensor:nr=randint(2,4):x\n");
    model::Class1 random;
    std::map<int, int> count;
    const int n = 2000;
    for (int i = 0; i < n; ++i) {
        Outcome r;
        read(r, f, random);
        ASSERT_EQ(r.target.calls.size(), 1u);
        EXPECT_EQ(r.target.calls[0], "select" + std::to_string(r.s.sensortyp));
        ++count[r.s.sensortyp];
    }
    EXPECT_EQ(count.size(), 3u);
    EXPECT_NEAR(count[2], n / 4, 120);
    EXPECT_NEAR(count[3], n / 2, 150);
    EXPECT_NEAR(count[4], n / 4, 120);
}

TEST(Random, RandintZeroToSixEndsHalfAsOften)
{
    model::Class1 random;
    const int n = 6000;
    std::array<int, 7> count{};
    int run = 1;
    int longest = 1;
    double last = -1;
    for (int i = 0; i < n; ++i) {
        const double v = random.RANDINT(0, 6);
        ASSERT_EQ(v, std::floor(v));
        ASSERT_GE(v, 0);
        ASSERT_LE(v, 6);
        ++count[static_cast<std::size_t>(v)];
        run = v == last ? run + 1 : 1;
        longest = std::max(longest, run);
        last = v;
    }
    // Expected 500 at the ends, 1000 inside; a truncating draw would give
    // about 857 each and 0 for the 6, a plain rounding the same shape too,
    // but half-up would shift weight, so check every value.
    EXPECT_NEAR(count[0], 500, 150);
    EXPECT_NEAR(count[6], 500, 150);
    for (std::size_t k = 1; k <= 5; ++k)
        EXPECT_NEAR(count[k], 1000, 200) << k;
    // A seed that repeats between quick calls shows as long runs.
    EXPECT_LT(longest, 12);
}

TEST(Random, RandStaysWithinItsBounds)
{
    model::Class1 random;
    for (int i = 0; i < 500; ++i) {
        const double up = random.RAND(1, 2);
        EXPECT_GE(up, 1);
        EXPECT_LT(up, 2);
        const double down = random.RAND(2, 1);
        EXPECT_GT(down, 1);
        EXPECT_LE(down, 2);
    }
    EXPECT_EQ(random.RAND(3, 3), 3);
}

} // namespace
