// The exact bytes documents are made of, spelled out from the file layout
// rather than produced by our own writer.

#include <gtest/gtest.h>

#include <bit>
#include <cstdint>
#include <sstream>
#include <string>

#include "document_fixtures.h"
#include "persistence/document_writer.h"

namespace orrery {
namespace {

using testing::fileBytes;

// Little-endian fields appended one after another.
struct Layout {
    std::string bytes;

    Layout& raw(std::string_view s) {
        bytes += s;
        return *this;
    }
    Layout& u8(unsigned v) {
        bytes += static_cast<char>(v);
        return *this;
    }
    Layout& u32(std::uint64_t v) {
        for (int i = 0; i < 4; ++i) u8((v >> (8 * i)) & 0xFF);
        return *this;
    }
    Layout& f64(double v) {
        const auto bits = std::bit_cast<std::uint64_t>(v);
        for (int i = 0; i < 8; ++i) u8((bits >> (8 * i)) & 0xFF);
        return *this;
    }
    Layout& u32s(std::initializer_list<std::uint64_t> values) {
        u32(values.size());
        for (auto v : values) u32(v);
        return *this;
    }
    Layout& limits(double a, double b, double c, double d) { return f64(a).f64(b).f64(c).f64(d); }
};

// The tag, the start-up settings and range, and the opening of the one curve
// every test document begins with.
Layout startOfDocument() {
    Layout l;
    l.raw(std::string_view("097\0", 4));
    l.u32s({0x009B009B, 0x00009B00, 0x009B0000, 0x00009B9B, 0x0000009B, 0x009B9B00, 0x00006464, 0x00640064,
            0x00646400, 0x0037C837});  // curve colours
    l.u32s({0x00009B9B, 0x009B9B00, 0x0037009B, 0x00009B9B, 0x0000009B, 0x009B9B00, 0x00006464, 0x00640064,
            0x00646400, 0x0037C837});  // data-point colours
    l.u32s({0, 0, 0, 0, 0, 0, 0, 0, 0, 0});                     // line styles
    l.u32s({500, 500, 500, 500, 500, 500, 500, 500, 500, 500});  // point counts
    l.u32s({1, 1, 1, 1, 1, 1, 1, 1, 1, 1});                     // thicknesses
    l.u32(1).u32(0x004B7A70).u32(0).limits(-5, 5, -5, 5);        // the first curve's limits
    l.u32(0x000000EB).u32(0x00FFFFFF).u32(0x00003700).u32(0x009B009B);
    l.u8(1).u8(1).u8(1).u8(1).u32(1);                        // all-curves flags, Cartesian axes
    l.limits(-5, 5, -5, 5).u32(1).u32(0);                    // range, one curve, current 0
    l.u32(0).limits(-5, 5, -5, 5).f64(1.0).f64(0.0);         // curve 0, its limits, domain scale and offset
    return l;
}

// Text anchor, hidden, and the start-up style.
Layout& textStyle(Layout& l) { return l.f64(0.75).f64(0.25).u8(0).u8(0).u8(0).u8(0).u32(0x00A50000).u32(4).u32(4); }

TEST(DocumentBytes, StartUpAndSmallDocumentsAreByteExact) {
    Layout startUp = startOfDocument();
    textStyle(startUp.u32(0)).u32(0);  // no keys: a 56-byte curve; no text
    ASSERT_EQ(startUp.bytes.size(), 424u);
    EXPECT_EQ(fileBytes(testing::startUpModel()), startUp.bytes);

    Layout small = startOfDocument();
    small.u32(3).u32(17).u32(1).u32(3).u8(1);      // sin ( x, derivative shown
    small.u32(2).f64(1).f64(3).f64(2).f64(4);      // x values before y values
    textStyle(small).u32(3).raw("abc").u8(0);     // length, bytes, one zero byte
    ASSERT_EQ(small.bytes.size(), 477u);
    EXPECT_EQ(fileBytes(testing::smallModel()), small.bytes);
}

TEST(DocumentBytes, EmptyCurveOmitsDerivativeAndPointsAndKeyedCurveEndsWithZeroPoints) {
    testing::Model m = testing::startUpModel();
    m.document.curves[0].showDerivative = true;
    m.document.curves[0].originalPoints = {{1, 1}};
    Curve keyed;
    keyed.tokens = {keyAt(6)};
    m.document.curves.push_back(keyed);
    const std::string bytes = fileBytes(m);

    Layout curves;
    curves.u32(0).limits(-5, 5, -5, 5).f64(1.0).f64(0.0).u32(0);          // nothing after T = 0
    curves.u32(1).limits(-5, 5, -5, 5).f64(1.0).f64(0.0).u32(1).u32(6).u8(0).u32(0);  // P = 0 ends it
    EXPECT_EQ(bytes.substr(332, curves.bytes.size()), curves.bytes);
    EXPECT_EQ(bytes.size(), 424u + 65);

    const auto read = testing::readFileBytes(bytes);
    ASSERT_TRUE(std::holds_alternative<LoadedDocument>(read));
    const Curve& empty = std::get<LoadedDocument>(read).document.curves[0];
    EXPECT_FALSE(empty.showDerivative);
    EXPECT_TRUE(empty.originalPoints.empty());
}

TEST(DocumentBytes, WritingClearsModifiedAndCurvesAreNumberedByPosition) {
    testing::Model m = testing::smallModel();
    m.settings.modified = true;
    m.document.curves[0].index = 7;  // a stale index is not what the file records
    std::ostringstream out;
    EXPECT_TRUE(WriteDocument(out, m.settings, m.document));
    EXPECT_FALSE(m.settings.modified);
    EXPECT_EQ(out.str().substr(328, 4), std::string(4, '\0'));
}

}  // namespace
}  // namespace orrery
