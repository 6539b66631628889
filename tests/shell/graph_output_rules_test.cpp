#include <gtest/gtest.h>

#include <cmath>
#include <filesystem>
#include <map>

#include "shell/clipboard_text.h"
#include "shell/export_format.h"
#include "shell/palette_quantizer.h"

namespace orrery {
namespace {

TEST(ExportNames, ExtensionPicksTheFormatOrTheMessage) {
    const std::string refused = "Only files with extensions \"bmp\", \"gif\", \"jpeg\", \"png\", \"svg\", \"pdf\" "
                                "can be exported by Orrery.";
    struct Case {
        const char* path;
        std::optional<ExportFormat> format;
        std::string message;
    };
    const Case cases[] = {
        {"/t/g.bmp", ExportFormat::Bmp, ""},  {"/t/G.GIF", ExportFormat::Gif, ""},
        {"/t/Graph.JPEG", ExportFormat::Jpeg, ""}, {"/t/g.png", ExportFormat::Png, ""},
        {"/t/g.svg", ExportFormat::Svg, ""},  {"/t/g.Pdf", ExportFormat::Pdf, ""},
        // The other refusals are the file-name checks' own, tested with them.
        {"/t/g.jpg", std::nullopt, refused},  {"/t/graph", std::nullopt, "Your file /t/graph has no extension."},
    };
    for (const Case& c : cases) {
        const auto problem = checkExportPath(c.path);
        EXPECT_EQ(problem ? problem->text : "", c.message) << c.path;
        if (problem) {
            EXPECT_EQ(problem->caption, "File Type Error") << c.path;
        } else {
            EXPECT_EQ(exportFormatFor(c.path), c.format) << c.path;
        }
    }
    const UserMessage unwritable = *writePictureFile("/no/such/folder/g.png", std::string_view("x"));
    EXPECT_EQ(unwritable.caption, "Orrery_742");
    EXPECT_EQ(unwritable.text, "Could not save the file: /no/such/folder/g.png");
}

int distance(std::uint32_t a, std::uint32_t b) {
    int d = 0;
    for (int shift : {0, 8, 16}) d = std::max(d, std::abs(int((a >> shift) & 0xFF) - int((b >> shift) & 0xFF)));
    return d;
}

TEST(PaletteQuantizer, FewColoursStayExactAndManyKeepTheCurvesColours) {
    // A graph-like picture: white background, five curve colours in long
    // lines, and 4000 blends of each colour with white at the lines' edges.
    const std::uint32_t curves[] = {0xFF0000, 0x0000A5, 0x009600, 0xC800C8, 0x00A0A0};
    const int width = 500, height = 200;
    std::vector<std::uint32_t> pixels(width * height, 0xFFFFFF);
    for (int c = 0; c < 5; ++c)
        for (int x = 0; x < width; ++x) pixels[(10 + c * 30) * width + x] = curves[c];
    for (int i = 0; i < 4000; ++i) {
        const std::uint32_t from = curves[i % 5];
        const double t = (i % 997) / 997.0;
        std::uint32_t blend = 0;
        for (int shift : {16, 8, 0}) {
            const double v = ((from >> shift) & 0xFF) * (1 - t) + 255 * t;
            blend |= static_cast<std::uint32_t>(v) << shift;
        }
        pixels[(170 + i / width) * width + i % width] = blend;
    }

    for (const int limit : {256, 16}) {
        const IndexedPicture picture = quantizeColors(pixels.data(), width, height, width, limit);
        ASSERT_LE(picture.palette.size(), static_cast<std::size_t>(limit));
        ASSERT_EQ(picture.indices.size(), pixels.size());
        int worst = 0;
        for (std::size_t i = 0; i < pixels.size(); ++i) {
            const std::uint32_t shown = picture.palette[picture.indices[i]];
            worst = std::max(worst, distance(shown, pixels[i]));
            // The background and every curve colour come out exactly.
            if (pixels[i] == 0xFFFFFF || i < static_cast<std::size_t>(170 * width)) {
                ASSERT_EQ(shown, pixels[i]) << limit << " at " << i;
            }
        }
        EXPECT_LE(worst, limit == 256 ? 16 : 96) << limit;
    }

    // Two colours: kept as they are, each pixel its own entry.
    std::vector<std::uint32_t> two{0x123456, 0xFFFFFF, 0x123456, 0x123456};
    const IndexedPicture small = quantizeColors(two.data(), 2, 2, 2);
    ASSERT_EQ(small.palette.size(), 2u);
    for (std::size_t i = 0; i < two.size(); ++i) EXPECT_EQ(small.palette[small.indices[i]], two[i]);
}

TEST(ResultText, ConstantsAtSeventeenPlacesTypeBackToTheSameValue) {
    Curve curve;
    curve.valueState = ValueState::Constant;
    const std::map<double, std::string> cases{
        {1024.0, "1024.000000000000"}, {-4.0, "-4"}, {1.5e20, "1.500000000\u00B710^20"}, {0.25, "0.250000000000000"}};
    for (const auto& [value, text] : cases) {
        curve.value = value;
        EXPECT_EQ(resultText(curve), text) << value;
    }
    curve.valueState = ValueState::Varies;
    EXPECT_EQ(resultText(curve), std::nullopt);
    curve.valueState = ValueState::Undefined;
    EXPECT_EQ(resultText(curve), std::nullopt);

    EXPECT_EQ(charactersToType("1.500000000\u00B710^20"), U"1.500000000*10^20");
    EXPECT_EQ(charactersToType("2\u00D73.5\r\n"), U"2*3.5");
    EXPECT_EQ(charactersToType("sin x\n"), U"sin x");
    EXPECT_EQ(charactersToType("1\n2\n"), U"1\n2");
}

}  // namespace
}  // namespace orrery
