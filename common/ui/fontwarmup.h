#pragma once
// The font configuration — every configuration file and the font cache — is the longest part
// of a program's way to its first window, and Qt reads it only when the first text is
// measured. A FontWarmUp reads it on a thread of its own from the program's start, while Qt
// connects to the window system; waited for before the first form is made, so that Qt finds
// it read and does not read it again. Without fontconfig it does nothing.

#include <thread>

namespace pellar {

class FontWarmUp {
public:
    FontWarmUp();
    ~FontWarmUp();
    FontWarmUp(const FontWarmUp&) = delete;
    FontWarmUp& operator=(const FontWarmUp&) = delete;

    // Returns once the configuration is read; at once after the first time.
    void wait();

private:
    std::thread m_thread;
};

} // namespace pellar
