#pragma once

#include "board/cell.h"
#include "board/chartfocus.h"
#include "board/controls.h"

#include <QObject>
#include <QPoint>
#include <array>

namespace getalveld {

// Whether the chart takes clicks from the start, or only once a task opens it.
enum class ChartInput { Open, Closed };

// Where a screen's chart departs from the usual one: the frame's name, Top and size, the
// grid shifted inside the frame, and whether the frame carries the instruction label.
struct ChartPlacement
{
    QString frameName = QStringLiteral("frame100");
    int top = 1320;
    int width = 5415;
    int height = 5655;
    QPoint cellShift{0, 0}; // twips added to every cell's usual position
    bool instruction = true;
};

// The hundred chart: the frame `frame100` with its instruction label and the 101 cells
// `lbltabulon(0)` to `lbltabulon(100)`. The index of a cell is the number it stands for.
class HundredChart : public QObject
{
    Q_OBJECT

public:
    static constexpr int lastCell = 100;

    HundredChart(QWidget *screen, int frameLeftTwips, ChartInput input, const ChartPlacement &placement = {});

    Cell *cell(int index) const { return lbltabulon.at(size_t(index)); }
    static QRect cellTwips(int index); // Left, Top, Width, Height inside the frame

    void reset();          // every cell empty and grey, 0 to 100 in order
    void number();         // every cell shows its number, 13 pt bold
    void designCaptions(); // only 0 to 10 and the tens show their numbers
    void setEnabled(bool enabled) { frame100->setEnabled(enabled); }
    bool isEnabled() const { return frame100->isEnabled(); }

    Frame *frame100;
    Label *lblmemo2 = nullptr; // null where the chart has no instruction
    std::array<Cell *, lastCell + 1> lbltabulon{};
    ChartFocus *keys; // the keyboard on the chart

signals:
    void cellClicked(int index);
};

} // namespace getalveld
