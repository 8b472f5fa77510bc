#include "platform/fontsystemloading.h"

namespace pelinor::platform {

FontSystemLoading::FontSystemLoading()
{
    if (const FontSystemLoader load = fontSystemLoader())
        m_thread = std::thread(load);
}

FontSystemLoading::~FontSystemLoading()
{
    wait();
}

void FontSystemLoading::wait()
{
    if (m_thread.joinable())
        m_thread.join();
}

} // namespace pelinor::platform
