#include "graphing/qt/painting_tools.h"

#include <QList>

namespace orrery {

QPen dashedPen(const QColor& color, DashKind kind) {
    QPen pen(color, 1, Qt::CustomDashLine, Qt::FlatCap);
    switch (kind) {
        case DashKind::Dash: pen.setDashPattern({18, 6}); break;
        case DashKind::Dot: pen.setDashPattern({3, 3}); break;
        case DashKind::DashDot: pen.setDashPattern({9, 6, 3, 6}); break;
    }
    return pen;
}

}  // namespace orrery
