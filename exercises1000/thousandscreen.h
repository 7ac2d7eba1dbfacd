#pragma once

#include "board/exerciselayout.h"
#include "board/screen.h"
#include "exercises1000/thousandfield.h"

#include <QPoint>
#include <QRect>
#include <array>

namespace getalveld {

// Where a thousand-field screen puts the parts that all four have.
struct ThousandScreenLayout
{
    QString caption;
    ThousandFieldLayout field;
    QString zoekCaption;
    QRect rightPanel;   // `Shape4`, twips
    QRect hulp;         // `lblhulp`, twips
    int bottomHeight;   // `Shape2`, twips
    int startLeft;      // `cmdstart`, twips
    QString startToolTip;
    std::array<QPoint, 10> rewards; // Left, Top of imgok(0) to imgok(9), twips
};

// The common part of the thousand-field screens: the board, the left panel with its heading,
// the right panel, the bottom band with start and stop, "hulp" and the ten reward pictures.
class ThousandScreen : public Screen
{
    Q_OBJECT

protected:
    explicit ThousandScreen(const ThousandScreenLayout &layout);
    void hideEvent(QHideEvent *event) override;

    // The labels of the score in the right panel: MS Sans Serif 13.5 pt bold on its colour.
    Label *makeCountLabel(const QString &name, const QRect &twips, quint32 fore, Align align);
    // Reseeds and shows picture Int(r * 9): imgok(9) is never drawn.
    void showReward();
    void hideRewards();

    ThousandField board;
    Shape *Shape3; // "Shape3(0)", the left panel
    Label *lblzoek;
    Shape *Shape4; // the right panel
    BottomBand bottom;
    CommandButton *cmdstop;
    CommandButton *cmdstart;
    std::array<Image *, 10> imgok{};
    Label *lblhulp;
    int rewardIndex = 0;
};

} // namespace getalveld
