#include "exercises100/frmtabulonplaats.h"

#include "board/accessible.h"

#include "board/exerciselayout.h"
#include "board/geometry.h"
#include "board/random.h"

#include <QPoint>
#include <algorithm>

namespace getalveld {

namespace {
constexpr quint32 screenBack = 0x00AA9F40; // also the neutral colour of the number and the message
constexpr quint32 rightCell = 0x0000A800;
constexpr quint32 rightBack = 0x001AFF1A;
constexpr int tasksPerSeries = 10;

// Left, Top in twips of imgvlag(k) and imgvlaggen(k).
constexpr std::array<QPoint, frmtabulonplaats::flagCount> vlagAt{
    {{120, 5640},  {1200, 5760},  {2880, 3840}, {120, 2760},   {1320, 600},   {4200, 3720}, {6000, 0},
     {2640, 0},    {10800, 3960}, {6840, 0},    {360, 120},    {10800, 2160}, {3840, 720},  {10800, 5280},
     {3840, 5760}, {10800, 4560}, {8040, 6240}, {10800, 3360}, {8640, 0},     {10560, 6600}}};
constexpr std::array<QPoint, frmtabulonplaats::flagCount> vlaggenAt{
    {{1920, 120},   {6600, 7200}, {840, 3960},   {4200, 1800}, {7920, 7080}, {120, 4080},  {6720, 6360},
     {2640, 720},   {1800, 3840}, {10800, 2760}, {9720, 7200}, {5880, 6600}, {2520, 5760}, {7680, 0},
     {11280, 6000}, {4080, 120},  {120, 1560},   {9360, 0},    {4200, 2520}, {9240, 6480}}};

QString number(int value)
{
    return QString::number(value);
}
} // namespace

PlaceTask drawPlaceTask()
{
    RandomSource &random = randomSource();
    PlaceTask drawn;
    drawn.tensDigit = drawInt(random.next(), 9, 1);
    drawn.unitsDigit = drawInt(random.next(), 9, 1);
    return drawn;
}

QString placeMessage(bool right, const PlaceTask &task)
{
    return (right ? QStringLiteral(" Prima,\r\n je bent in kolom ")
                  : QStringLiteral(" Fout,\r\n je bent niet in kolom "))
           + number(task.unitsDigit) + QStringLiteral("\r\n en in de rij voor ") + number(task.rowEnd());
}

int flagsForRightCount(int rightCount)
{
    // Eleven right answers in a series of ten can happen (a click before the first task, or
    // an answer to a task begun before the counters were reset): all flags show then.
    return std::clamp(2 * rightCount, 0, frmtabulonplaats::flagCount);
}

frmtabulonplaats::frmtabulonplaats()
    : Screen(QStringLiteral("Plaats het cijfer op het tabulon"), screenWidthTwips, screenHeightTwips,
             screenBack),
      board(this, 4920, ChartInput::Open, ChartPlacement{.top = 480})
{
    Shape2 = new Shape(this, QStringLiteral("Shape2"), twipsRect(120, 6360, 5535, 1455), 0x00917748,
                       ShapeKind::RoundedRectangle);
    Shape2->setBorderColor(0x005E4D2F);
    Shape2->lower();

    lblgetal = (new Label(this, QStringLiteral("lblgetal"), twipsRect(840, 1320, 2895, 975)))
                   ->look(screenBack, colour::black, font::arial, 48);
    // Lies in front of the number until the first task begins.
    lblgetal2 = (new Label(this, QStringLiteral("lblgetal2"), twipsRect(840, 1320, 2895, 975)))
                    ->look(screenBack, colour::black, font::arial, 14.25);
    cmdnieuw = makePictureButton(this, QStringLiteral("cmdnieuw"), twipsRect(840, 2520, 2895, 975), 0x00C000C0,
                                 QStringLiteral("start"), QString());
    lblmemo = (new Label(this, QStringLiteral("lblmemo"), twipsRect(120, 4320, 4575, 1335)))
                  ->look(screenBack, colour::black, font::arial, 15.75, true);
    lblcontrole = new Label(this, QStringLiteral("lblcontrole"), twipsRect(3840, 2880, 975, 735));
    lblcontrole->hide();
    lblteller = (new Label(this, QStringLiteral("lblteller"), twipsRect(10560, 120, 975, 735)))
                    ->look(screenBack, colour::white, font::arial, 27.75);
    // The fraction bar between right answers and tasks, one pixel high.
    const QRect bar = twipsRect(10440, 960, 11640 - 10440, 15);
    Line1 = new Shape(this, QStringLiteral("Line1"), QRect(bar.x(), bar.y(), bar.width(), 1), colour::white);
    Line1->setBorderColor(colour::white);
    lbltotaal = (new Label(this, QStringLiteral("lbltotaal"), twipsRect(10560, 1080, 975, 735)))
                    ->look(screenBack, colour::white, font::arial, 27.75);
    lbltotaal->setCaption(QStringLiteral("10"));

    cmdstop = makePictureButton(this, QStringLiteral("cmdstop"), twipsRect(720, 6720, 1215, 735), 0x00000080,
                                QStringLiteral("stop"), QStringLiteral("STOP"));
    cmdnieuw2 = makePictureButton(this, QStringLiteral("cmdnieuw2"), twipsRect(2520, 6720, 1215, 735), 0x0070E8EB,
                                  QStringLiteral("new"), QStringLiteral("NIEUW"));
    cmdnieuw2->hide();
    cmdhelp = new CommandButton(this, QStringLiteral("cmdhelp"), twipsRect(3960, 6720, 1215, 735));
    cmdhelp->setBackColor(0x0000FF00);
    cmdhelp->setFont(screenFont(font::arial, 20.25, true));
    cmdhelp->setCaption(QStringLiteral("?"));
    cmdhelp->hide();
    Image1 = makeLogo(this, QStringLiteral("Image1"), twipsRect(11160, 7440, 480, 420));

    // The flags come last, so that they lie in front of whatever they overlap.
    for (int k = 0; k < flagCount; ++k) {
        const QPoint a = vlagAt[size_t(k)], b = vlaggenAt[size_t(k)];
        imgvlag[size_t(k)] = new Image(this, arrayName(QStringLiteral("imgvlag"), k), twipsRect(a.x(), a.y(), 480, 480),
                                       QStringLiteral("flag1-%1").arg(k, 2, 10, QLatin1Char('0')));
        imgvlaggen[size_t(k)] =
            new Image(this, arrayName(QStringLiteral("imgvlaggen"), k), twipsRect(b.x(), b.y(), 480, 480),
                      QStringLiteral("flag2-%1").arg(k, 2, 10, QLatin1Char('0')));
        imgvlag[size_t(k)]->hide();
        imgvlaggen[size_t(k)]->hide();
    }

    tmrhelp = new Timer(this, QStringLiteral("tmrhelp"), 4000, false);
    // Runs from the moment the screen is loaded.
    tmrtoonhelp = new Timer(this, QStringLiteral("tmrtoonhelp"), 9000, true);

    connect(cmdnieuw, &CommandButton::clicked, this, &frmtabulonplaats::cmdnieuw_Click);
    connect(&board, &HundredChart::cellClicked, this, &frmtabulonplaats::lbltabulon_Click);
    connect(cmdhelp, &CommandButton::clicked, this, &frmtabulonplaats::cmdhelp_Click);
    connect(tmrhelp, &QTimer::timeout, this, &frmtabulonplaats::tmrhelp_Timer);
    connect(tmrtoonhelp, &QTimer::timeout, this, &frmtabulonplaats::tmrtoonhelp_Timer);
    connect(cmdnieuw2, &CommandButton::clicked, this, &frmtabulonplaats::cmdnieuw2_Click);
    connect(cmdstop, &CommandButton::clicked, this, &frmtabulonplaats::cmdstop_Click);
}

void frmtabulonplaats::Form_Load()
{
    Form_Activate();
}

void frmtabulonplaats::Form_Activate()
{
    // Every activation begins the count again, also in the middle of a series.
    rightCount = 0;
    taskCount = 0;
    lblgetal2->show();
    lblgetal2->setCaption(QStringLiteral(" 10 oefeningen"));
    showCounters();
    centre();
    cmdstop->show();
}

void frmtabulonplaats::showCounters()
{
    lblteller->setCaption(number(rightCount));
    lbltotaal->setCaption(number(taskCount));
}

void frmtabulonplaats::resetChart()
{
    board.reset();
    board.designCaptions();
}

void frmtabulonplaats::setFlagsVisible(int count, bool visible)
{
    for (int k = 0; k < count && k < flagCount; ++k) {
        imgvlag[size_t(k)]->setVisible(visible);
        imgvlaggen[size_t(k)]->setVisible(visible);
    }
}

void frmtabulonplaats::cmdnieuw_Click()
{
    resetChart();
    lblgetal2->setCaption(QString());
    lblgetal2->hide();
    board.setEnabled(true);
    cmdnieuw->hide();
    cmdstop->hide();
    lblmemo->setBackColor(screenBack);
    lblgetal->setBackColor(screenBack);
    lblcontrole->setCaption(QString());
    lblmemo->setCaption(QString());
    randomSource().reseed();
    task = drawPlaceTask();
    lblgetal->setCaption(number(task.targetNumber()));
    ++taskCount;
    lbltotaal->setCaption(number(taskCount));
    tmrhelp->setEnabled(true);
}

void frmtabulonplaats::lbltabulon_Click(int index)
{
    lblcontrole->setCaption(number(index));
    cmdnieuw->show();
    // Counted as right at once, taken back below when the answer is wrong.
    ++rightCount;
    lblteller->setCaption(number(rightCount));
    clickedNumber = lblcontrole->caption().toInt();
    board.setEnabled(false); // one click per task
    auto cell = board.cell(index);
    const bool right = clickedNumber == task.targetNumber();
    cell->setBackColor(right ? rightCell : colour::cellRed);
    cell->setCaption(number(index));
    const quint32 back = right ? rightBack : colour::red;
    const quint32 fore = right ? colour::black : colour::white;
    lblgetal->setBackColor(back);
    lblmemo->setBackColor(back);
    lblgetal->setForeColor(fore);
    lblmemo->setForeColor(fore);
    lblmemo->setCaption(placeMessage(right, task));
    if (!right) {
        --rightCount;
        lblteller->setCaption(number(rightCount));
    }
    finishSeries();
    tmrhelp->setEnabled(false);
    cmdhelp->hide();
}

void frmtabulonplaats::finishSeries()
{
    if (taskCount != tasksPerSeries)
        return;
    setFlagsVisible(flagsForRightCount(rightCount), true);
    cmdnieuw->hide();
    cmdnieuw2->show();
    // The flags end the series: a pupil who cannot see them hears it.
    noteNews(cmdnieuw2, QStringLiteral("einde van de reeks: %1 van de %2 goed, %3 vlaggen")
                            .arg(rightCount)
                            .arg(taskCount)
                            .arg(flagsForRightCount(rightCount)));
    cmdstop->show();
    lblmemo->setCaption(QString());
    lblgetal->setCaption(QString());
    lblmemo->setBackColor(screenBack);
    lblgetal->setBackColor(screenBack);
}

void frmtabulonplaats::cmdhelp_Click()
{
    // Cell 100 shows its number already.
    for (int i = 0; i < HundredChart::lastCell; ++i)
        board.cell(i)->setCaption(number(i));
    // A pupil who cannot see the numbers appear hears that they are there.
    noteNews(cmdhelp, QStringLiteral("alle getallen staan op het tabulon"));
}

void frmtabulonplaats::tmrhelp_Timer()
{
    cmdhelp->show();
    // It stands for a few seconds only: a pupil who cannot see it hears that it came.
    noteNews(cmdhelp, QStringLiteral("de hulpknop is er"));
    tmrtoonhelp->setEnabled(true);
}

void frmtabulonplaats::tmrtoonhelp_Timer()
{
    cmdhelp->hide();
    tmrtoonhelp->setEnabled(false);
    tmrhelp->setEnabled(false);
}

// A new series: the first start button back, the flags and counters cleared.
void frmtabulonplaats::resetSeries()
{
    cmdnieuw->show();
    setFlagsVisible(flagsForRightCount(rightCount), false);
    cmdnieuw2->hide();
    cmdstop->hide();
    rightCount = 0;
    taskCount = 0;
    showCounters();
}

void frmtabulonplaats::cmdnieuw2_Click()
{
    resetSeries();
    resetChart();
}

void frmtabulonplaats::cmdstop_Click()
{
    // Reset first, then back to the choice board.
    resetChart();
    resetSeries();
    returnToBoard();
}

} // namespace getalveld
