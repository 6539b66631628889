#pragma once

#include <memory>
#include <optional>
#include <string>
#include <utility>

#include "fitting/xml_stream.h"

namespace orrery {

// One part of a package, held open; it releases its libgsf input (kept as
// void* so GLib stays out of this header).
class PackagePart {
  public:
    PackagePart() = default;
    explicit PackagePart(void* input) : input_(input) {}
    ~PackagePart();
    PackagePart(PackagePart&& other) noexcept : input_(std::exchange(other.input_, nullptr)) {}
    PackagePart& operator=(PackagePart&& other) noexcept;
    PackagePart(const PackagePart&) = delete;
    PackagePart& operator=(const PackagePart&) = delete;

    explicit operator bool() const { return input_ != nullptr; }
    void* input() const { return input_; }
    // Its text as an XML stream (see XmlStream); nothing when the part is missing.
    std::unique_ptr<XmlStream> xml(XmlStream::Progress progress = {},
                                   std::vector<std::string> keepAttributesOf = {}) const;

  private:
    void* input_ = nullptr;
};

// A zip package (.xlsx, .ods) read from the file's bytes in memory with
// libgsf. The bytes must outlive the package.
class ZipPackage {
  public:
    explicit ZipPackage(const std::string& content);
    ~ZipPackage();
    ZipPackage(const ZipPackage&) = delete;
    ZipPackage& operator=(const ZipPackage&) = delete;

    bool valid() const { return root_ != nullptr; }
    // A part by its path inside the package, such as "content.xml"; empty
    // when there is no such part.
    PackagePart part(const std::string& path) const;
    // The first bytes of a part, up to the limit.
    std::optional<std::string> bytes(const std::string& path, std::size_t limit) const;

    // Parts found through the relationships (as .xlsx links its workbook,
    // sheets and strings): the target of `source`, or of the package itself
    // when `source` is empty, with the given relationship id or type.
    PackagePart relatedById(const PackagePart& source, const std::string& id) const;
    PackagePart relatedByType(const PackagePart& source, const std::string& type) const;

  private:
    // The part a relationship (a GsfOpenPkgRel of `source`) leads to.
    PackagePart related(const PackagePart& source, void* relationship) const;

    void* memory_ = nullptr;
    void* root_ = nullptr;
};

}  // namespace orrery
