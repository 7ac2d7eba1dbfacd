#include "app/credits.h"

#include "board/pictures.h"

namespace getalveld::credits {

QString programName() { return QStringLiteral("getalveld"); }

QString freeSoftware() { return QStringLiteral("vrije software voor de basisschool"); }

QString licence() { return QStringLiteral("GNU GPL, versie 3 of later"); }

QString distributionNote()
{
    return QStringLiteral("Dit programma is gratis.\r\nGeef het gerust door aan andere kinderen en scholen.");
}

QString scrollingLine()
{
    return programName() + QStringLiteral(" \u2013 ") + freeSoftware() + QStringLiteral(" \u2013 ") + licence()
           + QStringLiteral(" \u2013 plaatjes: ") + pictureCredit() + QStringLiteral(" \u2013 letters: ") + fontCredit();
}

QStringList all()
{
    return {programName(), freeSoftware(), licence(), pictureCredit(), fontCredit()};
}

} // namespace getalveld::credits
