// The teacher's grading for a page: a learning platform's zip read (its
// directory, the refusal rules, each unpacked record checked), and the
// records judged into the class overview with its grade file and its page,
// the same bytes as the desktop's `kora --ergebnisse` writes.
//
// Words come from the page as a function (context, key) => text; bytes as
// Uint8Arrays.

#include "binding.h"
#include "grading/overviewtext.h"
#include "grading/pagetexts.h"
#include "grading/zip.h"

#include <emscripten/bind.h>

#include <optional>

namespace {

using emscripten::val;

class PageWords : public grading::Words {
public:
    explicit PageWords(val words) : words_(std::move(words)) {}
    std::string text(const char* context, const std::string& key) const override
    {
        return words_(std::string(context), key).as<std::string>();
    }

private:
    val words_;
};

double number(const val& o, const char* key) { return o[key].as<double>(); }

// A file's bytes as a Uint8Array of their own: a text would lose the grade
// file's byte order mark on its way into JavaScript.
val bytesOf(const std::string& text)
{
    return val::global("Uint8Array")
        .new_(emscripten::typed_memory_view(text.size(), reinterpret_cast<const unsigned char*>(text.data())));
}

// {error, records: [{name, size, packedSize, crc32, method, dataOffset}]}:
// the zip's record entries, or why the zip is refused whole (error is "" when read).
val zipDirectory(const std::string& bytes, val words)
{
    const PageWords w(std::move(words));
    val out = val::object();
    out.set("records", val::array());
    grading::ZipDirectory dir = grading::readZipDirectory(bytes);
    grading::Form error = dir.error;
    grading::ZipCheck check;
    if (error.empty()) {
        check = grading::checkZip(dir.entries, dir.count);
        error = check.error;
    }
    out.set("error", error.empty() ? std::string() : grading::worded(w, error));
    if (!error.empty())
        return out;
    val records = val::array();
    for (std::size_t i = 0; i < check.records.size(); ++i) {
        const grading::ZipEntry& e = dir.entries[check.records[i]];
        val r = val::object();
        r.set("name", e.name);
        r.set("size", static_cast<double>(e.size));
        r.set("packedSize", static_cast<double>(e.packedSize));
        r.set("crc32", static_cast<double>(e.crc32));
        r.set("method", e.method);
        r.set("dataOffset", static_cast<double>(e.dataOffset));
        records.set(i, r);
    }
    out.set("records", records);
    return out;
}

// Why one record's unpacked bytes (null: the browser could not inflate
// them) do not fit the zip's directory; "" when they fit.
std::string zipUnpackedTrouble(val entry, val unpacked, val words)
{
    grading::ZipEntry e{entry["name"].as<std::string>(), static_cast<std::uint64_t>(number(entry, "size"))};
    e.crc32 = static_cast<std::uint32_t>(number(entry, "crc32"));
    const grading::Form trouble = unpacked.isNull() ? grading::zipDamaged(e.name + ": invalid deflate data")
                                                    : grading::checkUnpacked(e, unpacked.as<std::string>());
    return trouble.empty() ? std::string() : grading::worded(PageWords(std::move(words)), trouble);
}

val rowsOf(const grading::Overview& o, const grading::Words& w)
{
    val heads = val::array();
    std::size_t n = 0;
    for (const grading::Column& c : grading::columns())
        if (c.html) {
            val head = val::object();
            head.set("text", grading::tr(w, c.head));
            head.set("number", c.number);
            heads.set(n++, head);
        }
    val rows = val::array();
    for (std::size_t i = 0; i < o.students.size(); ++i) {
        const grading::StudentRow& r = o.students[i];
        std::vector<std::string> cells;
        for (const grading::Column& c : grading::columns())
            if (c.html)
                cells.push_back(c.html(r, w));
        val row = val::object();
        row.set("cells", binding::array(cells));
        row.set("suspect", r.suspect());
        row.set("notes", grading::notesText(r, w));
        rows.set(i, row);
    }
    val unreadable = val::array();
    for (std::size_t i = 0; i < o.unreadable.size(); ++i) {
        val u = val::object();
        u.set("file", o.unreadable[i].file);
        u.set("reason", grading::worded(w, o.unreadable[i].reason));
        unreadable.set(i, u);
    }
    val out = val::object();
    out.set("heads", heads);
    out.set("rows", rows);
    out.set("unreadable", unreadable);
    return out;
}

// records: [{name, bytes}], teacher: the teacher's file's bytes or null,
// counting: "erster", "bester" or "letzter"; source and created name the
// records and the time on the overview page. Gives {heads, rows: [{cells,
// suspect, notes}], unreadable: [{file, reason}], variantsChecked, status,
// table, csv, html}; csv and html as the files' bytes.
val grade(val records, val teacher, const std::string& counting, val words, const std::string& source,
          const std::string& created)
{
    const PageWords w(std::move(words));
    std::vector<grading::RecordText> texts;
    const auto count = records["length"].as<std::size_t>();
    texts.reserve(count);
    for (std::size_t i = 0; i < count; ++i) {
        const val r = records[i];
        texts.push_back({r["name"].as<std::string>(), r["bytes"].as<std::string>()});
    }
    std::optional<grading::TeacherFile> file;
    if (!teacher.isNull() && !teacher.isUndefined())
        file.emplace(teacher.as<std::string>());
    const grading::Counting c = counting == "bester"    ? grading::Counting::Best
                                : counting == "letzter" ? grading::Counting::Last
                                                        : grading::Counting::First;
    const grading::Overview o = grading::grade(texts, c, file ? &*file : nullptr);
    val out = rowsOf(o, w);
    out.set("variantsChecked", o.variantsChecked);
    out.set("status", o.status());
    out.set("table", grading::tableText(o, w));
    out.set("csv", bytesOf(grading::csvText(o, w)));
    out.set("html", bytesOf(grading::htmlPage(o, w, source, created)));
    return out;
}

// {context, keys: {name: key}}: the grades section's own texts; "dateFormat"
// is of the context "course", as the desktop writes the overview's time.
val gradesTexts()
{
    val keys = val::object();
    for (const grading::PageText& t : grading::gradesTexts)
        keys.set(t.name, std::string(t.key));
    val out = val::object();
    out.set("context", std::string(grading::gradesContext));
    out.set("keys", keys);
    return out;
}

} // namespace

EMSCRIPTEN_BINDINGS(kora_grading)
{
    emscripten::function("gradesTexts", &gradesTexts);
    emscripten::function("zipDirectory", &zipDirectory);
    emscripten::function("zipUnpackedTrouble", &zipUnpackedTrouble);
    emscripten::function("grade", &grade);
}
