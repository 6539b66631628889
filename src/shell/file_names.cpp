#include "shell/file_names.h"

#include <algorithm>

namespace orrery {
namespace {

char lowerAscii(char c) { return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c; }

bool allowedExtension(std::string_view extension, const std::vector<std::string>& allowed) {
    return std::any_of(allowed.begin(), allowed.end(),
                       [&](const std::string& a) { return sameExtension(a, extension); });
}

bool pictureExtension(std::string_view extension) {
    return allowedExtension(extension, exportExtensions());
}

}  // namespace

bool sameExtension(std::string_view a, std::string_view b) {
    return a.size() == b.size() &&
           std::equal(a.begin(), a.end(), b.begin(),
                      [](char x, char y) { return lowerAscii(x) == lowerAscii(y); });
}

std::string_view fileNameOf(std::string_view path) {
    const std::size_t slash = path.rfind('/');
    return slash == std::string_view::npos ? path : path.substr(slash + 1);
}

FileNameCheck CheckFileName(std::string_view path) {
    FileNameCheck check;
    if (path.empty()) {
        check.error = "Please enter a file name";
        return check;
    }
    const std::string_view name = fileNameOf(path);
    const std::size_t lastDot = name.rfind('.');
    if (lastDot == std::string_view::npos || lastDot + 1 == name.size()) {
        check.error = "Your file " + std::string(path) + " has no extension.";
        return check;
    }
    if (lastDot == 0) {
        check.error = "Improper file name";
        return check;
    }
    if (name.find('.') != lastDot) check.error += " The filename cannot include two dots. ";
    check.extension = std::string(name.substr(lastDot + 1));
    return check;
}

const std::vector<std::string>& documentExtensions() {
    static const std::vector<std::string> list{"qpl"};
    return list;
}

const std::vector<std::string>& exportExtensions() {
    static const std::vector<std::string> list{"bmp", "gif", "jpeg", "png", "svg", "pdf"};
    return list;
}

std::string CheckExtension(std::string_view path, const std::vector<std::string>& allowed,
                           FileCheckMode mode) {
    const FileNameCheck check = CheckFileName(path);
    if (!check.error.empty() || allowedExtension(check.extension, allowed)) return check.error;
    switch (mode) {
        case FileCheckMode::Save:
            return "Only file with extension \"qpl\" can be saved. Please use File -> Export to "
                   "export graphs to the following formats: \"bmp\", \"gif\", \"jpeg\", \"png\", "
                   "\"svg\" and \"pdf\"";
        case FileCheckMode::Open: {
            std::string text = "Only files with extension \"qpl\" can be opened. ";
            if (pictureExtension(check.extension))
                text += " Please use a Graphics program or a browser to open the file.";
            return text;
        }
        case FileCheckMode::Export: {
            if (sameExtension(check.extension, "qpl")) return "Please use File -> Save for \"qpl\" files.";
            std::string text = "Only files with extensions ";
            for (std::size_t i = 0; i < allowed.size(); ++i)
                text += (i == 0 ? "\"" : ", \"") + allowed[i] + "\"";
            return text + " can be exported by Orrery.";
        }
    }
    return {};
}

std::variant<std::string, UserMessage> ForceExtension(std::string_view path,
                                                      std::string_view extension) {
    const FileNameCheck check = CheckFileName(path);
    if (!check.error.empty())
        return UserMessage{"Improper File Extension", check.error, MessageIcon::Warning,
                           MessageButtons::Ok};
    const std::size_t lastDot = path.rfind('.');
    return std::string(path.substr(0, lastDot)) + "." + std::string(extension);
}

std::variant<OpenKind, UserMessage> classifyOpenPath(std::string_view path) {
    const FileNameCheck check = CheckFileName(path);
    if (path.empty() || check.extension.empty()) {
        // Only the no-extension and leading-dot texts apply here; an empty
        // path has no extension either.
        if (check.error == "Improper file name") return fileTypeError(check.error);
        return fileTypeError("Your file " + std::string(path) + " has no extension.");
    }
    if (sameExtension(check.extension, "qpl")) return OpenKind::Document;
    for (const char* picture : {"bmp", "gif", "jpeg", "jpg"})
        if (sameExtension(check.extension, picture)) return OpenKind::Picture;
    return fileTypeError("This program does not open files with extension: " + check.extension);
}

UserMessage fileTypeError(std::string text) {
    return {"File Type Error", std::move(text), MessageIcon::Warning, MessageButtons::Ok};
}

UserMessage cannotOpenFileMessage(std::string text) {
    return {"Cannot open file", std::move(text), MessageIcon::Warning, MessageButtons::Ok};
}

UserMessage couldNotOpenMessage(std::string_view path) {
    return {"Orrery_742", "Could not open the file: " + std::string(path), MessageIcon::Warning,
            MessageButtons::Ok};
}

UserMessage cannotDrawFromFileMessage(std::string_view path) {
    return {"FILE ERROR", "Cannot draw the graph from the file " + std::string(path),
            MessageIcon::Warning, MessageButtons::Ok};
}

UserMessage imageViewerFailedMessage() {
    return {"Application Error", "Could not start the image viewer.", MessageIcon::Warning,
            MessageButtons::Ok};
}

}  // namespace orrery
