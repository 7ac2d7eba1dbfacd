#include "exercises100/frmtabulontellen.h"

#include "board/exerciselayout.h"
#include "board/geometry.h"
#include "board/random.h"

#include <QPoint>
#include <algorithm>

namespace getalveld {

namespace {
constexpr quint32 screenBack = 0x00C0C0C0;
constexpr quint32 panelGrey = 0x00D6D6D6;
constexpr quint32 panelBorder = 0x008D8D8D;
constexpr quint32 slateGrey = 0x008B8B8B; // the task labels and the message board
constexpr quint32 lightGrey = 0x00E0E0E0;
constexpr quint32 countGreen = 0x00006C00;
constexpr quint32 answerCell = 0x00226AFF;
constexpr int tasksPerSeries = 10;

constexpr std::array<QPoint, frmtabulontellen::pictureCount> vlinderAt{
    {{11160, 3720}, {8760, 3960},  {10440, 6960}, {11160, 5160}, {9960, 4800}, {8640, 7080}, {10800, 5880},
     {8640, 5760},  {10200, 4200}, {9600, 3600},  {9480, 6120},  {7560, 4920}, {6840, 6000}, {6480, 6840},
     {6600, 3720},  {6120, 4440},  {7800, 6360},  {7800, 4080},  {9000, 4800}, {6240, 5280}}};

QString number(int value)
{
    return QString::number(value);
}

CountTask drawPair(CountKind kind, int secondBase)
{
    RandomSource &random = randomSource();
    CountTask task;
    task.kind = kind;
    task.firstNumber = drawInt(random.next(), 99, 1);
    task.secondNumber = drawInt(random.next(), 99, secondBase);
    return task;
}
} // namespace

CountTask drawLessTask()
{
    CountTask task = drawPair(CountKind::Less, 1);
    // A first pair with a positive result is kept, even a result of 1; a redrawn one needs 2.
    if (task.firstNumber <= task.secondNumber) {
        do
            task = drawPair(CountKind::Less, 1);
        while (task.firstNumber - task.secondNumber < 2);
    }
    return task;
}

CountTask drawMoreTask()
{
    CountTask task = drawPair(CountKind::More, 0);
    // A first pair adding up to 99 is kept; a redrawn one must stay at 98 or below.
    if (task.firstNumber + task.secondNumber >= 100) {
        do
            task = drawPair(CountKind::More, 0);
        while (task.firstNumber + task.secondNumber > 98);
    }
    return task;
}

QString differenceText(const QString &answer, int difference)
{
    if (difference < 0)
        return QStringLiteral(" fout ") + answer + u' ' + number(difference);
    if (difference > 0)
        return QStringLiteral(" fout ") + answer + QStringLiteral(" + ") + number(difference);
    return QString();
}

QString seriesMessage(int rightCount)
{
    return praiseFor(rightCount, 10);
}

int picturesShownFor(int rightCount)
{
    return std::clamp(2 * rightCount - 3, 0, frmtabulontellen::pictureCount);
}

int picturesHiddenFor(int rightCount)
{
    return std::clamp(2 * rightCount - 1, 0, frmtabulontellen::pictureCount);
}

frmtabulontellen::frmtabulontellen()
    : Screen(QStringLiteral("Tabulon : bewerkingen + en - "), screenWidthTwips, screenHeightTwips,
             screenBack),
      board(this, 240, ChartInput::Closed,
            ChartPlacement{.frameName = QStringLiteral("Frame1"),
                           .top = 960,
                           .width = 5175,
                           .height = 5895,
                           .cellShift = QPoint(-120, 240),
                           .instruction = false})
{
    // The chart has the standard frame colours, and no cell shows a number before the first task.
    board.frame100->setBackColor(screenBack);
    board.frame100->setForeColor(colour::black);
    board.reset();

    // The panels lie behind everything.
    Shape1 = new Shape(this, QStringLiteral("Shape1"), twipsRect(120, 7080, 5655, 855), panelGrey);
    Shape1->setBorderColor(panelBorder);
    Shape1->lower();
    Shape3 = new Shape(this, QStringLiteral("Shape3"), twipsRect(120, 600, 5655, 6375), panelGrey);
    Shape3->setBorderColor(panelBorder);
    Shape3->lower();

    auto label = [this](const char *name, int left, int top, int width, int height) {
        return new Label(this, QString::fromLatin1(name), twipsRect(left, top, width, height));
    };
    lblinfo2 = label("lblinfo2", 240, 120, 11535, 375)->look(lightGrey, countGreen, font::arial, 14.25, true);
    lblinfo2->setCaption(QStringLiteral("10 oefeningen na elkaar maken"));
    lblbord2 =
        label("lblbord2", 6000, 600, 4455, 735)->look(slateGrey, colour::white, font::arial, 20.25, false, Align::Left);
    lblteller = label("lblteller", 10680, 600, 975, 735)->look(lightGrey, countGreen, font::arial, 27.75);
    const QRect bar = twipsRect(6000, 1440, screenWidthTwips - 6000, 15);
    Line1 = new Shape(this, QStringLiteral("Line1"), QRect(bar.x(), bar.y(), bar.width(), 1), slateGrey);
    Line1->setBorderColor(slateGrey);
    lblfoutje = label("lblfoutje", 6000, 1560, 4455, 735)->look(lightGrey, colour::black, font::arial, 20.25);
    lblaantal = label("lblaantal", 10680, 1560, 975, 735)->look(lightGrey, countGreen, font::arial, 27.75);
    lblop1 = label("lblop1", 6000, 2400, 1095, 975)->look(slateGrey, colour::white, font::arial, 23.25);
    lblcode1 = label("lblcode1", 7080, 2400, 3615, 975)
                   ->look(slateGrey, colour::white, font::arial, 23.25, false, Align::Left);
    lblop1uitkomst =
        label("lblop1uitkomst", 10680, 2400, 1095, 975)->look(slateGrey, colour::white, font::arial, 23.25);
    lbluitop1 = label("lbluitop1", 6000, 3360, 735, 735);
    lbluitop1->hide();

    cmdstop = makePictureButton(this, QStringLiteral("cmdstop"), twipsRect(360, 7200, 1215, 615), 0x00000080,
                                QStringLiteral("stop"), QStringLiteral("STOP"));
    auto button = [this](const char *name, int left, quint32 back, const char *picture, const char *tip) {
        CommandButton *b = makePictureButton(this, QString::fromLatin1(name), twipsRect(left, 7200, 1215, 615), back,
                                             QString::fromLatin1(picture), QString::fromLatin1(tip));
        b->hide();
        return b;
    };
    cmdstart = button("cmdstart", 1680, 0x00FF00FF, "start", "START");
    cmdstart2 = button("cmdstart2", 1680, 0x00FF00FF, "start", "START");
    cmdstart3 = button("cmdstart3", 1680, 0x00FF00FF, "start", "START");
    cmdstart4 = button("cmdstart4", 1680, 0x00FF00FF, "start", "START");
    cmdnieuw = button("cmdnieuw", 3000, 0x00EFB381, "new", "NIEUW");
    cmdnieuw2 = button("cmdnieuw2", 3000, 0x00EFB381, "new", "NIEUW");
    cmdcontrole = button("cmdcontrole", 4320, 0x0069FCB6, "check", "CONTROLE");
    cmdcontrole2 = button("cmdcontrole2", 4320, 0x0069FCB6, "check", "CONTROLE");

    for (int k = 0; k < pictureCount; ++k) {
        const QPoint at = vlinderAt[size_t(k)];
        imgvlinder[size_t(k)] =
            new Image(this, arrayName(QStringLiteral("imgvlinder"), k), twipsRect(at.x(), at.y(), 480, 480),
                      QStringLiteral("figure%1").arg(k, 2, 10, QLatin1Char('0')));
        imgvlinder[size_t(k)]->hide();
    }
    Image1 = makeLogo(this, QStringLiteral("Image1"), twipsRect(11280, 7440, 480, 420));

    connect(cmdstart, &CommandButton::clicked, this, &frmtabulontellen::cmdstart_Click);
    connect(cmdstart2, &CommandButton::clicked, this, &frmtabulontellen::cmdstart2_Click);
    connect(cmdstart3, &CommandButton::clicked, this, &frmtabulontellen::cmdstart3_Click);
    connect(cmdstart4, &CommandButton::clicked, this, &frmtabulontellen::cmdstart4_Click);
    connect(&board, &HundredChart::cellClicked, this, &frmtabulontellen::lbltabulon_Click);
    connect(cmdcontrole, &CommandButton::clicked, this, &frmtabulontellen::cmdcontrole_Click);
    connect(cmdcontrole2, &CommandButton::clicked, this, &frmtabulontellen::cmdcontrole2_Click);
    connect(cmdnieuw, &CommandButton::clicked, this, &frmtabulontellen::cmdnieuw_Click);
    connect(cmdnieuw2, &CommandButton::clicked, this, &frmtabulontellen::cmdnieuw2_Click);
    connect(cmdstop, &CommandButton::clicked, this, &frmtabulontellen::cmdstop_Click);
}

void frmtabulontellen::Form_Load()
{
    Form_Activate();
}

void frmtabulontellen::Form_Activate()
{
    // Every activation begins the count again and offers cmdstart, also behind a start
    // button drawn before.
    centre();
    cmdstart->show();
    doneCount = 0;
    rightCount = 0;
    lblaantal->setCaption(number(doneCount));
    lblteller->setCaption(number(rightCount));
}

void frmtabulontellen::setPicturesVisible(int count, bool visible)
{
    for (int k = 0; k < count && k < pictureCount; ++k)
        imgvlinder[size_t(k)]->setVisible(visible);
}

void frmtabulontellen::greyChart()
{
    for (int i = 0; i <= HundredChart::lastCell; ++i)
        board.cell(i)->setBackColor(colour::cellGrey);
}

void frmtabulontellen::cmdstart_Click()
{
    startTask(CountKind::Less, cmdstart);
}
void frmtabulontellen::cmdstart2_Click()
{
    startTask(CountKind::Less, cmdstart2);
}
void frmtabulontellen::cmdstart3_Click()
{
    startTask(CountKind::More, cmdstart3);
}
void frmtabulontellen::cmdstart4_Click()
{
    startTask(CountKind::More, cmdstart4);
}

void frmtabulontellen::startTask(CountKind kind, CommandButton *pressed)
{
    board.setEnabled(true);
    greyChart();
    task.kind = kind;
    lblop1uitkomst->setCaption(QStringLiteral("?"));
    randomSource().reseed();
    if (kind == CountKind::Less)
        makeLessTask();
    else
        makeMoreTask();
    markedCell = task.firstNumber;
    for (int i = 0; i <= HundredChart::lastCell; ++i)
        board.cell(i)->setCaption(number(i));
    lblbord2->setCaption(QStringLiteral("klik juist op het tabulon"));
    lbluitop1->setCaption(number(task.expectedResult()));
    board.cell(markedCell)->setBackColor(colour::marked);
    pressed->hide();
    cmdstop->hide();
}

void frmtabulontellen::makeLessTask()
{
    randomSource().reseed();
    task = drawLessTask();
    showTask();
}

void frmtabulontellen::makeMoreTask()
{
    randomSource().reseed();
    task = drawMoreTask();
    showTask();
}

void frmtabulontellen::showTask()
{
    lblop1->setCaption(number(task.secondNumber));
    lblcode1->setCaption((task.kind == CountKind::Less ? QStringLiteral(" minder dan ") : QStringLiteral(" meer dan "))
                         + number(task.firstNumber) + QStringLiteral(" is "));
}

void frmtabulontellen::lbltabulon_Click(int index)
{
    auto cell = board.cell(index);
    if (cell->caption().isEmpty())
        cell->setCaption(QStringLiteral("0"));
    lblop1uitkomst->setCaption(cell->caption());
    cell->setBackColor(answerCell);
    (task.kind == CountKind::Less ? cmdcontrole : cmdcontrole2)->show();
    answerNumber = lblop1uitkomst->caption().toInt();
    board.setEnabled(false); // one click per task
}

void frmtabulontellen::cmdcontrole_Click()
{
    check();
}
void frmtabulontellen::cmdcontrole2_Click()
{
    check();
}

void frmtabulontellen::check()
{
    // Compared as text, exactly as the slot shows it.
    if (lblop1uitkomst->caption() == lbluitop1->caption()) {
        lblop1uitkomst->setBackColor(countGreen);
        ++rightCount;
        lblteller->setCaption(number(rightCount));
    }
    difference = task.expectedResult() - answerNumber;
    if (difference == 0) {
        lblfoutje->setCaption(QStringLiteral("prima"));
    } else {
        lblfoutje->setBackColor(colour::red);
        lblfoutje->setForeColor(colour::white);
        lblfoutje->setCaption(differenceText(lblop1uitkomst->caption(), difference));
    }
    if (doneCount == tasksPerSeries - 1) {
        setPicturesVisible(picturesShownFor(rightCount), true);
        cmdnieuw2->show();
        chooseMessage();
        lblbord2->setCaption(resultMessage);
        // The series is over: a start button left standing behind another (after a return)
        // must not begin an eleventh task, nor may a task begun with it still be answered
        // and checked.
        for (CommandButton *start : {cmdstart, cmdstart2, cmdstart3, cmdstart4})
            start->hide();
        board.setEnabled(false);
    }
    cmdnieuw->show();
    // One answer is judged once: a task begun with the start button left behind another can
    // leave both check buttons standing, and the one behind must not count it again.
    cmdcontrole->hide();
    cmdcontrole2->hide();
    countChecked();
}

void frmtabulontellen::countChecked()
{
    ++doneCount;
    lblaantal->setCaption(number(doneCount));
}

void frmtabulontellen::chooseMessage()
{
    lblbord2->setCaption(QString());
    resultMessage = seriesMessage(rightCount);
}

void frmtabulontellen::cmdnieuw_Click()
{
    greyChart();
    setPicturesVisible(picturesHiddenFor(rightCount), false);
    board.cell(markedCell)->setBackColor(colour::cellGrey);
    lblop1->setCaption(QString());
    lbluitop1->setCaption(QString());
    lblop1uitkomst->setCaption(QString());
    lblcode1->setCaption(QString());
    lblop1uitkomst->setBackColor(slateGrey);
    lblfoutje->setCaption(QString());
    cmdnieuw->hide();
    if (doneCount == tasksPerSeries)
        cmdstop->show();
    showRandomStart();
    lblfoutje->setBackColor(lightGrey);
    lblfoutje->setForeColor(colour::black);
}

void frmtabulontellen::showRandomStart()
{
    randomSource().reseed();
    startKind = drawInt(randomSource().next(), 4, 1);
    const std::array<CommandButton *, 4> starts{cmdstart, cmdstart2, cmdstart3, cmdstart4};
    starts[size_t(std::clamp(startKind, 1, 4) - 1)]->show();
}

void frmtabulontellen::cmdnieuw2_Click()
{
    greyChart();
    setPicturesVisible(picturesHiddenFor(rightCount), false);
    board.cell(markedCell)->setBackColor(colour::cellGrey);
    cmdnieuw->hide();
    // Keeps the colours of the last check: white on red after a wrong last answer.
    lblfoutje->setCaption(QStringLiteral("nog eens?"));
    doneCount = 0;
    lblaantal->setCaption(number(doneCount));
    rightCount = 0;
    lblteller->setCaption(number(rightCount));
    lblop1->setCaption(QString());
    lblcode1->setCaption(QString());
    lblop1uitkomst->setBackColor(slateGrey);
    lblop1uitkomst->setCaption(QString());
    lblbord2->setCaption(QString());
    showRandomStart();
    cmdstop->show();
    cmdnieuw2->hide();
}

void frmtabulontellen::cmdstop_Click()
{
    // Back to the board first; the other labels keep their texts until the next task.
    returnToBoard();
    board.cell(markedCell)->setBackColor(colour::cellGrey);
    lblfoutje->setCaption(QString());
    cmdnieuw->hide();
    cmdnieuw2->hide();
}

} // namespace getalveld
