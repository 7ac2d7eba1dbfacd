#include "exercises100/frmtabulonzoek2.h"

#include "board/numberwords.h"

namespace getalveld {

frmtabulonzoek2::frmtabulonzoek2()
    : FindOnChart(QStringLiteral("frmtabulonzoek2"), true, {3015, 960, QRect(360, 5040, 3015, 975)})
{
    lblleesgetal = makePanelLabel(QStringLiteral("lblleesgetal"), QRect(360, 3240, 3015, 975), 18.75);
}

void frmtabulonzoek2::clearTaskTexts()
{
    lblmemo->setCaption(QString());
    lblstart->setCaption(QString());
    lblleesgetal->setCaption(QString());
}

void frmtabulonzoek2::showTask()
{
    lblleesgetal->setCaption(numberWord(targetNumber));
}

void frmtabulonzoek2::showVerdict(int, bool right)
{
    lblstart->setCaption(right ? QStringLiteral(" prima") : QStringLiteral(" fout"));
}

void frmtabulonzoek2::clearOnStop()
{
    lblleesgetal->setCaption(QString());
}

void frmtabulonzoek2::clearOnLoad()
{
    lblleesgetal->setCaption(QString());
}

} // namespace getalveld
