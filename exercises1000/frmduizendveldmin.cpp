#include "exercises1000/frmduizendveldmin.h"

namespace getalveld {

ThousandSumVariant thousandMinVariant()
{
    return {Operation::Minus,
            QStringLiteral("frmduizendveldmin"),
            QStringLiteral("aftrekken op het 1000veld"),
            QStringLiteral("min"),
            5520,
            true,
            {QPoint(1680, 2280), QPoint(2160, 1680), QPoint(480, 2280), QPoint(240, 4080), QPoint(360, 6240),
             QPoint(1080, 4080), QPoint(2400, 4200), QPoint(2160, 6240), QPoint(360, 1560), QPoint(1200, 6360)}};
}

} // namespace getalveld
