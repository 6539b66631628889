// Damaged documents: every one is read or refused, never half taken.

#include <gtest/gtest.h>

#include <unistd.h>

#include <filesystem>
#include <random>
#include <sstream>

#include "document_fixtures.h"
#include "expression/expression_limits.h"
#include "expression/key_table.h"
#include "persistence/document_file.h"
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

// Whatever the program lets a graph grow to, it saves and opens again; one
// step beyond is refused where it would be made, not when it is opened.
TEST(DocumentDamage, EveryLimitTheProgramReachesSavesAndOpens) {
    const auto opens = [](Model m) {
        return std::holds_alternative<LoadedDocument>(testing::readFileBytes(testing::fileBytes(std::move(m))));
    };
    Model m = testing::startUpModel();
    m.document.curves[0].tokens.assign(kMaxExpressionTokens, keyAt(key::kX));
    EXPECT_TRUE(opens(m));
    m.document.curves[0].tokens.push_back(keyAt(key::kX));
    EXPECT_FALSE(opens(m));

    // As many curves as Next Curve makes before it refuses.
    GraphSettings settings;
    GraphView view(settings);
    std::optional<UserMessage> refusal;
    while (!refusal) {
        view.curves().current().tokens.push_back(keyAt(key::kX));
        refusal = view.nextCurve();
    }
    EXPECT_EQ(*refusal, tooManyCurvesMessage());
    EXPECT_EQ(view.curves().count(), kMaxCurves);
    EXPECT_TRUE(opens({settings, view.document()}));

    // Every key the curves may hold together.
    Model keys = testing::startUpModel();
    keys.document.curves.assign(kMaxKeysInAllCurves / kMaxExpressionTokens,
                                keys.document.curves[0]);
    for (Curve& curve : keys.document.curves) curve.tokens.assign(kMaxExpressionTokens, keyAt(key::kX));
    EXPECT_TRUE(opens(keys));
    keys.document.curves.back().tokens.pop_back();
    keys.document.curves.emplace_back().tokens.assign(2, keyAt(key::kX));
    EXPECT_FALSE(opens(keys));
}

TEST(DocumentDamage, AGraphTooLargeToOpenIsNotSaved) {
    Model m = testing::richModel();
    m.settings.modified = true;
    const std::size_t size = testing::fileBytes(m).size();
    const std::filesystem::path path =
        std::filesystem::temp_directory_path() / ("orrery-large-" + std::to_string(::getpid()) + ".qpl");
    EXPECT_EQ(saveDocumentFile(path, m.settings, m.document, size - 1), documentTooLargeMessage());
    EXPECT_EQ(documentTooLargeMessage().text,
              "This graph is too large to save: a document can hold at most 128 MiB.");
    EXPECT_FALSE(std::filesystem::exists(path));
    EXPECT_TRUE(m.settings.modified);

    EXPECT_EQ(saveDocumentFile(path, m.settings, m.document, size), std::nullopt);
    EXPECT_EQ(std::filesystem::file_size(path), size);
    EXPECT_FALSE(m.settings.modified);
    std::filesystem::remove(path);
}

}  // namespace
}  // namespace orrery
