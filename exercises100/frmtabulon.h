#pragma once

#include "board/chartfocus.h"
#include "board/controls.h"
#include "board/optionbutton.h"
#include "board/screen.h"
#include "board/textbox.h"

#include <QButtonGroup>
#include <array>

namespace getalveld {

// A number to find by its column and its row: units 1 to 9, tens 10 to 90, so 11 to 99 and
// never in the top row or a ten.
struct OptionGridTask
{
    int unitsDigit = 0;
    int tensValue = 0;
    int rowEnd() const { return tensValue + 10; }
    int targetNumber() const { return tensValue + unitsDigit; }
};
OptionGridTask drawOptionGridTask();

// " Ik zoek in kolom 5 en in de rij tot aan 40", then how to answer, on three lines.
QString optionGridTaskText(int unitsDigit, int rowEnd);
// The fourteen lines about the number found: neighbours, ten more and less, plus and minus
// 20 and 2, computed plainly, also past the edges of the chart.
QString numberFacts(int number);

// Find a number on a chart of option buttons by lighting its column and its row.
class frmtabulon : public Screen
{
    Q_OBJECT

public:
    static constexpr int lastMember = 200;
    static constexpr quint32 cellNormal = 0x00FFFF80;
    static constexpr quint32 cellLit = 0x0080FFFF;

    frmtabulon();

    void Form_Load() override;
    void Form_Activate() override;

private:
    void cmdstart_Click();
    void optveld_Click(int index);
    void cmdcontrole_Click();
    void cmdstop_Click();
    void clearGrid();
    void hideCovers();
    void showCovers();
    void light(int member) { optveld[size_t(member)]->setBackColor(cellLit); }
    bool selected(int member) const { return optveld[size_t(member)]->isChecked(); }

    Shape *Shape2, *Shape3, *Shape1, *Shape4, *Shape5;
    Image *Image1;
    // 0 to 100 the chart, 100 + n the cover over n, the rest spare and always hidden.
    std::array<OptionButton *, lastMember + 1> optveld{};
    ChartFocus *keys; // the keyboard on the option grid
    QButtonGroup *optveldGroup;
    TextBox *txtwaarde;
    Label *lblopgave, *lblles, *lblgetal, *Label1;
    CommandButton *cmdstop, *cmdcontrole, *cmdstart;
    Image *Image2;

    int unitsDigit = 0;
    int tensValue = 0;
    int rowEnd = 0;
    int targetNumber = 0;
};

} // namespace getalveld
