#include "platform/FontConfigLoad.h"
#include <system_error>
#ifdef BC_HAVE_FONTCONFIG
#include <fontconfig/fontconfig.h>
#endif

std::future<void> Begin_Font_Config_Load()
{
#ifdef BC_HAVE_FONTCONFIG
    try {
        // Fontconfig is thread-safe; when Qt asks first, it simply uses the
        // configuration this call made current.
        return std::async(std::launch::async, [] { FcInit(); });
    } catch (const std::system_error &) {
    }
#endif
    return {};
}
