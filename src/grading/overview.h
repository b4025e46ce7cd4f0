#pragma once
// The teacher's class overview from the records handed in: one row per
// student with the attempt that counts, the notes on anything odd, and the
// files that could not be read. Both skins hand in the records' bytes; the
// desktop reads them from a folder or a zip, the page from what was dropped.

#include "grading/isotime.h"
#include "grading/record.h"
#include "grading/variant.h"
#include "grading/words.h"

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace grading {

// No record comes near this; a larger file is no record and is not read.
inline constexpr std::size_t largestRecord = 16 * 1024 * 1024;

// Which evaluated run counts: the first, the best or the last.
enum class Counting { First, Best, Last };

// What a row notes about a student's runs. Kept as a key, so that the
// grade file, the terminal and the page word it each in the chosen language.
enum class Note {
    PointsDiffer,    // the stored points are not the ones the answers earn
    WrongVariant,    // the sensor is not the one the teacher's file draws for this student
    Copy,            // a run repeats another student's run
    OtherConfig,     // started with another teacher's file
    Names,           // the runs give more than one name
    LaterRun,        // in an exam: a run after the first evaluated one
    Destroyed,       // the sensor was destroyed before the evaluation
    DestroyedAfter,  // destroyed after the evaluation: the points stand
};

struct StudentRow {
    std::string id; // the Matrikelnummer as the student's first run typed it
    std::string name;
    int points = -1; // re-scored, of the attempt that counts; -1 when none counts
    int maximum = 0;
    int runs = 0;
    int evaluated = 0;
    std::string sensor; // the record's name of that attempt's sensor (or of the first run's)
    int sensorIndex = -1;
    Time started; // of that attempt (or of the first run)
    std::vector<Note> notes;
    std::vector<std::string> names; // every name the runs give, for Note::Names
    // A note that asks the teacher to look; a destruction after the
    // evaluation is only told.
    bool suspect() const;
};

struct Unreadable {
    std::string file;
    Form reason;
};

struct Overview {
    std::vector<StudentRow> students;   // by Matrikelnummer
    std::vector<Unreadable> unreadable; // by the order handed in
    bool variantsChecked = false;       // against the teacher's file
    // 0 every record read and nothing to note, 1 notes or unreadable files.
    int status() const;
};

// One record as the overview judges it.
struct Run {
    Record record;
    std::string student; // the one form of the Matrikelnummer
    bool evaluated = false;
    bool destroyedBefore = false; // destroyed with no evaluation before it
    bool destroyedAfter = false;
    int points = -1; // re-scored; -1 when the run was not evaluated
    int maximum = 0;
    bool pointsMatch = true;
    bool wrongVariant = false;
    bool copy = false;
    std::string sensorName;
    int sensorIndex = -1;
    bool counts() const { return evaluated && !wrongVariant && !copy; }
};

// One file read and its record scored again; `error` says why it cannot be used.
struct Judged {
    Run run;
    Form error;
};

// With `teacher`, the run's variant is drawn again from the teacher's file
// and checked; without it, the record is scored on its own sensor. The
// records are independent: a skin may judge them on as many cores as it has.
Judged judge(std::string_view bytes, const TeacherFile* teacher);

// Why a file is not read: it is larger than any record.
Form tooLargeForARecord();

// The overview of the files `names`, the i-th judged as `judged[i]`.
Overview overviewOf(const std::vector<std::string>& names, std::vector<Judged> judged, Counting counting,
                    const TeacherFile* teacher);

// A record file as handed in: its name and its bytes.
struct RecordText {
    std::string name;
    std::string bytes;
};

// The overview of `records`, judged one after the other.
Overview grade(const std::vector<RecordText>& records, Counting counting, const TeacherFile* teacher);

} // namespace grading
