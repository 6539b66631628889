#include "persistence/document_writer.h"

#include "persistence/byte_writer.h"
#include "persistence/text_encoding.h"
#include "persistence/version_tag.h"

namespace orrery {
namespace {

// Readers skip the first eight bytes of a limits record; documents have
// always carried this value there.
constexpr std::uint32_t kLimitsRecordTag = 0x004B7A70;

template <typename T, typename WriteOne>
void writeSequence(ByteWriter& w, const std::vector<T>& values, WriteOne writeOne) {
    w.count(values.size());
    for (const T& v : values) writeOne(v);
}

void writeLimits(ByteWriter& w, const CurveLimits& l) {
    w.f64(l.xMin);
    w.f64(l.xMax);
    w.f64(l.yMin);
    w.f64(l.yMax);
}

void writeSettings(ByteWriter& w, const GraphSettings& s) {
    const auto u32 = [&w](ColorRef c) { w.u32(c); };
    const auto i32 = [&w](std::int32_t v) { w.i32(v); };
    writeSequence(w, s.curveColors, u32);
    writeSequence(w, s.originalPointColors, u32);
    writeSequence(w, s.lineStyles, i32);
    writeSequence(w, s.pointCounts, i32);
    writeSequence(w, s.thicknesses, i32);
    writeSequence(w, s.limits, [&w](const CurveLimits& l) {
        w.u32(kLimitsRecordTag);
        w.u32(0);
        writeLimits(w, l);
    });
    w.u32(s.axesColor);
    w.u32(s.backgroundColor);
    w.u32(s.labelColor);
    w.u32(s.statsColor);
    w.flag(s.allLimits);
    w.flag(s.allPoints);
    w.flag(s.allStyles);
    w.flag(s.allThickness);
    w.i32(s.axesType);
}

void writeCurve(ByteWriter& w, const Curve& c, std::int32_t position) {
    w.i32(position);
    writeLimits(w, c.limits);
    w.f64(c.domainScale);
    w.f64(c.domainOffset);
    w.count(c.tokens.size());
    if (c.tokens.empty()) return;
    for (const ExpressionToken& t : c.tokens) w.i32(t.index);
    w.flag(c.showDerivative);
    w.count(c.originalPoints.size());
    for (const DataPoint& p : c.originalPoints) w.f64(p.x);
    for (const DataPoint& p : c.originalPoints) w.f64(p.y);
}

void writeGraphText(ByteWriter& w, const GraphText& t) {
    w.f64(t.x);
    w.f64(t.y);
    w.flag(t.shown);
    w.flag(t.bold);
    w.flag(t.italic);
    w.flag(t.underline);
    w.u32(t.color);
    w.i32(t.fontIndex);
    w.i32(t.sizeIndex);
    const std::string bytes = encodeGraphText(t.text);
    w.count(bytes.size());
    if (bytes.empty()) return;
    w.bytes(bytes);
    w.u8(0);
}

}  // namespace

bool WriteDocument(std::ostream& out, GraphSettings& settings, const GraphDocument& document) {
    ByteWriter w(out);
    writeSettings(w, settings);
    settings.modified = false;
    writeLimits(w, document.range);
    w.count(document.curves.size());
    w.i32(document.currentIndex);
    for (std::size_t i = 0; i < document.curves.size(); ++i)
        writeCurve(w, document.curves[i], static_cast<std::int32_t>(i));
    writeGraphText(w, document.text);
    return w.good();
}

bool WriteDocumentFile(std::ostream& out, GraphSettings& settings, const GraphDocument& document) {
    writeVersionTag(out);
    return WriteDocument(out, settings, document);
}

}  // namespace orrery
