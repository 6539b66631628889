#include "fitting/zip_package.h"

#include <gsf/gsf-infile-zip.h>
#include <gsf/gsf-infile.h>
#include <gsf/gsf-input-memory.h>
#include <gsf/gsf-open-pkg-utils.h>
#include <gsf/gsf-utils.h>

#include <algorithm>
#include <cstring>
#include <optional>
#include <sstream>
#include <vector>

#include "fitting/gsf_library.h"

namespace orrery {

ZipPackage::ZipPackage(const std::string& content) {
    initialiseGsf();
    GsfInput* memory = gsf_input_memory_new(reinterpret_cast<const guint8*>(content.data()),
                                            static_cast<gsf_off_t>(content.size()), FALSE);
    if (!memory) return;
    memory_ = memory;
    root_ = gsf_infile_zip_new(memory, nullptr);
}

ZipPackage::~ZipPackage() {
    if (root_) g_object_unref(root_);
    if (memory_) g_object_unref(memory_);
}

PackagePart::~PackagePart() {
    if (input_) g_object_unref(input_);
}

PackagePart& PackagePart::operator=(PackagePart&& other) noexcept {
    if (this != &other) {
        if (input_) g_object_unref(input_);
        input_ = std::exchange(other.input_, nullptr);
    }
    return *this;
}

std::unique_ptr<XmlStream> PackagePart::xml(XmlStream::Progress progress,
                                            std::vector<std::string> keepAttributesOf) const {
    if (!input_) return nullptr;
    GsfInput* input = GSF_INPUT(input_);
    gsf_input_seek(input, 0, G_SEEK_SET);
    const std::shared_ptr<GsfInput> held(GSF_INPUT(g_object_ref(input)), [](GsfInput* i) { g_object_unref(i); });
    XmlStream::Source source = [held, progress = std::move(progress)](
                                   char* buffer, std::size_t size) -> std::optional<std::size_t> {
        GsfInput* part = held.get();
        const auto count = static_cast<std::size_t>(
            std::clamp<gsf_off_t>(gsf_input_remaining(part), 0, static_cast<gsf_off_t>(size)));
        // Cleared first: on a damaged zip entry libgsf may report bytes it never wrote.
        std::memset(buffer, 0, count);
        if (count > 0 && !gsf_input_read(part, count, reinterpret_cast<guint8*>(buffer))) return std::nullopt;
        if (progress)
            progress(static_cast<std::size_t>(gsf_input_tell(part)), static_cast<std::size_t>(gsf_input_size(part)));
        return count;
    };
    return std::make_unique<XmlStream>(std::move(source), std::move(keepAttributesOf));
}

PackagePart ZipPackage::part(const std::string& path) const {
    if (!root_) return PackagePart();
    std::vector<std::string> names;
    std::istringstream parts(path);
    for (std::string name; std::getline(parts, name, '/');)
        if (!name.empty()) names.push_back(name);
    std::vector<const char*> pointers;
    for (const std::string& name : names) pointers.push_back(name.c_str());
    pointers.push_back(nullptr);
    return PackagePart(gsf_infile_child_by_aname(GSF_INFILE(root_), pointers.data()));
}

std::optional<std::string> ZipPackage::bytes(const std::string& path, std::size_t limit) const {
    const PackagePart found = part(path);
    if (!found) return std::nullopt;
    auto* input = GSF_INPUT(found.input());
    std::string result(static_cast<std::size_t>(std::min<gsf_off_t>(gsf_input_size(input),
                                                                    static_cast<gsf_off_t>(limit))),
                       '\0');
    if (!result.empty() &&
        !gsf_input_read(input, result.size(), reinterpret_cast<guint8*>(result.data())))
        return std::nullopt;
    return result;
}

namespace {

// The folders a part lies in, from the package's root down; none for the
// package itself.
std::vector<std::string> foldersOf(GsfInput* input, void* root) {
    std::vector<std::string> folders;
    for (GsfInfile* folder = gsf_input_container(input); folder && static_cast<void*>(folder) != root;
         folder = gsf_input_container(GSF_INPUT(folder))) {
        const char* name = gsf_input_name(GSF_INPUT(folder));
        folders.insert(folders.begin(), name ? name : "");
    }
    return folders;
}

// The path a relationship leads to: its target from the source's folder, or
// from the root when it starts with "/". "." and empty steps stay where they
// are; ".." goes up, and never out of the package.
std::optional<std::string> targetPath(std::vector<std::string> folders, const std::string& target) {
    if (target.starts_with('/')) folders.clear();
    std::istringstream steps(target);
    for (std::string step; std::getline(steps, step, '/');) {
        if (step.empty() || step == ".") continue;
        if (step != "..") {
            folders.push_back(step);
        } else if (folders.empty()) {
            return std::nullopt;
        } else {
            folders.pop_back();
        }
    }
    std::string path;
    for (const std::string& name : folders) path += (path.empty() ? "" : "/") + name;
    return path;
}

}  // namespace

// libgsf finds the relationship, but we follow it ourselves: its
// gsf_open_pkg_open_rel leaks memory (and complains on the terminal) when a
// folder on the target's path is missing or is a file, as in a damaged package.
PackagePart ZipPackage::related(const PackagePart& source, void* relationship) const {
    const auto* rel = static_cast<const GsfOpenPkgRel*>(relationship);
    if (!rel || gsf_open_pkg_rel_is_extern(rel)) return PackagePart();
    const char* target = gsf_open_pkg_rel_get_target(rel);
    if (!target) return PackagePart();
    GsfInput* from = GSF_INPUT(source ? source.input() : root_);
    const std::optional<std::string> path = targetPath(foldersOf(from, root_), target);
    return path ? part(*path) : PackagePart();
}

PackagePart ZipPackage::relatedById(const PackagePart& source, const std::string& id) const {
    if (!root_) return PackagePart();
    GsfInput* from = GSF_INPUT(source ? source.input() : root_);
    return related(source, gsf_open_pkg_lookup_rel_by_id(from, id.c_str()));
}

PackagePart ZipPackage::relatedByType(const PackagePart& source, const std::string& type) const {
    if (!root_) return PackagePart();
    GsfInput* from = GSF_INPUT(source ? source.input() : root_);
    return related(source, gsf_open_pkg_lookup_rel_by_type(from, type.c_str()));
}

}  // namespace orrery
