#include "exercises100/findonchart.h"

#include "board/geometry.h"
#include "board/numberwords.h"
#include "board/random.h"

namespace getalveld {

FindTask drawFindTask()
{
    RandomSource &random = randomSource();
    FindTask task;
    task.unitsDigit = drawInt(random.next(), 9, 1);
    task.tensDigit = drawInt(random.next(), 9, 1);
    if (task.unitsDigit == 1)
        task.unitsDigit = 8;
    return task;
}

QString findHelpText(int columnCell, int rowEndCell)
{
    return QStringLiteral("kolom ") + QString::number(columnCell) + QStringLiteral("\r\n rij tot  ")
           + QString::number(rowEndCell);
}

QString neighbourSums(int number)
{
    const QString t = QString::number(number);
    return t + QStringLiteral(" - 1  =   ") + QString::number(number - 1) + QStringLiteral("\r\n") + t
           + QStringLiteral(" + 1  =   ") + QString::number(number + 1) + QStringLiteral("\r\n") + t
           + QStringLiteral(" - 10  =  ") + QString::number(number - 10) + QStringLiteral("\r\n") + t
           + QStringLiteral(" + 10  =  ") + QString::number(number + 10);
}

FindOnChartVariant findDigitsVariant()
{
    return {.given = FindGiven::Digits,
            .panelWidth = 2775,
            .zoekLeft = 720,
            .startTwips = QRect(360, 2880, 2775, 975),
            .textName = QStringLiteral("lbljuist3"),
            .textTwips = QRect(360, 4680, 2775, 1575),
            .textPoints = 14.25};
}

FindOnChartVariant findWordsVariant()
{
    return {.given = FindGiven::Words,
            .panelWidth = 3015,
            .zoekLeft = 960,
            .startTwips = QRect(360, 5040, 3015, 975),
            .textName = QStringLiteral("lblleesgetal"),
            .textTwips = QRect(360, 3240, 3015, 975),
            .textPoints = 18.75};
}

FindOnChart::FindOnChart(const FindOnChartVariant &variant)
    : Screen(QStringLiteral("Zoek op het tabulon"), screenWidthTwips, screenHeightTwips,
             colour::exerciseBack),
      m_variant(variant), top(this),
      bottom(this, 1215, 0x008A8A00, 7320), score(this), board(this, 4320, ChartInput::Open)
{
    Shape3 = new Shape(this, arrayName(QStringLiteral("Shape3"), 0), twipsRect(360, 1320, variant.panelWidth, 5655),
                       colour::panel, ShapeKind::RoundedRectangle);
    lblzoek = (new Label(this, QStringLiteral("lblzoek"), twipsRect(variant.zoekLeft, 1800, 1935, 615)))
                  ->look(colour::panel, colour::paleYellow, font::arial, 21.75);
    lblzoek->setCaption(QStringLiteral("zoek"));
    lblstart = makePanelLabel(this, QStringLiteral("lblstart"), variant.startTwips, 36);

    Shape4 = new Shape(this, QStringLiteral("Shape4"), twipsRect(9960, 1200, 1935, 5895), colour::helpPanel);
    cmdhulp = makeHelpButton(this);
    lblmemo = (new Label(this, QStringLiteral("lblmemo"), twipsRect(9960, 4200, 1935, 1575)))
                  ->look(colour::helpPanel, colour::white, font::arial, 12, true);
    lblhulp = makePanelLabel(this, QStringLiteral("lblhulp"), QRect(9960, 6480, 1935, 495), 21.75);
    lblhulp->setCaption(QStringLiteral("hulp"));

    cmdstop = makeStopButton(this);
    cmdstart = makeStartButton(this, 4440);

    connect(cmdstart, &CommandButton::clicked, this, &FindOnChart::cmdstart_Click);
    connect(cmdstop, &CommandButton::clicked, this, &FindOnChart::cmdstop_Click);
    connect(cmdhulp, &CommandButton::clicked, this, &FindOnChart::cmdhulp_Click);
    connect(&board, &HundredChart::cellClicked, this, &FindOnChart::lbltabulon_Click);

    panelText = makePanelLabel(this, variant.textName, variant.textTwips, variant.textPoints);
}

void FindOnChart::Form_Load()
{
    centre();
    score.zero();
    (givenInWords() ? panelText : lblstart)->setCaption(QString());
}

void FindOnChart::Form_Activate()
{
    centre();
}

void FindOnChart::cmdstart_Click()
{
    lblmemo->setCaption(QString());
    if (givenInWords())
        lblstart->setCaption(QString());
    panelText->setCaption(QString());
    board.setEnabled(true);
    board.reset();
    top.ShpHkies1->setBackColor(colour::marked);
    board.number();
    randomSource().reseed();
    const FindTask task = drawFindTask();
    unitsDigit = task.unitsDigit;
    tensDigit = task.tensDigit;
    targetNumber = task.targetNumber();
    if (givenInWords())
        panelText->setCaption(numberWord(targetNumber));
    else
        lblstart->setCaption(QString::number(targetNumber));
    // The words stay beside a start button that draws the next number at once.
    cmdstart->setVisible(givenInWords());
    cmdstop->hide();
    cmdhulp->show();
    lblhulp->show();
}

void FindOnChart::lbltabulon_Click(int index)
{
    const bool right = index == targetNumber;
    board.cell(index)->setBackColor(right ? colour::cellGreen : colour::cellRed);
    if (givenInWords())
        lblstart->setCaption(right ? QStringLiteral(" prima") : QStringLiteral(" fout"));
    else if (right)
        // The sums are built from the number the cell stands for, its index: after a stop
        // and a return the target cell is blank but still counts as right.
        panelText->setCaption(neighbourSums(index));
    if (right) {
        score.addCorrect();
        board.setEnabled(false);
    } else {
        score.addWrong();
    }
    if (!givenInWords())
        cmdstart->show();
    cmdstop->show();
}

void FindOnChart::cmdhulp_Click()
{
    helpColumnCell = unitsDigit;
    board.cell(helpColumnCell)->setBackColor(colour::cellOrange);
    helpRowEndCell = (tensDigit + 1) * 10;
    board.cell(helpRowEndCell)->setBackColor(colour::cellOrange);
    lblmemo->setCaption(findHelpText(helpColumnCell, helpRowEndCell));
    score.addHelp();
}

void FindOnChart::cmdstop_Click()
{
    // Back to the board first; the reset then runs while this screen is hidden.
    returnToBoard();
    board.reset();
    top.ShpHkies1->setBackColor(colour::marked);
    lblstart->setCaption(QString());
    lblmemo->setCaption(QString());
    panelText->setCaption(QString());
    cmdhulp->hide();
    lblhulp->hide();
    score.zero();
}

} // namespace getalveld
