#include "exercises100/findonchart.h"

#include "board/geometry.h"
#include "board/random.h"

namespace getalveld {

FindTask drawFindTask()
{
    RandomSource &random = randomSource();
    FindTask task;
    task.unitsDigit = drawInt(random.next(), 9, 1);
    task.tensDigit = drawInt(random.next(), 9, 1);
    if (task.unitsDigit == 1)
        task.unitsDigit = 8;
    return task;
}

QString findHelpText(int columnCell, int rowEndCell)
{
    return QStringLiteral("kolom ") + QString::number(columnCell) + QStringLiteral("\r\n rij tot  ")
           + QString::number(rowEndCell);
}

FindOnChart::FindOnChart(const QString &name, bool startStaysDuringTask, const LeftPanel &panel)
    : Screen(name, QStringLiteral("Zoek op het tabulon"), screenWidthTwips, screenHeightTwips, colour::exerciseBack), top(this),
      bottom(this, 1215, 0x008A8A00, 7320), score(this), board(this, 4320, true),
      m_startStaysDuringTask(startStaysDuringTask)
{
    Shape3 = new Shape(this, arrayName(QStringLiteral("Shape3"), 0), twipsRect(360, 1320, panel.panelWidth, 5655),
                       colour::panel, ShapeKind::RoundedRectangle);
    lblzoek = (new Label(this, QStringLiteral("lblzoek"), twipsRect(panel.zoekLeft, 1800, 1935, 615)))
                  ->look(colour::panel, colour::paleYellow, font::arial, 21.75);
    lblzoek->setCaption(QStringLiteral("zoek"));
    lblstart = makePanelLabel(QStringLiteral("lblstart"), panel.startTwips, 36);

    Shape4 = new Shape(this, QStringLiteral("Shape4"), twipsRect(9960, 1200, 1935, 5895), colour::helpPanel);
    cmdhulp = makeHelpButton(this);
    lblmemo = (new Label(this, QStringLiteral("lblmemo"), twipsRect(9960, 4200, 1935, 1575)))
                  ->look(colour::helpPanel, colour::white, font::arial, 12, true);
    lblhulp = makePanelLabel(QStringLiteral("lblhulp"), QRect(9960, 6480, 1935, 495), 21.75);
    lblhulp->setCaption(QStringLiteral("hulp"));

    cmdstop = makeStopButton(this);
    cmdstart = makeStartButton(this, 4440);

    connect(cmdstart, &CommandButton::clicked, this, &FindOnChart::cmdstart_Click);
    connect(cmdstop, &CommandButton::clicked, this, &FindOnChart::cmdstop_Click);
    connect(cmdhulp, &CommandButton::clicked, this, &FindOnChart::cmdhulp_Click);
    connect(&board, &HundredChart::cellClicked, this, &FindOnChart::lbltabulon_Click);
}

Label *FindOnChart::makePanelLabel(const QString &name, const QRect &twips, qreal points)
{
    return (new Label(this, name, twipsRect(twips.x(), twips.y(), twips.width(), twips.height())))
        ->look(colour::paleYellow, colour::panel, font::arial, points);
}

void FindOnChart::Form_Load()
{
    centre();
    score.zero();
    clearOnLoad();
}

void FindOnChart::Form_Activate()
{
    centre();
}

void FindOnChart::cmdstart_Click()
{
    clearTaskTexts();
    board.setEnabled(true);
    board.reset();
    top.ShpHkies1->setBackColor(colour::marked);
    board.number();
    randomSource().reseed();
    const FindTask task = drawFindTask();
    unitsDigit = task.unitsDigit;
    tensDigit = task.tensDigit;
    targetNumber = task.targetNumber();
    showTask();
    cmdstart->setVisible(m_startStaysDuringTask);
    cmdstop->hide();
    cmdhulp->show();
    lblhulp->show();
}

void FindOnChart::lbltabulon_Click(int index)
{
    const bool right = index == targetNumber;
    board.cell(index)->setBackColor(right ? colour::cellGreen : colour::cellRed);
    showVerdict(index, right);
    if (right) {
        score.addCorrect();
        board.setEnabled(false);
    } else {
        score.addWrong();
    }
    if (!m_startStaysDuringTask)
        cmdstart->show();
    cmdstop->show();
}

void FindOnChart::cmdhulp_Click()
{
    helpColumnCell = unitsDigit;
    board.cell(helpColumnCell)->setBackColor(colour::cellOrange);
    helpRowEndCell = (tensDigit + 1) * 10;
    board.cell(helpRowEndCell)->setBackColor(colour::cellOrange);
    lblmemo->setCaption(findHelpText(helpColumnCell, helpRowEndCell));
    score.addHelp();
}

void FindOnChart::cmdstop_Click()
{
    // Back to the board first; the reset then runs while this screen is hidden.
    returnToBoard();
    board.reset();
    top.ShpHkies1->setBackColor(colour::marked);
    lblstart->setCaption(QString());
    lblmemo->setCaption(QString());
    clearOnStop();
    cmdhulp->hide();
    lblhulp->hide();
    score.zero();
}

} // namespace getalveld
