#pragma once

// Documents the persistence tests share: the program's start-up document, a
// small one whose byte offsets the refusal table names, and a rich one.

#include <string>
#include <variant>

#include "graphing/graph_settings.h"
#include "graphing/graph_view.h"
#include "persistence/document_reader.h"

namespace orrery::testing {

struct Model {
    GraphSettings settings;
    GraphDocument document;
};

// What the program holds at start: default settings, one empty curve, the
// graph text style and position of an empty settings store.
Model startUpModel();

// The start-up model with one curve "sin(x" (3 keys), its derivative shown,
// two data points (1, 2) and (3, 4), and the graph text "abc". 477 bytes.
Model smallModel();

// Several curves with keys of every class, data points, derivative flags,
// non-ASCII graph text and settings far from the defaults.
Model richModel();

// Tag and body as the writer makes them.
std::string fileBytes(Model model);

std::variant<LoadedDocument, UserMessage> readFileBytes(const std::string& bytes,
                                                        const GraphSettings& current = GraphSettings{});

}  // namespace orrery::testing
