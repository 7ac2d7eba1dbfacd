#pragma once

namespace getalveld {

// The system's font configuration (the user's hinting and the fonts that stand in for
// characters the bundled font lacks) is read once per run; parsing its XML files is the
// largest single cost of a start. beginReadingFontConfiguration() reads it on a thread of
// its own, beside the connection to the display; awaitFontConfiguration() waits for it and
// is called before the font database is first used, so the database finds it read.
// Both do nothing where the platform has no such configuration.
void beginReadingFontConfiguration();
void awaitFontConfiguration();

} // namespace getalveld
