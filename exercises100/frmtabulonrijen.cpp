#include "exercises100/frmtabulonrijen.h"

#include "board/exerciselayout.h"
#include "board/geometry.h"
#include "board/random.h"


namespace getalveld {

namespace {

constexpr quint32 back = 0x008BB816;
constexpr quint32 yellow = 0x0070E8EB; // a right cell, the given number, the count
constexpr quint32 givenGreen = 0x0000FF00;

constexpr std::array<QPoint, Frmtabulonrijen::members> vlinderAt = {
    QPoint(8400, 1320), QPoint(10200, 1080), QPoint(360, 3000),  QPoint(8760, 240),  QPoint(9000, 4440),
    QPoint(4080, 1320), QPoint(7320, 1320),  QPoint(10320, 1920), QPoint(10200, 3240), QPoint(6360, 1320),
    QPoint(360, 1920),  QPoint(9960, 5280),  QPoint(1680, 960),  QPoint(360, 840),   QPoint(840, 3480)};
constexpr std::array<QPoint, Frmtabulonrijen::members> bloemAt = {
    QPoint(9240, 840),  QPoint(2880, 1080), QPoint(120, 5160),  QPoint(5280, 1080), QPoint(8760, 3720),
    QPoint(1320, 1560), QPoint(1200, 5280), QPoint(2640, 5760), QPoint(4080, 5520), QPoint(5640, 5520),
    QPoint(6840, 5640), QPoint(8520, 5280), QPoint(600, 4440),  QPoint(9360, 3480), QPoint(8880, 6000)};

QRect blockRect(int k) { return twipsRect(2280 + 1080 * (k % 5), 2640 + 720 * (k / 5), 1095, 735); }
bool isAsciiDigit(QChar c) { return c >= u'0' && c <= u'9'; }
// How a screen reader names a box of the block: its row around the given number's row and
// its place from the left.
QString blockPlaceName(int member)
{
    static const char *const rows[] = {"rij erboven", "rij van het getal", "rij eronder"};
    return QStringLiteral("%1, vak %2").arg(QLatin1String(rows[member / 5])).arg(member % 5 + 1);
}
} // namespace

int blockOffset(int member)
{
    return 10 * (member / 5 - 1) + member % 5 - 4;
}

int drawGivenNumber()
{
    RandomSource &random = randomSource();
    int number = drawInt(random.next(), 99, 1);
    if (number >= 16 && number <= 88)
        return number;
    // A source that keeps giving the same value must not hang the screen.
    for (int tries = 0; tries < 10000; ++tries) {
        number = drawInt(random.next(), 99, 1);
        if (number >= 16 && number <= 87)
            return number;
    }
    return qBound(16, number, 87);
}

bool readsAsNumber(const QString &text)
{
    qsizetype begin = 0, end = text.size();
    while (begin < end && text.at(begin) == u' ')
        ++begin;
    while (end > begin && text.at(end - 1) == u' ')
        --end;
    if (begin < end && (text.at(begin) == u'+' || text.at(begin) == u'-'))
        ++begin;
    int digits = 0, separators = 0;
    for (qsizetype i = begin; i < end; ++i) {
        const QChar c = text.at(i);
        if (isAsciiDigit(c))
            ++digits;
        else if ((c == u'.' || c == u',') && ++separators == 1)
            continue;
        else
            return false;
    }
    return digits > 0;
}

QString rewardTextFor(int rightCount)
{
    return praiseFor(rightCount, 15);
}

QString fillInTaskText(int givenNumber)
{
    return QStringLiteral(" welke getallen staan bij ") + u' ' + QString::number(givenNumber);
}

Frmtabulonrijen::Frmtabulonrijen()
    : Screen(QStringLiteral("Vul in op het tabulon"), 10890, screenHeightTwips, back)
{
    // Created back to front: what comes later lies in front.
    Shape1 = new Shape(this, QStringLiteral("Shape1"), twipsRect(1680, 2160, 6735, 3135), 0x00808080,
                       ShapeKind::RoundedRectangle);
    Shape2 = new Shape(this, QStringLiteral("Shape2"), twipsRect(1800, 6360, 6615, 1455), 0x00917748,
                       ShapeKind::RoundedRectangle);
    Shape2->setBorderColor(0x005E4D2F);

    for (int k = 0; k < members; ++k) {
        TextBox *box = (new TextBox(this, arrayName(QStringLiteral("txt100rij"), k), blockRect(k)))
                           ->look(colour::white, font::arial, 26.25);
        // Reached by a click only: Tab runs through the boxes to fill in.
        box->setFocusPolicy(Qt::ClickFocus);
        box->setVisible(k == givenMember || k == 7); // 7 lies behind its fill-in box
        box->setAccessibleName(k == givenMember ? QStringLiteral("gegeven getal") : blockPlaceName(k));
        txt100rij[size_t(k)] = box;
    }
    txt100rij[givenMember]->setBackColor(givenGreen);
    for (int k = 0; k < members; ++k) {
        const QRect at = k == givenMember ? twipsRect(120, 7080, 1095, 735) : blockRect(k);
        TextBox *box = (new TextBox(this, arrayName(QStringLiteral("txtinvul"), k), at))
                           ->look(colour::white, font::arial, 26.25);
        box->setVisible(k != givenMember);
        box->setAccessibleName(blockPlaceName(k));
        connect(box, &TextBox::clicked, this, [this, k] { txtinvul_Click(k); });
        txtinvul[size_t(k)] = box;
    }

    lblbeloning = (new Label(this, QStringLiteral("lblbeloning"), twipsRect(2040, 360, 6375, 495)))
                      ->look(back, 0x00BA1212, font::arial, 21.75);
    lblteller = (new Label(this, QStringLiteral("lblteller"), twipsRect(8880, 1440, 975, 735)))
                    ->look(back, yellow, font::arial, 27.75);
    Label1 = (new Label(this, QStringLiteral("Label1"), twipsRect(8880, 2400, 975, 735)))
                 ->look(back, yellow, font::arial, 27.75);
    Label1->setCaption(QStringLiteral("14"));
    Line1 = new Line(this, QStringLiteral("Line1"), QLine(8760, 2280, 9960, 2280), yellow);

    cmdstop = makePictureButton(this, QStringLiteral("cmdstop"), twipsRect(2160, 6720, 1215, 735), 0x00000080,
                                QStringLiteral("stop"), QStringLiteral("STOP"));
    cmdstart = makePictureButton(this, QStringLiteral("cmdstart"), twipsRect(3680, 6720, 1215, 735), 0x00C000C0,
                                 QStringLiteral("start"), QStringLiteral("START"));
    cmdnieuw = makePictureButton(this, QStringLiteral("cmdnieuw"), twipsRect(5200, 6720, 1215, 735), yellow,
                                 QStringLiteral("hamster16"), QStringLiteral("NIEUW"));
    cmdnieuw->hide();
    cmdcontrole = makePictureButton(this, QStringLiteral("cmdcontrole"), twipsRect(6720, 6720, 1215, 735),
                                    0x00E28E1D, QStringLiteral("hamster21"), QStringLiteral("CONTROLE"));
    cmdcontrole->hide();
    Image1 = makeLogo(this, QStringLiteral("Image1"), twipsRect(10200, 7200, 480, 420));

    // The rewards lie in front of everything they touch.
    auto hamster = [](int n) { return QStringLiteral("hamster%1").arg(n, 2, 10, QChar(u'0')); };
    for (int k = 0; k < members; ++k) {
        const QPoint v = vlinderAt[size_t(k)], b = bloemAt[size_t(k)];
        imgvlinder[size_t(k)] = new Image(this, arrayName(QStringLiteral("imgvlinder"), k),
                                          twipsRect(v.x(), v.y(), 480, 480), hamster(k));
        imgbloem[size_t(k)] = new Image(this, arrayName(QStringLiteral("imgbloem"), k),
                                        twipsRect(b.x(), b.y(), 480, 480), hamster(k + members));
        imgvlinder[size_t(k)]->hide();
        imgbloem[size_t(k)]->hide();
    }

    // Tab walks the block row by row, then the buttons.
    QWidget *previous = nullptr;
    for (int k = 0; k < members; ++k) {
        if (k == givenMember)
            continue;
        if (previous)
            QWidget::setTabOrder(previous, txtinvul[size_t(k)]);
        previous = txtinvul[size_t(k)];
    }
    for (QWidget *button : {static_cast<QWidget *>(cmdcontrole), static_cast<QWidget *>(cmdnieuw),
                            static_cast<QWidget *>(cmdstart), static_cast<QWidget *>(cmdstop)}) {
        QWidget::setTabOrder(previous, button);
        previous = button;
    }

    connect(cmdstart, &CommandButton::clicked, this, &Frmtabulonrijen::cmdstart_Click);
    connect(cmdcontrole, &CommandButton::clicked, this, &Frmtabulonrijen::cmdcontrole_Click);
    connect(cmdnieuw, &CommandButton::clicked, this, &Frmtabulonrijen::cmdnieuw_Click);
    connect(cmdstop, &CommandButton::clicked, this, &Frmtabulonrijen::cmdstop_Click);
}

void Frmtabulonrijen::Form_Load()
{
    centre();
    setBackColor(back);
}

void Frmtabulonrijen::Form_Activate()
{
    centre();
    setBackColor(back);
}

void Frmtabulonrijen::clearBlock()
{
    for (int k = 0; k < members; ++k) {
        txtinvul[size_t(k)]->setText(QString());
        txtinvul[size_t(k)]->setBackColor(colour::white);
        imgvlinder[size_t(k)]->hide();
        imgbloem[size_t(k)]->hide();
    }
}

void Frmtabulonrijen::fillAnswers()
{
    for (int k = 0; k < members; ++k)
        txt100rij[size_t(k)]->setText(QString::number(givenNumber + blockOffset(k)));
}

void Frmtabulonrijen::markAnswers()
{
    // Exact text: a leading zero or a blank makes an answer wrong.
    for (int k = 0; k < members; ++k) {
        if (txtinvul[size_t(k)]->text() == txt100rij[size_t(k)]->text()) {
            txtinvul[size_t(k)]->setBackColor(yellow);
            ++rightCount;
        } else {
            txtinvul[size_t(k)]->setBackColor(colour::red);
        }
    }
}

void Frmtabulonrijen::chooseRewardText()
{
    rewardText = rewardTextFor(rightCount);
}

void Frmtabulonrijen::cmdstart_Click()
{
    rightCount = 0;
    lblteller->setCaption(QStringLiteral("0"));
    randomSource().reseed();
    givenNumber = drawGivenNumber();
    txt100rij[givenMember]->setText(QString::number(givenNumber));
    txt100rij[givenMember]->setBackColor(yellow);
    fillAnswers();
    txtinvul[8]->setFocus(); // just left of the given number
    clearBlock();
    cmdcontrole->show();
    cmdstop->hide();
    cmdstart->hide();
    lblbeloning->setCaption(fillInTaskText(givenNumber));
}

void Frmtabulonrijen::txtinvul_Click(int index)
{
    txtinvul[size_t(index)]->setText(QString());
}

void Frmtabulonrijen::cmdcontrole_Click()
{
    for (TextBox *box : txtinvul) {
        if (box->text().isEmpty())
            box->setText(QStringLiteral("0"));
        if (!readsAsNumber(box->text()))
            box->setText(QStringLiteral("0"));
    }
    markAnswers();
    lblteller->setCaption(QString::number(rightCount));
    // With the given number overwritten by "0" and every cell right the count is 15, one
    // more than there are pictures: then all fifteen of each show.
    const int lastPicture = qMin(rightCount, members - 1);
    for (int k = 0; k <= lastPicture; ++k) {
        imgbloem.at(size_t(k))->show();
        imgvlinder.at(size_t(k))->show();
    }
    chooseRewardText();
    lblbeloning->setCaption(rewardText);
    cmdcontrole->hide();
    cmdnieuw->show();
    cmdnieuw->setFocus();
}

void Frmtabulonrijen::cmdnieuw_Click()
{
    clearBlock();
    lblbeloning->setCaption(QStringLiteral("nog eens ?"));
    rightCount = 0;
    lblteller->setCaption(QStringLiteral("0"));
    txt100rij[givenMember]->setText(QString());
    cmdstop->show();
    cmdstart->show();
    cmdnieuw->hide();
    cmdstart->setFocus();
}

void Frmtabulonrijen::cmdstop_Click()
{
    lblbeloning->setCaption(QString());
    returnToBoard();
}

} // namespace getalveld

