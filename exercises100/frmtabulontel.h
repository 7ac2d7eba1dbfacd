#pragma once

#include "board/exerciselayout.h"
#include "board/hundredchart.h"
#include "board/screen.h"

namespace getalveld {

// The number to count from: units from the first draw, tens from the second, each 1 to 9,
// so 11 to 99 and never a ten.
int drawCountingTarget();

// From the target to a number as one step: "35 + 7 = 42"; downwards the difference brings
// its own minus sign: "35 -7 = 28".
QString countingStep(int target, int number);
// The way back to the target: "42 - 7 = 35", "28 + 7 = 35".
QString countingStepBack(int target, int number);

// Count on the chart from a drawn number to the cell under the pointer.
class frmtabulontel : public Screen
{
    Q_OBJECT

public:
    frmtabulontel();

    void Form_Load() override { centre(); }
    void Form_Activate() override { centre(); }

private:
    void cmdstart_Click();
    void lbltabulon_MouseMove(int index);
    void lbltabulon_Click(int index);
    void cmdstop_Click();

    TopBand top;
    Shape *Shape3; // "Shape3(0)", the left panel
    Label *lblstart, *lbljuist;
    HundredChart board;
    BottomBand bottom;
    CommandButton *cmdstop, *cmdstart;

    int targetNumber = 0;
};

} // namespace getalveld
