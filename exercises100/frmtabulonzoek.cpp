#include "exercises100/frmtabulonzoek.h"

#include "board/geometry.h"

namespace getalveld {

QString neighbourSums(int number)
{
    const QString t = QString::number(number);
    return t + QStringLiteral(" - 1  =   ") + QString::number(number - 1) + QStringLiteral("\r\n") + t
           + QStringLiteral(" + 1  =   ") + QString::number(number + 1) + QStringLiteral("\r\n") + t
           + QStringLiteral(" - 10  =  ") + QString::number(number - 10) + QStringLiteral("\r\n") + t
           + QStringLiteral(" + 10  =  ") + QString::number(number + 10);
}

frmtabulonzoek::frmtabulonzoek()
    : FindOnChart(QStringLiteral("frmtabulonzoek"), false, {2775, 720, QRect(360, 2880, 2775, 975)})
{
    lbljuist3 = makePanelLabel(QStringLiteral("lbljuist3"), QRect(360, 4680, 2775, 1575), 14.25);
}

void frmtabulonzoek::clearTaskTexts()
{
    lblmemo->setCaption(QString());
    lbljuist3->setCaption(QString());
}

void frmtabulonzoek::showTask()
{
    lblstart->setCaption(QString::number(targetNumber));
}

void frmtabulonzoek::showVerdict(int index, bool right)
{
    // The sums are built from the number the cell stands for, its index: after a stop and
    // a return the target cell is blank but still counts as right.
    if (right)
        lbljuist3->setCaption(neighbourSums(index));
}

void frmtabulonzoek::clearOnStop()
{
    lbljuist3->setCaption(QString());
}

void frmtabulonzoek::clearOnLoad()
{
    lblstart->setCaption(QString());
}

} // namespace getalveld
