#include "exercises100/frmtabulontel.h"

#include "board/geometry.h"
#include "board/random.h"

#include <type_traits>

namespace getalveld {

int drawCountingTarget()
{
    RandomSource &random = randomSource();
    const int units = drawInt(random.next(), 9, 1);
    const int tens = drawInt(random.next(), 9, 1);
    return 10 * tens + units;
}

QString countingStep(int target, int number)
{
    const int difference = number - target;
    return QString::number(target) + (difference >= 0 ? QStringLiteral(" + ") : QStringLiteral(" "))
           + QString::number(difference) + QStringLiteral(" = ") + QString::number(number);
}

QString countingStepBack(int target, int number)
{
    const bool up = number >= target;
    return QString::number(number) + (up ? QStringLiteral(" - ") : QStringLiteral(" + "))
           + QString::number(up ? number - target : target - number) + QStringLiteral(" = ") + QString::number(target);
}

frmtabulontel::frmtabulontel()
    : Screen(QStringLiteral("Tellen op een tabulon"), screenWidthTwips, screenHeightTwips,
             colour::exerciseBack),
      top(this), board(this, 5760, ChartInput::Closed), bottom(this, 975, 0x000076EC, 7320)
{
    Shape3 = new Shape(this, arrayName(QStringLiteral("Shape3"), 0), twipsRect(720, 1320, 2775, 5655), colour::panel,
                       ShapeKind::RoundedRectangle);
    lblstart = makePanelLabel(this, QStringLiteral("lblstart"), QRect(720, 2880, 2775, 975), 36);
    lbljuist = makePanelLabel(this, QStringLiteral("lbljuist"), QRect(720, 4680, 2775, 1575), 21.75);
    board.lblmemo2->setCaption(QStringLiteral("glijd en klik eens "));
    bottom.Image1->setGeometry(twipsRect(11160, 7320, 480, 420));
    cmdstop = makeStopButton(this);
    cmdstart = makeStartButton(this, 4440);

    connect(cmdstart, &CommandButton::clicked, this, &frmtabulontel::cmdstart_Click);
    connect(cmdstop, &CommandButton::clicked, this, &frmtabulontel::cmdstop_Click);
    connect(&board, &HundredChart::cellClicked, this, &frmtabulontel::lbltabulon_Click);
    // Pointing is plain pointer movement over a cell, reported without a button pressed; a
    // disabled chart gets none of it.
    for (int i = 0; i <= HundredChart::lastCell; ++i) {
        auto cell = board.cell(i);
        cell->reportMouseMoves();
        using Cell = std::remove_pointer_t<decltype(cell)>;
        connect(cell, &Cell::mouseMoved, this, [this, i] { lbltabulon_MouseMove(i); });
    }
}

void frmtabulontel::cmdstart_Click()
{
    board.setEnabled(true);
    lbljuist->setCaption(QString());
    board.reset();
    top.ShpHkies1->setBackColor(colour::marked);
    board.number();
    randomSource().reseed();
    targetNumber = drawCountingTarget();
    lblstart->setCaption(QString::number(targetNumber));
    board.cell(targetNumber)->setBackColor(colour::cellGreen);
    cmdstart->hide();
    cmdstop->hide();
}

// The chart takes the pointer only while it is numbered, so a cell's index is the number it
// shows.
void frmtabulontel::lbltabulon_MouseMove(int index)
{
    // Called for every movement: an unchanged text costs nothing.
    lbljuist->setCaption(countingStep(targetNumber, index));
}

void frmtabulontel::lbltabulon_Click(int index)
{
    board.cell(index)->setBackColor(colour::cellGreen);
    lbljuist->setCaption(countingStep(targetNumber, index) + QStringLiteral("\r\n\r\n")
                         + countingStepBack(targetNumber, index));
    board.setEnabled(false);
    cmdstart->show();
    cmdstop->show();
}

void frmtabulontel::cmdstop_Click()
{
    returnToBoard();
    lbljuist->setCaption(QString());
    lblstart->setCaption(QString());
    board.reset();
}

} // namespace getalveld
