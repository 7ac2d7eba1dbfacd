#include "exercises1000/thousandsum.h"

#include "board/random.h"

namespace getalveld {

namespace {
constexpr quint32 rightGreen = 0x0000FF00;
} // namespace

ThousandSumTask drawThousandSumTask(Operation operation)
{
    RandomSource &random = randomSource();
    ThousandSumTask task;
    task.operation = operation;
    if (operation == Operation::Plus) {
        // Start digits up to 5 and added digits up to 4: no place ever needs a carry.
        random.reseed();
        task.startHundreds = drawInt(random.next(), 5, 1);
        task.otherHundreds = drawInt(random.next(), 4, 1);
        task.startTens = drawInt(random.next(), 5, 1);
        task.otherTens = drawInt(random.next(), 4, 1);
        task.startUnits = drawInt(random.next(), 5, 1);
        task.otherUnits = drawInt(random.next(), 4, 1);
        return task;
    }
    // Nothing is drawn again: a start digit that would need borrowing becomes 9.
    auto pair = [&random](int &start, int &other) {
        random.reseed();
        start = drawInt(random.next(), 9, 1);
        other = drawInt(random.next(), 8, 1);
        if (start <= other)
            start = 9;
    };
    pair(task.startHundreds, task.otherHundreds);
    pair(task.startTens, task.otherTens);
    pair(task.startUnits, task.otherUnits);
    return task;
}

ThousandSumVariant thousandPlusVariant()
{
    return {.operation = Operation::Plus,
            .caption = QStringLiteral("optellen op het 1000veld"),
            .zoekCaption = QStringLiteral("plus"),
            .helpTop = 5640,
            .helpCount = HelpCount::FromLoadToStop,
            .rewards = {QPoint(360, 4080), QPoint(2280, 1680), QPoint(480, 1440), QPoint(1800, 2280),
                        QPoint(360, 6240), QPoint(2280, 4080), QPoint(1320, 4200), QPoint(2160, 6240),
                        QPoint(480, 2160), QPoint(1200, 6240)}};
}

ThousandSumVariant thousandMinVariant()
{
    return {.operation = Operation::Minus,
            .caption = QStringLiteral("aftrekken op het 1000veld"),
            .zoekCaption = QStringLiteral("min"),
            .helpTop = 5520,
            .helpCount = HelpCount::PerActivation,
            .rewards = {QPoint(1680, 2280), QPoint(2160, 1680), QPoint(480, 2280), QPoint(240, 4080),
                        QPoint(360, 6240), QPoint(1080, 4080), QPoint(2400, 4200), QPoint(2160, 6240),
                        QPoint(360, 1560), QPoint(1200, 6360)}};
}

ThousandSumScreen::ThousandSumScreen(const ThousandSumVariant &variant)
    : ThousandScreen({.caption = variant.caption,
                      .field = {.frameLeft = 4320, .withBand = false, .spare = QPoint(6840, 6600)},
                      .zoekCaption = variant.zoekCaption,
                      .rightPanel = QRect(10080, 1200, 1935, 5895),
                      .hulp = QRect(10080, 6480, 1935, 495),
                      .bottomHeight = 975,
                      .startLeft = 4020,
                      .startToolTip = QStringLiteral("start"),
                      .rewards = variant.rewards}),
      m_variant(variant)
{
    lblstart = makePanelLabel(this, QStringLiteral("lblstart"), QRect(120, 2880, 2775, 1095), 21.75);
    lbljuist = makePanelLabel(this, QStringLiteral("lbljuist"), QRect(120, 4800, 2775, 1095), 18);
    lbljuist->hide();

    auto stepLabel = [this](const QString &name, int top) { return makeStepLabel(this, name, 10080, top); };
    auto stepButton = [this](const QString &name, int top) { return makeStepButton(this, name, 10680, top); };
    // Each help button lies on its step label: the step text shows once the button is gone.
    lblHweg = stepLabel(QStringLiteral("lblHweg"), 1680);
    cmdHweg = stepButton(QStringLiteral("cmdHweg"), 1920);
    lblTweg = stepLabel(QStringLiteral("lblTweg"), 2760);
    cmdTweg = stepButton(QStringLiteral("cmdTweg"), 3000);
    lblEweg = stepLabel(QStringLiteral("lblEweg"), 3840);
    cmdEweg = stepButton(QStringLiteral("cmdEweg"), 4080);

    Label10 = makeCountLabel(QStringLiteral("Label10"), QRect(10200, variant.helpTop, 735, 375), colour::white,
                             Align::Left);
    Label10->setCaption(QStringLiteral("hulp: "));
    lblhelp = makeCountLabel(QStringLiteral("lblhelp"), QRect(11040, variant.helpTop, 855, 375), colour::white,
                             Align::Centre);

    connect(&board, &ThousandField::pictureClicked, this, &ThousandSumScreen::imgveld_Click);
    connect(&board, &ThousandField::cellClicked, this, &ThousandSumScreen::lbltabulon_Click);
    connect(cmdstart, &CommandButton::clicked, this, &ThousandSumScreen::cmdstart_Click);
    connect(cmdstop, &CommandButton::clicked, this, &ThousandSumScreen::cmdstop_Click);
    connect(cmdHweg, &CommandButton::clicked, this, &ThousandSumScreen::cmdHweg_Click);
    connect(cmdTweg, &CommandButton::clicked, this, &ThousandSumScreen::cmdTweg_Click);
    connect(cmdEweg, &CommandButton::clicked, this, &ThousandSumScreen::cmdEweg_Click);
}

int ThousandSumScreen::reachedHundred() const
{
    return task.startHundreds + task.sign() * task.otherHundreds + 1;
}

void ThousandSumScreen::Form_Load()
{
    comeUp(HelpCount::FromLoadToStop);
}

void ThousandSumScreen::Form_Activate()
{
    comeUp(HelpCount::PerActivation);
}

// The first show and every activation alike hide the hundreds' frames and centre the screen;
// the help counter starts again at the moment its variant counts from.
void ThousandSumScreen::comeUp(HelpCount countFrom)
{
    hideHundredFrames();
    centre();
    if (m_variant.helpCount == countFrom) {
        helpCount = 0;
        showHelpCount();
    }
}

void ThousandSumScreen::resetTask()
{
    hideRewards();
    for (Cell *cell : board.lbltabulon) {
        cell->setCaption(QString());
        cell->setBackColor(colour::cellGrey);
    }
    cmdHweg->hide();
    cmdTweg->hide();
    cmdEweg->hide();
    lblHweg->setCaption(QString());
    lblTweg->setCaption(QString());
    lblEweg->setCaption(QString());
    lblstart->setCaption(QString());
    lblstart->setBackColor(colour::paleYellow);
    lbljuist->hide();
    lbljuist->setCaption(QString());
}

void ThousandSumScreen::clearBoard()
{
    board.greyCells();
    lblHweg->setCaption(QString());
    lblTweg->setCaption(QString());
    lblEweg->setCaption(QString());
    lblstart->setBackColor(colour::paleYellow);
    hideRewards();
    hideHundredFrames();
}

void ThousandSumScreen::imgveld_Click(int n)
{
    board.openHundred(n);
    // The start cell is marked in whichever hundred opens; it shows in its own.
    board.cell(task.startNumber())->setBackColor(colour::marked);
    if (n == ThousandField::hundreds)
        board.markHundred(n);
}

void ThousandSumScreen::cmdstart_Click()
{
    clearBoard();
    resetHighlights();
    resetTask();
    lblhulp->show();
    hideHundredFrames();
    hideRewards();
    lblstart->setForeColor(colour::black);
    lblstart->setBackColor(colour::paleYellow);

    task = drawThousandSumTask(m_variant.operation);
    cmdHweg->show();
    lblstart->setCaption(sumText(task.startNumber(), m_variant.operation, task.otherNumber())
                         + QStringLiteral(" = ? "));
    cmdHweg->setCaption(jumpText(m_variant.operation, 100 * task.otherHundreds));
    resetHighlights();
    board.markHundred(task.startHundreds + 1);
    cmdstart->hide();
    cmdstop->hide();
    board.enableHundredFrames();
}

void ThousandSumScreen::cmdHweg_Click()
{
    resetHighlights();
    board.markHundred(reachedHundred());
    board.cell(task.afterHundreds())->setBackColor(colour::marked);
    cmdHweg->hide();
    cmdTweg->setCaption(jumpText(m_variant.operation, 10 * task.otherTens));
    cmdTweg->show();
    lblHweg->setCaption(
        stepText(task.startNumber(), m_variant.operation, 100 * task.otherHundreds, task.afterHundreds()));
    lblhelp->setCaption(QString::number(++helpCount));
}

void ThousandSumScreen::cmdTweg_Click()
{
    board.markHundred(reachedHundred());
    board.cell(task.afterTens())->setBackColor(colour::marked);
    cmdTweg->hide();
    cmdEweg->setCaption(jumpText(m_variant.operation, task.otherUnits));
    cmdEweg->show();
    lblTweg->setCaption(stepText(task.afterHundreds(), m_variant.operation, 10 * task.otherTens, task.afterTens()));
    lblhelp->setCaption(QString::number(++helpCount));
}

void ThousandSumScreen::cmdEweg_Click()
{
    board.markHundred(reachedHundred());
    board.cell(task.result())->setBackColor(colour::marked);
    cmdEweg->hide();
    lblEweg->setCaption(stepText(task.afterTens(), m_variant.operation, task.otherUnits, task.result()));
    lblhelp->setCaption(QString::number(++helpCount));
}

void ThousandSumScreen::lbltabulon_Click(int index)
{
    bool isNumber = false;
    const int shown = board.cell(index)->caption().toInt(&isNumber);
    // Only an opened hundred takes clicks and opening numbers every cell; a cell without
    // its number is left alone all the same.
    if (!isNumber || shown < 1 || shown > ThousandField::lastCell)
        return;
    clickedNumber = shown;
    if (clickedNumber == task.result()) {
        lblstart->setBackColor(rightGreen);
        lblstart->setForeColor(colour::black);
        showReward();
        lblhulp->hide();
        cmdHweg->hide();
        cmdTweg->hide();
        cmdEweg->hide();
        board.cell(task.result())->setBackColor(colour::marked);
        // No blank after the equals sign: "253 + 142 =395".
        lbljuist->setCaption(sumText(task.startNumber(), m_variant.operation, task.otherNumber())
                             + QStringLiteral(" =") + QString::number(task.result()));
        lbljuist->show();
        board.cell(clickedNumber)->setBackColor(colour::marked);
        board.disableHundredFrames();
    } else {
        lblstart->setBackColor(colour::red);
        lblstart->setForeColor(colour::white);
        board.cell(clickedNumber)->setBackColor(colour::red);
        lbljuist->hide();
    }
    cmdstart->show();
    cmdstop->show();
}

void ThousandSumScreen::cmdstop_Click()
{
    resetTask();
    if (m_variant.operation == Operation::Minus) {
        clearBoard();
        resetHighlights();
        cmdstart->show();
        cmdstop->show();
    }
    returnToBoard();
    resetHighlights();
    helpCount = 0;
    showHelpCount();
}

} // namespace getalveld
