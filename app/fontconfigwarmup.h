#pragma once

#include <thread>

// Reads the system's font configuration on a thread of its own. On Linux the
// first text a window measures makes the toolkit read every font
// configuration file of the system, the largest single piece of the start.
// That reading needs no display, so it can run while the application connects
// to the window system; the toolkit then finds it done.
class FontConfigurationWarmUp
{
public:
    FontConfigurationWarmUp();
    ~FontConfigurationWarmUp();
    FontConfigurationWarmUp(const FontConfigurationWarmUp &) = delete;
    FontConfigurationWarmUp &operator=(const FontConfigurationWarmUp &) = delete;

    // Waits for the reading to end. Call it before anything measures text:
    // the toolkit would otherwise start a second reading of its own.
    void finish();

private:
    std::thread thread_;
};
