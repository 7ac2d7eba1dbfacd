#pragma once

#include "board/exerciselayout.h"
#include "board/hundredchart.h"
#include "board/operation.h"
#include "board/screen.h"

#include <QPoint>
#include <array>

namespace getalveld {

// A task of two jumps on the chart: whole tens down (or up) the start number's column,
// then units along the row.
struct ChartSumTask
{
    Operation operation = Operation::Plus;
    int startTens = 0, startUnits = 0, otherTens = 0, otherUnits = 0;

    int startNumber() const { return 10 * startTens + startUnits; }
    int otherNumber() const { return 10 * otherTens + otherUnits; }
    int sign() const { return operation == Operation::Plus ? 1 : -1; }
    int afterTens() const { return startNumber() + sign() * 10 * otherTens; }
    int result() const { return startNumber() + sign() * otherNumber(); }
};

// Additions without carrying, 11 + 11 up to 55 + 44; subtractions 21 - 14 up to 99 - 11,
// where a start tens digit that is not above the subtrahend's becomes 9.
ChartSumTask drawChartSumTask(Operation operation);

// Everything in which the addition screen and its subtraction twin differ.
struct ChartSumVariant
{
    Operation operation;
    QString caption;
    QString zoekCaption;
    int zoekLeft;
    int frameLeft;
    int juistTop;
    int hulpTop;
    int logoTop;
    std::array<QPoint, 10> rewards; // Left, Top of imgok(0) to imgok(9), in twips
};

// Adding or subtracting on the chart with step help for the tens and the units.
class ChartSumScreen : public Screen
{
    Q_OBJECT

public:
    explicit ChartSumScreen(const ChartSumVariant &variant);

    void Form_Load() override { centre(); }
    void Form_Activate() override { centre(); }

private:
    void cmdstart_Click();
    void cmdHweg_Click();
    void cmdTweg_Click();
    void lbltabulon_Click(int index);
    void cmdstop_Click();
    void resetBoard();
    void showReward();

    const ChartSumVariant m_variant;
    TopBand top;
    Shape *Shape3;
    Label *lblzoek;
    Label *lblstart;
    Label *lbljuist;
    HundredChart board;
    Shape *Shape4;
    Label *lblHweg, *lblTweg, *lblEweg;
    CommandButton *cmdHweg, *cmdTweg;
    Label *lblhulp;
    BottomBand bottom;
    CommandButton *cmdstop, *cmdstart;
    std::array<Image *, 10> imgok{};

    ChartSumTask task;
    int clickedNumber = 0;
};

ChartSumVariant plusVariant();
ChartSumVariant minVariant();

} // namespace getalveld
