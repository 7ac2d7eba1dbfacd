#pragma once

#include "board/controls.h"
#include "board/hundredchart.h"
#include "board/screen.h"

#include <array>

namespace getalveld {

// "23 minder dan 57 is ?" (57 - 23) or "23 meer dan 57 is ?" (57 + 23).
enum class CountKind { Less = 1, More = 2 };

struct CountTask
{
    CountKind kind = CountKind::Less;
    int firstNumber = 0;  // after the words, marked on the chart
    int secondNumber = 0; // before the words
    int expectedResult() const
    {
        return kind == CountKind::Less ? firstNumber - secondNumber : firstNumber + secondNumber;
    }
};

// Less: both 1 to 99; a first pair with first <= second is drawn again, pair by pair, until
// the result is at least 2. More: first 1 to 99, second 0 to 98; a first pair adding up to
// 100 or more is drawn again until the sum is at most 98.
CountTask drawLessTask();
CountTask drawMoreTask();

// " fout 40 -6": what to add to the answer to reach the right one; empty when it is right.
QString differenceText(const QString &answer, int difference);
// The end-of-series message for the number of right answers.
QString seriesMessage(int rightCount);
// How many reward pictures the end of a series shows (0 to 2r - 4) and how many the next
// task hides (0 to 2r - 2), each within the twenty there are.
int picturesShownFor(int rightCount);
int picturesHiddenFor(int rightCount);

// Series of ten tasks that ask for a number so much more or less than another.
class frmtabulontellen : public Screen
{
    Q_OBJECT

public:
    static constexpr int pictureCount = 20;

    frmtabulontellen();

    void Form_Load() override;
    void Form_Activate() override;

private:
    void cmdstart_Click();
    void cmdstart2_Click();
    void cmdstart3_Click();
    void cmdstart4_Click();
    void lbltabulon_Click(int index);
    void cmdcontrole_Click();
    void cmdcontrole2_Click();
    void cmdnieuw_Click();
    void cmdnieuw2_Click();
    void cmdstop_Click();

    void startTask(CountKind kind, CommandButton *pressed);
    void check();
    void makeLessTask();
    void makeMoreTask();
    void showTask();
    void showRandomStart();
    void countChecked();
    void chooseMessage();
    void setPicturesVisible(int count, bool visible);
    void greyChart();

    Shape *Shape3, *Shape1;
    Label *lblinfo2;
    HundredChart board;
    Label *lblbord2, *lblteller;
    Shape *Line1;
    Label *lblfoutje, *lblaantal, *lblop1, *lblcode1, *lblop1uitkomst, *lbluitop1;
    CommandButton *cmdstop;
    // Each stack is made back to front: the last one made lies in front.
    CommandButton *cmdstart, *cmdstart2, *cmdstart3, *cmdstart4;
    CommandButton *cmdnieuw, *cmdnieuw2;
    CommandButton *cmdcontrole, *cmdcontrole2;
    std::array<Image *, pictureCount> imgvlinder{};
    Image *Image1;

    CountTask task;
    int markedCell = 0;
    int answerNumber = 0;
    int difference = 0;
    int rightCount = 0;
    int doneCount = 0;
    int startKind = 1;
    QString resultMessage;
};

} // namespace getalveld
