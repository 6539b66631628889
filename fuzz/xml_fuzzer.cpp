// Raw bytes as one XML part of a workbook, handed over in chunks whose size
// the input's first byte chooses. Whatever the bytes, the stream ends; when
// it ends without a fault, every element it opened it closed, in order.
#include <algorithm>
#include <cstdint>
#include <cstring>
#include <string>
#include <vector>

#include "fitting/xml_stream.h"
#include "fuzz_check.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size == 0) return 0;
    const std::size_t chunk = data[0] % 16 == 0 ? std::size_t{1} << 16 : data[0] % 16;
    const std::string text(reinterpret_cast<const char*>(data + 1), size - 1);
    std::size_t at = 0;
    orrery::XmlStream xml(
        [&](char* buffer, std::size_t room) -> std::optional<std::size_t> {
            const std::size_t count = std::min({chunk, room, text.size() - at});
            std::memcpy(buffer, text.data() + at, count);
            at += count;
            return count;
        },
        {"c"});
    std::vector<std::string> open;
    while (xml.next()) {
        if (xml.node() == orrery::XmlStream::Node::Start) {
            open.emplace_back(xml.name());
            for (const orrery::XmlAttribute& a : xml.attributes()) orrery::fuzz::check(!a.name.empty(), "named attributes");
        } else if (xml.node() == orrery::XmlStream::Node::End) {
            orrery::fuzz::check(!open.empty() && open.back() == xml.name(), "ends match starts");
            open.pop_back();
        }
    }
    orrery::fuzz::check(xml.failed() || open.empty(), "a finished part closes every element");
    return 0;
}
