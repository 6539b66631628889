// Any bytes as a .qpl document. The reader refuses what it cannot take with
// its one message; a document it takes, written, reads back and writes the
// same bytes again, so a save never turns an open document into another.
#include <cstddef>
#include <cstdint>
#include <sstream>
#include <string>
#include <variant>

#include "fuzz_check.h"
#include "persistence/document_reader.h"
#include "persistence/document_writer.h"

namespace {

using namespace orrery;

std::variant<LoadedDocument, UserMessage> readBytes(const std::string& bytes) {
    std::istringstream in(bytes);
    return ReadDocumentFile(in, GraphSettings{});
}

std::string writeBytes(LoadedDocument& loaded) {
    std::ostringstream out;
    fuzz::check(WriteDocumentFile(out, loaded.settings, loaded.document), "a document is written to memory");
    return out.str();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    auto first = readBytes(std::string(reinterpret_cast<const char*>(data), size));
    if (const auto* refused = std::get_if<UserMessage>(&first)) {
        fuzz::check(*refused == incompatibleFileMessage(), "a refused document gets the incompatible-file message");
        return 0;
    }
    const std::string written = writeBytes(std::get<LoadedDocument>(first));
    auto second = readBytes(written);
    auto* reread = std::get_if<LoadedDocument>(&second);
    fuzz::check(reread != nullptr, "what the writer wrote, the reader takes");
    fuzz::check(writeBytes(*reread) == written, "a document read back writes the same bytes");
    return 0;
}
