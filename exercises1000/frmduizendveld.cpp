#include "exercises1000/frmduizendveld.h"

namespace getalveld {

frmduizendveld::frmduizendveld()
    : FindOnThousand({QStringLiteral("frmduizendveld"),
                      0,
                      1560,
                      2640,
                      QPoint(10200, 5160),
                      11040,
                      {QPoint(1320, 4440), QPoint(2280, 2160), QPoint(360, 2400), QPoint(600, 4680),
                       QPoint(2280, 6120), QPoint(1800, 2520), QPoint(720, 6000), QPoint(1560, 5280),
                       QPoint(1440, 6120), QPoint(720, 5400)}})
{
    lblstart = makePanelLabel(QStringLiteral("lblstart"), QRect(120, 3240, 2775, 975), 36);
}

void frmduizendveld::clearTask()
{
    lblstart->setForeColor(colour::black);
    lblstart->setBackColor(colour::paleYellow);
}

void frmduizendveld::showTask()
{
    lblstart->setCaption(QString::number(targetNumber));
}

} // namespace getalveld
