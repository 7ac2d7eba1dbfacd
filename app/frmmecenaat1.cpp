#include "app/frmmecenaat1.h"

#include "app/credits.h"
#include "app/mdiform2.h"
#include "board/exerciselayout.h"
#include "board/geometry.h"
#include "board/pictures.h"

namespace getalveld {

namespace {
constexpr quint32 darkBlue = 0x00800000;
} // namespace

frmmecenaat1::frmmecenaat1()
    : Screen(QString(), 11160, 6720, 0x006D6570, Border::FixedDialog)
{
    // The window has no title, but a screen reader still names it.
    setAccessibleName(credits::programName());
    Frame1 = new Frame(this, arrayName(QStringLiteral("Frame1"), 1), twipsRect(0, 0, 11520, 19530));
    Frame1->setBackColor(0x00C0FFFF);
    Shape3 = new Shape(this, QStringLiteral("Shape3"), twipsRect(1920, 720, 7455, 4215), 0x0080FFFF);

    Label11 = (new Label(this, QStringLiteral("Label11"), twipsRect(1320, 360, 8415, 255)))
                  ->look(0x00C0FFFF, colour::black, font::arial, 11.25, true);
    Label11->setCaption(QStringLiteral("Educatieve software voor de  basisschool."));
    lblpartner2 = (new Label(this, QStringLiteral("lblpartner2"), twipsRect(1920, 4920, 7455, 615)))
                      ->look(darkBlue, colour::white, font::sansSerif, 24);
    lblpartner2->setCaption(credits::programName());
    Label4 = (new Label(this, QStringLiteral("Label4"), twipsRect(1920, 5520, 7455, 495)))
                 ->look(darkBlue, colour::white, font::sansSerif, 13.5);
    Label4->setCaption(QStringLiteral("Gratis te verspreiden software"));
    Label5 = (new Label(this, QStringLiteral("Label5"), twipsRect(0, 6120, 11415, 375)))
                 ->look(darkBlue, colour::white, font::sansSerif, 13.5);
    Label5->setCaption(QStringLiteral("plaatjes: ") + pictureCredit());
    Label5->setToolTip(credits::all().join(QStringLiteral("\n")));

    const QString emblem = QStringLiteral("coatofarms");
    Image1[0] = new Image(this, arrayName(QStringLiteral("Image1"), 0), twipsRect(120, 3960, 1635, 1710), emblem);
    Image1[1] = new Image(this, arrayName(QStringLiteral("Image1"), 1), twipsRect(9480, 3960, 1635, 1710), emblem);
    Image1[2] = makeLogo(this, arrayName(QStringLiteral("Image1"), 2), twipsRect(10560, 5640, 480, 420));
    Image1[3] = makeLogo(this, arrayName(QStringLiteral("Image1"), 3), twipsRect(0, 5640, 480, 420));

    cmdkombinnen = new CommandButton(this, QStringLiteral("cmdkombinnen"), twipsRect(3600, 1080, 3855, 3495));
    cmdkombinnen->setCaption(QStringLiteral("Klik hier en start !"));
    cmdkombinnen->setFont(screenFont(font::sansSerif, 18, true));
    cmdkombinnen->setBackColor(colour::white);
    cmdkombinnen->setPicture(emblem);
    cmdkombinnen->setPictureSize(QSize());
    cmdkombinnen->setFocus();
    connect(cmdkombinnen, &CommandButton::clicked, this, &frmmecenaat1::cmdkombinnen_Click);
}

void frmmecenaat1::cmdkombinnen_Click()
{
    openChoiceBoard();
}

} // namespace getalveld
