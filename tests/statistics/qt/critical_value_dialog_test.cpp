#include "statistics/qt/critical_value_dialog.h"

#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include "statistics_fixture.h"

namespace orrery::testing {
namespace {

struct Entry {
    std::vector<const char*> degrees;
    const char* alpha;
};

void fill(CriticalValueDialog& dialog, const Entry& entry) {
    for (std::size_t i = 0; i < entry.degrees.size(); ++i)
        dialog.degreeBoxes().at(i)->setText(QString::fromLatin1(entry.degrees[i]));
    dialog.alphaBox()->setText(QString::fromLatin1(entry.alpha));
}

TEST_F(StatisticsTest, CriticalValueDialogsComputeWithTheirFormats) {
    struct Case {
        DistributionKind kind;
        const char* title;
        std::vector<const char*> shownDegrees;
        Entry entry;
        const char* output;
    };
    const Case cases[] = {
        {DistributionKind::Normal,
         "Critical Values: Normal Distribution",
         {},
         {{}, "0.05"},
         "1.645"},
        {DistributionKind::T,
         "Critical Values of the T Distribution",
         {"4"},
         {{"10"}, "0.05"},
         "1.81"},
        {DistributionKind::ChiSquare,
         "Critical Values of the Chi Square Distribution",
         {"6"},
         {{"1"}, "0.05"},
         "3.841459"},
        {DistributionKind::ChiSquare,
         "Critical Values of the Chi Square Distribution",
         {"6"},
         {{"6"}, "0.7"},
         "3.827552"},
        {DistributionKind::F,
         "Critical Values of the F Distribution",
         {"6", "6"},
         {{"3", "10"}, "0.01"},
         "6.55"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.title);
        DistributionSet fresh;
        CriticalValueDialog dialog(c.kind, fresh, messages);
        EXPECT_EQ(dialog.windowTitle().toStdString(), c.title);
        ASSERT_EQ(dialog.degreeBoxes().size(), c.shownDegrees.size());
        for (std::size_t i = 0; i < c.shownDegrees.size(); ++i)
            EXPECT_EQ(dialog.degreeBoxes()[i]->text().toStdString(), c.shownDegrees[i]);
        EXPECT_TRUE(dialog.alphaBox()->text().isEmpty());
        EXPECT_FALSE(dialog.outputBox()->isEnabled());
        fill(dialog, c.entry);
        QTest::mouseClick(dialog.calculateButton(), Qt::LeftButton);
        EXPECT_TRUE(messages.shown.empty());
        EXPECT_EQ(dialog.outputBox()->text().toStdString(), c.output);
    }
}

// A refused entry shows its message and empties alpha and the output;
// Close always puts back the degrees of freedom the dialog opened with.
TEST_F(StatisticsTest, CriticalValueDialogsRefuseAndRestoreOnClose) {
    struct Case {
        DistributionKind kind;
        Entry accepted, refused;
        UserMessage message;
        std::vector<const char*> degreesAfterRefusal;
    };
    const Case cases[] = {
        {DistributionKind::Normal,
         {{}, "0.05"},
         {{}, "0.5"},
         {"INPUT ERROR", "Alpha must be a positive number < 0.5 You entered alpha = 0.5"},
         {}},
        {DistributionKind::T,
         {{"10"}, "0.05"},
         {{"281"}, "0.05"},
         {"OUT OF BOUNDS",
          "Cannot compute t-distribution if the degrees of freedom exceed 280. Please use the "
          "Normal Distribution."},
         {"10"}},
        {DistributionKind::ChiSquare,
         {{"3"}, "0.5"},
         {{"3"}, ""},
         {"INPUT ERROR", "Pleae enter a positive number < 1 for Alpha"},
         {"3"}},
        {DistributionKind::F,
         {{"2", "3"}, "0.1"},
         {{"5", "0"}, "0.1"},
         {"OUT OF RANGE", "The degrees of freedom #2 must be >= 1\n"},
         {"5", "3"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(distributionTitle(c.kind));
        messages.shown.clear();
        const DrawnDistribution before = distributions.drawn(c.kind);
        CriticalValueDialog dialog(c.kind, distributions, messages);
        fill(dialog, c.accepted);
        dialog.calculate();
        ASSERT_FALSE(dialog.outputBox()->text().isEmpty());
        fill(dialog, c.refused);
        dialog.calculate();
        ASSERT_EQ(messages.shown.size(), 1u);
        EXPECT_EQ(messages.shown[0], c.message);
        EXPECT_TRUE(dialog.alphaBox()->text().isEmpty());
        EXPECT_TRUE(dialog.outputBox()->text().isEmpty());
        for (std::size_t i = 0; i < c.degreesAfterRefusal.size(); ++i)
            EXPECT_EQ(dialog.degreeBoxes()[i]->text().toStdString(), c.degreesAfterRefusal[i]);
        QTest::mouseClick(dialog.closeButton(), Qt::LeftButton);
        EXPECT_EQ(dialog.result(), QDialog::Rejected);
        const DrawnDistribution after = distributions.drawn(c.kind);
        EXPECT_EQ(after.d1, before.d1);
        EXPECT_EQ(after.d2, before.d2);
    }
}

}  // namespace
}  // namespace orrery::testing
