#include "FontWarmUp.h"

#include <fontconfig/fontconfig.h>

// Qt reads the same configuration through FcInit() when it first needs a font; fontconfig
// keeps it once read, so Qt's call then returns at once.
FontWarmUp::FontWarmUp()
    : m_thread([] { FcInit(); })
{
}

FontWarmUp::~FontWarmUp()
{
    finish();
}

void FontWarmUp::finish()
{
    if (m_thread.joinable())
        m_thread.join();
}
