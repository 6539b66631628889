#pragma once

#include <cstddef>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace orrery {

struct XmlAttribute {
    std::string_view namespaceUri, name, value;  // name without its prefix
};

// One XML part of a workbook package, read as a stream of element starts,
// element ends and text, so a large sheet is never held as a tree. The
// parser is our own and checks what a workbook's parts need: tags that
// nest and match, quoted attributes, the predefined and numeric character
// references, namespaces, and UTF-8 without control characters. A document
// type declaration makes the part unreadable, so no entity is ever expanded.
class XmlStream {
  public:
    enum class Node { Start, End, Text };
    // Told how many bytes of the part have been read, and of how many.
    using Progress = std::function<void(std::size_t done, std::size_t total)>;
    // Fills the buffer with up to `size` further bytes of the part: how many
    // it wrote, 0 at the end of the part, nothing when it cannot be read.
    using Source = std::function<std::optional<std::size_t>(char* buffer, std::size_t size)>;

    // When `keepAttributesOf` names elements, only theirs have attributes():
    // decoding the others' would cost a large sheet's read much of its time.
    explicit XmlStream(Source source, std::vector<std::string> keepAttributesOf = {});
    ~XmlStream();
    XmlStream(const XmlStream&) = delete;
    XmlStream& operator=(const XmlStream&) = delete;

    // Moves to the next node; false at the end of the part or when it is not
    // well-formed (failed() then tells). An empty element gives a Start and
    // then an End, like any other. Names and texts given out stay valid
    // until the next call.
    bool next();
    bool failed() const { return failed_; }
    // At a Start: passes over the element and all inside it, End included,
    // without reporting them; next() then gives what follows.
    void skip();
    Node node() const { return node_; }
    bool isStart(std::string_view localName) const {
        return node_ == Node::Start && name() == localName;
    }
    bool isEnd(std::string_view localName) const {
        return node_ == Node::End && name() == localName;
    }
    std::string_view name() const;          // local name of the element
    std::string_view namespaceUri() const;  // of the element
    std::string_view value() const;         // of a Text node

    // The attributes of the element at a Start.
    const std::vector<XmlAttribute>& attributes();
    // The text inside the element at a Start, up to and including its End,
    // child elements' text included.
    std::string text();

  private:
    struct Reader;
    std::unique_ptr<Reader> reader_;
    Node node_ = Node::End;
    bool failed_ = false;
};

}  // namespace orrery
