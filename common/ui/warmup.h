#pragma once
// Work Qt would do on the way to a program's first window, done beforehand on a thread of its
// own while the main thread does the rest. A WarmUp waits for its thread when it goes.
//
// fonts(): the font configuration — every configuration file and the font cache — which Qt
// reads only when the first text is measured. Made before the application object, so it runs
// while Qt connects to the window system; waited for before the first form is made, so that Qt
// finds it read and does not read it again. Without fontconfig it does nothing.
//
// imageFormats(): the image-format plugins. The first icon a form asks of the style (a menu
// bar's has one) makes Qt load every plugin to learn which reads it. Made once the
// application object exists: Qt takes the first thread that asks it anything for the main one.

#include <thread>

namespace pellar {

class WarmUp {
public:
    static WarmUp fonts();
    static WarmUp imageFormats();

    ~WarmUp();
    WarmUp(const WarmUp&) = delete;
    WarmUp& operator=(const WarmUp&) = delete;

    // Returns once the work is done; at once after the first time.
    void wait();

private:
    // No work: no thread.
    explicit WarmUp(void (*work)());

    std::thread m_thread;
};

} // namespace pellar
