#include "fitting/xml_stream.h"

#include <gsf/gsf-input.h>
#include <libxml/parser.h>
#include <libxml/parserInternals.h>

#include <array>
#include <cstdint>
#include <cstring>
#include <vector>

namespace orrery {
namespace {

// Names and namespaces come from the parser's dictionary, one copy of each,
// so their lengths are remembered by address rather than counted each time.
class NameLengths {
  public:
    std::string_view operator()(const xmlChar* name) {
        if (!name) return {};
        Slot& slot = slots_[(reinterpret_cast<std::uintptr_t>(name) >> 4) % slots_.size()];
        if (slot.name != name) slot = {name, std::strlen(reinterpret_cast<const char*>(name))};
        return {reinterpret_cast<const char*>(name), slot.length};
    }

  private:
    struct Slot {
        const xmlChar* name = nullptr;
        std::size_t length = 0;
    };
    std::array<Slot, 256> slots_{};
};

struct Attribute {
    std::string_view uri, name;      // the parser's own dictionary keeps them
    std::size_t valueAt, valueSize;  // in the reader's store of values
};

struct Event {
    XmlStream::Node node;
    std::string_view uri, name;
    std::size_t firstAttribute = 0, attributeCount = 0;
    std::string text;
};

}  // namespace

// libxml2's SAX parser is fed a chunk at a time; what it reports is queued
// and handed out one node at a time. SAX is used rather than libxml2's
// reader because it builds no node objects, which more than halves the
// time a large sheet takes.
struct XmlStream::Reader {
    GsfInput* input = nullptr;
    xmlParserCtxtPtr parser = nullptr;
    Progress progress;
    std::vector<Event> events;
    std::vector<Attribute> attributes;
    std::string values;
    std::vector<XmlAttribute> given;
    std::vector<std::string> keepAttributesOf;
    NameLengths names;
    std::size_t position = 0;  // of the event handed out last, plus one
    bool finished = false;
    bool broken = false;

    static Reader& of(void* context) {
        return *static_cast<Reader*>(static_cast<xmlParserCtxtPtr>(context)->_private);
    }

    static void start(void* context, const xmlChar* name, const xmlChar*, const xmlChar* uri, int,
                      const xmlChar**, int count, int, const xmlChar** found) {
        Reader& self = of(context);
        Event event{Node::Start, self.names(uri), self.names(name), self.attributes.size(), 0, {}};
        if (self.wantsAttributes(event.name)) {
            event.attributeCount = static_cast<std::size_t>(count);
            for (int i = 0; i < count; ++i) {
                const xmlChar** a = found + 5 * i;  // name, prefix, URI, value start, value end
                const auto size = static_cast<std::size_t>(a[4] - a[3]);
                self.attributes.push_back(
                    {self.names(a[2]), self.names(a[0]), self.values.size(), size});
                self.values.append(reinterpret_cast<const char*>(a[3]), size);
            }
        }
        self.events.push_back(std::move(event));
    }
    static void end(void* context, const xmlChar* name, const xmlChar*, const xmlChar* uri) {
        Reader& self = of(context);
        self.events.push_back({Node::End, self.names(uri), self.names(name), 0, 0, {}});
    }
    static void characters(void* context, const xmlChar* text, int length) {
        Reader& self = of(context);
        if (self.events.empty() || self.events.back().node != Node::Text)
            self.events.push_back({Node::Text, {}, {}, 0, 0, {}});
        self.events.back().text.append(reinterpret_cast<const char*>(text),
                                       static_cast<std::size_t>(length));
    }
    static void quiet(void*, xmlErrorPtr) {}

    bool wantsAttributes(std::string_view name) const {
        if (keepAttributesOf.empty()) return true;
        for (const std::string& wanted : keepAttributesOf)
            if (wanted == name) return true;
        return false;
    }

    // Parses the next chunk of the part; false when nothing more will come.
    bool feed() {
        if (finished || broken) return false;
        // Cleared: on a damaged zip entry libgsf may report bytes it never wrote.
        std::array<char, 1 << 16> buffer{};
        const gsf_off_t left = gsf_input_remaining(input);
        const auto size = static_cast<std::size_t>(
            std::min<gsf_off_t>(left, static_cast<gsf_off_t>(buffer.size())));
        if (size > 0 && !gsf_input_read(input, size, reinterpret_cast<guint8*>(buffer.data()))) {
            broken = true;
            return false;
        }
        finished = size == 0 || gsf_input_remaining(input) == 0;
        if (xmlParseChunk(parser, buffer.data(), static_cast<int>(size), finished ? 1 : 0) != 0 ||
            !parser->wellFormed)
            broken = true;
        if (progress)
            progress(static_cast<std::size_t>(gsf_input_tell(input)),
                     static_cast<std::size_t>(gsf_input_size(input)));
        return true;
    }

    ~Reader() {
        if (parser) {
            if (parser->myDoc) xmlFreeDoc(parser->myDoc);
            xmlFreeParserCtxt(parser);
        }
        if (input) g_object_unref(input);
    }
};

XmlStream::XmlStream(void* gsfInput, Progress progress, std::vector<std::string> keepAttributesOf)
    : reader_(std::make_unique<Reader>()) {
    reader_->input = GSF_INPUT(g_object_ref(gsfInput));
    reader_->progress = std::move(progress);
    reader_->keepAttributesOf = std::move(keepAttributesOf);
    reader_->events.reserve(4096);
    gsf_input_seek(reader_->input, 0, G_SEEK_SET);
    xmlSAXHandler sax;
    std::memset(&sax, 0, sizeof sax);
    sax.initialized = XML_SAX2_MAGIC;
    sax.startElementNs = &Reader::start;
    sax.endElementNs = &Reader::end;
    sax.characters = &Reader::characters;
    sax.cdataBlock = &Reader::characters;
    sax.ignorableWhitespace = &Reader::characters;
    // A damaged part is reported to the user as a file that cannot be read.
    sax.serror = &Reader::quiet;
    reader_->parser = xmlCreatePushParserCtxt(&sax, nullptr, nullptr, 0, nullptr);
    failed_ = reader_->parser == nullptr;
    if (failed_) return;
    reader_->parser->_private = reader_.get();
    // No network, and no entities of a DTD: no handler declares any, so a
    // reference to one makes the part unreadable rather than expanded.
    xmlCtxtUseOptions(reader_->parser, XML_PARSE_NONET | XML_PARSE_NOERROR | XML_PARSE_NOWARNING);
}

XmlStream::~XmlStream() = default;

bool XmlStream::next() {
    if (failed_) return false;
    Reader& r = *reader_;
    while (r.position >= r.events.size()) {
        r.events.clear();
        r.attributes.clear();
        r.values.clear();
        r.position = 0;
        if (!r.feed()) {
            failed_ = r.broken;
            return false;
        }
    }
    node_ = r.events[r.position++].node;
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

std::string_view XmlStream::name() const {
    return reader_->events[reader_->position - 1].name;
}
std::string_view XmlStream::namespaceUri() const {
    return reader_->events[reader_->position - 1].uri;
}
std::string_view XmlStream::value() const {
    return reader_->events[reader_->position - 1].text;
}

const std::vector<XmlAttribute>& XmlStream::attributes() {
    Reader& r = *reader_;
    const Event& event = r.events[r.position - 1];
    r.given.clear();
    for (std::size_t i = event.firstAttribute; i < event.firstAttribute + event.attributeCount;
         ++i) {
        const Attribute& a = r.attributes[i];
        r.given.push_back(
            {a.uri, a.name, std::string_view(r.values).substr(a.valueAt, a.valueSize)});
    }
    return r.given;
}

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
