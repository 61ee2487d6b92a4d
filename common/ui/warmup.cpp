#include "common/ui/warmup.h"

#include <QBuffer>
#include <QByteArray>
#include <QImageReader>

#ifdef PELLAR_HAVE_FONTCONFIG
#include <fontconfig/fontconfig.h>
#endif

namespace pellar {

WarmUp::WarmUp(void (*work)()) {
    if (work)
        m_thread = std::thread(work);
}

WarmUp::~WarmUp() {
    wait();
}

void WarmUp::wait() {
    if (m_thread.joinable())
        m_thread.join();
}

WarmUp WarmUp::fonts() {
#ifdef PELLAR_HAVE_FONTCONFIG
    // The configuration read here becomes the one every later font lookup uses.
    return WarmUp([] { FcInit(); });
#else
    return WarmUp(nullptr);
#endif
}

WarmUp WarmUp::imageFormats() {
    // Bytes no format claims: Qt asks every plugin in turn, and so loads them all. Qt's plugin
    // loader is shared and locked; a form that wants an icon meanwhile waits for this one.
    return WarmUp([] {
        QByteArray bytes("none");
        QBuffer device(&bytes);
        device.open(QIODevice::ReadOnly);
        (void)QImageReader::imageFormat(&device);
    });
}

} // namespace pellar
