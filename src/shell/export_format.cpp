#include "shell/export_format.h"

#include <array>
#include <ostream>

#include "persistence/atomic_file.h"
#include "shell/file_names.h"

namespace orrery {
namespace {

struct FormatName {
    ExportFormat format;
    const char* extension;
    const char* filter;
};

constexpr std::array<FormatName, 6> kFormats{{
    {ExportFormat::Bmp, "bmp", "Export Bitmap (*.bmp *.BMP)"},
    {ExportFormat::Gif, "gif", "GIF (*.gif *.GIF)"},
    {ExportFormat::Jpeg, "jpeg", "JPEG (*.jpeg *.JPEG)"},
    {ExportFormat::Png, "png", "PNG (*.png *.PNG)"},
    {ExportFormat::Svg, "svg", "SVG (*.svg *.SVG)"},
    {ExportFormat::Pdf, "pdf", "PDF (*.pdf *.PDF)"},
}};

}  // namespace

std::string exportDialogFilter() {
    std::string filter;
    for (const FormatName& f : kFormats) filter += (filter.empty() ? "" : ";;") + std::string(f.filter);
    return filter;
}

std::optional<ExportFormat> exportFormatFor(std::string_view path) {
    const FileNameCheck check = CheckFileName(path);
    if (!check.error.empty()) return std::nullopt;
    for (const FormatName& f : kFormats)
        if (sameExtension(check.extension, f.extension)) return f.format;
    return std::nullopt;
}

std::optional<UserMessage> checkExportPath(std::string_view path) {
    std::string problem = CheckExtension(path, exportExtensions(), FileCheckMode::Export);
    if (problem.empty()) return std::nullopt;
    return fileTypeError(std::move(problem));
}

UserMessage couldNotSaveMessage(std::string_view path) {
    return {"Orrery_742", "Could not save the file: " + std::string(path), MessageIcon::Warning,
            MessageButtons::Ok};
}

std::optional<UserMessage> writePictureFile(const std::string& path, std::string_view bytes) {
    const AtomicWriteResult result = writeFileAtomically(path, [&](std::ostream& out) {
        out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
        return static_cast<bool>(out);
    });
    if (result == AtomicWriteResult::Written) return std::nullopt;
    return couldNotSaveMessage(path);
}

}  // namespace orrery
