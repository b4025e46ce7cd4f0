#pragma once
// The class overview as the teacher reads it: the table on the terminal,
// the grade file for the learning platform and the overview page, all from
// one table of columns and worded by the skin's words.

#include "grading/overview.h"
#include "grading/words.h"

#include <string>
#include <vector>

namespace grading {

// One column of the overview: its head (context "course") and its cell on
// the terminal, in the grade file and on the page; nullptr where that
// output leaves the column out.
struct Column {
    using Cell = std::string (*)(const StudentRow&, const Words&);
    const char* head;
    bool number; // aligned to the right on the page
    Cell terminal;
    Cell csv;
    Cell html; // plain text; the page escapes it
};

// The columns in their order, the one table behind every output.
const std::vector<Column>& columns();

// A row's notes in the chosen language, "; " between them.
std::string notesText(const StudentRow& r, const Words& words);

// The table for the terminal, lines ending in "\n".
std::string tableText(const Overview& o, const Words& words);

// The grade file for the LMS: UTF-8 with a byte order mark, "," between
// fields, "." as decimal point.
std::string csvText(const Overview& o, const Words& words);

// One self-contained page: histogram, mean per sensor type and the table as
// inline SVG and HTML; no script, no external file. `source` names the
// folder or zip of the records and `created` the time of the page, as
// the skin writes them.
std::string htmlPage(const Overview& o, const Words& words, const std::string& source, const std::string& created);

} // namespace grading
