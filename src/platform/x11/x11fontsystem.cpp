#include "platform/fontsystemloading.h"

#include <fontconfig/fontconfig.h>

namespace pelinor::platform {

// Qt draws text on X11 (and on Wayland) through fontconfig, which parses its configuration files and maps
// its font caches the first time it is asked anything.
FontSystemLoader fontSystemLoader()
{
    return [] { FcInit(); };
}

} // namespace pelinor::platform
