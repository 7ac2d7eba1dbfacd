#pragma once

#include <QString>
#include <QStringList>

namespace getalveld::credits {

// The maker's credits: this program's own name, that it is free software, its licence and
// the attribution of the pictures and fonts it bundles.
QString programName();   // "getalveld"
QString freeSoftware();  // that it is free to share
QString licence();
QString distributionNote(); // two lines on how the program is passed on
QString scrollingLine();    // the credit line of the closing screen's status bar
QStringList all();          // every credit text, for the about-the-program places

} // namespace getalveld::credits
