#pragma once

#include "board/operation.h"
#include "exercises1000/thousandscreen.h"

namespace getalveld {

// A task of three jumps on the thousand field: whole hundreds to another picture, whole tens
// down (or up) the column, then units along the row.
struct ThousandSumTask
{
    Operation operation = Operation::Plus;
    int startHundreds = 0, startTens = 0, startUnits = 0;
    int otherHundreds = 0, otherTens = 0, otherUnits = 0;

    int sign() const { return operation == Operation::Plus ? 1 : -1; }
    int startNumber() const { return 100 * startHundreds + 10 * startTens + startUnits; }
    int otherNumber() const { return 100 * otherHundreds + 10 * otherTens + otherUnits; }
    int afterHundreds() const { return startNumber() + sign() * 100 * otherHundreds; }
    int afterTens() const { return afterHundreds() + sign() * 10 * otherTens; }
    int result() const { return startNumber() + sign() * otherNumber(); }
};

// Additions without carrying, 111 + 111 up to 555 + 444; subtractions without borrowing,
// where a start digit that is not above the other becomes 9. Reseeds as the tasks are drawn.
ThousandSumTask drawThousandSumTask(Operation operation);

// The addition counts help from loading to stop; the subtraction from each activation.
enum class HelpCount { FromLoadToStop, PerActivation };

// Everything in which the addition screen and its subtraction twin differ.
struct ThousandSumVariant
{
    Operation operation;
    QString caption;
    QString zoekCaption;
    int helpTop; // `Label10` and `lblhelp`
    HelpCount helpCount;
    std::array<QPoint, 10> rewards;
};

// Adding or subtracting on the thousand field with step help for hundreds, tens and units.
class ThousandSumScreen : public ThousandScreen
{
    Q_OBJECT

public:
    explicit ThousandSumScreen(const ThousandSumVariant &variant);

    void Form_Load() override;
    void Form_Activate() override;

private:
    void imgveld_Click(int n);
    void cmdstart_Click();
    void cmdHweg_Click();
    void cmdTweg_Click();
    void cmdEweg_Click();
    void lbltabulon_Click(int index);
    void cmdstop_Click();

    void comeUp(HelpCount countFrom);
    void hideHundredFrames() { board.hideHundredFrames(); }
    void resetHighlights() { board.resetHighlights(); }
    void resetTask();
    void clearBoard();
    void showHelpCount() { lblhelp->setCaption(QString::number(helpCount)); }
    int reachedHundred() const; // the picture of the hundred the first jump reaches

    const ThousandSumVariant m_variant;
    Label *lblstart;
    Label *lbljuist;
    Label *lblHweg, *lblTweg, *lblEweg;
    CommandButton *cmdHweg, *cmdTweg, *cmdEweg;
    Label *Label10, *lblhelp;

    ThousandSumTask task;
    int clickedNumber = 0;
    int helpCount = 0;
};

ThousandSumVariant thousandPlusVariant();
ThousandSumVariant thousandMinVariant();

} // namespace getalveld
