#pragma once

#include <thread>

namespace pelinor::platform {

/// Reads the system's font configuration on a thread of its own. The program starts it before the
/// application object connects to the display, which takes a while in which the process mostly waits;
/// without it the first window to measure its text would read the configuration first (about 10 ms).
/// Reading it twice is harmless (the font system keeps the first copy), so waiting only saves work.
class FontSystemLoading {
public:
    /// Starts the reading, when this build's backend has a font system to read ahead.
    FontSystemLoading();
    /// Waits for the reading.
    ~FontSystemLoading();
    FontSystemLoading(const FontSystemLoading&) = delete;
    FontSystemLoading& operator=(const FontSystemLoading&) = delete;

    /// Waits until the configuration is read. Called before anything measures or draws text, so that the
    /// reading is not started a second time.
    void wait();

private:
    std::thread m_thread;
};

/// The backend's reading of the font configuration, or null when there is nothing to read ahead.
using FontSystemLoader = void (*)();
FontSystemLoader fontSystemLoader();

} // namespace pelinor::platform
