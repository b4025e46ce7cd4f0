// The class overview from records, as both builds make it: the rows of
// tests/data/grading_overview.json give the terminal's table, the grade file
// and the overview page the desktop has always written; node runs the same
// rows against the WebAssembly module. And a zip's directory read here as
// the page reads it, against zips libzip writes.

#include "grading/overviewtext.h"
#include "grading/zip.h"

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>
#include <zip.h>

#include <fstream>
#include <sstream>
#include <string>
#include <vector>

namespace {

nlohmann::json data()
{
    std::ifstream in(std::string(KORA_TEST_DATA) + "/grading_overview.json", std::ios::binary);
    std::stringstream text;
    text << in.rdbuf();
    return nlohmann::json::parse(text.str());
}

TEST(Overview, TheSharedRowsGiveTheDesktopsTexts)
{
    const nlohmann::json d = data();
    const grading::SourceWords german;
    ASSERT_FALSE(d.at("cases").empty());
    for (const auto& c : d.at("cases")) {
        std::vector<grading::RecordText> records;
        for (const auto& name : c.at("files"))
            records.push_back({name.get<std::string>(), d.at("records").at(name.get<std::string>()).get<std::string>()});
        const std::string how = c.at("counting");
        const auto counting = how == "bester"    ? grading::Counting::Best
                              : how == "letzter" ? grading::Counting::Last
                                                 : grading::Counting::First;
        const grading::Overview o = grading::grade(records, counting, nullptr);
        const std::string what = c.at("what");
        EXPECT_EQ(o.status(), c.at("status").get<int>()) << what;
        EXPECT_EQ(grading::tableText(o, german), c.at("table").get<std::string>()) << what;
        EXPECT_EQ(grading::csvText(o, german), c.at("csv").get<std::string>()) << what;
        if (c.contains("html")) {
            EXPECT_EQ(grading::htmlPage(o, german, c.at("source"), c.at("created")), c.at("html").get<std::string>())
                << what;
        }
    }
}

// A zip written by libzip into memory, deflated or stored.
std::string zipOf(const std::vector<std::pair<std::string, std::string>>& entries, bool stored = false)
{
    zip_error_t error;
    zip_error_init(&error);
    zip_source_t* buffer = zip_source_buffer_create(nullptr, 0, 0, &error);
    zip_source_keep(buffer);
    zip_t* z = zip_open_from_source(buffer, ZIP_TRUNCATE, &error);
    for (const auto& [name, bytes] : entries) {
        zip_source_t* s = zip_source_buffer(z, bytes.data(), bytes.size(), 0);
        const zip_int64_t i = zip_file_add(z, name.c_str(), s, ZIP_FL_ENC_UTF_8);
        if (stored)
            zip_set_file_compression(z, static_cast<zip_uint64_t>(i), ZIP_CM_STORE, 0);
    }
    zip_close(z);
    zip_source_open(buffer);
    zip_source_seek(buffer, 0, SEEK_END);
    const zip_int64_t size = zip_source_tell(buffer);
    zip_source_seek(buffer, 0, SEEK_SET);
    std::string out(static_cast<std::size_t>(size), '\0');
    zip_source_read(buffer, out.data(), static_cast<zip_uint64_t>(size));
    zip_source_close(buffer);
    zip_source_free(buffer);
    return out;
}

struct ZipRow {
    const char* what;
    std::string zip;
    std::vector<std::string> records; // the record entries read, in order
    const char* reason;               // the refusal's key, "" when read
};

TEST(Zip, TheDirectoryIsReadAsTheDesktopReadsIt)
{
    const std::string json = R"({"format":"kora-result/1"})";
    std::vector<std::pair<std::string, std::string>> many;
    for (int i = 0; i < 10001; ++i)
        many.emplace_back("s" + std::to_string(i) + ".txt", "x");
    const std::string good = zipOf({{"Anna Muster_123_assignsubmission_file/KORA-1.json", json},
                                    {"Anna Muster_123_assignsubmission_onlinetext/onlinetext.html", "<p>"},
                                    {"Ben_124_assignsubmission_file_KORA-2.JSON", json}});
    const ZipRow rows[] = {
        {"a folder per student and flat", good,
         {"Anna Muster_123_assignsubmission_file/KORA-1.json", "Ben_124_assignsubmission_file_KORA-2.JSON"}, ""},
        {"stored", zipOf({{"a/KORA.json", json}}, true), {"a/KORA.json"}, ""},
        {"up and out", zipOf({{"a/../../etc/KORA.json", json}}), {}, "der Eintrag »%1« der ZIP-Datei zeigt aus seinem Ordner hinaus"},
        {"backslashes", zipOf({{"a\\..\\..\\KORA.json", json}}), {}, "der Eintrag »%1« der ZIP-Datei zeigt aus seinem Ordner hinaus"},
        {"a drive", zipOf({{"C:/KORA.json", json}}), {}, "der Eintrag »%1« der ZIP-Datei zeigt aus seinem Ordner hinaus"},
        {"past 100 MB", zipOf({{"KORA.json", std::string(101 * 1000 * 1000, '0')}}), {},
         "die ZIP-Datei ist zu groß: mehr als %1 MB entpackt oder mehr als %2 Einträge"},
        {"more than 10 000 entries", zipOf(many), {},
         "die ZIP-Datei ist zu groß: mehr als %1 MB entpackt oder mehr als %2 Einträge"},
        {"cut before its directory", good.substr(0, good.size() / 2), {}, "die ZIP-Datei ist beschädigt (%1)"},
        {"no zip at all", "Punkte bitte bis Freitag", {}, "die ZIP-Datei ist beschädigt (%1)"},
    };
    for (const ZipRow& row : rows) {
        const grading::ZipDirectory dir = grading::readZipDirectory(row.zip);
        grading::Form error = dir.error;
        grading::ZipCheck check;
        if (error.empty()) {
            check = grading::checkZip(dir.entries, dir.count);
            error = check.error;
        }
        EXPECT_EQ(error.key, row.reason) << row.what;
        std::vector<std::string> names;
        for (const std::size_t i : check.records) {
            names.push_back(dir.entries[i].name);
            const grading::ZipEntry& e = dir.entries[i];
            // A stored entry's bytes are its record; they pass their check, and a flipped byte does not.
            if (e.method == 0) {
                std::string bytes = row.zip.substr(e.dataOffset, e.packedSize);
                EXPECT_TRUE(grading::checkUnpacked(e, bytes).empty()) << row.what;
                bytes[3] ^= 0x55;
                EXPECT_EQ(grading::checkUnpacked(e, bytes).key, "die ZIP-Datei ist beschädigt (%1)") << row.what;
                EXPECT_FALSE(grading::checkUnpacked(e, bytes + "x").empty()) << row.what;
            }
        }
        EXPECT_EQ(names, row.records) << row.what;
    }
}

} // namespace
