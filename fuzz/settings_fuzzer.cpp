// Any settings file: the input's lines are "KEY<tab>NAME<tab>VALUE" values
// of the store (KEY like "Quorvane Users\lab"), read by the program's loaders
// for profiles, recent files, the graph text and the tips. What they take
// must be what the program can keep: a loaded profile saves and loads back
// as it was, and the settings and graph text it took can be saved in a
// document that opens again.
#include <cstddef>
#include <cstdint>
#include <sstream>
#include <string>
#include <string_view>
#include <variant>

#include "fuzz_check.h"
#include "persistence/document_reader.h"
#include "persistence/document_writer.h"
#include "persistence/graph_text_values.h"
#include "persistence/memory_settings_store.h"
#include "persistence/profiles.h"
#include "persistence/recent_file_values.h"
#include "persistence/tip_number.h"

namespace {

using namespace orrery;

MemorySettingsStore storeOf(std::string_view input) {
    MemorySettingsStore store;
    while (!input.empty()) {
        const std::string_view line = input.substr(0, input.find('\n'));
        input.remove_prefix(std::min(input.size(), line.size() + 1));
        const std::size_t tab1 = line.find('\t');
        const std::size_t tab2 = tab1 == std::string_view::npos ? tab1 : line.find('\t', tab1 + 1);
        if (tab2 == std::string_view::npos) continue;
        store.write(line.substr(0, tab1), line.substr(tab1 + 1, tab2 - tab1 - 1), line.substr(tab2 + 1));
    }
    return store;
}

GraphSettings savedAndLoaded(const std::string& name, const GraphSettings& settings) {
    MemorySettingsStore store;
    fuzz::check(!SaveProfile(store, name, settings), "a loaded profile can be saved under its name");
    GraphSettings loaded;
    fuzz::check(!LoadProfile(store, name, loaded), "a saved profile loads");
    return loaded;
}

void checkProfile(const SettingsStore& store, const std::string& name, const GraphText& text) {
    GraphSettings settings;
    if (LoadProfile(store, name, settings)) return;  // a name the program refuses
    // Values are stored with "%lf", so one trip may round; after it they stay.
    const GraphSettings once = savedAndLoaded(name, settings);
    fuzz::check(savedAndLoaded(name, once) == once, "a saved profile loads back as it was");

    GraphDocument document;
    document.text = text;
    std::ostringstream out;
    fuzz::check(WriteDocumentFile(out, settings, document), "a document is written to memory");
    std::istringstream in(out.str());
    fuzz::check(std::holds_alternative<LoadedDocument>(ReadDocumentFile(in, GraphSettings{})),
                "a document of loaded settings opens again");
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    MemorySettingsStore store = storeOf(std::string_view(reinterpret_cast<const char*>(data), size));

    const std::vector<std::string> recent = LoadRecentFiles(store);
    fuzz::check(recent.size() <= kMaxRecentFiles, "at most nine recent files");
    for (const std::string& path : recent) fuzz::check(!path.empty(), "no empty recent file");

    ReadTipNumber(store);
    ReadShowTips(store);

    GraphText text;
    LoadGraphTextStyle(store, text);
    LoadGraphTextPosition(store, text);
    for (const std::string& name : ListProfiles(store)) checkProfile(store, name, text);
    return 0;
}
