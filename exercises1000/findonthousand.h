#pragma once

#include "exercises1000/thousandscreen.h"

namespace getalveld {

// A number to find on the thousand field: its place in its hundred (1 to 100) and the whole
// hundreds before it, drawn from firstHundred to firstHundred + 8.
struct ThousandFindTask
{
    int numberInHundred = 0;
    int hundredIndex = 0;
    int targetNumber() const { return 100 * hundredIndex + numberInHundred; }
};
ThousandFindTask drawThousandFindTask(int firstHundred);

// Where the two find screens differ in their right panel and rewards.
struct FindOnThousandLayout
{
    QString name;
    int firstHundred; // 0: targets 1 to 900; 1: targets 101 to 1000
    int veldTop;      // `lblveld`
    int hulpTop;      // `cmdhulp`
    QPoint countAt;   // `Label10`; the other count labels lie below it, the values to its right
    int valueLeft;
    std::array<QPoint, 10> rewards;
};

// Finding a number on the thousand field: the pupil opens the hundred that holds it and
// clicks its cell. The twins differ in how they write the task and the verdict.
class FindOnThousand : public ThousandScreen
{
    Q_OBJECT

public:
    void Form_Load() override;
    void Form_Activate() override;

protected:
    explicit FindOnThousand(const FindOnThousandLayout &layout);

    void imgveld_Click(int n);
    void cmdstart_Click();
    void cmdhulp_Click();
    void lbltabulon_Click(int index);
    void cmdstop_Click();
    void hideHundredFrames();

    // What each twin writes on its left panel.
    virtual void clearTask() = 0; // before the draw
    virtual void showTask() = 0;  // after the draw
    virtual void showVerdict(bool right) = 0;
    virtual void clearOnStop() = 0;

    Label *lblstart = nullptr;
    Label *lblveld;
    CommandButton *cmdhulp;
    Label *Label10, *lblhelp, *lbljuist2, *lbljuist, *lblfout2, *lblfout;

    int numberInHundred = 0;
    int hundredIndex = 0;
    int targetNumber = 0;
    int clickedNumber = 0;
    int correctCount = 0, wrongCount = 0, helpCount = 0;

private:
    void zeroCounts();
    const int m_firstHundred;
    // A task is open from its start until it is answered right or the pupil stops; cells
    // clicked while none is open are not judged. A task answered right keeps its cells
    // closed until the next start, also when the screen becomes active again.
    bool taskOpen = false;
    bool taskSolved = false;
};

} // namespace getalveld
