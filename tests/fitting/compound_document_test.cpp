#include "fitting/compound_document.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

namespace orrery {
namespace {

constexpr std::uint32_t kEnd = 0xFFFFFFFE;
constexpr std::uint32_t kFree = 0xFFFFFFFF;

void put32(std::string& bytes, std::size_t at, std::uint32_t value) {
    for (int i = 0; i < 4; ++i) bytes[at + i] = static_cast<char>(value >> (8 * i));
}

struct Node {
    std::string name;
    unsigned char type;  // 1 storage, 2 stream, 5 root
    std::uint32_t left = kFree, right = kFree, child = kFree;
    std::string data;
    std::uint32_t start = kEnd;
    std::uint64_t size = 0;
};

// A compound document laid out as: one FAT sector, the directory, the mini FAT,
// the mini stream, then the large streams. `damage` may change the FAT and
// the directory before they are written.
struct Builder {
    unsigned shift = 9;
    std::vector<Node> nodes;
    std::function<void(std::vector<std::uint32_t>&, std::vector<Node>&)> damage = [](auto&, auto&) {};

    std::string build() {
        const std::size_t size = std::size_t{1} << shift;
        const std::uint32_t directorySectors = static_cast<std::uint32_t>((nodes.size() * 128 + size - 1) / size);
        const std::uint32_t miniFatSector = 1 + directorySectors;
        std::vector<std::uint32_t> fat(size / 4, kFree), miniFat(size / 4, kFree);
        std::string miniStream, large;
        std::uint32_t next = miniFatSector + 1;
        const auto chain = [&](std::vector<std::uint32_t>& table, std::uint32_t first, std::size_t count) {
            for (std::uint32_t i = 0; i < count; ++i) table[first + i] = i + 1 < count ? first + i + 1 : kEnd;
        };
        const auto padded = [](std::string data, std::size_t unit) {
            data.resize((data.size() + unit - 1) / unit * unit);
            return data;
        };
        fat[0] = 0xFFFFFFFD;
        chain(fat, 1, directorySectors);
        chain(fat, miniFatSector, 1);
        for (Node& node : nodes) {
            if (node.type != 2 || node.data.size() >= 4096) continue;
            node.size = node.data.size();
            node.start = static_cast<std::uint32_t>(miniStream.size() / 64);
            miniStream += padded(node.data, 64);
            chain(miniFat, node.start, (miniStream.size() / 64) - node.start);
        }
        nodes[0].start = next, nodes[0].size = miniStream.size();
        miniStream = padded(miniStream, size);
        chain(fat, next, miniStream.size() / size);
        next += static_cast<std::uint32_t>(miniStream.size() / size);
        for (Node& node : nodes) {
            if (node.type != 2 || node.data.size() < 4096) continue;
            node.size = node.data.size(), node.start = next;
            large += padded(node.data, size);
            chain(fat, next, (node.data.size() + size - 1) / size);
            next = static_cast<std::uint32_t>(miniFatSector + 1 + (miniStream.size() + large.size()) / size);
        }
        damage(fat, nodes);

        std::string header(size, '\0');
        header.replace(0, 8, "\xD0\xCF\x11\xE0\xA1\xB1\x1A\xE1");
        header[0x1A] = shift == 9 ? 3 : 4, header[0x1C] = '\xFE', header[0x1D] = '\xFF';
        header[0x1E] = static_cast<char>(shift), header[0x20] = 6;
        put32(header, 0x2C, 1), put32(header, 0x30, 1), put32(header, 0x38, 4096);
        put32(header, 0x3C, miniFatSector), put32(header, 0x40, 1), put32(header, 0x44, kEnd);
        for (std::size_t at = 0x4C; at < 512; at += 4) put32(header, at, kFree);
        put32(header, 0x4C, 0);
        std::string fatBytes(size, '\0'), miniFatBytes(size, '\0'), directory(directorySectors * size, '\0');
        for (std::size_t i = 0; i < fat.size(); ++i) put32(fatBytes, 4 * i, fat[i]), put32(miniFatBytes, 4 * i, miniFat[i]);
        for (std::size_t i = 0; i < nodes.size(); ++i) {
            const std::size_t at = 128 * i;
            for (std::size_t c = 0; c < nodes[i].name.size(); ++c) directory[at + 2 * c] = nodes[i].name[c];
            directory[at + 0x40] = static_cast<char>(2 * (nodes[i].name.size() + 1));
            directory[at + 0x42] = static_cast<char>(nodes[i].type);
            put32(directory, at + 0x44, nodes[i].left), put32(directory, at + 0x48, nodes[i].right);
            put32(directory, at + 0x4C, nodes[i].child), put32(directory, at + 0x74, nodes[i].start);
            put32(directory, at + 0x78, static_cast<std::uint32_t>(nodes[i].size));
        }
        return header + fatBytes + directory + miniFatBytes + miniStream + large;
    }
};

std::string pattern(std::size_t size) {
    std::string text(size, '\0');
    for (std::size_t i = 0; i < size; ++i) text[i] = static_cast<char>(i * 7 + i / 251);
    return text;
}

// Root -> Workbook (small), its siblings Storage (holding Hidden) and Book
// (large).
Builder workbook(unsigned shift) {
    Builder builder;
    builder.shift = shift;
    builder.nodes = {{"Root Entry", 5, kFree, kFree, 1, ""},
                     {"Workbook", 2, 2, 4, kFree, "small stream"},
                     {"Storage", 1, kFree, kFree, 3, ""},
                     {"Hidden", 2, kFree, kFree, kFree, "inside a storage"},
                     {"Book", 2, kFree, kFree, kFree, pattern(5000)}};
    return builder;
}

TEST(CompoundDocument, FindsTopLevelStreamsByNameInBothSectorSizes) {
    for (const unsigned shift : {9u, 12u}) {
        const std::string document = workbook(shift).build();
        EXPECT_EQ(compoundStream(document, "WORKBOOK"), std::optional<std::string>("small stream")) << shift;
        EXPECT_EQ(compoundStream(document, "Book"), std::optional<std::string>(pattern(5000))) << shift;
        EXPECT_EQ(compoundStream(document, "Hidden"), std::nullopt) << shift;
        EXPECT_EQ(compoundStream(document, "Storage"), std::nullopt) << shift;
        EXPECT_EQ(compoundStream(document, "Missing"), std::nullopt) << shift;
    }
}

TEST(CompoundDocument, DamageOnTheWayToAStreamGivesNothing) {
    using Fat = std::vector<std::uint32_t>;
    using Nodes = std::vector<Node>;
    struct Case {
        const char* what;
        const char* stream;
        std::function<void(Fat&, Nodes&)> damage;
    };
    const std::vector<Case> cases = {
        {"a chain that loops", "Book", [](Fat& fat, Nodes& nodes) { fat[nodes[4].start + 1] = nodes[4].start; }},
        {"a chain that leaves the table", "Book", [](Fat& fat, Nodes& nodes) { fat[nodes[4].start] = 100000; }},
        {"a chain past the end of the file", "Book", [](Fat& fat, Nodes& nodes) { fat[nodes[4].start + 2] = 100; }},
        {"a size beyond the chain", "Book", [](Fat&, Nodes& nodes) { nodes[4].size = 9000; }},
        {"a small size beyond the mini stream", "Workbook", [](Fat&, Nodes& nodes) { nodes[1].size = 4000; }},
        {"a mini stream longer than its chain", "Workbook", [](Fat&, Nodes& nodes) { nodes[0].size = 5000; }},
        {"a sibling tree that loops", "Book", [](Fat&, Nodes& nodes) { nodes[1].right = 1; }},
        {"an entry past the directory", "Book", [](Fat&, Nodes& nodes) { nodes[1].right = 4000; }},
        {"a directory with no root", "Workbook", [](Fat&, Nodes& nodes) { nodes[0].type = 1; }},
    };
    for (const Case& c : cases) {
        Builder builder = workbook(9);
        builder.damage = c.damage;
        EXPECT_EQ(compoundStream(builder.build(), c.stream), std::nullopt) << c.what;
    }
    const std::string whole = workbook(9).build();
    // Every cut before the last sector of "Book" loses part of it.
    for (std::size_t cut = 0; cut < whole.size() - 512; cut += 97)
        EXPECT_EQ(compoundStream(whole.substr(0, cut), "Book"), std::nullopt) << "cut at " << cut;
}

}  // namespace
}  // namespace orrery
