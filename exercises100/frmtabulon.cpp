#include "exercises100/frmtabulon.h"

#include "board/accessible.h"
#include "board/exerciselayout.h"
#include "board/geometry.h"
#include "board/random.h"

#include <QStringList>

namespace getalveld {

namespace {
constexpr quint32 teal = 0x00808000;
constexpr quint32 rightGreen = 0x0000FF00;
const QString crlf = QStringLiteral("\r\n");

QRect memberRect(int m)
{
    constexpr int width = 615, height = 495;
    if (m == 0)
        return twipsRect(5880, 1320, width, height); // above 10, at the head of the tens
    if (m <= 100)
        return twipsRect(480 + 600 * ((m - 1) % 10), 1800 + 480 * ((m - 1) / 10), width, height);
    if (m <= 109)
        return twipsRect(480 + 600 * (m - 101), 1320, width, height);
    if (m % 10 == 0)
        return twipsRect(6600, 1800 + 480 * (m / 10 - 11), width, height);
    return memberRect(m - 100); // a cover lies on its number
}
} // namespace

OptionGridTask drawOptionGridTask()
{
    RandomSource &random = randomSource();
    OptionGridTask task;
    task.unitsDigit = drawInt(random.next(), 9, 1);
    task.tensValue = drawInt(random.next(), 9, 1) * 10;
    return task;
}

QString optionGridTaskText(int unitsDigit, int rowEnd)
{
    return QStringLiteral(" Ik zoek in kolom ") + QString::number(unitsDigit) + QStringLiteral(" en in de rij tot aan ")
           + QString::number(rowEnd) + crlf + QStringLiteral("Klik op het getal in de kruising. ") + crlf
           + QStringLiteral(" Controleer je antwoord met een klik op de auto ");
}

QString numberFacts(int number)
{
    const QString n = QString::number(number);
    auto with = [&n](const char *piece, int value) {
        return n + QLatin1String(piece) + QString::number(value);
    };
    return QStringList{QString(),
                       QStringLiteral("Je zocht ") + n,
                       QString(),
                       with(" staat juist voor ", number + 1),
                       with(" staat juist na ", number - 1),
                       with(" is 1 meer als ", number - 1),
                       with(" is 1 minder als ", number + 1),
                       with(" is 10 meer als ", number - 10),
                       with(" is 10 minder als ", number + 10),
                       QString(),
                       with(" + 20  = ", number + 20),
                       with(" - 20 = ", number - 20),
                       with(" + 2 = ", number + 2),
                       with(" - 2 = ", number - 2)}
        .join(crlf);
}

frmtabulon::frmtabulon()
    : Screen(QStringLiteral("Zoeken op het tabulon"), screenWidthTwips, screenHeightTwips, 0x00BFD0C1)
{
    // Created back to front: what comes later lies in front.
    Shape2 = new Shape(this, QStringLiteral("Shape2"), twipsRect(240, 1200, 6615, 5655), 0x00800000);
    Shape3 = new Shape(this, QStringLiteral("Shape3"), twipsRect(7320, 120, 4335, 1095), teal);
    Shape1 = new Shape(this, QStringLiteral("Shape1"), twipsRect(240, 120, 1095, 1095), teal);
    Shape1->setBorderColor(0x00FF8080);
    Image1 = new Image(this, QStringLiteral("Image1"), twipsRect(600, 240, 480, 480), QStringLiteral("help"));
    Shape4 = new Shape(this, QStringLiteral("Shape4"), twipsRect(6960, 1200, 255, 5655), colour::red);
    Shape5 = new Shape(this, QStringLiteral("Shape5"), twipsRect(240, 6840, 11415, 255), colour::red);

    optveldGroup = new QButtonGroup(this);
    optveldGroup->setExclusive(true);
    const QFont cellFont = screenFont(font::sansSerif, 13.5, true);
    for (int m = 0; m <= lastMember; ++m) {
        auto *member = new OptionButton(this, arrayName(QStringLiteral("optveld"), m), memberRect(m));
        member->setFont(cellFont);
        member->setBackColor(cellNormal);
        member->setForeColor(0x00FF0000);
        if (m <= 100)
            member->setCaption(QString::number(m));
        optveldGroup->addButton(member, m);
        optveld[size_t(m)] = member;
    }
    keys = new ChartFocus(this, std::vector<QWidget *>(optveld.begin(), optveld.end()));

    txtwaarde = (new TextBox(this, QStringLiteral("txtwaarde"), twipsRect(8640, 240, 1335, 735)))
                    ->look(colour::white, font::arial, 27.75, true);
    txtwaarde->setEnabled(false); // the answer is clicked on the chart, never typed
    txtwaarde->setAccessibleName(QStringLiteral("gekozen getal"));
    lblopgave = (new Label(this, QStringLiteral("lblopgave"), twipsRect(1320, 120, 6015, 1095)))
                    ->look(teal, colour::white, font::arial, 12, true);
    lblles = (new Label(this, QStringLiteral("lblles"), twipsRect(7320, 1320, 4335, 5295)))
                 ->look(teal, colour::white, font::arial, 14.25, true);
    lblgetal = (new Label(this, QStringLiteral("lblgetal"), twipsRect(480, 6720, 1455, 615)))
                   ->look(colour::paleYellow, colour::black, font::sansSerif, 8.25);
    lblgetal->hide();
    Label1 = (new Label(this, QStringLiteral("Label1"), twipsRect(240, 7200, 3855, 735)))
                 ->look(teal, colour::white, font::arial, 9, true);
    Label1->setCaption(QStringLiteral(
        "Zoek een getal op het tabulon en klik op de kolom van de eenheden en de rij van de tientallen"));

    cmdstop = makePictureButton(this, QStringLiteral("cmdstop"), twipsRect(4200, 7080, 975, 855), 0x00000080,
                                QStringLiteral("stop"), QStringLiteral("STOP"));
    cmdcontrole = makePictureButton(this, QStringLiteral("cmdcontrole"), twipsRect(5280, 7080, 975, 855), 0x0080FF80,
                                    QStringLiteral("check"), QStringLiteral("CONTROLE"));
    cmdcontrole->hide();
    cmdstart = makePictureButton(this, QStringLiteral("cmdstart"), twipsRect(6360, 7080, 975, 855), 0x00C000C0,
                                 QStringLiteral("start"), QStringLiteral("START"));
    Image2 = makeLogo(this, QStringLiteral("Image2"), twipsRect(11040, 7320, 480, 420));

    connect(optveldGroup, &QButtonGroup::idClicked, this, &frmtabulon::optveld_Click);
    connect(cmdstart, &CommandButton::clicked, this, &frmtabulon::cmdstart_Click);
    connect(cmdcontrole, &CommandButton::clicked, this, &frmtabulon::cmdcontrole_Click);
    connect(cmdstop, &CommandButton::clicked, this, &frmtabulon::cmdstop_Click);
}

void frmtabulon::clearGrid()
{
    for (int m = 0; m <= 100; ++m) {
        optveld[size_t(m)]->setBackColor(cellNormal);
        deselect(optveld[size_t(m)]);
    }
}

void frmtabulon::hideCovers()
{
    for (int m = 101; m <= lastMember; ++m) {
        optveld[size_t(m)]->hide();
        deselect(optveld[size_t(m)]);
    }
}

void frmtabulon::showCovers()
{
    for (int m = 101; m <= lastMember; ++m) {
        optveld[size_t(m)]->show();
        deselect(optveld[size_t(m)]);
    }
    // The spare members over the tens and over the top row stay hidden.
    for (int m = 110; m <= lastMember; m += 10)
        optveld[size_t(m)]->hide();
    for (int m = 101; m <= 109; ++m)
        optveld[size_t(m)]->hide();
}

void frmtabulon::Form_Load()
{
    clearGrid();
    showCovers();
    centre();
}

void frmtabulon::Form_Activate()
{
    // Every return to the screen gives a freshly covered chart; the task and the verdict stay.
    clearGrid();
    showCovers();
    centre();
}

void frmtabulon::cmdstart_Click()
{
    cmdstart->hide();
    cmdcontrole->show();
    cmdstop->hide();
    clearGrid();
    showCovers();
    txtwaarde->setText(QString());
    txtwaarde->setBackColor(colour::white);
    lblles->setCaption(QString());
    randomSource().reseed();
    const OptionGridTask task = drawOptionGridTask();
    unitsDigit = task.unitsDigit;
    tensValue = task.tensValue;
    rowEnd = task.rowEnd();
    lblgetal->setCaption(QString::number(tensValue + unitsDigit));
    targetNumber = lblgetal->caption().toInt();
    lblopgave->setCaption(optionGridTaskText(unitsDigit, rowEnd));
}

void frmtabulon::optveld_Click(int index)
{
    txtwaarde->setText(QString::number(index));
    // The box shows what was chosen: a pupil who cannot see it hears it.
    noteNews(txtwaarde, txtwaarde->accessibleName() + u' ' + txtwaarde->text());
    hideCovers();
    // Lit columns and rows add up until the chart is reset; a cover was deselected above
    // and lights nothing.
    for (int c = 0; c <= 9; ++c) {
        if (!selected(c))
            continue;
        light(c);
        for (int m = c == 0 ? 10 : c + 10; m <= 100; m += 10)
            light(m);
    }
    for (int k = 1; k <= 10; ++k) {
        if (!selected(10 * k))
            continue;
        for (int m = 10 * k - 9; m <= 10 * k; ++m)
            light(m);
    }
    // What this click lit, said after the number chosen.
    if (index <= 100 && selected(index)) {
        if (index <= 9)
            noteNews(optveld[size_t(index)], QStringLiteral("kolom %1 is geel").arg(index));
        else if (index % 10 == 0)
            noteNews(optveld[size_t(index)], QStringLiteral("de rij tot aan %1 is geel").arg(index));
    }
}

void frmtabulon::cmdcontrole_Click()
{
    // Compared as text: the number sought against what the last click wrote.
    if (lblgetal->caption() == txtwaarde->text()) {
        txtwaarde->setBackColor(rightGreen);
        lblles->setCaption(numberFacts(targetNumber));
    } else {
        txtwaarde->setBackColor(colour::red);
    }
    cmdcontrole->hide();
    cmdstart->show();
    cmdstop->show();
}

void frmtabulon::cmdstop_Click()
{
    returnToBoard();
}

} // namespace getalveld
