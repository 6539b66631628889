#include "persistence/document_reader.h"

#include <cmath>
#include <cstdint>
#include <vector>

#include "expression/expression_limits.h"
#include "expression/key_table.h"
#include "graphing/graph_text.h"
#include "persistence/byte_reader.h"
#include "persistence/document_limits.h"
#include "persistence/text_encoding.h"
#include "persistence/version_tag.h"

namespace orrery {
namespace {

constexpr std::size_t kLimitsRecordSize = 40;
constexpr std::size_t kEmptyCurveRecordSize = 56;
constexpr std::size_t kDataPointSize = 16;

// Every helper returns false as soon as the file cannot be what we wrote.
class BodyReader {
public:
    BodyReader(std::span<const std::uint8_t> bytes, GraphSettings& settings, GraphDocument& document)
        : r_(bytes), settings_(settings), document_(document) {}

    bool read() {
        return readSettings() && readRange(document_.range) && readCurves() && readGraphText() &&
               r_.remaining() == 0;
    }

private:
    // A count of elements of `elementSize` bytes: no more than `limit`, and
    // no more than the bytes left could hold.
    std::optional<std::uint32_t> count(std::size_t elementSize, std::uint32_t limit) {
        const auto n = r_.u32();
        if (!n || *n > limit || !r_.fits(*n, elementSize)) return std::nullopt;
        return n;
    }

    // Only 0 and 1 are written; any other byte is taken as true.
    bool flag(bool& out) {
        const auto b = r_.u8();
        if (b) out = *b != 0;
        return b.has_value();
    }

    bool intIn(std::int32_t& out, std::int32_t lowest, std::int32_t highest) {
        const auto v = r_.i32();
        if (!v || *v < lowest || *v > highest) return false;
        out = *v;
        return true;
    }

    bool finite(double& out) {
        const auto v = r_.f64();
        if (!v || !std::isfinite(*v)) return false;
        out = *v;
        return true;
    }

    // A curve's limits may be empty: zooming into a part of the graph that a
    // curve does not reach leaves it so, and such a file must open again.
    bool readLimits(CurveLimits& l) {
        return finite(l.xMin) && finite(l.xMax) && finite(l.yMin) && finite(l.yMax);
    }

    // The graph range is every mapping's divisor: it must be a real area.
    bool readRange(CurveLimits& l) {
        return readLimits(l) && l.xMax > l.xMin && l.yMax > l.yMin;
    }

    bool colors(std::vector<ColorRef>& out) {
        const auto n = count(4, kMaxSettingsEntries);
        if (!n) return false;
        out.clear();
        for (std::uint32_t i = 0; i < *n; ++i) out.push_back(*r_.u32());
        return true;
    }

    bool ints(std::vector<std::int32_t>& out, std::int32_t lowest, std::int32_t highest) {
        const auto n = count(4, kMaxSettingsEntries);
        if (!n) return false;
        out.assign(*n, 0);
        for (std::int32_t& v : out)
            if (!intIn(v, lowest, highest)) return false;
        return true;
    }

    bool limitsSequence(std::vector<CurveLimits>& out) {
        const auto n = count(kLimitsRecordSize, kMaxSettingsEntries);
        if (!n) return false;
        out.assign(*n, CurveLimits{});
        for (CurveLimits& l : out)
            if (!r_.bytes(8) || !readLimits(l)) return false;  // the first 8 bytes mean nothing
        return true;
    }

    bool readSettings() {
        GraphSettings& s = settings_;
        return colors(s.curveColors) && colors(s.originalPointColors) && ints(s.lineStyles, 0, 3) &&
               ints(s.pointCounts, GraphSettings::kMinPointCount, GraphSettings::kMaxPointCount) && ints(s.thicknesses, 1, 10) && limitsSequence(s.limits) &&
               color(s.axesColor) && color(s.backgroundColor) && color(s.labelColor) && color(s.statsColor) &&
               flag(s.allLimits) && flag(s.allPoints) && flag(s.allStyles) && flag(s.allThickness) &&
               intIn(s.axesType, 0, 2);
    }

    bool color(ColorRef& out) {
        const auto v = r_.u32();
        if (v) out = *v;
        return v.has_value();
    }

    bool readCurves() {
        const auto n = count(kEmptyCurveRecordSize, kMaxDocumentCurves);
        if (!n || *n == 0) return false;
        if (!intIn(document_.currentIndex, 0, static_cast<std::int32_t>(*n) - 1)) return false;
        document_.curves.assign(*n, Curve{});
        for (std::uint32_t i = 0; i < *n; ++i)
            if (!readCurve(document_.curves[i], static_cast<std::int32_t>(i))) return false;
        return true;
    }

    bool readCurve(Curve& c, std::int32_t position) {
        if (!intIn(c.index, position, position)) return false;
        // A short sequence gives the missing curves the default point count.
        while (settings_.pointCounts.size() <= static_cast<std::size_t>(c.index))
            settings_.pointCounts.push_back(GraphSettings::kDefaultPointCount);
        if (!readLimits(c.limits)) return false;
        const auto scale = r_.f64();
        const auto offset = r_.f64();
        if (!scale || !offset) return false;
        // Kept as stored; the view rescales every curve against its range anyway.
        c.domainScale = *scale;
        c.domainOffset = *offset;
        const auto tokens = count(4, static_cast<std::uint32_t>(kMaxExpressionTokens));
        if (!tokens) return false;
        tokenTotal_ += *tokens;
        if (tokenTotal_ > kMaxDocumentTokens) return false;
        if (*tokens == 0) return true;
        for (std::uint32_t t = 0; t < *tokens; ++t) {
            std::int32_t index = 0;
            if (!intIn(index, 0, kKeyCount - 1)) return false;
            c.tokens.push_back(keyAt(index));
        }
        if (!flag(c.showDerivative)) return false;
        const auto points = count(kDataPointSize, UINT32_MAX);
        if (!points) return false;
        c.originalPoints.assign(*points, DataPoint{});
        for (DataPoint& p : c.originalPoints)
            if (!finite(p.x)) return false;
        for (DataPoint& p : c.originalPoints)
            if (!finite(p.y)) return false;
        return true;
    }

    bool readGraphText() {
        GraphText& t = document_.text;
        constexpr auto kLastFont = static_cast<std::int32_t>(kGraphTextFontNames.size()) - 1;
        if (!finite(t.x) || !finite(t.y) || !flag(t.shown) || !flag(t.bold) || !flag(t.italic) ||
            !flag(t.underline) || !color(t.color) || !intIn(t.fontIndex, 0, kLastFont) ||
            !intIn(t.sizeIndex, 0, kGraphTextSizeCount - 1))
            return false;
        const auto length = count(1, UINT32_MAX);
        if (!length) return false;
        if (*length == 0) return true;
        const auto bytes = r_.bytes(*length);
        const auto terminator = r_.u8();
        if (!bytes || terminator != std::uint8_t{0}) return false;
        t.text = decodeGraphText(*bytes);
        return true;
    }

    ByteReader r_;
    GraphSettings& settings_;
    GraphDocument& document_;
    std::size_t tokenTotal_ = 0;
};

// The rest of the stream, or nullopt when it is larger than any document.
std::optional<std::vector<std::uint8_t>> readRest(std::istream& in) {
    std::vector<std::uint8_t> bytes;
    std::vector<char> chunk(1 << 16);
    while (in.read(chunk.data(), static_cast<std::streamsize>(chunk.size())) || in.gcount() > 0) {
        bytes.insert(bytes.end(), chunk.begin(), chunk.begin() + in.gcount());
        if (bytes.size() > kMaxDocumentBytes) return std::nullopt;
    }
    return bytes;
}

}  // namespace

UserMessage incompatibleFileMessage() {
    return UserMessage{"FILE ERROR", "Your file is incompatible with this version of the program",
                       MessageIcon::Warning, MessageButtons::Ok};
}

std::optional<UserMessage> ReadDocument(std::istream& in, GraphSettings& settings, GraphDocument& document) {
    const auto bytes = readRest(in);
    if (!bytes) return incompatibleFileMessage();
    GraphSettings readSettings = settings;
    GraphDocument readDocument;
    if (!BodyReader(*bytes, readSettings, readDocument).read()) return incompatibleFileMessage();
    settings = std::move(readSettings);
    document = std::move(readDocument);
    return std::nullopt;
}

std::variant<LoadedDocument, UserMessage> ReadDocumentFile(std::istream& in, const GraphSettings& current) {
    if (!checkVersionTag(in)) return incompatibleFileMessage();
    LoadedDocument loaded{current, GraphDocument{}};
    if (auto refused = ReadDocument(in, loaded.settings, loaded.document)) return *refused;
    return loaded;
}

}  // namespace orrery
