#include "fitting/xml_stream.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <string>

namespace orrery {
namespace {

// The part handed over `chunk` bytes at a time, so every construct is also
// met cut at every place.
XmlStream::Source sourceOf(const std::string& text, std::size_t chunk) {
    return [text, chunk, at = std::size_t{0}](char* buffer, std::size_t size) mutable -> std::optional<std::size_t> {
        const std::size_t count = std::min({chunk, size, text.size() - at});
        std::memcpy(buffer, text.data() + at, count);
        at += count;
        return count;
    };
}

// Every node in a line: S{uri}name[attributes], T'text', E{uri}name.
std::string render(XmlStream& xml) {
    std::string out;
    while (xml.next()) {
        const std::string uri = xml.namespaceUri().empty() ? "" : "{" + std::string(xml.namespaceUri()) + "}";
        if (xml.node() == XmlStream::Node::Start) {
            out += " S" + uri + std::string(xml.name());
            std::string list;
            for (const XmlAttribute& a : xml.attributes()) {
                list += list.empty() ? "" : ",";
                if (!a.namespaceUri.empty()) list += "{" + std::string(a.namespaceUri) + "}";
                list += std::string(a.name) + "=" + std::string(a.value);
            }
            if (!list.empty()) out += "[" + list + "]";
        } else if (xml.node() == XmlStream::Node::End) {
            out += " E" + uri + std::string(xml.name());
        } else {
            out += " T'" + std::string(xml.value()) + "'";
        }
    }
    return xml.failed() ? "failed" : out.substr(std::min<std::size_t>(1, out.size()));
}

TEST(XmlStream, ReadsWellFormedPartsWhereverTheChunksEnd) {
    struct Case {
        std::string document, expected;
    };
    const Case cases[] = {
        {"<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<a x=\"1\" y='&lt;&#65;&#x42;&quot;'>t&amp;u<b/></a>\n",
         "Sa[x=1,y=<AB\"] T't&u' Sb Eb Ea"},
        {"\xEF\xBB\xBF<a>\xC3\xA9\xE2\x82\xAC</a>", "Sa T'\xC3\xA9\xE2\x82\xAC' Ea"},
        {"<r xmlns=\"urn:d\" xmlns:p=\"urn:p\"><p:c p:v=\"1\" w=\"2\"><c xmlns=\"urn:e\"/></p:c><c/></r>",
         "S{urn:d}r S{urn:p}c[{urn:p}v=1,w=2] S{urn:e}c E{urn:e}c E{urn:p}c S{urn:d}c E{urn:d}c E{urn:d}r"},
        {"<a xml:space='preserve'><!-- <b> --><![CDATA[<&>]]><?pi x?></a><!-- after -->",
         "Sa[{http://www.w3.org/XML/1998/namespace}space=preserve] T'<&>' Ea"},
        {"<a b='1\r\n2\t3'>x\r\ny\rz</a  >", "Sa[b=1 2 3] T'x\ny\nz' Ea"},
        {"<a b=\"x>y\" >  <c\n/>\t</a>", "Sa[b=x>y] T'  ' Sc Ec T'\t' Ea"},
    };
    for (const Case& c : cases) {
        for (const std::size_t chunk : {std::size_t{1}, std::size_t{3}, std::size_t{1} << 16}) {
            XmlStream xml(sourceOf(c.document, chunk));
            EXPECT_EQ(render(xml), c.expected) << c.document << " in chunks of " << chunk;
        }
    }
}

TEST(XmlStream, RefusesWhatIsNotWellFormed) {
    const std::string cases[] = {
        "   ",
        "<a>",
        "<a><b></a></b>",
        "<a/><b/>",
        "x<a/>",
        "<a/>x",
        "<!DOCTYPE a [<!ENTITY e \"x\">]><a>&e;</a>",
        "<a>&foo;</a>",
        "<a>&#0;</a>",
        "<a>&#xD800;</a>",
        "<a>& b</a>",
        "<a b=1/>",
        "<a b=\"1\"c=\"2\"/>",
        "<a b=\"<\"/>",
        "<a b/>",
        "<a><b",
        "<a>\xC3(</a>",
        "<a>\xC3",
        "<a>\x01</a>",
        "<?xml version=\"1.0\" encoding=\"ISO-8859-1\"?><a/>",
        "<1a/>",
        "<a r:=\"1\"/>",
        "<a:b:c/>",
        "<a><!-- open</a>",
        "<![CDATA[x]]><a/>",
    };
    for (const std::string& document : cases) {
        for (const std::size_t chunk : {std::size_t{1}, std::size_t{1} << 16}) {
            XmlStream xml(sourceOf(document, chunk));
            EXPECT_EQ(render(xml), "failed") << document << " in chunks of " << chunk;
        }
    }
    XmlStream unreadable([](char*, std::size_t) { return std::optional<std::size_t>(); });
    EXPECT_FALSE(unreadable.next());
    EXPECT_TRUE(unreadable.failed());
}

// Read as a zip entry gives it: as much as is asked for.
TEST(XmlStream, ALongTextIsReadWholeButOneBeyondSixtyFourMegabytesIsRefused) {
    for (const std::size_t length : {std::size_t{10} << 20, std::size_t{65} << 20}) {
        XmlStream xml(sourceOf("<a>" + std::string(length, 'x') + "</a>", length));
        std::size_t read = 0;
        while (xml.next())
            if (xml.node() == XmlStream::Node::Text) read += xml.value().size();
        EXPECT_EQ(xml.failed(), length > (std::size_t{64} << 20)) << length;
        EXPECT_EQ(read, xml.failed() ? 0 : length) << length;
    }
}

TEST(XmlStream, KeepsAttributesOnlyOfTheElementsAskedFor) {
    XmlStream xml(sourceOf("<a x='1'><c r='A1'><v>2</v></c></a>", 1 << 16), {"c"});
    EXPECT_EQ(render(xml), "Sa Sc[r=A1] Sv T'2' Ev Ec Ea");
}

}  // namespace
}  // namespace orrery
