#pragma once

#include <fstream>
#include <sstream>
#include <string>

namespace orrery::testing {

inline std::string readFileBytes(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream bytes;
    bytes << in.rdbuf();
    return bytes.str();
}

// The number of page objects in a PDF file's bytes ("/Type /Page", not the
// "/Type /Pages" tree above them).
inline std::size_t pdfPageCount(const std::string& pdf) {
    std::size_t pages = 0;
    for (std::size_t at = pdf.find("/Type /Page"); at != std::string::npos; at = pdf.find("/Type /Page", at + 1))
        if (pdf.compare(at, 12, "/Type /Pages") != 0) ++pages;
    return pages;
}

}  // namespace orrery::testing
