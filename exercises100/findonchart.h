#pragma once

#include "board/exerciselayout.h"
#include "board/hundredchart.h"
#include "board/screen.h"

namespace getalveld {

// A number to find on the hundred chart: tens 1 to 9, last digit 2 to 9 (a drawn 1 becomes
// 8), so 12 to 99 and never a ten or a number ending in 1.
struct FindTask
{
    int unitsDigit = 0;
    int tensDigit = 0;
    int targetNumber() const { return 10 * tensDigit + unitsDigit; }
};
FindTask drawFindTask();

// "kolom 7" / " rij tot  50": where the column of the first marked cell crosses the row
// that the second one ends.
QString findHelpText(int columnCell, int rowEndCell);

// The find screens' common part: the reference chart layout, the counters, help and stop.
// The twins differ in their left panel and in what they write there.
class FindOnChart : public Screen
{
    Q_OBJECT

public:
    void Form_Load() override;
    void Form_Activate() override;

protected:
    struct LeftPanel
    {
        int panelWidth;    // twips
        int zoekLeft;      // twips
        QRect startTwips;  // lblstart: Left, Top, Width, Height
    };
    FindOnChart(const QString &name, bool startStaysDuringTask, const LeftPanel &panel);

    void cmdstart_Click();
    void lbltabulon_Click(int index);
    void cmdhulp_Click();
    void cmdstop_Click();

    // What each twin writes on its left panel.
    virtual void clearTaskTexts() = 0;   // before a new task
    virtual void showTask() = 0;         // the number sought
    virtual void showVerdict(int index, bool right) = 0;
    virtual void clearOnStop() = 0;
    virtual void clearOnLoad() = 0;

    Label *makePanelLabel(const QString &name, const QRect &twips, qreal points);

    TopBand top;
    BottomBand bottom;
    ScoreBlock score;
    HundredChart board;
    Shape *Shape3; // "Shape3(0)", the left panel
    Label *lblzoek;
    Label *lblstart;
    Shape *Shape4; // the right panel
    CommandButton *cmdhulp;
    Label *lblmemo;
    Label *lblhulp;
    CommandButton *cmdstart;
    CommandButton *cmdstop;

    int unitsDigit = 0;
    int tensDigit = 0;
    int targetNumber = 0;
    int helpColumnCell = 0;
    int helpRowEndCell = 0;

private:
    bool m_startStaysDuringTask;
};

} // namespace getalveld
