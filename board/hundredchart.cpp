#include "board/hundredchart.h"

#include "board/geometry.h"
#include "board/screen.h"

namespace getalveld {

HundredChart::HundredChart(QWidget *screen, int frameLeftTwips, ChartInput input, const ChartPlacement &placement)
    : QObject(screen)
{
    frame100 = new Frame(screen, placement.frameName,
                         twipsRect(frameLeftTwips, placement.top, placement.width, placement.height));
    frame100->setCaption(QStringLiteral("tabulon"));
    frame100->setBackColor(0x00959595);
    frame100->setForeColor(colour::white);
    frame100->setFont(screenFont(font::sansSerif, 8.25));

    if (placement.instruction) {
        lblmemo2 = (new Label(frame100, QStringLiteral("lblmemo2"), twipsRect(240, 240, 4095, 375)))
                       ->look(0x00959595, colour::white, font::arial, 15.75);
        lblmemo2->setCaption(QStringLiteral("klik op de juiste plaats"));
    }

    const QFont design = screenFont(font::arial, 14.25);
    for (int i = 0; i <= lastCell; ++i) {
        const QRect r = cellTwips(i).translated(placement.cellShift);
        Cell *cell = new Cell(frame100, arrayName(QStringLiteral("lbltabulon"), i),
                              twipsRect(r.x(), r.y(), r.width(), r.height()));
        cell->setBackColor(colour::cellGrey);
        cell->setForeColor(colour::white);
        cell->setFont(design);
        connect(cell, &Cell::clicked, this, [this, i] { emit cellClicked(i); });
        lbltabulon[size_t(i)] = cell;
    }
    designCaptions();
    frame100->setEnabled(input == ChartInput::Open);

    // The keyboard starts on 1 and reaches 0 last, above 10.
    std::vector<QWidget *> order(lbltabulon.begin() + 1, lbltabulon.end());
    order.push_back(lbltabulon[0]);
    keys = new ChartFocus(screen, std::move(order));
}

QRect HundredChart::cellTwips(int index)
{
    if (index == 0)
        return QRect(4560, 240, 555, 495); // one row above cell 10, on the line of the tens
    const int row = (index - 1) / 10, column = (index - 1) % 10;
    return QRect(240 + 480 * column, 720 + 480 * row, 555, 495);
}

void HundredChart::reset()
{
    for (Cell *cell : lbltabulon) {
        cell->setCaption(QString());
        cell->setBackColor(colour::cellGrey);
    }
}

void HundredChart::number()
{
    const QFont numbered = screenFont(font::arial, 13, true);
    for (int i = 0; i <= lastCell; ++i) {
        Cell *cell = lbltabulon[size_t(i)];
        cell->setCaption(QString::number(i));
        Screen::setControlFont(cell, numbered);
    }
}

void HundredChart::designCaptions()
{
    for (int i = 0; i <= lastCell; ++i)
        if (i <= 10 || i % 10 == 0)
            lbltabulon[size_t(i)]->setCaption(QString::number(i));
}

} // namespace getalveld
