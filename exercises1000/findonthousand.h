#pragma once

#include "exercises1000/thousandscreen.h"

#include <optional>

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

// How the number to find is given: in digits (frmduizendveld) or in Dutch words, its
// hundreds and the rest in two labels (frmduizendveld2).
enum class ThousandGiven { Digits, Words };

// Everything in which the two find screens differ.
struct FindOnThousandVariant
{
    ThousandGiven given;
    int firstHundred; // 0: targets 1 to 900; 1: targets 101 to 1000
    QRect startTwips; // `lblstart`
    qreal startPoints;
    int veldTop;      // `lblveld`
    int hulpTop;      // `cmdhulp`
    QPoint countAt;   // `Label10`; the other count labels lie below it, the values to its right
    int valueLeft;
    std::array<QPoint, 10> rewards;
};

FindOnThousandVariant thousandDigitsVariant();
FindOnThousandVariant thousandWordsVariant();

// Finding a number on the thousand field: the pupil opens the hundred that holds it and
// clicks its cell. The twins differ in how they write the task and the verdict.
class FindOnThousand : public ThousandScreen
{
    Q_OBJECT

public:
    explicit FindOnThousand(const FindOnThousandVariant &variant);

    void Form_Load() override;
    void Form_Activate() override;

private:

    void imgveld_Click(int n);
    void cmdstart_Click();
    void cmdhulp_Click();
    void lbltabulon_Click(int index);
    void cmdstop_Click();
    void hideHundredFrames();

    // What each twin writes on its left panel.
    bool givenInWords() const { return m_variant.given == ThousandGiven::Words; }
    void clearTask(); // before the draw
    void showTask();  // after the draw
    void showVerdict(bool right);
    void clearOnStop();

    const FindOnThousandVariant m_variant;
    Label *lblhonderd = nullptr, *lblleesgetal = nullptr; // the words, given in words only
    Label *lblstart = nullptr;
    Label *lblveld;
    CommandButton *cmdhulp;
    // Made after the panel's own labels, in the order the screen always had.
    std::optional<ScoreBlock> score;

    int numberInHundred = 0;
    int hundredIndex = 0;
    int targetNumber = 0;
    int clickedNumber = 0;
    // A task is open from its start until it is answered right or the pupil stops; cells
    // clicked while none is open are not judged. A task answered right keeps its cells
    // closed until the next start, also when the screen becomes active again.
    bool taskOpen = false;
    bool taskSolved = false;
};

} // namespace getalveld
