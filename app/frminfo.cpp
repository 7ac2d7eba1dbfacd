#include "app/frminfo.h"

#include "app/credits.h"
#include "app/processend.h"
#include "board/exerciselayout.h"
#include "board/forms.h"
#include "board/geometry.h"
#include "board/pictures.h"

#include <QFontMetricsF>
#include <cmath>

namespace getalveld {

namespace {

// Nearest whole number, halves to even.
int roundHalfEven(double value)
{
    return int(std::nearbyint(value));
}
} // namespace

frminfo::frminfo() : Screen(QString(), 10185, 5925, 0x006F6F6F, Border::FixedDialog)
{
    // The window has no title, but a screen reader still names it before reading its text.
    setAccessibleName(QStringLiteral("tot de volgende keer"));
    setFont(screenFont(font::sansSerif, 8.25));
    Frame1 = new Frame(this, QStringLiteral("Frame1"), twipsRect(1560, 360, 7080, 4050));
    Frame1->setBackColor(colour::paleYellow);

    auto label = [this](const char *name, int l, int t, int w, int h, qreal points, bool bold, Align align) {
        return (new Label(this, QString::fromLatin1(name), twipsRect(l, t, w, h)))
            ->look(colour::paleYellow, colour::black, font::arial, points, bold, align);
    };
    lblmemo = label("lblmemo", 2355, 720, 3255, 330, 14.25, true, Align::Centre);
    lblmemo->setCaption(QStringLiteral("Voor jou gemaakt door "));
    lblinstituut = label("lblinstituut", 2520, 1440, 4245, 660, 27.75, true, Align::Centre);
    lblinstituut->setCaption(credits::programName());
    lblmening = label("lblmening", 3480, 2340, 3375, 360, 15.75, true, Align::Right);
    lblmening->setCaption(QStringLiteral("software om te trainen"));
    Lblidee = label("Lblidee", 1680, 2820, 6840, 255, 9.75, true, Align::Centre);
    Lblidee->setCaption(credits::freeSoftware() + QStringLiteral(", ") + credits::licence());
    Lblwebinfo = label("Lblwebinfo", 1680, 3120, 6840, 450, 8.25, false, Align::Centre);
    Lblwebinfo->setCaption(QStringLiteral("plaatjes: ") + pictureCredit() + QStringLiteral(" (sommige aangepast)"));
    lbladres1 = label("lbladres1", 1680, 3600, 6840, 240, 8.25, false, Align::Centre);
    lbladres1->setCaption(QStringLiteral("letters: ") + fontCredit());
    lblmail = label("lblmail", 1680, 3900, 6840, 240, 8.25, false, Align::Centre);
    lblmail->setCaption(makerAddress());
    Imgzon = new Image(this, QStringLiteral("Imgzon"), twipsRect(0, 720, 2520, 2610), QStringLiteral("decorsun"));
    imgides = new Image(this, QStringLiteral("imgides"), twipsRect(240, 3480, 480, 480), QStringLiteral("star"));
    Image4 = makeLogo(this, QStringLiteral("Image4"), twipsRect(120, 4080, 480, 420));
    Image3 = makeLogo(this, QStringLiteral("Image3"), twipsRect(8760, 4080, 480, 420));

    lblgeld = (new Label(this, QStringLiteral("lblgeld"), twipsRect(1560, 4440, 7080, 735)))
                  ->look(0x00800000, colour::white, font::arial, 14.25);

    StatusBar1 = new StatusBar(this, QStringLiteral("StatusBar1"), twipsRect(0, 5550, 10185, 375),
                               {{2000, StatusBar::Kind::Text, QString(), QString()},
                                {3500, StatusBar::Kind::Text, QString(), QString()},
                                {1200, StatusBar::Kind::Date, QString(), QString()},
                                {1000, StatusBar::Kind::Time, QString(), QString()},
                                {3000, StatusBar::Kind::Text, QStringLiteral("Gratis software"), QString()}});
    StatusBar1->setFont(screenFont(font::sansSerif, 8.25));

    ProgressBar1 = new QProgressBar(this);
    ProgressBar1->setObjectName(QStringLiteral("ProgressBar1"));
    ProgressBar1->setGeometry(twipsRect(3240, 5280, 2775, 255));
    ProgressBar1->setTextVisible(false);

    Timer1 = new QTimer(this);
    Timer1->setObjectName(QStringLiteral("Timer1"));
    Timer1->setInterval(75);
    connect(Timer1, &QTimer::timeout, this, &frminfo::Timer1_Timer);
}

void frminfo::showProgressInStatusBar(bool show)
{
    if (show) {
        const StatusBar::Bounds r = StatusBar1->partBounds(1);
        const int top = roundHalfEven(r.top * double(twipsPerPixel));
        const int left = roundHalfEven(r.left * double(twipsPerPixel));
        const int height = roundHalfEven(r.bottom * double(twipsPerPixel)) - top;
        const int width = roundHalfEven(r.right * double(twipsPerPixel)) - left;
        setParentWindow(ProgressBar1, StatusBar1);
        Screen::placeControlAsShown(ProgressBar1, twipsRect(left, top, width, height));
        ProgressBar1->show();
        ProgressBar1->setValue(0);
    } else {
        setParentWindow(ProgressBar1, this);
        ProgressBar1->hide();
    }
}

void frminfo::Form_Load()
{
    lblgeld->setCaption(credits::distributionNote());
    ProgressBar1->setRange(0, 150);
    showProgressInStatusBar(true);
    Timer1->start();
    StatusBar1->setPanelText(1, credits::scrollingLine());
    StatusBar1->panel(1).tag.clear();
    centre();
}

void frminfo::Form_Activate()
{
    ProgressBar1->setRange(0, 150);
    showProgressInStatusBar(true);
    // Enabling a running timer does not restart its countdown.
    if (!Timer1->isActive())
        Timer1->start();
}

void frminfo::Timer1_Timer()
{
    StatusBar::Panel &line = StatusBar1->panel(1);
    if (line.tag.isEmpty()) {
        // A panel's width of blanks in front, so that the line enters from the right edge.
        const double blank = QFontMetricsF(font()).horizontalAdvance(u' ') * twipsPerPixel;
        const int n = blank > 0 ? roundHalfEven(line.widthTwips / blank) : 0;
        line.tag = QString(n, u' ') + line.text;
        StatusBar1->setPanelText(1, line.tag);
    }
    if (!line.text.isEmpty())
        StatusBar1->setPanelText(1, line.text.mid(1));
    else
        StatusBar1->setPanelText(1, line.tag);

    ++tickCount;
    if (tickCount > 150) {
        Timer1->stop();
        showProgressInStatusBar(false);
        tickCount = 0;
        forms().hide(objectName());
        endProcess();
        return;
    }
    ProgressBar1->setValue(tickCount);
}

} // namespace getalveld
