#pragma once

#include <utility>
#include <vector>

namespace orrery {

// Makes libgsf ready; cheap after the first call.
void initialiseGsf();

// While it lives, the complaints libgsf and the libraries under it log
// (or print) about a damaged file stay off the terminal: the user hears of
// such a file through the import's message instead.
class QuietGsfLog {
  public:
    QuietGsfLog();
    ~QuietGsfLog();
    QuietGsfLog(const QuietGsfLog&) = delete;
    QuietGsfLog& operator=(const QuietGsfLog&) = delete;

  private:
    using PrintHandler = void (*)(const char*);
    std::vector<std::pair<const char*, unsigned>> handlers_;
    PrintHandler print_ = nullptr;
    PrintHandler printErr_ = nullptr;
};

}  // namespace orrery
