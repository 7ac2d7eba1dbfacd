#include "exercises100/frmtabulonmin.h"


namespace getalveld {

ChartSumVariant minVariant()
{
    return {Operation::Minus,
            QStringLiteral("frmtabulonmin"),
            QStringLiteral("Aftrekken op het tabulon"),
            QStringLiteral("min"),
            720,
            4320,
            4800,
            6480,
            7440,
            {QPoint(2280, 2280), QPoint(2160, 1440), QPoint(600, 2280), QPoint(600, 3960), QPoint(720, 6120),
             QPoint(2400, 4080), QPoint(1680, 4080), QPoint(2520, 6120), QPoint(960, 1560), QPoint(1560, 6240)}};
}

} // namespace getalveld
