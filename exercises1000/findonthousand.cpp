#include "exercises1000/findonthousand.h"

#include "board/numberwords.h"
#include "board/random.h"

namespace getalveld {

ThousandFindTask drawThousandFindTask(int firstHundred)
{
    RandomSource &random = randomSource();
    ThousandFindTask task;
    task.numberInHundred = drawInt(random.next(), 100, 1);
    // Nine hundreds out of ten: the first screen never asks in the tenth, the second never in the first.
    task.hundredIndex = drawInt(random.next(), 9, firstHundred);
    return task;
}

FindOnThousandVariant thousandDigitsVariant()
{
    return {.given = ThousandGiven::Digits,
            .firstHundred = 0,
            .startTwips = QRect(120, 3240, 2775, 975),
            .startPoints = 36,
            .veldTop = 1560,
            .hulpTop = 2640,
            .countAt = QPoint(10200, 5160),
            .valueLeft = 11040,
            .rewards = {QPoint(1320, 4440), QPoint(2280, 2160), QPoint(360, 2400), QPoint(600, 4680),
                        QPoint(2280, 6120), QPoint(1800, 2520), QPoint(720, 6000), QPoint(1560, 5280),
                        QPoint(1440, 6120), QPoint(720, 5400)}};
}

FindOnThousandVariant thousandWordsVariant()
{
    return {.given = ThousandGiven::Words,
            .firstHundred = 1,
            .startTwips = QRect(120, 4680, 2775, 735),
            .startPoints = 27.75,
            .veldTop = 1440,
            .hulpTop = 2880,
            .countAt = QPoint(10080, 4920),
            .valueLeft = 10920,
            .rewards = {QPoint(2160, 1440), QPoint(2280, 2040), QPoint(240, 2160), QPoint(480, 1440),
                        QPoint(480, 5760), QPoint(2280, 5640), QPoint(1320, 5760), QPoint(840, 6360),
                        QPoint(1320, 1320), QPoint(1920, 6240)}};
}

FindOnThousand::FindOnThousand(const FindOnThousandVariant &variant)
    : ThousandScreen({.caption = QStringLiteral("zoek op het 1000 veld"),
                      .field = {.frameLeft = 3960, .withBand = true, .spare = QPoint(5640, 5400)},
                      .zoekCaption = QStringLiteral("zoek"),
                      .rightPanel = QRect(9960, 1200, 2055, 5895),
                      .hulp = QRect(9960, 6360, 2055, 495),
                      .bottomHeight = 1335,
                      .startLeft = 4920,
                      .startToolTip = QString(),
                      .rewards = variant.rewards}),
      m_variant(variant)
{
    lblveld = (new Label(this, QStringLiteral("lblveld"), twipsRect(9960, variant.veldTop, 1935, 1095)))
                  ->look(colour::helpPanel, colour::white, font::arial, 9.75);
    lblveld->setCaption(QStringLiteral("kies het juiste tabulon bovenaan en klik er op "));
    lblveld->hide();

    cmdhulp = new CommandButton(this, QStringLiteral("cmdhulp"), twipsRect(10560, variant.hulpTop, 975, 615));
    cmdhulp->setBackColor(colour::helpButton);
    cmdhulp->setFont(screenFont(font::arial, 14.25));
    cmdhulp->setCaption(QStringLiteral("?"));
    cmdhulp->setToolTip(QStringLiteral("help me!"));
    cmdhulp->hide();

    score.emplace(this, ScoreLayout{.rows = ScoreLayout::Rows::HelpCorrectWrong,
                                    .at = variant.countAt,
                                    .titleWidth = 735,
                                    .titleAlign = Align::Left,
                                    .valueLeft = variant.valueLeft,
                                    .back = colour::helpPanel,
                                    .correctFore = 0x0080FF80,
                                    .wrongFore = colour::red,
                                    .helpFore = colour::white,
                                    .helpName = QStringLiteral("Label10"),
                                    .helpText = QStringLiteral("hulp: ")});

    connect(&board, &ThousandField::pictureClicked, this, &FindOnThousand::imgveld_Click);
    connect(&board, &ThousandField::cellClicked, this, &FindOnThousand::lbltabulon_Click);
    connect(cmdstart, &CommandButton::clicked, this, &FindOnThousand::cmdstart_Click);
    connect(cmdhulp, &CommandButton::clicked, this, &FindOnThousand::cmdhulp_Click);
    connect(cmdstop, &CommandButton::clicked, this, &FindOnThousand::cmdstop_Click);

    if (givenInWords()) {
        lblhonderd = makePanelLabel(this, QStringLiteral("lblhonderd"), QRect(120, 3000, 2775, 615), 15.75);
        lblleesgetal = makePanelLabel(this, QStringLiteral("lblleesgetal"), QRect(120, 3600, 2775, 615), 15.75);
    }
    lblstart = makePanelLabel(this, QStringLiteral("lblstart"), variant.startTwips, variant.startPoints);
}

void FindOnThousand::clearTask()
{
    if (givenInWords()) {
        lblstart->setCaption(QString());
        lblstart->setBackColor(colour::paleYellow);
        lblleesgetal->setBackColor(colour::paleYellow);
    } else {
        lblstart->setForeColor(colour::black);
        lblstart->setBackColor(colour::paleYellow);
    }
}

void FindOnThousand::showTask()
{
    if (givenInWords()) {
        // Two labels, never one text: a whole hundred reads as the hundred before and "honderd".
        lblhonderd->setCaption(hundredsWord(hundredIndex));
        lblleesgetal->setCaption(remainderWord(numberInHundred));
    } else {
        lblstart->setCaption(QString::number(targetNumber));
    }
}

void FindOnThousand::showVerdict(bool right)
{
    if (!givenInWords())
        return;
    if (right) {
        lblstart->setForeColor(colour::paleYellow);
        lblstart->setCaption(QStringLiteral("prima"));
    } else {
        lblstart->setBackColor(colour::red);
        lblstart->setForeColor(colour::white);
        lblstart->setCaption(QStringLiteral("fout"));
    }
}

void FindOnThousand::clearOnStop()
{
    if (givenInWords()) {
        lblleesgetal->setCaption(QString());
        lblhonderd->setCaption(QString());
    }
}

void FindOnThousand::hideHundredFrames()
{
    board.hideHundredFrames();
    lblveld->hide();
}

void FindOnThousand::Form_Load()
{
    hideHundredFrames();
    centre();
    score->zero();
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
    const ThousandFindTask task = drawThousandFindTask(m_variant.firstHundred);
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
    score->addHelp();
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
        score->addCorrect();
        taskOpen = false;
        taskSolved = true;
        board.disableHundredFrames();
    } else {
        showVerdict(false);
        score->addWrong();
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
    score->zero();
    taskOpen = false;
    if (!taskSolved)
        board.enableHundredFrames();
}

} // namespace getalveld
