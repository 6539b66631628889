#include "common/utf8.h"

#include <gtest/gtest.h>

namespace orrery {
namespace {

TEST(Utf8, StrictValidity) {
    EXPECT_TRUE(isValidUtf8("plain"));
    EXPECT_TRUE(isValidUtf8("\xF0\x9F\x98\x80"));  // U+1F600
    EXPECT_FALSE(isValidUtf8("\xC0\xAF"));          // overlong "/"
    EXPECT_FALSE(isValidUtf8("\xED\xA0\x80"));      // a surrogate
    EXPECT_FALSE(isValidUtf8("\xF4\x90\x80\x80"));  // beyond U+10FFFF
    EXPECT_FALSE(isValidUtf8("\xE2\x86"));          // cut short
    EXPECT_EQ(codePointsToUtf8(*utf8ToCodePoints("a÷π😀")), "a÷π😀");
}

TEST(Utf8, LenientDecodingReplacesEachBadByte) {
    EXPECT_EQ(decodeUtf8("a\xc3\xb7"), std::u32string(U"a÷"));
    // An overlong "/" never decodes to "/".
    EXPECT_EQ(decodeUtf8("\xC0\xAF" "b\xE2\x86"), std::u32string(U"\uFFFD\uFFFDb\uFFFD\uFFFD"));
}

}  // namespace
}  // namespace orrery
