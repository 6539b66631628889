// A reader for compound documents small enough to check in full: a header,
// a table of sector chains (the FAT), a directory of 128-byte entries, and
// small streams packed into a "mini stream" with its own table. Only what
// finding and reading one top-level stream needs is read.
#include "fitting/compound_document.h"

#include <algorithm>
#include <cstdint>
#include <vector>

#include "common/little_endian.h"

namespace orrery {
namespace {

// Sector numbers from here up mark the end of a chain, a free sector or a
// sector of the tables themselves.
constexpr std::uint32_t kFirstSpecialSector = 0xFFFFFFFA;
constexpr std::uint32_t kNoEntry = 0xFFFFFFFF;
constexpr std::size_t kHeaderSize = 512;
constexpr std::size_t kHeaderFatEntries = 109;
constexpr std::size_t kEntrySize = 128;
constexpr std::string_view kSignature{"\xD0\xCF\x11\xE0\xA1\xB1\x1A\xE1", 8};

enum EntryType : unsigned char { kStream = 2, kRoot = 5 };

// A number cut short by the end of the data reads as "no entry", which
// every chain and tree walk treats as its end.
std::uint32_t u32(std::string_view data, std::size_t at) {
    return static_cast<std::uint32_t>(littleEndianAt(data, at, 4).value_or(kNoEntry));
}

std::uint16_t u16(std::string_view data, std::size_t at) {
    return static_cast<std::uint16_t>(littleEndianAt(data, at, 2).value_or(0));
}

struct Entry {
    std::string_view bytes;
    unsigned char type() const { return static_cast<unsigned char>(bytes[0x42]); }
    std::uint32_t left() const { return u32(bytes, 0x44); }
    std::uint32_t right() const { return u32(bytes, 0x48); }
    std::uint32_t child() const { return u32(bytes, 0x4C); }
    std::uint32_t start() const { return u32(bytes, 0x74); }
    // Version 3 files may leave junk in the high half of the size.
    std::uint64_t size(bool version3) const {
        const std::uint64_t high = version3 ? 0 : u32(bytes, 0x7C);
        return high << 32 | u32(bytes, 0x78);
    }
    // The name is UTF-16 with its length in bytes, terminator included.
    bool named(std::string_view name) const {
        const std::size_t units = std::min<std::size_t>(u16(bytes, 0x40), 64) / 2;
        if (units != name.size() + 1) return false;
        for (std::size_t i = 0; i < name.size(); ++i) {
            const std::uint16_t unit = u16(bytes, 2 * i);
            const auto lower = [](unsigned c) { return c >= 'A' && c <= 'Z' ? c + 32 : c; };
            if (unit > 0x7F || lower(unit) != lower(static_cast<unsigned char>(name[i]))) return false;
        }
        return true;
    }
};

class CompoundDocument {
  public:
    explicit CompoundDocument(std::string_view bytes) : bytes_(bytes) { valid_ = readTables(); }

    std::optional<std::string> topLevelStream(std::string_view name) const {
        if (!valid_) return std::nullopt;
        const std::optional<std::uint32_t> index = findChild(name);
        if (!index) return std::nullopt;
        const Entry stream = entry(*index);
        const std::uint64_t size = stream.size(version3_);
        if (size < miniCutoff_) return readChain(miniFat_, miniStream_, miniSectorSize_, stream.start(), size, false);
        return readChain(fat_, bytes_, sectorSize_, stream.start(), size, true);
    }

  private:
    bool readTables() {
        if (bytes_.size() < kHeaderSize || bytes_.substr(0, 8) != kSignature || u16(bytes_, 0x1C) != 0xFFFE)
            return false;
        const unsigned sectorShift = u16(bytes_, 0x1E);
        const unsigned miniShift = u16(bytes_, 0x20);
        if (sectorShift < 7 || sectorShift > 16 || miniShift < 2 || miniShift >= sectorShift) return false;
        sectorSize_ = std::size_t{1} << sectorShift;
        miniSectorSize_ = std::size_t{1} << miniShift;
        version3_ = sectorShift == 9;
        miniCutoff_ = u32(bytes_, 0x38);
        if (!readFat()) return false;
        const std::optional<std::string> directory =
            readChain(fat_, bytes_, sectorSize_, u32(bytes_, 0x30), kUnbounded, true);
        if (!directory || directory->size() < kEntrySize) return false;
        directory_ = *directory;
        const Entry root = entry(0);
        if (root.type() != kRoot) return false;
        // A document of large streams only has no mini stream at all.
        if (root.start() < kFirstSpecialSector) {
            const std::optional<std::string> miniStream =
                readChain(fat_, bytes_, sectorSize_, root.start(), root.size(version3_), true);
            const std::optional<std::string> miniFat =
                readChain(fat_, bytes_, sectorSize_, u32(bytes_, 0x3C), kUnbounded, true);
            if (!miniStream || !miniFat) return false;
            miniStream_ = *miniStream;
            miniFat_ = *miniFat;
        }
        return true;
    }

    // The FAT's sectors are listed first in the header, then in a chain of
    // further sectors whose last number points to the next one.
    bool readFat() {
        const std::uint32_t fatSectors = u32(bytes_, 0x2C);
        if (fatSectors > sectorCount()) return false;
        std::vector<std::uint32_t> sectors;
        for (std::size_t i = 0; i < kHeaderFatEntries && sectors.size() < fatSectors; ++i)
            sectors.push_back(u32(bytes_, 0x4C + 4 * i));
        std::uint32_t next = u32(bytes_, 0x44);
        const std::size_t perSector = sectorSize_ / 4 - 1;
        for (std::size_t hops = 0; sectors.size() < fatSectors; ++hops) {
            if (next >= sectorCount() || hops > sectorCount()) return false;
            const std::string_view list = sector(bytes_, sectorSize_, next);
            for (std::size_t i = 0; i < perSector && sectors.size() < fatSectors; ++i)
                sectors.push_back(u32(list, 4 * i));
            next = u32(list, 4 * perSector);
        }
        std::string fat;
        for (const std::uint32_t number : sectors) {
            if (number >= sectorCount()) return false;
            fat.append(sector(bytes_, sectorSize_, number));
        }
        fat_ = fat;
        return true;
    }

    // The top-level entries are the tree of siblings under the root's child.
    std::optional<std::uint32_t> findChild(std::string_view name) const {
        std::vector<bool> seen(entryCount());
        std::vector<std::uint32_t> pending{entry(0).child()};
        while (!pending.empty()) {
            const std::uint32_t index = pending.back();
            pending.pop_back();
            if (index >= entryCount() || seen[index]) continue;
            seen[index] = true;
            const Entry candidate = entry(index);
            if (candidate.type() == kStream && candidate.named(name)) return index;
            pending.push_back(candidate.left());
            pending.push_back(candidate.right());
        }
        return std::nullopt;
    }

    static constexpr std::uint64_t kUnbounded = ~std::uint64_t{0};

    // Sector n of the file follows the header, which takes one sector's room.
    static std::string_view sector(std::string_view data, std::size_t size, std::uint32_t number,
                                   bool afterHeader = true) {
        const std::size_t at = (static_cast<std::size_t>(number) + (afterHeader ? 1 : 0)) * size;
        return at >= data.size() ? std::string_view{} : data.substr(at, size);
    }

    // The bytes of the chain that starts at first, cut to size (the whole
    // chain when unbounded). A chain that loops, leaves its table or the
    // data, or ends before size bytes is damage.
    static std::optional<std::string> readChain(std::string_view table, std::string_view data, std::size_t sectorSize,
                                                std::uint32_t first, std::uint64_t size, bool afterHeader) {
        const std::size_t links = table.size() / 4;
        std::string bytes;
        std::vector<bool> seen(links);
        for (std::uint32_t at = first; at < kFirstSpecialSector && bytes.size() < size; at = u32(table, 4 * at)) {
            if (at >= links || seen[at]) return std::nullopt;
            seen[at] = true;
            const std::string_view piece = sector(data, sectorSize, at, afterHeader);
            if (piece.empty()) return std::nullopt;
            bytes.append(piece);
        }
        if (size == kUnbounded) return bytes;
        if (bytes.size() < size) return std::nullopt;
        bytes.resize(static_cast<std::size_t>(size));
        return bytes;
    }

    std::size_t sectorCount() const { return (bytes_.size() + sectorSize_ - 1) / sectorSize_ - 1; }
    std::size_t entryCount() const { return directory_.size() / kEntrySize; }
    Entry entry(std::uint32_t index) const {
        return Entry{std::string_view(directory_).substr(index * kEntrySize, kEntrySize)};
    }

    std::string_view bytes_;
    bool valid_ = false;
    bool version3_ = true;
    std::size_t sectorSize_ = 512;
    std::size_t miniSectorSize_ = 64;
    std::uint64_t miniCutoff_ = 4096;
    std::string fat_;
    std::string directory_;
    std::string miniFat_;
    std::string miniStream_;
};

}  // namespace

std::optional<std::string> compoundStream(std::string_view document, std::string_view name) {
    return CompoundDocument(document).topLevelStream(name);
}

}  // namespace orrery
