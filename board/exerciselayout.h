#pragma once

#include "board/controls.h"

namespace getalveld {

// Pieces of the exercise screens' common layout, built once for every screen that has them.

// Where a screen places its score block, and how the block looks there.
struct ScoreLayout
{
    // The rows from top to bottom; the labels are made in this order.
    enum class Rows { CorrectWrongHelp, HelpCorrectWrong };
    Rows rows;
    QPoint at;        // the first row's title, twips; the rows lie 360 twips apart
    int titleWidth;   // twips
    Align titleAlign;
    int valueLeft;    // the counters, twips
    quint32 back;
    quint32 correctFore, wrongFore, helpFore;
    QString helpName; // the help row's title
    QString helpText;
};

// The block at the top right of the hundred chart's screens.
ScoreLayout chartScoreLayout();

// The score block: three counters, each with its title.
class ScoreBlock
{
public:
    explicit ScoreBlock(QWidget *screen, const ScoreLayout &layout = chartScoreLayout());

    void addCorrect() { show(lbljuist, ++correctCount); }
    void addWrong() { show(lblfout, ++wrongCount); }
    void addHelp() { show(lblhelp, ++helpCount); }
    // All three back to 0, as when the screen loads and when the pupil stops.
    void zero();

    // The counters; their titles are made beside them and never change.
    Label *lbljuist, *lblfout, *lblhelp;
    int correctCount = 0, wrongCount = 0, helpCount = 0;

private:
    static void show(Label *label, int value) { label->setCaption(QString::number(value)); }
    bool m_helpFirst;
};

// The praise or advice at the end of a series: "dat is super" for `fullMarks` right answers
// or more, one step lower for each answer fewer, down to "vraag best even hulp ".
QString praiseFor(int rightCount, int fullMarks);

// The top band with the icon square and the small chart picture on its left end.
struct TopBand
{
    explicit TopBand(QWidget *screen);
    Shape *Shape1;
    Shape *ShpHkies1; // "ShpHkies(1)"
    Image *imgveld1;
};

// The bottom band with the maker's small logo at its right end.
struct BottomBand
{
    BottomBand(QWidget *screen, int heightTwips, quint32 colour, int logoTopTwips);
    Shape *Shape2;
    Image *Image1;
};

CommandButton *makePictureButton(QWidget *screen, const QString &name, const QRect &geometry, quint32 back,
                                 const QString &picture, const QString &toolTip);
CommandButton *makeStartButton(QWidget *screen, int leftTwips, const QString &toolTip = QStringLiteral("start"));
CommandButton *makeStopButton(QWidget *screen, int leftTwips = 960);
// A text on the left panel: the panel's colour on pale yellow, in Arial.
Label *makePanelLabel(QWidget *screen, const QString &name, const QRect &twips, qreal points);
CommandButton *makeHelpButton(QWidget *screen);
// The step help of the sum screens: a step text in the help column, and the button that lies
// on it (hidden at first) and gives way to the text once pressed.
Label *makeStepLabel(QWidget *screen, const QString &name, int leftTwips, int topTwips);
CommandButton *makeStepButton(QWidget *screen, const QString &name, int leftTwips, int topTwips);
Image *makeLogo(QWidget *screen, const QString &name, const QRect &geometry);

// The texts of the maker that several screens carry.
QString makerAddress();

} // namespace getalveld
