#include "shell/qt/headless_export.h"

#include <QFontMetrics>
#include <QGuiApplication>
#include <fstream>
#include <ostream>

#include "expression/typing.h"
#include "graphing/graph_view.h"
#include "graphing/limit_validation.h"
#include "graphing/qt/graph_painter.h"
#include "persistence/document_reader.h"
#include "shell/export_format.h"
#include "shell/file_names.h"
#include "shell/qt/picture_export.h"

namespace orrery {
namespace {

void report(const UserMessage& message, std::ostream& err) {
    err << message.caption << ": " << message.text << '\n';
}

std::optional<UserMessage> loadDocument(const std::string& path, GraphSettings& settings, GraphView& view) {
    const auto kind = classifyOpenPath(path);
    if (const auto* problem = std::get_if<UserMessage>(&kind)) return *problem;
    if (std::get<OpenKind>(kind) != OpenKind::Document)
        return cannotOpenFileMessage(CheckExtension(path, documentExtensions(), FileCheckMode::Open));
    std::ifstream in(path, std::ios::binary);
    if (!in) return cannotDrawFromFileMessage(path);
    auto loaded = ReadDocumentFile(in, settings);
    if (auto* problem = std::get_if<UserMessage>(&loaded)) return *problem;
    LoadedDocument& document = std::get<LoadedDocument>(loaded);
    settings = std::move(document.settings);
    view.loadDocument(std::move(document.document));
    return std::nullopt;
}

// Each text is typed into a curve of its own, as Next Curve would start it.
std::vector<UserMessage> typeCurves(const std::vector<std::string>& texts, GraphView& view) {
    for (std::size_t i = 0; i < texts.size(); ++i) {
        if (i > 0)
            if (auto refused = view.nextCurve()) return {*refused};
        TypedExpression typed = typeText(texts[i], {}, true);
        if (!typed.messages.empty()) return typed.messages;
        Curve& curve = view.curves().current();
        curve.tokens = std::move(typed.tokens);
        curve.cursor = static_cast<std::int32_t>(curve.tokens.size());
    }
    return {};
}

// The four limits as the Domains/Range dialog takes them for all curves.
std::optional<UserMessage> applyRange(const std::array<std::string, 4>& fields, GraphView& view) {
    const LimitValidation checked = validateLimits(view.settings(), 0, true, fields);
    if (!checked.ok) {
        if (checked.message) return checked.message;
        return UserMessage{"Improper Limits", "The limits do not describe an interval.", MessageIcon::Warning,
                           MessageButtons::Ok};
    }
    const CurveLimits& limits = checked.limits;
    const double values[4] = {limits.xMin, limits.xMax, limits.yMin, limits.yMax};
    for (int which = 0; which < 4; ++which)
        view.applyLimit(0, true, which, values[which], fields[static_cast<std::size_t>(which)]);
    return std::nullopt;
}

}  // namespace

int exportGraph(const ExportRequest& request, std::ostream& err) {
    if (const auto problem = checkExportPath(request.output)) {
        report(*problem, err);
        return 1;
    }
    GraphSettings settings;
    GraphView view(settings);
    std::vector<UserMessage> problems;
    if (!request.document.empty()) {
        if (auto problem = loadDocument(request.document, settings, view)) problems.push_back(*problem);
    } else {
        problems = typeCurves(request.curves, view);
    }
    if (problems.empty() && request.range)
        if (auto problem = applyRange(*request.range, view)) problems.push_back(*problem);

    if (problems.empty()) {
        view.setSize(request.width, request.height);
        const QFontMetrics metrics(QGuiApplication::font());
        view.setTextMargin({metrics.averageCharWidth(), metrics.height()});
        view.setCurvesShown(true);
        GraphPainter painter;
        EncodedPicture picture = encodePicture(*exportFormatFor(request.output), view, painter, request.width,
                                               request.height);
        problems = std::move(picture.messages);
        if (problems.empty())
            if (auto failure = savePicture(request.output, picture)) problems.push_back(*failure);
    }
    for (const UserMessage& problem : problems) report(problem, err);
    return problems.empty() ? 0 : 1;
}

}  // namespace orrery
