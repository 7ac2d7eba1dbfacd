#pragma once

#include "board/exerciselayout.h"
#include "board/hundredchart.h"
#include "board/screen.h"

namespace getalveld {

// A move on the hundred chart: along the start number's column to the middle cell (the tens
// digit changes), then along that row to the end cell (the units digit changes). No number
// ends in 0, so a number's row is its tens digit and its column its units digit.
struct MoveTask
{
    int startTens = 0, startUnits = 0, endTens = 0, endUnits = 0;

    int startNumber() const { return 10 * startTens + startUnits; }
    int middleNumber() const { return 10 * endTens + startUnits; }
    int endNumber() const { return 10 * endTens + endUnits; }
};

// Start 12 to 99 with a last digit from 2 to 9, end tens 1 to 6, end units 1 to 5. Nothing is
// drawn again: a start units digit of 1 becomes 8, equal tens digits become 9 and 5, equal
// units digits become 4 and 8.
MoveTask drawMoveTask();

// "+" when the move goes to a larger number, "-" when it goes to a smaller one.
QString moveSign(int from, int to);
// One step written out: "37 + 20 = 57", the size always positive.
QString moveSentence(int from, int to, int size);

// Follow a move on the chart and write it as operations.
class frmtabulonzoek3 : public Screen
{
    Q_OBJECT

public:
    frmtabulonzoek3();

    void Form_Load() override { centre(); }
    void Form_Activate() override { centre(); }

private:
    void cmdstart_Click();
    void lbltabulon_Click(int index);
    void cmdstop_Click();
    void numberTopRow();

    TopBand top;
    Label *lblstartgetal, *lblteken1, *lbltienen, *lblteken2, *lbleenheden, *Label5;
    Label *lblstartgetal2, *lblteken3, *lblverschil, *Label9, *lbleindgetal;
    Shape *Shape3; // "Shape3(0)", the left panel
    Label *lblzoek, *lblstart, *lbljuist;
    Shape *Shape5; // the colour key
    Label *lblgroen, *Label1, *Label2;
    Line *Line1, *Line2, *Line3, *Line4, *Line5, *Line6;
    HundredChart board;
    Label *Label3;
    Shape *Shape4; // the help column
    Label *lblmemo1, *lblmemo3, *lblmemo4, *lblhulp;
    Shape *Shape2;
    CommandButton *cmdstop, *cmdstart;

    int startTens = 0, startUnits = 0, endTens = 0, endUnits = 0;
    int startNumber = 0, middleNumber = 0, endNumber = 0, totalDifference = 0;
};

} // namespace getalveld
