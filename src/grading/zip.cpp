#include "grading/zip.h"

#include <algorithm>
#include <array>
#include <optional>

namespace grading {

namespace {

std::uint32_t le16(std::string_view b, std::size_t at)
{
    return static_cast<std::uint32_t>(static_cast<unsigned char>(b[at])) |
           static_cast<std::uint32_t>(static_cast<unsigned char>(b[at + 1])) << 8;
}

std::uint32_t le32(std::string_view b, std::size_t at)
{
    return le16(b, at) | le16(b, at + 2) << 16;
}

std::uint64_t le64(std::string_view b, std::size_t at)
{
    return le32(b, at) | std::uint64_t{le32(b, at + 4)} << 32;
}

constexpr std::uint32_t all32 = 0xFFFFFFFF;

constexpr std::size_t endRecordSize = 22;
constexpr std::size_t centralHeaderSize = 46;
constexpr std::size_t localHeaderSize = 30;

// The end of central directory record: the last one, searched back over a
// comment of at most 64 KiB.
std::size_t findEndRecord(std::string_view b)
{
    if (b.size() < endRecordSize)
        return std::string_view::npos;
    const std::size_t lowest = b.size() >= endRecordSize + 0xFFFF ? b.size() - endRecordSize - 0xFFFF : 0;
    for (std::size_t at = b.size() - endRecordSize + 1; at-- > lowest;)
        if (b.compare(at, 4, "PK\x05\x06") == 0 && at + endRecordSize + le16(b, at + 20) == b.size())
            return at;
    return std::string_view::npos;
}

const std::array<std::uint32_t, 256>& crcTable()
{
    static const std::array<std::uint32_t, 256> table = [] {
        std::array<std::uint32_t, 256> t{};
        for (std::uint32_t n = 0; n < 256; ++n) {
            std::uint32_t c = n;
            for (int k = 0; k < 8; ++k)
                c = c & 1 ? 0xEDB88320u ^ (c >> 1) : c >> 1;
            t[n] = c;
        }
        return t;
    }();
    return table;
}

std::uint32_t crc32(std::string_view bytes)
{
    const auto& table = crcTable();
    std::uint32_t c = 0xFFFFFFFFu;
    for (const char ch : bytes)
        c = table[(c ^ static_cast<unsigned char>(ch)) & 0xFF] ^ (c >> 8);
    return c ^ 0xFFFFFFFFu;
}

// The Zip64 extended information among an entry's extra fields: the sizes
// and the offset that do not fit 32 bits, in that order.
std::optional<std::string_view> zip64Field(std::string_view extra)
{
    for (std::size_t at = 0; at + 4 <= extra.size();) {
        const std::size_t size = le16(extra, at + 2);
        if (at + 4 + size > extra.size())
            break;
        if (le16(extra, at) == 1)
            return extra.substr(at + 4, size);
        at += 4 + size;
    }
    return std::nullopt;
}

ZipDirectory damaged(const char* detail)
{
    return {0, {}, zipDamaged(detail)};
}

} // namespace

bool leavesFolder(std::string_view name)
{
    if (name.starts_with('/') || name.starts_with('\\') || (name.size() > 1 && name[1] == ':'))
        return true;
    std::size_t start = 0;
    for (std::size_t i = 0; i <= name.size(); ++i)
        if (i == name.size() || name[i] == '/' || name[i] == '\\') {
            if (name.substr(start, i - start) == "..")
                return true;
            start = i + 1;
        }
    return false;
}

bool isRecordName(std::string_view name)
{
    if (name.ends_with('/') || name.size() < 5)
        return false;
    std::string tail(name.substr(name.size() - 5));
    std::transform(tail.begin(), tail.end(), tail.begin(),
                   [](char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; });
    return tail == ".json";
}

Form zipTooLarge()
{
    return {QT_TRANSLATE_NOOP("course", "die ZIP-Datei ist zu groß: mehr als %1 MB entpackt oder mehr als %2 Einträge"),
            {std::to_string(largestUnpackedZip / 1000 / 1000), std::to_string(mostZipEntries)}};
}

Form zipDamaged(const std::string& detail)
{
    return {QT_TRANSLATE_NOOP("course", "die ZIP-Datei ist beschädigt (%1)"), {detail}};
}

ZipCheck checkZip(const std::vector<ZipEntry>& entries, std::uint64_t entryCount)
{
    ZipCheck out;
    if (entryCount > mostZipEntries) {
        out.error = zipTooLarge();
        return out;
    }
    std::uint64_t declared = 0;
    for (std::size_t i = 0; i < entries.size(); ++i) {
        const ZipEntry& e = entries[i];
        if (leavesFolder(e.name)) {
            out = {{QT_TRANSLATE_NOOP("course", "der Eintrag »%1« der ZIP-Datei zeigt aus seinem Ordner hinaus"),
                    {e.name}},
                   {}};
            return out;
        }
        declared += std::min<std::uint64_t>(e.size, largestUnpackedZip + 1);
        if (pastUnpackedLimit(declared)) {
            out = {zipTooLarge(), {}};
            return out;
        }
        if (isRecordName(e.name))
            out.records.push_back(i);
    }
    return out;
}

bool pastUnpackedLimit(std::uint64_t total)
{
    return total > largestUnpackedZip;
}

bool looksLikeZip(std::string_view bytes)
{
    return bytes.starts_with("PK\x03\x04");
}

ZipDirectory readZipDirectory(std::string_view b)
{
    // The details are the reader's own and stay in English, as libzip's do on the desktop.
    const std::size_t end = findEndRecord(b);
    if (end == std::string_view::npos)
        return damaged("no end of central directory");
    std::uint64_t count = le16(b, end + 10), size = le32(b, end + 12), offset = le32(b, end + 16);
    if (le16(b, end + 4) != 0 || le16(b, end + 6) != 0 || le16(b, end + 8) != count)
        return damaged("split across several disks");
    // Zip64: the end record's fields are full, and the true ones stand in
    // the Zip64 end record that a locator right before it points to.
    std::size_t limit = end;
    if (count == 0xFFFF || size == all32 || offset == all32) {
        if (end < 20 || b.compare(end - 20, 4, "PK\x06\x07") != 0)
            return damaged("Zip64 end locator missing");
        const std::uint64_t wide = le64(b, end - 12);
        if (wide > end - 20 || 56 > end - 20 - wide)
            return damaged("Zip64 end record damaged");
        const auto record = static_cast<std::size_t>(wide);
        if (b.compare(record, 4, "PK\x06\x06") != 0)
            return damaged("Zip64 end record damaged");
        count = le64(b, record + 32);
        size = le64(b, record + 40);
        offset = le64(b, record + 48);
        limit = record;
    }
    if (offset > limit || size > limit - offset)
        return damaged("central directory out of range");
    ZipDirectory out;
    out.count = count;
    // The count decides before any entry is read.
    if (count > mostZipEntries)
        return out;
    auto at = static_cast<std::size_t>(offset);
    for (std::uint64_t i = 0; i < count; ++i) {
        if (at + centralHeaderSize > limit || b.compare(at, 4, "PK\x01\x02") != 0)
            return damaged("central directory entry damaged");
        const std::size_t nameSize = le16(b, at + 28), extra = le16(b, at + 30), comment = le16(b, at + 32);
        if (at + centralHeaderSize + nameSize + extra + comment > limit)
            return damaged("central directory entry damaged");
        ZipEntry e{std::string(b.substr(at + centralHeaderSize, nameSize)), le32(b, at + 24)};
        const std::uint32_t flags = le16(b, at + 8);
        e.method = static_cast<int>(le16(b, at + 10));
        e.crc32 = le32(b, at + 16);
        e.packedSize = le32(b, at + 20);
        std::uint64_t local = le32(b, at + 42);
        if (e.size == all32 || e.packedSize == all32 || local == all32) {
            const std::optional<std::string_view> wide = zip64Field(b.substr(at + centralHeaderSize + nameSize, extra));
            if (!wide)
                return damaged("Zip64 field missing");
            std::size_t next = 0;
            for (std::uint64_t* field : {&e.size, &e.packedSize, &local})
                if (*field == all32) {
                    if (next + 8 > wide->size())
                        return damaged("Zip64 field damaged");
                    *field = le64(*wide, next);
                    next += 8;
                }
        }
        if (flags & 1)
            return damaged("encrypted entry");
        if (e.method != 0 && e.method != 8)
            return damaged("compression method not supported");
        if (local > offset || localHeaderSize > offset - local)
            return damaged("local header damaged");
        const auto header = static_cast<std::size_t>(local);
        if (b.compare(header, 4, "PK\x03\x04") != 0)
            return damaged("local header damaged");
        e.dataOffset = local + localHeaderSize + le16(b, header + 26) + le16(b, header + 28);
        if (e.dataOffset > offset || e.packedSize > offset - e.dataOffset)
            return damaged("entry data out of range");
        out.entries.push_back(std::move(e));
        at += centralHeaderSize + nameSize + extra + comment;
    }
    return out;
}

Form checkUnpacked(const ZipEntry& entry, std::string_view unpacked)
{
    if (unpacked.size() != entry.size)
        return zipDamaged(entry.name + ": wrong size");
    if (crc32(unpacked) != entry.crc32)
        return zipDamaged(entry.name + ": CRC error");
    return {};
}

} // namespace grading
