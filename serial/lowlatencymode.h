#pragma once

// Asks a serial port's driver to pass received bytes on at once. USB serial
// adapters otherwise hold them for their latency timer (16 ms by default on
// common chips), which a transfer of many short round trips pays each time.
// On Linux this is the driver's low-latency flag, which common USB serial
// drivers turn into a 1 ms latency timer. Ports without it (pseudo-terminals,
// other systems) are used as they are, without a word.
class LowLatencyMode
{
public:
    // Sets the flag on the open descriptor `fd` and keeps what was there
    // before. True when the port now runs with low latency.
    bool enable(int fd);
    // Puts back the flags enable() found, if it changed them; call before the
    // descriptor is closed.
    void restore(int fd);
    bool isActive() const { return changed_; }

private:
    int previousFlags_ = 0;
    bool changed_ = false;
};
