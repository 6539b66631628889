// The reader's refusals, one changed field at a time (document_refusals.txt).

#include <gtest/gtest.h>

#include <bit>
#include <cmath>
#include <cstdint>
#include <limits>
#include <sstream>

#include "common/c_numeric.h"
#include "document_fixtures.h"
#include "support/case_file.h"

namespace orrery {
namespace {

std::uint64_t parseNumberBits(const std::string& type, const std::string& text) {
    if (type == "f64") {
        double v = 0;
        if (text == "nan") v = std::numeric_limits<double>::quiet_NaN();
        else if (text == "inf") v = std::numeric_limits<double>::infinity();
        else if (text == "-inf") v = -std::numeric_limits<double>::infinity();
        else v = parseDoubleC(text);
        return std::bit_cast<std::uint64_t>(v);
    }
    return static_cast<std::uint64_t>(std::stoll(text, nullptr, 0));
}

std::string changed(std::string bytes, std::size_t offset, const std::string& how, const std::string& value) {
    if (how == "truncate") return bytes.substr(0, offset);
    if (how == "append") {
        std::istringstream hex(value);
        for (unsigned b = 0; hex >> std::hex >> b;) bytes += static_cast<char>(b);
        return bytes;
    }
    const std::size_t width = how == "u8" ? 1 : how == "f64" ? 8 : 4;
    const std::uint64_t bits = parseNumberBits(how, value);
    EXPECT_LE(offset + width, bytes.size());
    for (std::size_t i = 0; i < width && offset + i < bytes.size(); ++i)
        bytes[offset + i] = static_cast<char>((bits >> (8 * i)) & 0xFF);
    return bytes;
}

TEST(DocumentRefusals, EachChangedFieldReadsOrIsRefused) {
    const std::string base = testing::fileBytes(testing::smallModel());
    ASSERT_EQ(base.size(), 477u);
    testing::forEachCase(ORRERY_TEST_DATA_DIR "/document_refusals.txt", 55, [&](const testing::Case& c) {
        ASSERT_EQ(c.fields.size(), 5u);
        SCOPED_TRACE(c.fields[0]);
        const std::string bytes = changed(base, std::stoul(c.fields[1]), c.fields[2], c.fields[3]);
        const auto result = testing::readFileBytes(bytes);
        if (c.fields[4] == "read") {
            EXPECT_TRUE(std::holds_alternative<LoadedDocument>(result));
        } else {
            ASSERT_EQ(c.fields[4], "refused");
            ASSERT_TRUE(std::holds_alternative<UserMessage>(result));
            EXPECT_EQ(std::get<UserMessage>(result).caption, "FILE ERROR");
            EXPECT_EQ(std::get<UserMessage>(result).text, "Your file is incompatible with this version of the program");
        }
    });
}

}  // namespace
}  // namespace orrery
