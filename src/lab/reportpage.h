#pragma once
// The one-page result report as data: each item's place in centimetres from
// the top-left of the printable area (a text's top edge at y), its size and
// weight, and its text as forms of "evaluation::Report", so that every skin
// prints the same page. An exam's page holds the points, not the right
// answers.

#include "lab/words.h"

#include <string>
#include <vector>

namespace lab {

inline constexpr const char* reportContext = "evaluation::Report";

// What the page prints, as display texts.
struct ReportText {
    std::string date;       // in the user's short date format
    bool exam = false;      // the right equation and alpha stay off the page
    std::string sensorname; // worded; empty in an exam
    std::string formeltext, eingabeformel, abweichung;
    bool withAlpha = false; // the resistive sensors, the ones asked for alpha
    std::string alpha, alphaEingabe, abweichungAlpha;
    std::string punkte, hoechstpunkte;
    std::string name, matrikel; // who handed it in; both may be empty
};

struct ReportItem {
    double x, y;   // cm
    double points; // the size, in force from this item on, as on a printer
    bool bold;
    std::vector<Form> text; // worded and joined as they stand
    double maxWidth = 0;    // cm; a longer text is cut with an ellipsis; 0: no limit
};

// The plot picture: at (3, 7.5) cm at its own size, 8835 x 5415 twips.
inline constexpr double reportPlotX = 3;
inline constexpr double reportPlotY = 7.5;
inline constexpr double reportPlotWidth = 8835 / 1440.0 * 2.54;
inline constexpr double reportPlotHeight = 5415 / 1440.0 * 2.54;

struct ReportFacts;

// The facts of an evaluation as the page prints them: the type's name as
// worded, the date and who handed it in as the skin knows them.
ReportText reportText(const ReportFacts& facts, const std::string& sensorName, const std::string& date,
                      const std::string& name, const std::string& matrikel);

// The page's texts in the order they are printed.
std::vector<ReportItem> reportItems(const ReportText& r);

// The document's title, which names the file a PDF is saved as: with the
// student's name where there is one.
Form reportTitle(const ReportText& r);

// Who handed the page in, as the journal's pages repeat it: the forms of
// the name and the number, joined by four blanks; empty without either.
std::vector<Form> reportWho(const ReportText& r);

} // namespace lab
