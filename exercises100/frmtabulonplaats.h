#pragma once

#include "board/controls.h"
#include "board/hundredchart.h"
#include "board/screen.h"
#include "board/timer.h"

#include <array>

namespace getalveld {

// A number to place on the headers-only chart: tens and units 1 to 9, so 11 to 99 and
// never a ten or a number of the top row.
struct PlaceTask
{
    int tensDigit = 0;
    int unitsDigit = 0;
    int targetNumber() const { return 10 * tensDigit + unitsDigit; }
    int rowEnd() const { return 10 * tensDigit + 10; } // the number that ends its row
};
PlaceTask drawPlaceTask();

// The three-line message after a click: column and row of the number sought.
QString placeMessage(bool right, const PlaceTask &task);

// How many flags of each array a series with this many right answers shows (two for each
// right answer), never more than an array holds.
int flagsForRightCount(int rightCount);

// Place a number on a chart that shows only its edges; ten tasks a series, flags at the end.
class frmtabulonplaats : public Screen
{
    Q_OBJECT

public:
    static constexpr int flagCount = 20;

    frmtabulonplaats();

    void Form_Load() override;
    void Form_Activate() override;

private:
    void cmdnieuw_Click();
    void lbltabulon_Click(int index);
    void cmdhelp_Click();
    void tmrhelp_Timer();
    void tmrtoonhelp_Timer();
    void cmdnieuw2_Click();
    void cmdstop_Click();
    void resetChart();
    void resetSeries();
    void finishSeries();
    void setFlagsVisible(int count, bool visible);
    void showCounters();

    Shape *Shape2;
    HundredChart board;
    Label *lblgetal, *lblgetal2;
    CommandButton *cmdnieuw;
    Label *lblmemo;
    Label *lblcontrole;
    Label *lblteller;
    Shape *Line1;
    Label *lbltotaal;
    CommandButton *cmdstop, *cmdnieuw2, *cmdhelp;
    Image *Image1;
    std::array<Image *, flagCount> imgvlag{};
    std::array<Image *, flagCount> imgvlaggen{};
    Timer *tmrhelp, *tmrtoonhelp;

    PlaceTask task; // tens 0 and units 0 until the first task: the number sought is then 0
    int clickedNumber = 0;
    int rightCount = 0;
    int taskCount = 0;
};

} // namespace getalveld
