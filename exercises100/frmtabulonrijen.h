#pragma once

#include "board/controls.h"
#include "board/screen.h"
#include "board/textbox.h"

#include <array>

namespace getalveld {

// The block around the given number g, three rows of five as on the chart: member k stands
// for g + blockOffset(k), from g - 14 at the top left to g + 10 at the bottom right; member 9
// is g itself.
int blockOffset(int member);
// 16 to 88: a first draw in 16..88 stays, after that draws repeat until one is in 16..87.
int drawGivenNumber();
// Whether a typed text counts as a number at the check: blanks around, a sign, ASCII digits
// with at most one decimal point or comma ("45", " 45 ", "-3", "+07", "4,5", ".5").
bool readsAsNumber(const QString &text);
// The praise or advice for a number of right cells.
QString rewardTextFor(int rightCount);
// " welke getallen staan bij  45"
QString fillInTaskText(int givenNumber);

// Fill in the fourteen numbers around a given number, as they stand on the hundred chart.
class Frmtabulonrijen : public Screen
{
    Q_OBJECT

public:
    static constexpr int members = 15;
    static constexpr int givenMember = 9;

    Frmtabulonrijen();

    void Form_Load() override;
    void Form_Activate() override;

private:
    void cmdstart_Click();
    void cmdcontrole_Click();
    void cmdnieuw_Click();
    void cmdstop_Click();
    void txtinvul_Click(int index);
    void fillAnswers();
    void markAnswers();
    void chooseRewardText();
    void clearBlock();

    Shape *Shape1, *Shape2;
    std::array<TextBox *, members> txt100rij{}; // the expected numbers; 9 shows the given one
    std::array<TextBox *, members> txtinvul{};  // what the pupil types; 9 is never shown
    Label *lblbeloning, *lblteller, *Label1;
    QWidget *Line1; // the fraction bar under the count
    CommandButton *cmdstop, *cmdstart, *cmdnieuw, *cmdcontrole;
    std::array<Image *, members> imgvlinder{}, imgbloem{};
    Image *Image1;

    int givenNumber = 0;
    int rightCount = 0;
    QString rewardText;
};

} // namespace getalveld
