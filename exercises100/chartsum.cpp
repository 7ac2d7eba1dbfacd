#include "exercises100/chartsum.h"

#include "board/geometry.h"
#include "board/random.h"

namespace getalveld {

namespace {
constexpr quint32 rightGreen = 0x0000FF00;
} // namespace

ChartSumTask drawChartSumTask(Operation operation)
{
    // Additions stay within 55 + 44, so that no task needs a carry; subtractions may start anywhere.
    const int startRange = operation == Operation::Plus ? 5 : 9;
    RandomSource &random = randomSource();
    ChartSumTask task;
    task.operation = operation;
    task.startTens = drawInt(random.next(), startRange, 1);
    task.otherTens = drawInt(random.next(), 4, 1);
    task.startUnits = drawInt(random.next(), startRange, 1);
    task.otherUnits = drawInt(random.next(), 4, 1);
    // Nothing is drawn again: the tens jump of a subtraction must stay on the chart.
    if (operation == Operation::Minus && task.startTens <= task.otherTens)
        task.startTens = 9;
    return task;
}

ChartSumVariant plusVariant()
{
    return {.operation = Operation::Plus,
            .caption = QStringLiteral("Optellen op tabulon"),
            .zoekCaption = QStringLiteral("plus"),
            .zoekLeft = 840,
            .frameLeft = 4440,
            .juistTop = 4680,
            .hulpTop = 6360,
            .logoTop = 7320,
            .rewards = {QPoint(2400, 2280), QPoint(960, 1440), QPoint(720, 2280), QPoint(720, 4080),
                        QPoint(720, 6000), QPoint(1560, 4080), QPoint(2640, 4080), QPoint(2640, 6000),
                        QPoint(2160, 1560), QPoint(1680, 6000)}};
}

ChartSumVariant minVariant()
{
    return {.operation = Operation::Minus,
            .caption = QStringLiteral("Aftrekken op het tabulon"),
            .zoekCaption = QStringLiteral("min"),
            .zoekLeft = 720,
            .frameLeft = 4320,
            .juistTop = 4800,
            .hulpTop = 6480,
            .logoTop = 7440,
            .rewards = {QPoint(2280, 2280), QPoint(2160, 1440), QPoint(600, 2280), QPoint(600, 3960),
                        QPoint(720, 6120), QPoint(2400, 4080), QPoint(1680, 4080), QPoint(2520, 6120),
                        QPoint(960, 1560), QPoint(1560, 6240)}};
}

ChartSumScreen::ChartSumScreen(const ChartSumVariant &variant)
    : Screen(variant.caption, screenWidthTwips, screenHeightTwips, colour::exerciseBack),
      m_variant(variant), top(this),
      board(this, variant.frameLeft, ChartInput::Closed), bottom(this, 975, 0x000076EC, variant.logoTop)
{
    board.lblmemo2->look(0x00959595, colour::white, font::arial, 15.75, false, Align::Left);

    Shape3 = new Shape(this, arrayName(QStringLiteral("Shape3"), 0), twipsRect(480, 1320, 2775, 5655), colour::panel,
                       ShapeKind::RoundedRectangle);
    lblzoek = (new Label(this, QStringLiteral("lblzoek"), twipsRect(variant.zoekLeft, 2160, 1935, 615)))
                  ->look(colour::panel, colour::paleYellow, font::arial, 21.75);
    lblzoek->setCaption(variant.zoekCaption);
    lblstart = makePanelLabel(this, QStringLiteral("lblstart"), QRect(480, 2880, 2775, 975), 36);
    lbljuist = makePanelLabel(this, QStringLiteral("lbljuist"), QRect(480, variant.juistTop, 2775, 975), 24);
    lbljuist->hide();

    Shape4 = new Shape(this, QStringLiteral("Shape4"), twipsRect(9960, 1200, 1935, 5895), colour::helpPanel);
    auto stepLabel = [this](const QString &name, int top) { return makeStepLabel(this, name, 9960, top); };
    auto stepButton = [this](const QString &name, int top) { return makeStepButton(this, name, 10560, top); };
    // Each help button lies on its step label: the step text shows once the button is gone.
    lblHweg = stepLabel(QStringLiteral("lblHweg"), 1680);
    cmdHweg = stepButton(QStringLiteral("cmdHweg"), 1920);
    lblTweg = stepLabel(QStringLiteral("lblTweg"), 2760);
    cmdTweg = stepButton(QStringLiteral("cmdTweg"), 3000);
    lblEweg = stepLabel(QStringLiteral("lblEweg"), 3840);
    lblhulp = makePanelLabel(this, QStringLiteral("lblhulp"), QRect(9960, variant.hulpTop, 1935, 495), 21.75);
    lblhulp->setCaption(QStringLiteral("hulp"));
    lblhulp->hide();

    cmdstop = makeStopButton(this);
    cmdstart = makeStartButton(this, 5040);

    for (int k = 0; k < 10; ++k) {
        const QPoint at = variant.rewards[size_t(k)];
        imgok[size_t(k)] = new Image(this, arrayName(QStringLiteral("imgok"), k), twipsRect(at.x(), at.y(), 480, 480),
                                     QStringLiteral("reward%1").arg(k));
        imgok[size_t(k)]->hide();
    }

    connect(cmdstart, &CommandButton::clicked, this, &ChartSumScreen::cmdstart_Click);
    connect(cmdstop, &CommandButton::clicked, this, &ChartSumScreen::cmdstop_Click);
    connect(cmdHweg, &CommandButton::clicked, this, &ChartSumScreen::cmdHweg_Click);
    connect(cmdTweg, &CommandButton::clicked, this, &ChartSumScreen::cmdTweg_Click);
    connect(&board, &HundredChart::cellClicked, this, &ChartSumScreen::lbltabulon_Click);
}

void ChartSumScreen::resetBoard()
{
    board.reset();
    board.designCaptions();
    lblHweg->setCaption(QString());
    lblTweg->setCaption(QString());
    lblEweg->setCaption(QString());
    lblstart->setCaption(QString());
    cmdHweg->hide();
    cmdTweg->hide();
    lblstart->setBackColor(colour::paleYellow);
    lblstart->setForeColor(colour::black);
    lbljuist->setCaption(QString());
    lbljuist->hide();
    lblhulp->hide();
    for (Image *picture : imgok)
        picture->hide();
}

void ChartSumScreen::showReward()
{
    randomSource().reseed();
    const int k = drawInt(randomSource().next(), 9, 0);
    if (k >= 0 && k < 9)
        imgok[size_t(k)]->show();
}

void ChartSumScreen::cmdstart_Click()
{
    board.setEnabled(true);
    resetBoard();
    randomSource().reseed();
    lblhulp->show();
    task = drawChartSumTask(m_variant.operation);
    cmdHweg->show();
    const Operation op = m_variant.operation;
    lblstart->setCaption(sumText(task.startNumber(), op, task.otherNumber()) + QStringLiteral(" = ? "));
    cmdHweg->setCaption(jumpText(op, 10 * task.otherTens));
    top.ShpHkies1->setBackColor(colour::marked);
    board.number();
    board.cell(task.startNumber())->setBackColor(colour::marked);
    cmdstart->hide();
    cmdstop->hide();
}

void ChartSumScreen::cmdHweg_Click()
{
    board.cell(task.afterTens())->setBackColor(colour::marked);
    cmdHweg->hide();
    cmdTweg->setCaption(jumpText(m_variant.operation, task.otherUnits));
    cmdTweg->show();
    lblHweg->setCaption(stepText(task.startNumber(), m_variant.operation, 10 * task.otherTens, task.afterTens()));
}

void ChartSumScreen::cmdTweg_Click()
{
    board.cell(task.result())->setBackColor(colour::marked);
    cmdTweg->hide();
    lblTweg->setCaption(stepText(task.afterTens(), m_variant.operation, task.otherUnits, task.result()));
}

void ChartSumScreen::lbltabulon_Click(int index)
{
    // After a return the inner cells are blank until the next start: such a cell has no
    // number to judge, so its click is ignored and the screen keeps its state.
    bool isNumber = false;
    const int shown = board.cell(index)->caption().toInt(&isNumber);
    if (!isNumber || shown < 0 || shown > HundredChart::lastCell)
        return;
    clickedNumber = shown;
    if (clickedNumber == task.result()) {
        lblstart->setBackColor(rightGreen);
        lblstart->setForeColor(colour::black);
        lbljuist->show();
        lbljuist->setCaption(sumText(task.startNumber(), m_variant.operation, task.otherNumber())
                             + QStringLiteral(" = ") + QString::number(task.result()));
        lblhulp->hide();
        cmdHweg->hide();
        cmdTweg->hide();
        board.cell(task.result())->setBackColor(colour::marked);
        showReward();
    } else {
        lblstart->setBackColor(colour::red);
        lblstart->setForeColor(colour::white);
        board.cell(clickedNumber)->setBackColor(colour::cellRed);
        lbljuist->hide();
    }
    cmdstart->show();
    cmdstop->show();
}

void ChartSumScreen::cmdstop_Click()
{
    // Reset first, then back to the choice board.
    resetBoard();
    returnToBoard();
}

} // namespace getalveld
