#include "fitting/xml_stream.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <cstdint>
#include <cstring>
#include <unordered_map>
#include <unordered_set>

#include "common/utf8.h"

namespace orrery {
namespace {

constexpr std::size_t kChunk = 1 << 16;
// One construct (a tag, a text, a comment) may not outgrow this: a damaged
// or hostile part is refused instead of filling the memory.
constexpr std::size_t kLongestConstruct = std::size_t{64} << 20;
constexpr std::string_view kXmlNamespace = "http://www.w3.org/XML/1998/namespace";

bool isBlank(char c) { return c == ' ' || c == '\t' || c == '\n' || c == '\r'; }

// Tables of the bytes that end a name and that may start one.
constexpr std::array<bool, 256> byteTable(std::string_view bytes) {
    std::array<bool, 256> table{};
    for (const char c : bytes) table[static_cast<unsigned char>(c)] = true;
    return table;
}
constexpr auto kEndsName = byteTable(std::string_view(" \t\n\r/>=<\"'", 11));
constexpr auto kNeverStartsName = byteTable(std::string_view(" \t\n\r/>=<\"'&-.0123456789\0", 23));

bool endsName(char c) { return kEndsName[static_cast<unsigned char>(c)]; }
bool startsName(char c) { return !kNeverStartsName[static_cast<unsigned char>(c)]; }

// A name with a namespace prefix has one colon, with text either side.
bool qualifiedName(std::string_view name) {
    const std::size_t colon = name.find(':');
    return colon == std::string_view::npos ||
           (colon > 0 && colon + 1 < name.size() && name.find(':', colon + 1) == std::string_view::npos);
}

// Whether eight bytes are all printable ASCII (0x20 to 0x7F).
bool plainAscii(const char* bytes) {
    std::uint64_t word;
    std::memcpy(&word, bytes, sizeof word);
    constexpr std::uint64_t kHigh = 0x8080808080808080u;
    const std::uint64_t below0x20 = (word - 0x2020202020202020u) & ~word & kHigh;
    return ((word & kHigh) | below0x20) == 0;
}

// The characters XML allows, as numeric references may name them.
bool isXmlChar(std::uint32_t c) {
    return c == 0x9 || c == 0xA || c == 0xD || (c >= 0x20 && c <= 0xD7FF) || (c >= 0xE000 && c <= 0xFFFD) ||
           (c >= 0x10000 && c <= 0x10FFFF);
}

// The text of a character reference's body ("lt", "#65", "#x41"), or false.
bool appendReference(std::string_view body, std::string& out) {
    static const std::pair<std::string_view, char> kNamed[] = {
        {"lt", '<'}, {"gt", '>'}, {"amp", '&'}, {"quot", '"'}, {"apos", '\''}};
    for (const auto& [name, c] : kNamed)
        if (body == name) return out += c, true;
    if (body.size() < 2 || body[0] != '#') return false;
    const bool hex = body[1] == 'x';
    std::string_view digits = body.substr(hex ? 2 : 1);
    if (digits.empty() || digits.size() > 8) return false;
    std::uint32_t value = 0;
    for (const char c : digits) {
        int digit = -1;
        if (c >= '0' && c <= '9') digit = c - '0';
        else if (hex && c >= 'a' && c <= 'f') digit = c - 'a' + 10;
        else if (hex && c >= 'A' && c <= 'F') digit = c - 'A' + 10;
        if (digit < 0) return false;
        value = value * (hex ? 16 : 10) + static_cast<std::uint32_t>(digit);
    }
    if (!isXmlChar(value)) return false;
    appendUtf8(out, static_cast<char32_t>(value));
    return true;
}

// Character data as the document means it: references replaced (not in a
// CDATA section), line ends made "\n", and in an attribute value every blank
// made a space.
bool decode(std::string_view raw, bool attribute, std::string& out, bool references = true) {
    for (std::size_t i = 0; i < raw.size(); ++i) {
        const char c = raw[i];
        if (c == '&' && references) {
            const std::size_t end = raw.find(';', i);
            if (end == std::string_view::npos || !appendReference(raw.substr(i + 1, end - i - 1), out)) return false;
            i = end;
        } else if (c == '\r') {
            if (i + 1 < raw.size() && raw[i + 1] == '\n') ++i;
            out += attribute ? ' ' : '\n';
        } else if (attribute && (c == '\n' || c == '\t')) {
            out += ' ';
        } else {
            out += c;
        }
    }
    return true;
}

bool needsDecoding(std::string_view raw, bool attribute) {
    for (const char c : raw)
        if (c == '&' || c == '\r' || (attribute && (c == '\n' || c == '\t'))) return true;
    return false;
}

struct Hash {
    using is_transparent = void;
    std::size_t operator()(std::string_view text) const { return std::hash<std::string_view>{}(text); }
};

struct RawAttribute {
    std::string_view name, value;
};

}  // namespace

struct XmlStream::Reader {
    Source source;
    std::vector<std::string> keepAttributesOf;

    // The bytes read and not yet passed; `at` is where the parse stands.
    std::string buffer;
    std::size_t at = 0;
    std::size_t checked = 0;  // bytes of the buffer known to be good UTF-8
    bool exhausted = false;
    bool broken = false;

    // Open elements: their qualified names (one after the other in
    // `openNames`), namespaces, and how many bindings were made before them.
    struct Open {
        std::size_t nameAt, nameSize;
        std::string_view uri;
        std::size_t bindingsBefore;
    };
    std::vector<Open> open;
    std::string openNames;
    bool started = false;
    bool rootSeen = false;
    bool pendingEnd = false;  // after an empty element's Start

    // Namespace prefixes ("" for the default namespace) as bound now, and
    // what each binding replaced so an element's end can undo its own.
    std::unordered_set<std::string, Hash, std::equal_to<>> uris{std::string(kXmlNamespace)};
    std::unordered_map<std::string, std::string_view, Hash, std::equal_to<>> bindings{{"xml", kXmlNamespace}};
    struct Binding {
        std::string prefix;
        std::optional<std::string_view> before;
    };
    std::vector<Binding> bindingLog;

    // The node handed out last.
    Node node = Node::End;
    std::string_view name, uri, text;
    std::string decodedText;
    std::vector<RawAttribute> rawAttributes;
    std::vector<XmlAttribute> attributes;
    std::string values;
    std::vector<std::pair<std::size_t, std::size_t>> spans;  // of each value in `values`

    // Reads another chunk behind what is left; false at the end or on a fault.
    // A construct longer than a chunk asks for as much again as it has, so
    // however long it grows it is scanned only a few times over.
    bool more() {
        if (exhausted || broken) return false;
        buffer.erase(0, at);
        checked = checked > at ? checked - at : 0;
        at = 0;
        if (buffer.size() > kLongestConstruct) return fail();
        const std::size_t kept = buffer.size();
        const std::size_t wanted = std::max(kChunk, std::min(kept, kLongestConstruct + 1 - kept));
        buffer.resize(kept + wanted);
        const std::optional<std::size_t> read = source(buffer.data() + kept, wanted);
        if (!read || *read > wanted) return fail();
        buffer.resize(kept + *read);
        exhausted = *read == 0;
        if (!checkEncoding()) return fail();
        return !exhausted;
    }

    bool fail() {
        broken = true;
        return false;
    }

    // UTF-8 and no control characters but tab and line ends. A sequence cut
    // by the chunk's end is checked once the rest has come.
    bool checkEncoding() {
        std::size_t i = checked;
        while (i < buffer.size()) {
            if (i + 8 <= buffer.size() && plainAscii(buffer.data() + i)) {
                i += 8;
                continue;
            }
            const auto c = static_cast<unsigned char>(buffer[i]);
            if (c >= 0x20 && c < 0x80) {
                ++i;
            } else if (c < 0x80) {
                if (c != '\t' && c != '\n' && c != '\r') return false;
                ++i;
            } else if (!nextCodePoint(buffer, i)) {
                if (exhausted || buffer.size() - i >= 4 || c < 0xC2) return false;
                for (std::size_t j = i + 1; j < buffer.size(); ++j)
                    if ((static_cast<unsigned char>(buffer[j]) & 0xC0) != 0x80) return false;
                break;
            }
        }
        checked = i;
        return true;
    }

    enum class Step { Node, Skipped, Incomplete, Broken };
    // A construct cut off by the end of the part is damage.
    Step incomplete() const { return exhausted ? Step::Broken : Step::Incomplete; }

    bool next() {
        if (broken) return false;
        if (!started) {
            // A byte order mark may open the part.
            started = true;
            while (buffer.size() < 3 && more()) {
            }
            if (broken) return false;
            if (std::string_view(buffer).starts_with("\xEF\xBB\xBF")) at = 3;
        }
        if (pendingEnd) {
            pendingEnd = false;
            return closeElement();
        }
        for (;;) {
            if (at >= buffer.size() && !more()) {
                if (!broken && (!open.empty() || !rootSeen)) fail();
                return false;
            }
            const Step step = buffer[at] == '<' ? markup() : characters();
            if (step == Step::Node) return true;
            if (step == Step::Broken) return fail();
            if (step == Step::Incomplete && !more() && broken) return false;
        }
    }

    // Text up to the next markup. Outside the root element only blanks may
    // stand, and they are no node.
    Step characters() {
        const void* found = std::memchr(buffer.data() + at, '<', buffer.size() - at);
        if (!found && !exhausted) return incomplete();
        const std::size_t end = found ? static_cast<std::size_t>(static_cast<const char*>(found) - buffer.data())
                                      : buffer.size();
        const std::string_view raw(buffer.data() + at, end - at);
        at = end;
        if (open.empty()) {
            for (const char c : raw)
                if (!isBlank(c)) return Step::Broken;
            return Step::Skipped;
        }
        return textNode(raw, true) ? Step::Node : Step::Broken;
    }

    bool textNode(std::string_view raw, bool decodeReferences) {
        node = Node::Text;
        name = uri = {};
        if (!needsDecoding(raw, false)) {
            text = raw;
            return true;
        }
        decodedText.clear();
        if (!decode(raw, false, decodedText, decodeReferences)) return false;
        text = decodedText;
        return true;
    }

    // The position just past `terminator` from `from`, or npos.
    std::size_t past(std::string_view terminator, std::size_t from) const {
        const std::size_t found = std::string_view(buffer).find(terminator, from);
        return found == std::string_view::npos ? found : found + terminator.size();
    }

    Step markup() {
        if (buffer.size() - at < 2) return incomplete();
        const char kind = buffer[at + 1];
        if (kind == '/') return endTag();
        if (kind == '?') return instruction();
        if (kind == '!') return declaration();
        return startTag();
    }

    // Processing instructions are passed over; the XML declaration may only
    // name an encoding that is UTF-8 or a part of it.
    Step instruction() {
        const std::size_t end = past("?>", at + 2);
        if (end == std::string_view::npos) return incomplete();
        const std::string_view body(buffer.data() + at + 2, end - at - 4);
        at = end;
        if (body.starts_with("xml") && (body.size() == 3 || isBlank(body[3]))) {
            const std::size_t key = body.find("encoding");
            if (key != std::string_view::npos) {
                const std::size_t quote = body.find_first_of("\"'", key);
                const std::size_t close = quote == std::string_view::npos ? quote : body.find(body[quote], quote + 1);
                if (close == std::string_view::npos) return Step::Broken;
                std::string encoding(body.substr(quote + 1, close - quote - 1));
                for (char& c : encoding) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
                if (encoding != "utf-8" && encoding != "utf8" && encoding != "us-ascii" && encoding != "ascii")
                    return Step::Broken;
            }
        }
        return Step::Skipped;
    }

    // Comments are passed over and character data sections are text; a
    // document type declaration is refused.
    Step declaration() {
        const std::string_view rest = std::string_view(buffer).substr(at);
        if (rest.size() < 4) return incomplete();
        if (rest.starts_with("<!--")) {
            const std::size_t end = past("-->", at + 4);
            if (end == std::string_view::npos) return incomplete();
            at = end;
            return Step::Skipped;
        }
        if (rest.size() < 9) return incomplete();
        if (rest.starts_with("<![CDATA[") && !open.empty()) {
            const std::size_t end = past("]]>", at + 9);
            if (end == std::string_view::npos) return incomplete();
            const std::string_view raw(buffer.data() + at + 9, end - at - 12);
            at = end;
            textNode(raw, false);
            return Step::Node;
        }
        return Step::Broken;
    }

    Step endTag() {
        const void* found = std::memchr(buffer.data() + at, '>', buffer.size() - at);
        if (!found) return incomplete();
        const std::size_t end = static_cast<std::size_t>(static_cast<const char*>(found) - buffer.data());
        std::string_view tag(buffer.data() + at + 2, end - at - 2);
        while (!tag.empty() && isBlank(tag.back())) tag.remove_suffix(1);
        at = end + 1;
        if (open.empty() || tag != std::string_view(openNames).substr(open.back().nameAt, open.back().nameSize))
            return Step::Broken;
        name = localName(tag);
        return closeElement() ? Step::Node : Step::Broken;
    }

    // Ends the innermost element (whose local name is `name` already) and
    // undoes the namespace bindings it made.
    bool closeElement() {
        const Open closing = open.back();
        open.pop_back();
        openNames.resize(closing.nameAt);
        node = Node::End;
        uri = closing.uri;
        text = {};
        while (bindingLog.size() > closing.bindingsBefore) {
            forgetRecentPrefixes();
            Binding& binding = bindingLog.back();
            if (binding.before)
                bindings.find(binding.prefix)->second = *binding.before;
            else
                bindings.erase(binding.prefix);
            bindingLog.pop_back();
        }
        return true;
    }

    static std::string_view localName(std::string_view qualified) {
        const std::size_t colon = qualified.find(':');
        return colon == std::string_view::npos ? qualified : qualified.substr(colon + 1);
    }

    // Unprefixed attributes are in no namespace; unprefixed elements are in
    // the default one. The prefixes met last are remembered, since a sheet
    // repeats the same few over and over.
    std::string_view namespaceOf(std::string_view qualified, bool element) {
        const std::size_t colon = qualified.find(':');
        if (colon == std::string_view::npos && !element) return {};
        const std::string_view prefix = colon == std::string_view::npos ? std::string_view() : qualified.substr(0, colon);
        for (const Recent& recent : recentPrefixes)
            if (recent.valid && recent.prefix == prefix) return recent.uri;
        const auto found = bindings.find(prefix);
        const std::string_view result = found == bindings.end() ? std::string_view() : found->second;
        recentPrefixes[nextRecent++ % recentPrefixes.size()] = {true, std::string(prefix), result};
        return result;
    }
    struct Recent {
        bool valid = false;
        std::string prefix;
        std::string_view uri;
    };
    std::array<Recent, 4> recentPrefixes;
    std::size_t nextRecent = 0;
    void forgetRecentPrefixes() {
        for (Recent& recent : recentPrefixes) recent.valid = false;
    }

    void bind(std::string_view prefix, std::string_view value) {
        forgetRecentPrefixes();
        const auto interned = uris.emplace(value).first;
        const auto found = bindings.find(prefix);
        if (found == bindings.end()) {
            bindingLog.push_back({std::string(prefix), std::nullopt});
            bindings.emplace(std::string(prefix), *interned);
        } else {
            bindingLog.push_back({std::string(prefix), found->second});
            found->second = *interned;
        }
    }

    // A name, then attributes each after a blank, then ">" or "/>".
    Step startTag() {
        std::size_t i = at + 1;
        const std::size_t size = buffer.size();
        if (!startsName(buffer[i])) return Step::Broken;
        while (i < size && !endsName(buffer[i])) ++i;
        if (i >= size) return incomplete();
        const std::string_view tag(buffer.data() + at + 1, i - at - 1);
        if (!qualifiedName(tag)) return Step::Broken;
        rawAttributes.clear();
        bool empty = false;
        for (;;) {
            const std::size_t before = i;
            while (i < size && isBlank(buffer[i])) ++i;
            if (i >= size) return incomplete();
            if (buffer[i] == '>') break;
            if (buffer[i] == '/') {
                if (i + 1 >= size) return incomplete();
                if (buffer[i + 1] != '>') return Step::Broken;
                empty = true, ++i;
                break;
            }
            if (i == before || !startsName(buffer[i])) return Step::Broken;
            const std::size_t nameAt = i;
            while (i < size && !endsName(buffer[i])) ++i;
            if (i >= size) return incomplete();
            const std::string_view attribute(buffer.data() + nameAt, i - nameAt);
            if (!qualifiedName(attribute)) return Step::Broken;
            while (i < size && isBlank(buffer[i])) ++i;
            if (i >= size) return incomplete();
            if (buffer[i] != '=') return Step::Broken;
            ++i;
            while (i < size && isBlank(buffer[i])) ++i;
            if (i >= size) return incomplete();
            const char quote = buffer[i];
            if (quote != '"' && quote != '\'') return Step::Broken;
            const void* close = std::memchr(buffer.data() + i + 1, quote, size - i - 1);
            if (!close) return incomplete();
            const std::size_t end = static_cast<std::size_t>(static_cast<const char*>(close) - buffer.data());
            const std::string_view value(buffer.data() + i + 1, end - i - 1);
            if (value.find('<') != std::string_view::npos) return Step::Broken;
            rawAttributes.push_back({attribute, value});
            i = end + 1;
        }
        if (open.empty() && rootSeen) return Step::Broken;  // a second root
        at = i + 1;
        return openElement(tag, empty) ? Step::Node : Step::Broken;
    }

    bool openElement(std::string_view tag, bool empty) {
        const std::size_t bindingsBefore = bindingLog.size();
        for (const RawAttribute& a : rawAttributes) {
            if (a.name != "xmlns" && !a.name.starts_with("xmlns:")) continue;
            std::string value;
            if (!decode(a.value, true, value)) return false;
            bind(a.name.size() > 5 ? a.name.substr(6) : std::string_view(), value);
        }
        rootSeen = true;
        node = Node::Start;
        name = localName(tag);
        uri = namespaceOf(tag, true);
        text = {};
        open.push_back({openNames.size(), tag.size(), uri, bindingsBefore});
        openNames.append(tag);
        pendingEnd = empty;
        return readAttributes();
    }

    bool wantsAttributes() const {
        if (keepAttributesOf.empty()) return true;
        for (const std::string& wanted : keepAttributesOf)
            if (wanted == name) return true;
        return false;
    }

    // Values are decoded one after the other into `values` first, so the
    // views given out are made once it no longer grows.
    bool readAttributes() {
        attributes.clear();
        if (!wantsAttributes()) {
            for (const RawAttribute& a : rawAttributes)
                if (a.value.find('&') != std::string_view::npos && !decode(a.value, true, values)) return false;
            values.clear();
            return true;
        }
        values.clear();
        spans.clear();
        for (const RawAttribute& a : rawAttributes) {
            const std::size_t from = values.size();
            if (!decode(a.value, true, values)) return false;
            spans.emplace_back(from, values.size() - from);
        }
        for (std::size_t i = 0; i < rawAttributes.size(); ++i) {
            const std::string_view qualified = rawAttributes[i].name;
            if (qualified == "xmlns" || qualified.starts_with("xmlns:")) continue;
            attributes.push_back({namespaceOf(qualified, false), localName(qualified),
                                  std::string_view(values).substr(spans[i].first, spans[i].second)});
        }
        return true;
    }
};

XmlStream::XmlStream(Source source, std::vector<std::string> keepAttributesOf)
    : reader_(std::make_unique<Reader>()) {
    reader_->source = std::move(source);
    reader_->keepAttributesOf = std::move(keepAttributesOf);
    reader_->buffer.reserve(2 * kChunk);
}

XmlStream::~XmlStream() = default;

bool XmlStream::next() {
    if (failed_) return false;
    if (!reader_->next()) {
        failed_ = reader_->broken;
        return false;
    }
    node_ = reader_->node;
    return true;
}

void XmlStream::skip() {
    if (node_ != Node::Start) return;
    for (int depth = 0; next();) {
        if (node_ == Node::Start)
            ++depth;
        else if (node_ == Node::End && depth-- == 0)
            return;
    }
}

std::string_view XmlStream::name() const { return reader_->name; }
std::string_view XmlStream::namespaceUri() const { return reader_->uri; }
std::string_view XmlStream::value() const { return reader_->text; }
const std::vector<XmlAttribute>& XmlStream::attributes() { return reader_->attributes; }

std::string XmlStream::text() {
    std::string result;
    for (int depth = 0; next();) {
        if (node_ == Node::Text)
            result += value();
        else if (node_ == Node::Start)
            ++depth;
        else if (depth-- == 0)
            break;
    }
    return result;
}

}  // namespace orrery
