#include "exercises1000/thousandscreen.h"

#include "board/random.h"

#include <QBackingStore>
#include <QHideEvent>

namespace getalveld {

ThousandScreen::ThousandScreen(const ThousandScreenLayout &layout)
    : Screen(layout.caption, 11955, screenHeightTwips, colour::exerciseBack), board(this, layout.field),
      Shape3(new Shape(this, arrayName(QStringLiteral("Shape3"), 0), twipsRect(120, 1320, 2775, 5655), colour::panel,
                       ShapeKind::RoundedRectangle)),
      lblzoek(makePanelLabel(this, QStringLiteral("lblzoek"), QRect(480, 1800, 1935, 615), 21.75)),
      Shape4(new Shape(this, QStringLiteral("Shape4"),
                       twipsRect(layout.rightPanel.x(), layout.rightPanel.y(), layout.rightPanel.width(),
                                 layout.rightPanel.height()),
                       colour::helpPanel)),
      bottom(this, layout.bottomHeight, 0x000076EC, 7440)
{
    Shape4->setBorderColor(colour::helpPanel);
    lblzoek->setBackColor(colour::panel);
    lblzoek->setForeColor(colour::paleYellow);
    lblzoek->setCaption(layout.zoekCaption);

    cmdstop = makeStopButton(this, 840);
    cmdstart = makeStartButton(this, layout.startLeft, layout.startToolTip);

    for (int k = 0; k < 10; ++k) {
        const QPoint at = layout.rewards[size_t(k)];
        Image *reward = new Image(this, arrayName(QStringLiteral("imgok"), k), twipsRect(at.x(), at.y(), 480, 480),
                                  QStringLiteral("reward"));
        reward->hide();
        imgok[size_t(k)] = reward;
    }

    lblhulp = makePanelLabel(this, QStringLiteral("lblhulp"), layout.hulp, 21.75);
    lblhulp->setCaption(QStringLiteral("hulp"));
    lblhulp->hide();
}

void ThousandScreen::hideEvent(QHideEvent *event)
{
    Screen::hideEvent(event);
    // A hidden screen gives back the window's pixel buffer (about 1.6 MiB); it is painted anew
    // whenever the screen is shown, so only the screen in view holds one.
    if (event->spontaneous())
        return;
    if (QBackingStore *store = backingStore())
        store->resize(QSize(1, 1));
}

Label *ThousandScreen::makeCountLabel(const QString &name, const QRect &twips, quint32 fore, Align align)
{
    return (new Label(this, name, twipsRect(twips.x(), twips.y(), twips.width(), twips.height())))
        ->look(colour::helpPanel, fore, font::sansSerif, 13.5, true, align);
}

void ThousandScreen::showReward()
{
    randomSource().reseed();
    rewardIndex = drawInt(randomSource().next(), 9, 0);
    if (rewardIndex >= 0 && rewardIndex < 10)
        imgok[size_t(rewardIndex)]->show();
}

void ThousandScreen::hideRewards()
{
    for (Image *reward : imgok)
        reward->hide();
}

} // namespace getalveld
