// Graph text bytes (text_encoding.txt) and the decoding of any bytes at all.

#include <gtest/gtest.h>

#include <iomanip>
#include <random>
#include <sstream>

#include "persistence/text_encoding.h"
#include "support/case_file.h"

namespace orrery {
namespace {

std::string hexOf(const std::string& bytes) {
    std::ostringstream out;
    for (std::size_t i = 0; i < bytes.size(); ++i)
        out << (i ? " " : "") << std::uppercase << std::hex << std::setw(2) << std::setfill('0')
            << static_cast<int>(static_cast<unsigned char>(bytes[i]));
    return out.str();
}

TEST(TextEncoding, StoredBytesAndReadBack) {
    testing::forEachCase(ORRERY_TEST_DATA_DIR "/text_encoding.txt", 9, [](const testing::Case& c) {
        ASSERT_EQ(c.fields.size(), 2u);
        const std::string stored = encodeGraphText(c.fields[0]);
        EXPECT_EQ(hexOf(stored), c.fields[1]);
        EXPECT_EQ(decodeGraphText(stored), c.fields[0]);
    });
}

TEST(TextEncoding, AnyBytesReadAsTextThatKeepsItsBytesOrItsCharacters) {
    // Old files may hold any byte; even the five codes the code page leaves
    // unassigned come back unchanged.
    std::string every;
    for (int b = 1; b < 256; ++b) every += static_cast<char>(b);
    EXPECT_EQ(encodeGraphText(decodeGraphText(every)), every);

    std::mt19937 random(7);
    std::uniform_int_distribution<int> byte(0, 255);
    for (int round = 0; round < 500; ++round) {
        std::string bytes(static_cast<std::size_t>(round % 13), '\0');
        for (char& c : bytes) c = static_cast<char>(byte(random));
        const std::string text = decodeGraphText(bytes);
        ASSERT_TRUE(isValidUtf8(text));
        ASSERT_EQ(decodeGraphText(encodeGraphText(text)), text) << hexOf(bytes);
    }
}

TEST(TextEncoding, CodesOutsideWindows1252) {
    EXPECT_EQ(toWindows1252("π"), std::nullopt);
    EXPECT_EQ(fromWindows1252("\x80\x81"), "€\xC2\x81");
}

}  // namespace
}  // namespace orrery
