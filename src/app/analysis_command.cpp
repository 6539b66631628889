#include "app/analysis_command.h"

#include <ostream>
#include <vector>

#include "common/c_numeric.h"
#include "expression/curve_evaluation.h"
#include "expression/markers.h"
#include "expression/typing.h"
#include "graphing/curve_analysis.h"
#include "graphing/value_table.h"

namespace orrery {
namespace {

int fail(const UserMessage& message, std::ostream& err) {
    err << message.caption << ": " << message.text << '\n';
    return 1;
}

void printPoint(std::ostream& out, double x, double y) { out << formatC("%.17g %.17g\n", x, y); }

}  // namespace

int analysisCommand(const std::string& text, const AnalysisRequest& request, std::ostream& out,
                    std::ostream& err) {
    // The first message ends the run, before anything is printed.
    const TypedExpression typed = typeText(text, {}, true, true);
    if (!typed.messages.empty()) return fail(typed.messages.front(), err);
    if (typed.tokens.empty())
        return fail({"Input Error", "Please enter a function to analyse."}, err);
    const bool table = request.kind == AnalysisRequest::Kind::Table;
    const TableRange range{request.from, request.to, request.count};
    if (table) {
        if (auto problem = tableRangeProblem(range)) return fail(*problem, err);
    } else if (auto problem = analysisIntervalProblem(request.from, request.to)) {
        return fail(*problem, err);
    }
    ExpressionContext context;
    if (!table) {
        context.xMin = request.from;
        context.xMax = request.to;
    }
    const PreparedExpression prepared = prepareExpression(typed.tokens, context);
    if (!prepared.program) return fail(*prepared.message, err);
    const CompiledExpression& program = *prepared.program;

    switch (request.kind) {
        case AnalysisRequest::Kind::Zeros:
            for (const AnalysisPoint& p : findZeros(analysedCurve(program), request.from, request.to))
                printPoint(out, p.x, p.y);
            break;
        case AnalysisRequest::Kind::Extrema:
            // The end values are not turning points: only the window lists them.
            for (const Extremum& e : findExtrema(analysedCurve(program), request.from, request.to))
                if (e.kind != ExtremumKind::End) printPoint(out, e.x, e.y);
            break;
        case AnalysisRequest::Kind::Table: {
            std::vector<double> ys(static_cast<std::size_t>(range.count));
            tableBlock(program, range, 0, ys);
            for (std::size_t row = 0; row < ys.size(); ++row)
                if (!isNoValue(ys[row])) printPoint(out, tableX(range, static_cast<std::int64_t>(row)), ys[row]);
            break;
        }
        case AnalysisRequest::Kind::None: break;
    }
    return 0;
}

}  // namespace orrery
