#include "shell/menu_state.h"

#include "shell/command_ids.h"

namespace orrery {

std::vector<MenuItemState> menuStateChanges(int code) {
    using namespace command;
    auto grey = [](int id) { return MenuItemState{id, false}; };
    auto enable = [](int id) { return MenuItemState{id, true}; };
    switch (code) {
        case 1:
            return {grey(kCopyResult), grey(kPasteResult), grey(kSave), grey(kSaveAs),
                    enable(kZoomIn),   enable(kZoomOut),   grey(kReverseZoom)};
        case 4: return {grey(kSave), enable(kSaveAs)};
        case 5: return {grey(kSave), enable(kSaveAs), grey(kRecentFirst)};
        case 7:
            return {enable(kSave), enable(kSaveAs), enable(kZoomIn), enable(kZoomOut),
                    enable(kRecentFirst)};
        case 8: return {enable(kZoomIn), enable(kZoomOut), grey(kReverseZoom)};
        case 9: return {enable(kReverseZoom)};
        case 10:
        case 12: return {grey(kReverseZoom)};
        case 11: return {enable(kZoomIn), enable(kZoomOut)};
        case 13:
            return {grey(kSave), grey(kSaveAs), enable(kZoomIn), enable(kZoomOut),
                    grey(kReverseZoom)};
        case 14: return {grey(kCopyResult), grey(kPasteResult)};
        case 15: return {enable(kCopyResult), enable(kPasteResult)};
        default: return {};
    }
}

}  // namespace orrery
