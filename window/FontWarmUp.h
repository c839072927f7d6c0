#pragma once

#include <thread>

// Reads the desktop's font configuration on a second thread, so that it overlaps with the
// program connecting to the display instead of following it. Reading that configuration
// (dozens of XML files) is the largest single piece of start-up; the first text drawn needs
// it. Call finish() before the first widget is made.
class FontWarmUp final {
public:
    FontWarmUp();
    ~FontWarmUp();
    FontWarmUp(const FontWarmUp &) = delete;
    FontWarmUp &operator=(const FontWarmUp &) = delete;

    // Waits until the configuration is read.
    void finish();

private:
    std::thread m_thread;
};
