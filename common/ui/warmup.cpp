#include "common/ui/warmup.h"

#include <QBuffer>
#include <QByteArray>
#include <QImageReader>

#ifdef PELLAR_HAVE_FONTCONFIG
#include <fontconfig/fontconfig.h>
#endif

namespace pellar {

FontWarmUp::FontWarmUp() {
#ifdef PELLAR_HAVE_FONTCONFIG
    // The configuration read here becomes the one every later font lookup uses.
    m_thread = std::thread([] { FcInit(); });
#endif
}

FontWarmUp::~FontWarmUp() {
    wait();
}

void FontWarmUp::wait() {
    if (m_thread.joinable())
        m_thread.join();
}

ImageFormatWarmUp::ImageFormatWarmUp() {
    // Bytes no format claims: Qt asks every plugin in turn, and so loads them all. Qt's plugin
    // loader is shared and locked; a form that wants an icon meanwhile waits for this one.
    m_thread = std::thread([] {
        QByteArray bytes("none");
        QBuffer device(&bytes);
        device.open(QIODevice::ReadOnly);
        (void)QImageReader::imageFormat(&device);
    });
}

ImageFormatWarmUp::~ImageFormatWarmUp() {
    m_thread.join();
}

} // namespace pellar
