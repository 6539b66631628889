// Documents read back as they were written.

#include <gtest/gtest.h>

#include "document_fixtures.h"
#include "expression/key_table.h"
#include "persistence/document_reader.h"

namespace orrery {
namespace {

using testing::Model;

LoadedDocument loaded(const std::variant<LoadedDocument, UserMessage>& result) {
    if (const auto* message = std::get_if<UserMessage>(&result)) ADD_FAILURE() << message->text;
    const auto* document = std::get_if<LoadedDocument>(&result);
    return document ? *document : LoadedDocument{};
}

TEST(DocumentRoundTrip, RichDocumentComesBackEqual) {
    const Model original = testing::richModel();
    // Window options are not part of a document: they stay as the reader found them.
    GraphSettings current;
    current.toolTips = false;
    current.calculatorProportion = 0.3;
    current.profileName = "lab";
    current.showOriginalPoints = {false, true};

    const LoadedDocument back = loaded(testing::readFileBytes(testing::fileBytes(original), current));
    GraphSettings expected = original.settings;
    expected.toolTips = false;
    expected.calculatorProportion = 0.3;
    expected.profileName = "lab";
    expected.showOriginalPoints = {false, true};
    expected.pointCounts.push_back(500);  // three stored, four curves
    EXPECT_EQ(back.settings, expected);
    EXPECT_EQ(back.document, original.document);
    EXPECT_EQ(back.document.text.text, "Grüße ÷ π\r\nline two ²");
}

// With one count for all curves the missing entries were never stored: they
// grow with defaults just the same.
TEST(DocumentRoundTrip, ShortSharedPointCountsGrowForEveryCurve) {
    Model m = testing::richModel();
    m.settings.pointCounts = {42};
    m.settings.allPoints = true;
    const LoadedDocument back = loaded(testing::readFileBytes(testing::fileBytes(m)));
    EXPECT_EQ(back.settings.pointCounts, (std::vector<std::int32_t>{42, 500, 500, 500}));
}

TEST(DocumentRoundTrip, CurveLeftEmptyByAZoomStillOpens) {
    GraphSettings settings;
    GraphView view(settings);
    view.setSize(440, 440);
    view.curves().current().tokens.push_back(keyAt(key::kX));
    ASSERT_EQ(view.nextCurve(), std::nullopt);
    view.applyLimit(1, false, 0, 3.0, "3");          // curve 2 lives on x from 3 to 5
    view.zoomIn(PixelRect{20, 20, 120, 400});        // x from -5 to -2.5
    ASSERT_GT(settings.limits[1].xMin, settings.limits[1].xMax);

    const LoadedDocument back = loaded(testing::readFileBytes(testing::fileBytes({settings, view.document()})));
    EXPECT_EQ(back.settings.limits, settings.limits);
    EXPECT_EQ(back.document.curves[1].limits, view.curves().at(1).limits);
}

}  // namespace
}  // namespace orrery
