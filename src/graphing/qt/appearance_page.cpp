#include "graphing/qt/appearance_page.h"

namespace orrery {

AppearancePage::~AppearancePage() = default;

}  // namespace orrery
