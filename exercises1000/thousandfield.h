#pragma once

#include "board/cell.h"
#include "board/chartfocus.h"
#include "board/controls.h"
#include "board/geometry.h"

#include <QObject>
#include <QPoint>
#include <array>

namespace getalveld {

// Where the thousand-field screens place their board.
struct ThousandFieldLayout
{
    int frameLeft;  // twips; the ten frames lie on top of each other at this Left, Top 1320
    bool withBand;  // the band `Shape1` behind the ten pictures
    QPoint spare;   // Left, Top of the hidden spare cell `lbltabulon(0)`, on the screen itself
};

// The thousand field: ten small hundred pictures along the top edge, each with the highlight
// square behind it, and ten stacked hundred frames of 100 cells each. Picture N opens frame N
// and numbers its cells N*100-99 to N*100; cell i of the array `lbltabulon` stands for the
// number i once its hundred is open.
class ThousandField : public QObject
{
    Q_OBJECT

public:
    static constexpr int hundreds = 10;
    static constexpr int lastCell = 1000;
    static constexpr quint32 highlightNormal = colour::lilac;

    ThousandField(QWidget *screen, const ThousandFieldLayout &layout);

    Cell *cell(int index) const { return lbltabulon.at(size_t(index)); }
    // The hundred (1 to 10) that holds a number from 1 to 1000.
    static int hundredOf(int number) { return (number + 99) / 100; }
    static QRect cellTwips(int index); // inside the frame of its hundred

    // Shows frame n alone and writes the numbers of its hundred into its cells, 12 pt bold.
    void openHundred(int n);
    void hideHundredFrames();
    void enableHundredFrames() { setFramesEnabled(true); }
    void disableHundredFrames() { setFramesEnabled(false); }
    // The hundred whose frame is shown, 0 when all are closed.
    int openedHundred() const;

    void resetHighlights();
    void markHundred(int n);
    void greyCells();     // cells 0 to 1000 back to grey; captions kept
    void clearCaptions(); // cells 0 to 1000 without caption

    Shape *Shape1 = nullptr; // only where the layout has the band
    std::array<Shape *, hundreds + 1> ShpHkies{};  // 1 to 10
    std::array<Image *, hundreds + 1> pictures{};  // imgveld1 ... imgveld9, imveld10
    std::array<Frame *, hundreds + 1> frames{};    // frame100, Frame200 ... Frame1000
    std::array<Label *, hundreds + 1> memoLabels{}; // lblmemo2, Label1 ... Label9
    std::array<Cell *, lastCell + 1> lbltabulon{};
    ChartFocus *keys; // the keyboard on the pictures and the open hundred

    // A cell of the field was clicked.
    void reportClick(int index) { emit cellClicked(index); }

signals:
    void pictureClicked(int n);
    void cellClicked(int index);

private:
    std::array<QWidget *, hundreds + 1> grids{}; // the cells of each frame lie on one
    void setFramesEnabled(bool enabled);
};

} // namespace getalveld
