#include "board/fontconfiguration.h"

#ifdef GETALVELD_HAVE_FONTCONFIG
#include <fontconfig/fontconfig.h>
#include <future>
#endif

namespace getalveld {

#ifdef GETALVELD_HAVE_FONTCONFIG
namespace {
std::future<void> &reading()
{
    // A future, not a bare thread: a run that ends before it was awaited (an early
    // return from main) waits for the read at exit instead of being terminated.
    static std::future<void> pending;
    return pending;
}
} // namespace

void beginReadingFontConfiguration()
{
    // FcInit sets the library's current configuration once, atomically: should the font
    // database ask before the read is over, both read and one result is kept.
    if (!reading().valid())
        reading() = std::async(std::launch::async, [] { FcInit(); });
}

void awaitFontConfiguration()
{
    if (reading().valid())
        reading().get();
}
#else
void beginReadingFontConfiguration() {}
void awaitFontConfiguration() {}
#endif

} // namespace getalveld
