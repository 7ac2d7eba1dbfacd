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

// The number's four neighbours as sums, lined up by ten-character pieces:
// "47 - 1  =   46", "47 + 1  =   48", "47 - 10  =  37", "47 + 10  =  57".
QString neighbourSums(int number);

// How the number to find is given: in digits (frmtabulonzoek) or in Dutch words
// (frmtabulonzoek2).
enum class FindGiven { Digits, Words };

// Everything in which the two find screens differ.
struct FindOnChartVariant
{
    FindGiven given;
    int panelWidth;   // twips
    int zoekLeft;     // twips
    QRect startTwips; // lblstart: Left, Top, Width, Height
    // The second text of the left panel: the neighbour sums after a right answer
    // (lbljuist3), or the number in words (lblleesgetal).
    QString textName;
    QRect textTwips;
    qreal textPoints;
};

FindOnChartVariant findDigitsVariant();
FindOnChartVariant findWordsVariant();

// Find a number on the hundred chart, given in digits or in words; the pupil asks for help,
// clicks the cell, and the left panel says how it went.
class FindOnChart : public Screen
{
    Q_OBJECT

public:
    explicit FindOnChart(const FindOnChartVariant &variant);

    void Form_Load() override;
    void Form_Activate() override;

private:
    void cmdstart_Click();
    void lbltabulon_Click(int index);
    void cmdhulp_Click();
    void cmdstop_Click();

    bool givenInWords() const { return m_variant.given == FindGiven::Words; }

    const FindOnChartVariant m_variant;
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
    Label *panelText; // lbljuist3 or lblleesgetal

    int unitsDigit = 0;
    int tensDigit = 0;
    int targetNumber = 0;
    int helpColumnCell = 0;
    int helpRowEndCell = 0;
};

} // namespace getalveld
