#include "exercises100/frmtabulonzoek3.h"

#include "board/announce.h"
#include "board/geometry.h"
#include "board/random.h"

#include <cstdlib>

namespace getalveld {

namespace {
constexpr quint32 startColour = colour::marked;
constexpr quint32 middleColour = 0x0000FFFF;
constexpr quint32 endColour = colour::white;
} // namespace

MoveTask drawMoveTask()
{
    RandomSource &random = randomSource();
    MoveTask task;
    task.startUnits = drawInt(random.next(), 9, 1);
    task.startTens = drawInt(random.next(), 9, 1);
    if (task.startUnits == 1)
        task.startUnits = 8;
    task.endTens = drawInt(random.next(), 6, 1);
    if (task.startTens == task.endTens) {
        task.startTens = 9;
        task.endTens = 5;
    }
    task.endUnits = drawInt(random.next(), 5, 1);
    if (task.endUnits == task.startUnits) {
        task.endUnits = 8;
        task.startUnits = 4;
    }
    return task;
}

QString moveSign(int from, int to)
{
    return to > from ? QStringLiteral("+") : QStringLiteral("-");
}

QString moveSentence(int from, int to, int size)
{
    return QString::number(from) + u' ' + moveSign(from, to) + u' ' + QString::number(size) + QStringLiteral(" = ")
           + QString::number(to);
}

frmtabulonzoek3::frmtabulonzoek3()
    : Screen(QStringLiteral("Bewegingen en bewerkingen op het tabulon"), screenWidthTwips,
             screenHeightTwips, colour::exerciseBack),
      top(this), board(this, 4320, ChartInput::Open)
{
    auto bandLabel = [this](const char *name, int left, int width = 900) {
        return (new Label(this, QString::fromLatin1(name), twipsRect(left, 120, width, 900)))
            ->look(colour::lilac, colour::white, font::arial, 24);
    };
    lblstartgetal = bandLabel("lblstartgetal", 1560);
    lblteken1 = bandLabel("lblteken1", 2400);
    lbltienen = bandLabel("lbltienen", 3240);
    lblteken2 = bandLabel("lblteken2", 4080);
    lbleenheden = bandLabel("lbleenheden", 4920);
    Label5 = bandLabel("Label5", 5760);
    lblstartgetal2 = bandLabel("lblstartgetal2", 6600);
    lblteken3 = bandLabel("lblteken3", 7440);
    lblverschil = bandLabel("lblverschil", 8280);
    Label9 = bandLabel("Label9", 9120);
    lbleindgetal = bandLabel("lbleindgetal", 9960, 1740);
    Label5->setCaption(QStringLiteral("="));
    Label9->setCaption(QStringLiteral("="));

    Shape3 = new Shape(this, arrayName(QStringLiteral("Shape3"), 0), twipsRect(120, 1320, 2775, 5655), colour::panel,
                       ShapeKind::RoundedRectangle);
    lblzoek = (new Label(this, QStringLiteral("lblzoek"), twipsRect(480, 1800, 1935, 615)))
                  ->look(colour::panel, colour::paleYellow, font::arial, 21.75);
    lblzoek->setCaption(QStringLiteral("tel vanaf"));
    lblstart = makePanelLabel(this, QStringLiteral("lblstart"), QRect(120, 2880, 2775, 975), 36);
    lbljuist = makePanelLabel(this, QStringLiteral("lbljuist"), QRect(120, 4680, 2775, 1575), 14.25);

    // The colour key: start, middle and end square, with an arrow down between each two.
    Shape5 = new Shape(this, QStringLiteral("Shape5"), twipsRect(3120, 1320, 975, 5655), colour::lilac,
                       ShapeKind::RoundedRectangle);
    auto keySquare = [this](const char *name, int top, quint32 colour) {
        auto *square = new Label(this, QString::fromLatin1(name), twipsRect(3360, top, 495, 495));
        square->setBackColor(colour);
        return square;
    };
    lblgroen = keySquare("lblgroen", 2040, startColour);
    Label1 = keySquare("Label1", 4020, middleColour);
    Label2 = keySquare("Label2", 6000, endColour);
    auto arrowLine = [this](const char *name, int x1, int y1, int x2, int y2) {
        return new Line(this, QString::fromLatin1(name), QLine(x1, y1, x2, y2), colour::white, 4);
    };
    Line1 = arrowLine("Line1", 3600, 2640, 3600, 3600);
    Line2 = arrowLine("Line2", 3840, 3360, 3600, 3600);
    Line3 = arrowLine("Line3", 3360, 3360, 3600, 3600);
    Line6 = arrowLine("Line6", 3600, 4680, 3600, 5640);
    Line5 = arrowLine("Line5", 3840, 5400, 3600, 5640);
    Line4 = arrowLine("Line4", 3360, 5400, 3600, 5640);

    board.lblmemo2->look(0x00959595, colour::white, font::arial, 15.75, false, Align::Left);
    board.lblmemo2->setCaption(QStringLiteral("klik op de uitkomst"));
    // The white square after the instruction: the result is the white cell.
    Label3 = new Label(board.frame100, QStringLiteral("Label3"), twipsRect(3000, 240, 375, 375));
    Label3->setBackColor(endColour);

    Shape4 = new Shape(this, QStringLiteral("Shape4"), twipsRect(9960, 1200, 1935, 5895), colour::helpPanel);
    auto stepLabel = [this](const char *name, int top) {
        return (new Label(this, QString::fromLatin1(name), twipsRect(9960, top, 1935, 735)))
            ->look(colour::helpPanel, colour::white, font::arial, 12, true);
    };
    lblmemo1 = stepLabel("lblmemo1", 1680);
    lblmemo3 = stepLabel("lblmemo3", 2880);
    lblmemo4 = stepLabel("lblmemo4", 4080);
    lblhulp = makePanelLabel(this, QStringLiteral("lblhulp"), QRect(9960, 6480, 1935, 495), 21.75);
    lblhulp->setCaption(QStringLiteral("hulp"));

    Shape2 = new Shape(this, QStringLiteral("Shape2"), twipsRect(0, 7080, 12015, 1215), 0x008A8A00);
    cmdstop = makeStopButton(this);
    cmdstart = makeStartButton(this, 4440);

    connect(cmdstart, &CommandButton::clicked, this, &frmtabulonzoek3::cmdstart_Click);
    connect(cmdstop, &CommandButton::clicked, this, &frmtabulonzoek3::cmdstop_Click);
    connect(&board, &HundredChart::cellClicked, this, &frmtabulonzoek3::lbltabulon_Click);
}

void frmtabulonzoek3::numberTopRow()
{
    // Only the top row and cell 0: the column of tens stays blank on this screen.
    const QFont numbered = screenFont(font::arial, 13, true);
    for (int i = 0; i <= 10; ++i) {
        auto cell = board.cell(i);
        cell->setCaption(QString::number(i));
        Screen::setControlFont(cell, numbered);
    }
}

void frmtabulonzoek3::cmdstart_Click()
{
    lblmemo1->setCaption(QString());
    lblmemo3->setCaption(QString());
    lblmemo4->setCaption(QString());
    board.setEnabled(true);
    lbljuist->setCaption(QString());
    board.reset();
    top.ShpHkies1->setBackColor(colour::marked);
    numberTopRow();

    randomSource().reseed();
    const MoveTask task = drawMoveTask();
    startTens = task.startTens;
    startUnits = task.startUnits;
    endTens = task.endTens;
    endUnits = task.endUnits;
    startNumber = task.startNumber();
    middleNumber = task.middleNumber();
    endNumber = task.endNumber();
    totalDifference = std::abs(endNumber - startNumber);

    lblteken3->setCaption(moveSign(startNumber, endNumber));
    lblteken1->setCaption(moveSign(startNumber, middleNumber));
    lblteken2->setCaption(moveSign(middleNumber, endNumber));
    const int tensStep = 10 * std::abs(startTens - endTens);
    const int unitsStep = std::abs(startUnits - endUnits);
    lbltienen->setCaption(QString::number(tensStep));
    lbleenheden->setCaption(QString::number(unitsStep));
    lblverschil->setCaption(QString::number(totalDifference));

    auto start = board.cell(startNumber);
    start->setBackColor(startColour);
    start->setCaption(QString::number(startNumber));
    lblstartgetal->setCaption(QString::number(startNumber));
    lblstartgetal2->setCaption(QString::number(startNumber));
    board.cell(middleNumber)->setBackColor(middleColour);
    board.cell(endNumber)->setBackColor(endColour);
    lbleindgetal->setCaption(QString::number(endNumber));
    lblstart->setCaption(QString::number(startNumber));

    lblmemo1->setCaption(moveSentence(startNumber, middleNumber, tensStep));
    lblmemo3->setCaption(moveSentence(middleNumber, endNumber, unitsStep));
    lblmemo4->setCaption(moveSentence(startNumber, endNumber, totalDifference));

    // Read as one sentence, in the order a sighted pupil reads the screen: the signs above
    // were set before their numbers.
    auto caption = [](const Label *label) { return label->caption(); };
    const QStringList band{caption(lblstartgetal), caption(lblteken1), caption(lbltienen), caption(lblteken2),
                           caption(lbleenheden), caption(Label5), caption(lblstartgetal2), caption(lblteken3),
                           caption(lblverschil), caption(Label9), caption(lbleindgetal)};
    noteNewsInstead(lblstart, QStringList{lblzoek->caption() + u' ' + lblstart->caption(), band.join(u' '),
                                          caption(lblmemo1), caption(lblmemo3), caption(lblmemo4),
                                          board.lblmemo2->caption()}
                                  .join(QStringLiteral(". ")));
}

void frmtabulonzoek3::lbltabulon_Click(int index)
{
    // The chart stays open: every click is judged again against the same end number, also
    // before the first task (end 0) and on the blank chart after a return.
    auto cell = board.cell(index);
    if (index != endNumber) {
        cell->setBackColor(colour::cellRed);
        return;
    }
    cell->setBackColor(colour::cellGreen);
    cell->setCaption(QString::number(endNumber));
    lbljuist->setCaption(QStringLiteral("\r\n uitkomst = ") + QString::number(endNumber)
                         + QStringLiteral("\r\n verschil = ") + QString::number(totalDifference));
}

void frmtabulonzoek3::cmdstop_Click()
{
    // Back to the board first; the reset then runs while this screen is hidden. The equation
    // row keeps the last task, and "hulp" does not come back.
    returnToBoard();
    board.reset();
    top.ShpHkies1->setBackColor(colour::marked);
    lblstart->setCaption(QString());
    lbljuist->setCaption(QString());
    lblmemo1->setCaption(QString());
    lblmemo3->setCaption(QString());
    lblmemo4->setCaption(QString());
    lblhulp->hide();
}

} // namespace getalveld
