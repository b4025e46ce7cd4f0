#include "grading/zip.h"

#include <algorithm>
#include <array>

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
    const std::uint32_t count = le16(b, end + 10);
    const std::uint64_t size = le32(b, end + 12), offset = le32(b, end + 16);
    if (le16(b, end + 4) != 0 || le16(b, end + 6) != 0 || le16(b, end + 8) != count)
        return damaged("split across several disks");
    if (count == 0xFFFF || size == 0xFFFFFFFF || offset == 0xFFFFFFFF)
        return damaged("Zip64 is not read");
    if (offset + size > end)
        return damaged("central directory out of range");
    ZipDirectory out;
    out.count = count;
    // The count decides before any entry is read.
    if (count > mostZipEntries)
        return out;
    std::size_t at = offset;
    for (std::uint32_t i = 0; i < count; ++i) {
        if (at + centralHeaderSize > end || b.compare(at, 4, "PK\x01\x02") != 0)
            return damaged("central directory entry damaged");
        const std::size_t nameSize = le16(b, at + 28), extra = le16(b, at + 30), comment = le16(b, at + 32);
        if (at + centralHeaderSize + nameSize + extra + comment > end)
            return damaged("central directory entry damaged");
        ZipEntry e{std::string(b.substr(at + centralHeaderSize, nameSize)), le32(b, at + 24)};
        const std::uint32_t flags = le16(b, at + 8);
        e.method = static_cast<int>(le16(b, at + 10));
        e.crc32 = le32(b, at + 16);
        e.packedSize = le32(b, at + 20);
        const std::uint64_t local = le32(b, at + 42);
        if (flags & 1)
            return damaged("encrypted entry");
        if (e.method != 0 && e.method != 8)
            return damaged("compression method not supported");
        if (e.packedSize == 0xFFFFFFFF || e.size == 0xFFFFFFFF || local == 0xFFFFFFFF)
            return damaged("Zip64 is not read");
        if (local + localHeaderSize > offset || b.compare(local, 4, "PK\x03\x04") != 0)
            return damaged("local header damaged");
        e.dataOffset = local + localHeaderSize + le16(b, local + 26) + le16(b, local + 28);
        if (e.dataOffset + e.packedSize > offset)
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
