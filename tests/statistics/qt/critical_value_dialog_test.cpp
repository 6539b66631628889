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

// Each dialog opens on the window's degrees of freedom, computes with them
// through Calculate, empties alpha and the output after a refusal, and on
// Close puts back the degrees of freedom it opened with.
TEST_F(StatisticsTest, CriticalValueDialogsComputeRefuseAndRestoreOnClose) {
    struct Case {
        DistributionKind kind;
        const char* title;
        std::vector<const char*> opening;
        Entry accepted;
        const char* output;
        Entry refused;
        UserMessage message;
        std::vector<const char*> degreesAfterRefusal;
    };
    const Case cases[] = {
        {DistributionKind::Normal, "Critical Values: Normal Distribution", {}, {{}, "0.05"},
         "1.645", {{}, "0.5"},
         {"INPUT ERROR", "Alpha must be a positive number < 0.5 You entered alpha = 0.5"}, {}},
        {DistributionKind::T, "Critical Values of the T Distribution", {"4"}, {{"10"}, "0.05"},
         "1.81", {{"281"}, "0.05"},
         {"OUT OF BOUNDS",
          "Cannot compute t-distribution if the degrees of freedom exceed 280. Please use the "
          "Normal Distribution."},
         {"10"}},
        {DistributionKind::ChiSquare, "Critical Values of the Chi Square Distribution", {"6"},
         {{"6"}, "0.7"}, "3.827552", {{"3"}, ""},
         {"INPUT ERROR", "Pleae enter a positive number < 1 for Alpha"}, {"3"}},
        {DistributionKind::F, "Critical Values of the F Distribution", {"6", "6"},
         {{"3", "10"}, "0.01"}, "6.55", {{"5", "0"}, "0.1"},
         {"OUT OF RANGE", "The degrees of freedom #2 must be >= 1\n"}, {"5", "10"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.title);
        messages.shown.clear();
        DistributionSet set;
        CriticalValueDialog dialog(c.kind, set, messages);
        EXPECT_EQ(dialog.windowTitle().toStdString(), c.title);
        ASSERT_EQ(dialog.degreeBoxes().size(), c.opening.size());
        for (std::size_t i = 0; i < c.opening.size(); ++i)
            EXPECT_EQ(dialog.degreeBoxes()[i]->text().toStdString(), c.opening[i]);
        EXPECT_FALSE(dialog.outputBox()->isEnabled());

        fill(dialog, c.accepted);
        QTest::mouseClick(dialog.calculateButton(), Qt::LeftButton);
        EXPECT_TRUE(messages.shown.empty());
        EXPECT_EQ(dialog.outputBox()->text().toStdString(), c.output);

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
        const DrawnDistribution after = set.drawn(c.kind);
        const DrawnDistribution fresh = DistributionSet().drawn(c.kind);
        EXPECT_EQ(after.d1, fresh.d1);
        EXPECT_EQ(after.d2, fresh.d2);
    }
}

}  // namespace
}  // namespace orrery::testing
