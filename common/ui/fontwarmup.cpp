#include "common/ui/fontwarmup.h"

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

} // namespace pellar
