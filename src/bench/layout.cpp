#include "bench/layout.h"

#include <QCoreApplication>
#include <QPainter>
#include <QStringList>

#include <algorithm>
#include <array>

namespace bench {

using ui::ControlSpec;
using ui::Face;
using ui::Kind;

namespace {

constexpr ui::FontSpec sansBold975{Face::Sans, 9.75, true};
constexpr ui::FontSpec sansBold825{Face::Sans, 8.25, true};

// name, kind, left, top, width, height, text, font, parent, visible, accessible name, tooltip
const std::array<ControlSpec, 25> rows = {{
    {"ToggleButton1",
     Kind::Toggle,
     8640,
     5355,
     2130,
     600,
     QT_TRANSLATE_NOOP("bench::Formexp", "Eigenerwärmung ausgeschaltet"),
     {Face::Sans, 8.25, false},
     nullptr,
     false,
     QT_TRANSLATE_NOOP("bench::Formexp", "Eigenerwärmung")},
    {"Image1",
     Kind::ImageStretched,
     360,
     1710,
     7800,
     6090,
     ":/circuit.svg",
     {},
     nullptr,
     true,
     QT_TRANSLATE_NOOP("bench::Formexp", "Schaltung")},
    {"LabelR", Kind::Label, 3285, 2610, 1050, 285, "10 kOhm", sansBold975, nullptr, true,
     QT_TRANSLATE_NOOP("bench::Formexp", "Vorwiderstand")},
    {"LabelV", Kind::Label, 1125, 2835, 555, 285, "10 V", sansBold975, nullptr, true,
     QT_TRANSLATE_NOOP("bench::Formexp", "Quellspannung")},
    {"LabelT", Kind::Label, 2295, 4725, 510, 285, "20 °C", sansBold975, nullptr, true,
     QT_TRANSLATE_NOOP("bench::Formexp", "Solltemperatur")},
    {"Labelanz",
     Kind::Label,
     6165,
     3105,
     1635,
     375,
     "0,0000",
     {Face::Sans, 14.25, true},
     nullptr,
     true,
     QT_TRANSLATE_NOOP("bench::Formexp", "Voltmeter")},
    {"Labelsenstemp", Kind::Label, 3060, 5265, 780, 240, "20 °C", sansBold825, nullptr, true,
     QT_TRANSLATE_NOOP("bench::Formexp", "Sensortemperatur")},
    {"Picture2",
     Kind::Surface,
     2070,
     2205,
     420,
     555,
     "",
     {},
     nullptr,
     true,
     QT_TRANSLATE_NOOP("bench::Formexp", "Überbrückungsschalter"),
     QT_TRANSLATE_NOOP("bench::Formexp", "Vorwiderstand überbrücken")},
    {"Command1",
     Kind::Button,
     495,
     7110,
     1365,
     420,
     QT_TRANSLATE_NOOP("bench::Formexp", "Auswertung"),
     {Face::Sans, 9.75, true},
     nullptr,
     true,
     QT_TRANSLATE_NOOP("bench::Formexp", "Auswertung")},
    // The journal's two buttons, in the free strip right of "Auswertung" below the drawing.
    {"Commandmessen",
     Kind::Button,
     2040,
     7110,
     2370,
     420,
     QT_TRANSLATE_NOOP("bench::Formexp", "Messwert übernehmen"),
     {Face::Sans, 9.75, true},
     nullptr,
     true,
     QT_TRANSLATE_NOOP("bench::Formexp", "Messwert übernehmen"),
     QT_TRANSLATE_NOOP("bench::Formexp", "Den angezeigten Messwert ins Messprotokoll übernehmen (Strg+M)")},
    {"Commandprotokoll",
     Kind::Button,
     4590,
     7110,
     1770,
     420,
     QT_TRANSLATE_NOOP("bench::Formexp", "Messprotokoll"),
     {Face::Sans, 9.75, true},
     nullptr,
     true,
     QT_TRANSLATE_NOOP("bench::Formexp", "Messprotokoll"),
     QT_TRANSLATE_NOOP("bench::Formexp", "Das Messprotokoll mit Tabelle und Diagrammen zeigen")},
    {"UpDownR",
     Kind::UpDownV,
     4410,
     2610,
     195,
     330,
     "",
     {},
     nullptr,
     true,
     QT_TRANSLATE_NOOP("bench::Formexp", "Vorwiderstand einstellen"),
     QT_TRANSLATE_NOOP("bench::Formexp", "Vorwiderstand einstellen")},
    {"UpDownV",
     Kind::UpDownV,
     1755,
     2790,
     195,
     330,
     "",
     {},
     nullptr,
     true,
     QT_TRANSLATE_NOOP("bench::Formexp", "Quellspannung einstellen"),
     QT_TRANSLATE_NOOP("bench::Formexp", "Spannung einstellen")},
    {"UpDownT",
     Kind::UpDownH,
     1710,
     5040,
     1005,
     195,
     "",
     {},
     nullptr,
     true,
     QT_TRANSLATE_NOOP("bench::Formexp", "Solltemperatur einstellen"),
     QT_TRANSLATE_NOOP("bench::Formexp", "Temperatur einstellen")},
    {"UpDownVoltmeter",
     Kind::UpDownH,
     6435,
     4005,
     1230,
     150,
     "",
     {},
     nullptr,
     true,
     QT_TRANSLATE_NOOP("bench::Formexp", "Messbereich"),
     QT_TRANSLATE_NOOP("bench::Formexp", "Messbereich")},
    {"Framesensor",
     Kind::Frame,
     8685,
     1620,
     2085,
     3255,
     "",
     {},
     nullptr,
     true,
     QT_TRANSLATE_NOOP("bench::Formexp", "Sensorauswahl")},
    {"Option1_0", Kind::Option, 135, 405, 1455, 285, "Sensor 1", sansBold975, "Framesensor", true,
     "Sensor 1"},
    {"Option1_1", Kind::Option, 135, 765, 1455, 285, "Sensor 2", sansBold975, "Framesensor", true,
     "Sensor 2"},
    {"Option1_2", Kind::Option, 135, 1125, 1455, 285, "Sensor 3", sansBold975, "Framesensor", true,
     "Sensor 3"},
    {"Option1_3", Kind::Option, 135, 1485, 1455, 285, "Sensor 4", sansBold975, "Framesensor", true,
     "Sensor 4"},
    {"Option1_4", Kind::Option, 135, 1845, 1455, 285, "Sensor 5", sansBold975, "Framesensor", true,
     "Sensor 5"},
    {"Option1_5", Kind::Option, 135, 2205, 1455, 285, "Sensor 6", sansBold975, "Framesensor", true,
     "Sensor 6"},
    {"Option1_6", Kind::Option, 135, 2565, 1455, 285, "Sensor 7", sansBold975, "Framesensor", true,
     "Sensor 7"},
    {"Frame1", Kind::Panel, 8550, 1575, 2220, 4425, "", {}, nullptr, true},
    {"Picture1",
     Kind::Surface,
     180,
     0,
     10065,
     7605,
     "",
     {},
     nullptr,
     true,
     QT_TRANSLATE_NOOP("bench::Formexp", "Aufgabenstellung"),
     QT_TRANSLATE_NOOP("bench::Formexp",
                       "Klicken Sie auf die Aufgabenstellung, um das Experiment zu beginnen")},
}};

struct PageLine {
    int top;  // twips from the page top
    int left; // twips from the page's left edge
    double points;
    bool red;
    const char* text;
};

// The assignment, in Times New Roman bold; items open with a hyphen at the
// margin, their continuation lines are indented by two blanks.
constexpr int margin = 300;
const std::array<PageLine, 24> page = {{
    {0, 700, 16, true, QT_TRANSLATE_NOOP("TaskPage", "Virtuelles Experiment „Aktive und passive Zweipole")},
    {370, 3014, 16, true, QT_TRANSLATE_NOOP("TaskPage", "als Temperatursensoren“")},
    {739, margin, 14, false, QT_TRANSLATE_NOOP("TaskPage", "Aufgabenstellung:")},
    {1056, margin, 11, false,
     QT_TRANSLATE_NOOP("TaskPage",
                       "-Ermitteln Sie für den angegebenen oder voreingestellten Sensor den Zusammenhang")},
    {1306, margin, 11, false,
     QT_TRANSLATE_NOOP(
         "TaskPage",
         "  zwischen der Temperatur und der für diesen Sensor typischen Größe (Strom, Spannung oder")},
    {1560, margin, 11, false, QT_TRANSLATE_NOOP("TaskPage", "  Widerstand).")},
    {1997, margin, 11, false,
     QT_TRANSLATE_NOOP("TaskPage", "-Stellen Sie das Ergebnis in einem Diagramm dar.")},
    {2251, margin, 11, false, QT_TRANSLATE_NOOP("TaskPage", "-Schlussfolgern Sie daraus den Sensortyp.")},
    {2501, margin, 11, false,
     QT_TRANSLATE_NOOP("TaskPage", "-Beschreiben Sie diesen Zusammenhang durch eine Gleichung.")},
    {2938, margin, 11, false,
     QT_TRANSLATE_NOOP("TaskPage",
                       "-Für den Fall, dass es sich bei dem Sensor um einen reinen Widerstand handelt:")},
    {3211, margin, 11, false,
     QT_TRANSLATE_NOOP("TaskPage",
                       "  Berechnen Sie allgemein den Faktor α für die Näherung R(To+Δυ) = R(To)*(1+αΔυ).")},
    {3696, margin, 14, false, QT_TRANSLATE_NOOP("TaskPage", "Hinweise:")},
    {4013, margin, 11, false,
     QT_TRANSLATE_NOOP(
         "TaskPage",
         "-Beachten Sie den eventuellen Zusammenhang zwischen der Ausgangsgröße des Sensors und der")},
    {4267, margin, 11, false,
     QT_TRANSLATE_NOOP(
         "TaskPage", "Sensorspannung, bzw. dem Sensorstrom und ermitteln Sie ggf. auch die U-I-Kennlinie.")},
    {4704, margin, 11, false,
     QT_TRANSLATE_NOOP("TaskPage", "-Falls der Sensor eine Diode  ist, so benötigen Sie die Parameter Is und "
                                   "Ut der Diodenkennlinie!!")},
    {4958, margin, 11, false,
     QT_TRANSLATE_NOOP(
         "TaskPage",
         "  Rechnen Sie in diesem Fall mit einer linearen Abhängigkeit der Flussspannung von der")},
    {5208, margin, 11, false,
     QT_TRANSLATE_NOOP(
         "TaskPage",
         "  Temperatur. Stellen Sie einen Diodenstrom von 1 mA so ein, dass er während der Messung")},
    {5462, margin, 11, false, QT_TRANSLATE_NOOP("TaskPage", "  möglichst konstant bleibt.")},
    {5899, margin, 11, false,
     QT_TRANSLATE_NOOP(
         "TaskPage",
         "-Sensoren besitzen gegenüber ihrer Umgebungstemperatur eine Trägheit. Beachten Sie die")},
    {6154, margin, 11, false,
     QT_TRANSLATE_NOOP("TaskPage", "  Temperaturdifferenz zwischen Sensor und Thermostat!")},
    {6590, margin, 11, false,
     QT_TRANSLATE_NOOP(
         "TaskPage",
         "-Durch die im Sensor umgesetzte Leistung kann er sich erwärmen. Beobachten Sie diesen")},
    {6845, margin, 11, false,
     QT_TRANSLATE_NOOP(
         "TaskPage",
         "  Effekt! Was passiert, wenn der Sensor ohne Vorwiderstand an einer Spannungsquelle oder")},
    {7094, margin, 11, false, QT_TRANSLATE_NOOP("TaskPage", "  Stromquelle betrieben wird?")},
    {7354, margin, 14, true, QT_TRANSLATE_NOOP("TaskPage", "<<Start durch Doppelklick>>")},
}};

} // namespace

std::span<const ControlSpec> formexpRows()
{
    return rows;
}

void paintTaskPage(QPainter& p, const QSize& surface)
{
    p.save();
    p.setRenderHint(QPainter::TextAntialiasing);
    for (const PageLine& line : page) {
        QFont f = ui::designFont({Face::Serif, line.points, true});
        p.setFont(f);
        p.setPen(line.red ? QColor(200, 0, 0) : QColor(Qt::black));
        const QFontMetricsF fm(f);
        // The page is taller than its surface: the start line, which would
        // lose its descenders at the surface's bottom edge, moves up just
        // enough to stand whole.
        const double top = std::min(line.top / ui::twipsPerPixel, surface.height() - fm.height());
        p.drawText(QPointF(line.left / ui::twipsPerPixel, top + fm.ascent()),
                   QCoreApplication::translate("TaskPage", line.text));
    }
    p.restore();
}

QString taskPageText()
{
    QStringList lines;
    for (const PageLine& line : page)
        lines << QCoreApplication::translate("TaskPage", line.text).trimmed();
    return lines.join(QLatin1Char('\n'));
}

} // namespace bench
