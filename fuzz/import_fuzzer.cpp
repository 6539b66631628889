// Any bytes as a spreadsheet file of one kind (ORRERY_FUZZ_EXTENSION, such
// as ".xlsx"), imported as the fitting dialogs import it: columns A and B of
// "Sheet1", rows 1 to 40.
#include <unistd.h>

#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>

#include "fitting/spreadsheet_source.h"
#include "fuzz_check.h"

namespace {

constexpr int kRows = 40;

// The file the import reads, in a folder of this process's own.
class ScratchFile {
public:
    ScratchFile() {
        std::string folder = (std::filesystem::temp_directory_path() / "orrery-fuzz-XXXXXX").string();
        orrery::fuzz::check(mkdtemp(folder.data()) != nullptr, "a scratch folder can be made");
        folder_ = folder;
        path_ = (folder_ / ("input" ORRERY_FUZZ_EXTENSION)).string();
    }
    ~ScratchFile() {
        std::error_code ignored;
        std::filesystem::remove_all(folder_, ignored);
    }
    const std::string& write(const std::uint8_t* data, std::size_t size) {
        std::ofstream out(path_, std::ios::binary | std::ios::trunc);
        out.write(reinterpret_cast<const char*>(data), static_cast<std::streamsize>(size));
        out.close();
        orrery::fuzz::check(!out.fail(), "the scratch file is written");
        return path_;
    }

private:
    std::filesystem::path folder_;
    std::string path_;
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static ScratchFile scratch;
    orrery::SpreadsheetSource source;
    source.setFilePath(scratch.write(data, size));
    source.setTopLeft("A1");
    source.setBottomRight("B" + std::to_string(kRows));
    const auto message = source.importColumns([](int percent) {
        orrery::fuzz::check(percent >= 0 && percent <= 100, "progress is a percentage");
    });
    if (message) {
        orrery::fuzz::check(!message->caption.empty() && !message->text.empty(), "a refusal says why");
        return 0;
    }
    orrery::fuzz::check(source.x().size() == kRows && source.y().size() == kRows, "every row gives a point");
    for (int i = 0; i < kRows; ++i)
        orrery::fuzz::check(std::isfinite(source.x()[i]) && std::isfinite(source.y()[i]),
                            "imported numbers are finite");
    return 0;
}
