#include "document_fixtures.h"

#include <sstream>

#include "expression/key_table.h"
#include "persistence/document_writer.h"
#include "persistence/graph_text_values.h"
#include "persistence/memory_settings_store.h"

namespace orrery::testing {

Model startUpModel() {
    Model m;
    GraphView view(m.settings);
    const MemorySettingsStore emptyStore;
    LoadGraphTextStyle(emptyStore, view.text());
    LoadGraphTextPosition(emptyStore, view.text());
    m.document = view.document();
    return m;
}

Model smallModel() {
    Model m = startUpModel();
    Curve& c = m.document.curves[0];
    constexpr int kSin = 17;
    for (const int key : {kSin, key::kLeftBracket, key::kX}) c.tokens.push_back(keyAt(key));
    c.showDerivative = true;
    c.originalPoints = {{1, 2}, {3, 4}};
    m.document.text.text = "abc";
    return m;
}

Model richModel() {
    Model m;
    GraphSettings& s = m.settings;
    s.axesType = 2;
    s.allPoints = false;
    s.allStyles = false;
    s.allLimits = false;
    s.lineStyles = {0, 1, 2, 3, 3, 2, 1, 0, 1, 2, 3, 1};
    s.pointCounts = {2, 500, 123};
    s.thicknesses = {10, 1, 5, 7};
    s.limits = {{-1, 1, -2, 2}, {0.5, 100.25, -1e-3, 1e300}, {-7, -6, 3, 4}};
    s.curveColors.push_back(0x00123456);
    s.originalPointColors[3] = 0x00ABCDEF;
    s.axesColor = 0x00010203;
    s.backgroundColor = 0;
    s.labelColor = 0x00FFFFFF;
    s.statsColor = 0x00C0FFEE & 0xFFFFFF;

    GraphDocument& d = m.document;
    d.range = {-10, 10.5, -0.25, 1e6};
    Curve first;
    // sin ( x × π ) − e, with a control key as only a damaged file has it
    for (const int key : {17, 1, 3, 26, 43, 2, 28, 44, 30}) first.tokens.push_back(keyAt(key));
    first.limits = s.limits[0];
    first.domainScale = 0.0952380952;
    first.domainOffset = 0.428571;
    Curve fitted;
    for (const int key : {18, 25, 20, 26, 3, 27, 6}) fitted.tokens.push_back(keyAt(key));
    fitted.showDerivative = true;
    fitted.originalPoints = {{0, 1.5}, {1, 2.25}, {2.5, -3}, {-1e-300, 1e300}};
    fitted.limits = s.limits[1];
    Curve empty;
    empty.limits = s.limits[2];
    Curve derivativeOnly;
    derivativeOnly.tokens = {keyAt(3), keyAt(4)};
    derivativeOnly.showDerivative = true;
    d.curves = {first, fitted, empty, derivativeOnly};
    for (std::size_t i = 0; i < d.curves.size(); ++i) d.curves[i].index = static_cast<std::int32_t>(i);
    d.currentIndex = 2;
    GraphText& t = d.text;
    t.text = "Grüße ÷ π\r\nline two ²";
    t.bold = true;
    t.underline = true;
    t.color = 0x00336699;
    t.fontIndex = 5;
    t.sizeIndex = 22;
    t.shown = true;
    t.x = 0.125;
    t.y = 0.875;
    return m;
}

std::string fileBytes(Model model) {
    std::ostringstream out;
    WriteDocumentFile(out, model.settings, model.document);
    return out.str();
}

std::variant<LoadedDocument, UserMessage> readFileBytes(const std::string& bytes, const GraphSettings& current) {
    std::istringstream in(bytes);
    return ReadDocumentFile(in, current);
}

}  // namespace orrery::testing
