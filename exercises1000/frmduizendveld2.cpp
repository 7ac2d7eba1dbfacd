#include "exercises1000/frmduizendveld2.h"

#include "board/numberwords.h"

namespace getalveld {

frmduizendveld2::frmduizendveld2()
    : FindOnThousand({QStringLiteral("frmduizendveld2"),
                      1,
                      1440,
                      2880,
                      QPoint(10080, 4920),
                      10920,
                      {QPoint(2160, 1440), QPoint(2280, 2040), QPoint(240, 2160), QPoint(480, 1440),
                       QPoint(480, 5760), QPoint(2280, 5640), QPoint(1320, 5760), QPoint(840, 6360),
                       QPoint(1320, 1320), QPoint(1920, 6240)}})
{
    lblhonderd = makePanelLabel(QStringLiteral("lblhonderd"), QRect(120, 3000, 2775, 615), 15.75);
    lblleesgetal = makePanelLabel(QStringLiteral("lblleesgetal"), QRect(120, 3600, 2775, 615), 15.75);
    lblstart = makePanelLabel(QStringLiteral("lblstart"), QRect(120, 4680, 2775, 735), 27.75);
}

void frmduizendveld2::clearTask()
{
    lblstart->setCaption(QString());
    lblstart->setBackColor(colour::paleYellow);
    lblleesgetal->setBackColor(colour::paleYellow);
}

void frmduizendveld2::showTask()
{
    // Two labels, never one text: a whole hundred reads as the hundred before and "honderd".
    lblhonderd->setCaption(hundredsWord(hundredIndex));
    lblleesgetal->setCaption(remainderWord(numberInHundred));
}

void frmduizendveld2::showVerdict(bool right)
{
    if (right) {
        lblstart->setForeColor(colour::paleYellow);
        lblstart->setCaption(QStringLiteral("prima"));
    } else {
        lblstart->setBackColor(colour::red);
        lblstart->setForeColor(colour::white);
        lblstart->setCaption(QStringLiteral("fout"));
    }
}

void frmduizendveld2::clearOnStop()
{
    lblleesgetal->setCaption(QString());
    lblhonderd->setCaption(QString());
}

} // namespace getalveld
