#include "exercises1000/findonthousand.h"

#include "board/random.h"

namespace getalveld {

namespace {
} // namespace

ThousandFindTask drawThousandFindTask(int firstHundred)
{
    RandomSource &random = randomSource();
    ThousandFindTask task;
    task.numberInHundred = drawInt(random.next(), 100, 1);
    // Nine hundreds out of ten: the first screen never asks in the tenth, the second never in the first.
    task.hundredIndex = drawInt(random.next(), 9, firstHundred);
    return task;
}

FindOnThousand::FindOnThousand(const FindOnThousandLayout &layout)
    : ThousandScreen({layout.name,
                      QStringLiteral("zoek op het 1000 veld"),
                      {3960, true, QPoint(5640, 5400)},
                      QStringLiteral("zoek"),
                      QRect(9960, 1200, 2055, 5895),
                      QRect(9960, 6360, 2055, 495),
                      1335,
                      4920,
                      QString(),
                      layout.rewards}),
      m_firstHundred(layout.firstHundred)
{
    lblveld = (new Label(this, QStringLiteral("lblveld"), twipsRect(9960, layout.veldTop, 1935, 1095)))
                  ->look(colour::helpPanel, colour::white, font::arial, 9.75);
    lblveld->setCaption(QStringLiteral("kies het juiste tabulon bovenaan en klik er op "));
    lblveld->hide();

    cmdhulp = new CommandButton(this, QStringLiteral("cmdhulp"), twipsRect(10560, layout.hulpTop, 975, 615));
    cmdhulp->setBackColor(colour::helpButton);
    cmdhulp->setFont(screenFont(font::arial, 14.25));
    cmdhulp->setCaption(QStringLiteral("?"));
    cmdhulp->setToolTip(QStringLiteral("help me!"));
    cmdhulp->hide();

    const int x = layout.countAt.x(), y = layout.countAt.y(), v = layout.valueLeft;
    Label10 = makeCountLabel(QStringLiteral("Label10"), QRect(x, y, 735, 375), colour::white, Align::Left);
    lblhelp = makeCountLabel(QStringLiteral("lblhelp"), QRect(v, y, 855, 375), colour::white, Align::Centre);
    lbljuist2 = makeCountLabel(QStringLiteral("lbljuist2"), QRect(x, y + 360, 735, 375), 0x0080FF80, Align::Left);
    lbljuist = makeCountLabel(QStringLiteral("lbljuist"), QRect(v, y + 360, 855, 375), 0x0080FF80, Align::Centre);
    lblfout2 = makeCountLabel(QStringLiteral("lblfout2"), QRect(x, y + 720, 735, 375), colour::red, Align::Left);
    lblfout = makeCountLabel(QStringLiteral("lblfout"), QRect(v, y + 720, 855, 375), colour::red, Align::Centre);
    Label10->setCaption(QStringLiteral("hulp: "));
    lbljuist2->setCaption(QStringLiteral("juist :"));
    lblfout2->setCaption(QStringLiteral("fout :"));

    connect(&board, &ThousandField::pictureClicked, this, &FindOnThousand::imgveld_Click);
    connect(&board, &ThousandField::cellClicked, this, &FindOnThousand::lbltabulon_Click);
    connect(cmdstart, &CommandButton::clicked, this, &FindOnThousand::cmdstart_Click);
    connect(cmdhulp, &CommandButton::clicked, this, &FindOnThousand::cmdhulp_Click);
    connect(cmdstop, &CommandButton::clicked, this, &FindOnThousand::cmdstop_Click);
}

void FindOnThousand::hideHundredFrames()
{
    board.hideHundredFrames();
    lblveld->hide();
}

void FindOnThousand::zeroCounts()
{
    helpCount = 0;
    wrongCount = 0;
    correctCount = 0;
    lblhelp->setCaption(QStringLiteral("0"));
    lblfout->setCaption(QStringLiteral("0"));
    lbljuist->setCaption(QStringLiteral("0"));
}

void FindOnThousand::Form_Load()
{
    hideHundredFrames();
    centre();
    zeroCounts();
    board.enableHundredFrames();
}

void FindOnThousand::Form_Activate()
{
    hideHundredFrames();
    centre();
    if (!taskSolved)
        board.enableHundredFrames();
}

void FindOnThousand::imgveld_Click(int n)
{
    hideHundredFrames();
    board.openHundred(n);
}

void FindOnThousand::cmdstart_Click()
{
    cmdhulp->show();
    lblhulp->show();
    clearTask();
    board.resetHighlights();
    board.greyCells();
    hideHundredFrames();
    hideRewards();
    randomSource().reseed();
    const ThousandFindTask task = drawThousandFindTask(m_firstHundred);
    numberInHundred = task.numberInHundred;
    hundredIndex = task.hundredIndex;
    targetNumber = task.targetNumber();
    showTask();
    cmdstart->hide();
    cmdstop->hide();
    lblveld->show();
    taskOpen = true;
    taskSolved = false;
    board.enableHundredFrames();
}

void FindOnThousand::cmdhulp_Click()
{
    board.markHundred(hundredIndex + 1);
    cmdhulp->hide();
    lblhulp->hide();
    lblhelp->setCaption(QString::number(++helpCount));
}

void FindOnThousand::lbltabulon_Click(int index)
{
    if (!taskOpen)
        return;
    bool isNumber = false;
    const int shown = board.cell(index)->caption().toInt(&isNumber);
    // Only an opened hundred takes clicks and opening numbers every cell; a cell without
    // its number is left alone all the same.
    if (!isNumber || shown < 1 || shown > ThousandField::lastCell)
        return;
    clickedNumber = shown;
    lblstart->setBackColor(colour::red);
    lblstart->setForeColor(colour::white);
    board.cell(clickedNumber)->setBackColor(colour::red);
    const bool right = clickedNumber == targetNumber;
    if (right) {
        lblstart->setBackColor(colour::marked);
        board.cell(targetNumber)->setBackColor(colour::marked);
        showVerdict(true);
        showReward();
        lbljuist->setCaption(QString::number(++correctCount));
        taskOpen = false;
        taskSolved = true;
        board.disableHundredFrames();
    } else {
        showVerdict(false);
        lblfout->setCaption(QString::number(++wrongCount));
    }
    cmdstart->show();
    cmdstop->show();
}

void FindOnThousand::cmdstop_Click()
{
    lblstart->setCaption(QString());
    lblstart->setBackColor(colour::paleYellow);
    returnToBoard();
    board.resetHighlights();
    board.greyCells();
    clearOnStop();
    hideHundredFrames();
    hideRewards();
    lblstart->setForeColor(colour::black);
    lblstart->setBackColor(colour::paleYellow);
    zeroCounts();
    taskOpen = false;
    if (!taskSolved)
        board.enableHundredFrames();
}

} // namespace getalveld
