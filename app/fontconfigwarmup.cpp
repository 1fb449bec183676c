#include "app/fontconfigwarmup.h"

#ifdef QM47_HAVE_FONTCONFIG
#include <fontconfig/fontconfig.h>
#endif

FontConfigurationWarmUp::FontConfigurationWarmUp()
{
#ifdef QM47_HAVE_FONTCONFIG
    thread_ = std::thread([] { FcInit(); });
#endif
}

FontConfigurationWarmUp::~FontConfigurationWarmUp()
{
    finish();
}

void FontConfigurationWarmUp::finish()
{
    if (thread_.joinable())
        thread_.join();
}
