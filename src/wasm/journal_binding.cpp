// The journal for a page: the rows the bench recorded with their time in the
// run, the table's cells, the CSV file and the two charts' series, all by
// the lab's rules; the page words the keys and draws what comes back.

#include "binding.h"
#include "journalrow.h"
#include "grading/record.h"
#include "lab/journal.h"
#include "lab/journalcharts.h"

#include <emscripten/bind.h>

#include <cmath>
#include <string>
#include <vector>

namespace {

using emscripten::val;

val range(const lab::AxisRange& r)
{
    val out = val::object();
    out.set("low", r.low);
    out.set("high", r.high);
    out.set("step", r.step);
    return out;
}

val points(const std::vector<lab::ChartPoint>& from)
{
    val xs = val::array(), ys = val::array();
    for (std::size_t i = 0; i < from.size(); ++i) {
        xs.set(i, from[i].x);
        ys.set(i, from[i].y);
    }
    val out = val::object();
    out.set("x", xs);
    out.set("y", ys);
    return out;
}

// The columns' keys, the words of the cells and the charts' keys.
val design()
{
    val out = val::object();
    out.set("context", std::string(lab::journalContext));
    out.set("chartsContext", std::string(lab::chartsContext));
    out.set("columnTotal", static_cast<int>(lab::columnTotal));
    out.set("noteColumn", static_cast<int>(lab::colBemerkung));
    const lab::JournalWords words = lab::sourceJournalWords();
    out.set("columns", binding::array(words.heads));
    out.set("on", words.on);
    out.set("off", words.off);
    out.set("bypassed", words.bypassed);
    out.set("close", std::string(lab::closeWindow));
    return out;
}

val course(const lab::TimeCourse& c)
{
    val out = val::object();
    out.set("time", range(c.time));
    out.set("celsius", range(c.celsius));
    out.set("volts", range(c.volts));
    out.set("sensor", points(c.sensor));
    out.set("setPoint", points(c.setPoint));
    out.set("reading", points(c.reading));
    return out;
}

class PageJournal {
public:
    // `words`: the columns' names, then "ein", "aus" and "überbrückt", in
    // the page's language; `german`: the file's format.
    PageJournal(const val& words, bool german) : format_(lab::csvFormatFor(german))
    {
        const auto all = emscripten::vecFromJSArray<std::string>(words);
        words_ = lab::sourceJournalWords();
        if (all.size() == lab::fileColumnTotal + 3) {
            words_.heads.assign(all.begin(), all.begin() + lab::fileColumnTotal);
            words_.on = all[lab::fileColumnTotal];
            words_.off = all[lab::fileColumnTotal + 1];
            words_.bypassed = all[lab::fileColumnTotal + 2];
        }
    }

    // A row the bench recorded: numbered here, at the run's time. Returns its index.
    int record(const val& row)
    {
        lab::JournalLine line{binding::journalRowOf(row), timeline_.recordSecond(), {}};
        line.row.nr = lines_.empty() ? 1 : lines_.back().row.nr + 1;
        lines_.push_back(line);
        return static_cast<int>(lines_.size()) - 1;
    }

    // The displays after a tick, as the bench's shown() gives them.
    void sample(const val& shown)
    {
        const lab::Sample s = lab::sampleOf(binding::journalRowOf(shown));
        timeline_.sample(shown["step"].as<double>(), s.sensorTemp, s.setPoint, s.volts);
    }

    void setNote(int index, const std::string& note)
    {
        if (index >= 0 && index < static_cast<int>(lines_.size()))
            lines_[static_cast<std::size_t>(index)].bemerkung = note;
    }

    int size() const { return static_cast<int>(lines_.size()); }

    // The table's row: the shown columns' texts.
    val cells(int index) const
    {
        val out = val::array();
        if (index < 0 || index >= size())
            return out;
        for (int c = 0; c < lab::columnTotal; ++c)
            out.set(c, lab::shownCellText(lines_[static_cast<std::size_t>(index)], c, format_.decimal, words_));
        return out;
    }

    // The file's bytes: as a string the byte-order mark would be dropped
    // on its way into JavaScript.
    val csv() const
    {
        const std::string file = lab::csvDocument(lines_, format_, words_);
        const auto* bytes = reinterpret_cast<const unsigned char*>(file.data());
        return val(emscripten::typed_memory_view(file.size(), bytes)).call<val>("slice");
    }

    // What the page keeps in its storage, and takes back after a reload:
    // each row with its time and note.
    val kept() const
    {
        val out = val::array();
        for (std::size_t i = 0; i < lines_.size(); ++i) {
            val row = binding::journalRow(lines_[i].row);
            row.set("seconds", lines_[i].seconds);
            row.set("bemerkung", lines_[i].bemerkung);
            out.set(i, row);
        }
        return out;
    }

    // The rows as the course record keeps them, the same as the desktop's.
    std::string recordJournal() const { return grading::journalText(lab::recordCells(lines_)); }

    void restore(const val& rows)
    {
        lines_.clear();
        const int n = rows["length"].as<int>();
        for (int i = 0; i < n; ++i) {
            const val row = rows[i];
            lab::JournalLine line{binding::journalRowOf(row), row["seconds"].isNumber() ? row["seconds"].as<int>() : 0,
                                  row["bemerkung"].isString() ? row["bemerkung"].as<std::string>() : std::string()};
            lines_.push_back(line);
        }
        // The run's clock goes on from the last row kept.
        timeline_ = lab::Timeline();
        if (!lines_.empty())
            timeline_.startAt(lines_.back().seconds);
    }

    val characteristic() const
    {
        const lab::Characteristic c = lab::characteristic(lines_);
        val series = val::array();
        for (std::size_t i = 0; i < c.series.size(); ++i) {
            val s = points(c.series[i].points);
            s.set("sensor", c.series[i].sensor);
            series.set(i, s);
        }
        val out = val::object();
        out.set("series", series);
        out.set("t", range(lab::characteristicT(c.extent)));
        out.set("v", range(lab::characteristicV(c.extent)));
        return out;
    }

    // The live course of the last ten minutes.
    val timeCourse() const { return course(lab::timeCourse(timeline_.samples(), timeline_.seconds())); }
    // The course at the rows' times, for the printed page.
    val rowsCourse() const { return course(lab::timeCourse(lines_)); }

private:
    lab::CsvFormat format_;
    lab::JournalWords words_;
    std::vector<lab::JournalLine> lines_;
    lab::Timeline timeline_;
};

} // namespace

EMSCRIPTEN_BINDINGS(kora_journal)
{
    emscripten::class_<PageJournal>("Journal")
        .constructor<val, bool>()
        .function("record", &PageJournal::record)
        .function("sample", &PageJournal::sample)
        .function("setNote", &PageJournal::setNote)
        .function("size", &PageJournal::size)
        .function("cells", &PageJournal::cells)
        .function("csv", &PageJournal::csv)
        .function("kept", &PageJournal::kept)
        .function("restore", &PageJournal::restore)
        .function("recordJournal", &PageJournal::recordJournal)
        .function("characteristic", &PageJournal::characteristic)
        .function("timeCourse", &PageJournal::timeCourse)
        .function("rowsCourse", &PageJournal::rowsCourse);
    emscripten::function("journalDesign", &design);
}
