#include "board/exerciselayout.h"

#include "board/geometry.h"

#include <algorithm>
#include <iterator>

namespace getalveld {

ScoreLayout chartScoreLayout()
{
    return {.rows = ScoreLayout::Rows::CorrectWrongHelp,
            .at = QPoint(7200, 0),
            .titleWidth = 1575,
            .titleAlign = Align::Right,
            .valueLeft = 8880,
            .back = 0x00FFC0C0,
            .correctFore = 0x00008000,
            .wrongFore = colour::red,
            .helpFore = 0x00FF0000,
            .helpName = QStringLiteral("Label1"),
            .helpText = QStringLiteral("hulp :")};
}

ScoreBlock::ScoreBlock(QWidget *screen, const ScoreLayout &layout)
    : m_helpFirst(layout.rows == ScoreLayout::Rows::HelpCorrectWrong)
{
    // One row: its title and its counter, made in this order.
    const auto row = [&](int index, const QString &title, const QString &text, const QString &counter,
                         quint32 fore) {
        const int top = layout.at.y() + 360 * index;
        (new Label(screen, title, twipsRect(layout.at.x(), top, layout.titleWidth, 375)))
            ->look(layout.back, fore, font::sansSerif, 13.5, true, layout.titleAlign)
            ->setCaption(text);
        return (new Label(screen, counter, twipsRect(layout.valueLeft, top, 855, 375)))
            ->look(layout.back, fore, font::sansSerif, 13.5, true, Align::Centre);
    };
    const int first = m_helpFirst ? 1 : 0;
    if (m_helpFirst)
        lblhelp = row(0, layout.helpName, layout.helpText, QStringLiteral("lblhelp"), layout.helpFore);
    lbljuist = row(first, QStringLiteral("lbljuist2"), QStringLiteral("juist :"), QStringLiteral("lbljuist"),
                   layout.correctFore);
    lblfout = row(first + 1, QStringLiteral("lblfout2"), QStringLiteral("fout :"), QStringLiteral("lblfout"),
                  layout.wrongFore);
    if (!m_helpFirst)
        lblhelp = row(2, layout.helpName, layout.helpText, QStringLiteral("lblhelp"), layout.helpFore);
}

void ScoreBlock::zero()
{
    if (m_helpFirst) {
        helpCount = 0;
        show(lblhelp, 0);
    }
    wrongCount = 0;
    show(lblfout, 0);
    correctCount = 0;
    show(lbljuist, 0);
    if (!m_helpFirst) {
        helpCount = 0;
        show(lblhelp, 0);
    }
}

TopBand::TopBand(QWidget *screen)
{
    Shape1 = new Shape(screen, QStringLiteral("Shape1"), twipsRect(0, 0, 12015, 1215), 0x00FFC0C0);
    ShpHkies1 = new Shape(screen, arrayName(QStringLiteral("ShpHkies"), 1), twipsRect(0, 0, 1215, 1215), colour::lilac);
    imgveld1 = new Image(screen, QStringLiteral("imgveld1"), twipsRect(120, 120, 900, 900), QStringLiteral("veld1"));
}

BottomBand::BottomBand(QWidget *screen, int heightTwips, quint32 colour, int logoTopTwips)
{
    Shape2 = new Shape(screen, QStringLiteral("Shape2"), twipsRect(0, 7080, 12015, heightTwips), colour);
    Image1 = makeLogo(screen, QStringLiteral("Image1"), twipsRect(11280, logoTopTwips, 480, 420));
}

CommandButton *makePictureButton(QWidget *screen, const QString &name, const QRect &geometry, quint32 back,
                                 const QString &picture, const QString &toolTip)
{
    auto *button = new CommandButton(screen, name, geometry);
    button->setBackColor(back);
    button->setPicture(picture);
    button->setToolTip(toolTip);
    return button;
}

CommandButton *makeStartButton(QWidget *screen, int leftTwips, const QString &toolTip)
{
    return makePictureButton(screen, QStringLiteral("cmdstart"), twipsRect(leftTwips, 7200, 1335, 615), 0x00C000C0,
                             QStringLiteral("start"), toolTip);
}

CommandButton *makeStopButton(QWidget *screen, int leftTwips)
{
    return makePictureButton(screen, QStringLiteral("cmdstop"), twipsRect(leftTwips, 7200, 1335, 615), 0x00000080,
                             QStringLiteral("stop"), QStringLiteral("STOP"));
}

Label *makePanelLabel(QWidget *screen, const QString &name, const QRect &twips, qreal points)
{
    return (new Label(screen, name, twipsRect(twips.x(), twips.y(), twips.width(), twips.height())))
        ->look(colour::paleYellow, colour::panel, font::arial, points);
}

CommandButton *makeHelpButton(QWidget *screen)
{
    auto *button = new CommandButton(screen, QStringLiteral("cmdhulp"), twipsRect(10440, 3120, 975, 615));
    button->setBackColor(0x0080FF80);
    button->setFont(screenFont(font::arial, 14.25));
    button->setCaption(QStringLiteral("?"));
    return button;
}

Label *makeStepLabel(QWidget *screen, const QString &name, int leftTwips, int topTwips)
{
    return (new Label(screen, name, twipsRect(leftTwips, topTwips, 1935, 1095)))
        ->look(colour::helpPanel, colour::white, font::arial, 12, true);
}

CommandButton *makeStepButton(QWidget *screen, const QString &name, int leftTwips, int topTwips)
{
    auto *button = new CommandButton(screen, name, twipsRect(leftTwips, topTwips, 975, 615));
    button->setBackColor(colour::helpButton);
    button->setFont(screenFont(font::arial, 14.25));
    button->hide();
    return button;
}

Image *makeLogo(QWidget *screen, const QString &name, const QRect &geometry)
{
    auto *logo = new Image(screen, name, geometry, QStringLiteral("logo"));
    logo->setToolTip(makerAddress());
    return logo;
}

QString praiseFor(int rightCount, int fullMarks)
{
    static const char *const steps[] = {"dat is super", "dat is uitstekend", "dat is prima", "dat is goed",
                                        "dat gaat al aardig", "je moet nog wat oefenen ", "vraag best even hulp "};
    constexpr int lowest = int(std::size(steps)) - 1;
    return QString::fromLatin1(steps[std::clamp(fullMarks - rightCount, 0, lowest)]);
}

QString makerAddress()
{
    return QStringLiteral("getalveld \u2013 vrije software om te oefenen");
}

} // namespace getalveld
