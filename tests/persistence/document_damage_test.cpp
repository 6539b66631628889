// Damaged documents: every one is read or refused, never half taken.

#include <gtest/gtest.h>

#include <random>
#include <sstream>

#include "document_fixtures.h"
#include "expression/expression_limits.h"
#include "expression/key_table.h"
#include "persistence/document_limits.h"
#include "persistence/document_reader.h"
#include "persistence/document_writer.h"

namespace orrery {
namespace {

using testing::Model;

// Reads a body into a live model; a refusal must leave it exactly as it was.
bool readIntoLive(const std::string& body, Model& live) {
    const Model before = live;
    std::istringstream in(body);
    const auto refused = ReadDocument(in, live.settings, live.document);
    if (refused) {
        EXPECT_EQ(*refused, incompatibleFileMessage());
        EXPECT_EQ(live.settings, before.settings);
        EXPECT_EQ(live.document, before.document);
    }
    return !refused;
}

std::string bodyOf(Model m) {
    std::ostringstream out;
    WriteDocument(out, m.settings, m.document);
    return out.str();
}

TEST(DocumentDamage, EveryTruncationIsRefusedAndChangesNothing) {
    const std::string body = bodyOf(testing::richModel());
    Model live = testing::smallModel();
    for (std::size_t length = 0; length < body.size(); ++length)
        ASSERT_FALSE(readIntoLive(body.substr(0, length), live)) << "read with only " << length << " bytes";
    EXPECT_TRUE(readIntoLive(body, live));
    EXPECT_EQ(live.document, testing::richModel().document);
}

// Whatever a damaged file reads as, writing that and reading it again
// settles: the reader never takes in something the writer cannot reproduce.
TEST(DocumentDamage, RandomByteChangesAreReadOrRefused) {
    const std::string body = bodyOf(testing::richModel());
    std::mt19937 random(20240611);
    std::uniform_int_distribution<std::size_t> position(0, body.size() - 1);
    std::uniform_int_distribution<int> byte(0, 255);
    std::uniform_int_distribution<int> changes(1, 4);
    int readCount = 0;
    for (int round = 0; round < 3000; ++round) {
        std::string damaged = body;
        for (int n = changes(random); n > 0; --n) damaged[position(random)] = static_cast<char>(byte(random));
        Model live = testing::smallModel();
        if (!readIntoLive(damaged, live)) continue;
        ++readCount;
        const std::string once = bodyOf(live);
        Model again = testing::smallModel();
        ASSERT_TRUE(readIntoLive(once, again)) << "round " << round;
        ASSERT_EQ(bodyOf(again), once) << "round " << round;
    }
    // Changes to colours, points and text mostly still read; the rest is refused.
    EXPECT_GT(readCount, 100);
    EXPECT_LT(readCount, 2900);
}

TEST(DocumentDamage, ExpressionLengthAndCurveCountLimits) {
    Model m = testing::startUpModel();
    m.document.curves[0].tokens.assign(kMaxExpressionTokens, keyAt(key::kX));
    EXPECT_TRUE(std::holds_alternative<LoadedDocument>(testing::readFileBytes(testing::fileBytes(m))));
    m.document.curves[0].tokens.push_back(keyAt(key::kX));
    EXPECT_TRUE(std::holds_alternative<UserMessage>(testing::readFileBytes(testing::fileBytes(m))));

    Model many = testing::startUpModel();
    many.document.curves.assign(kMaxDocumentCurves, Curve{});
    EXPECT_TRUE(std::holds_alternative<LoadedDocument>(testing::readFileBytes(testing::fileBytes(many))));
    many.document.curves.emplace_back();
    EXPECT_TRUE(std::holds_alternative<UserMessage>(testing::readFileBytes(testing::fileBytes(many))));
}

}  // namespace
}  // namespace orrery
