#pragma once
// Records handed in as one zip file, as a learning platform gives them out
// ("Download all submissions": a folder per student, or all files flat).
// The rules that refuse a zip whole live here, decided on the zip's list of
// entries, for the desktop (which unpacks with libzip) and the page (which
// reads the list here and unpacks in the browser) alike: an entry that
// points out of its folder, a zip that unpacks past the limits, a damaged one.

#include "grading/words.h"

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace grading {

// No course's records come near these; a zip past them is a zip bomb.
inline constexpr std::uint64_t largestUnpackedZip = 100ULL * 1000 * 1000;
inline constexpr std::size_t mostZipEntries = 10000;

// One entry of a zip's central directory. `method`, `crc32` and `dataOffset`
// are only known to the reader below; the rules need the name and the size.
struct ZipEntry {
    std::string name;     // the entry's path inside the zip
    std::uint64_t size;   // unpacked, as the zip declares it
    std::uint64_t packedSize = 0;
    std::uint32_t crc32 = 0;
    int method = 0;       // 0 stored, 8 deflated
    std::uint64_t dataOffset = 0; // where its packed bytes start
};

// Whether a name would land outside the folder it is unpacked into: an
// absolute path, a drive, or a ".." step, with either kind of slash.
bool leavesFolder(std::string_view name);

// Whether an entry is a record: a "*.json" file, in a student's folder
// ("<Name>_<id>_assignsubmission_file/…") or flat.
bool isRecordName(std::string_view name);

// The zip is too big: past the limits unpacked or in entries.
Form zipTooLarge();
// The zip is damaged; `detail` says how.
Form zipDamaged(const std::string& detail);

struct ZipCheck {
    Form error;                  // why the zip is refused; empty when it may be read
    std::vector<std::size_t> records; // the indices of its records, in the zip's order
};

// Every name checked and every declared size added up before a byte is unpacked.
ZipCheck checkZip(const std::vector<ZipEntry>& entries, std::uint64_t entryCount);

// The bytes unpacked are counted as well, since the declared sizes may lie:
// whether `total` bytes unpacked so far break the limit.
bool pastUnpackedLimit(std::uint64_t total);

struct ZipDirectory {
    std::uint64_t count = 0;       // as the directory declares it
    std::vector<ZipEntry> entries; // empty when there are more than the limit
    Form error; // a zip whose directory cannot be read is damaged
};

// Whether the bytes start as a zip does.
bool looksLikeZip(std::string_view bytes);

// The central directory of a zip held whole in memory, every entry's packed
// bytes located through its local header.
ZipDirectory readZipDirectory(std::string_view bytes);

// Checks one entry's unpacked bytes against the directory: its size and its
// CRC-32. An empty form when they fit.
Form checkUnpacked(const ZipEntry& entry, std::string_view unpacked);

} // namespace grading
