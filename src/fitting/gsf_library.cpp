#include "fitting/gsf_library.h"

#include <gsf/gsf-utils.h>

#include <mutex>

namespace orrery {

void initialiseGsf() {
    static std::once_flag once;
    std::call_once(once, [] { gsf_init(); });
}

QuietGsfLog::QuietGsfLog() {
    const auto quiet = [](const gchar*, GLogLevelFlags, const gchar*, gpointer) {};
    const auto levels =
        static_cast<GLogLevelFlags>(G_LOG_LEVEL_MASK | G_LOG_FLAG_FATAL | G_LOG_FLAG_RECURSION);
    // libgsf logs under no domain too, and damaged time stamps reach GLib.
    for (const char* domain :
         {static_cast<const char*>(nullptr), "libgsf", "libgsf:zip", "libgsf:open_pkg", "XML", "GLib"})
        handlers_.emplace_back(domain, g_log_set_handler(domain, levels, quiet, nullptr));
    // Its zip and XML readers also print some complaints outright.
    const auto quietPrint = [](const gchar*) {};
    print_ = g_set_print_handler(quietPrint);
    printErr_ = g_set_printerr_handler(quietPrint);
}

QuietGsfLog::~QuietGsfLog() {
    for (const auto& [domain, id] : handlers_) g_log_remove_handler(domain, id);
    g_set_print_handler(print_);
    g_set_printerr_handler(printErr_);
}

}  // namespace orrery
