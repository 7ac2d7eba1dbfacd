#include "exercises1000/thousandfield.h"

#include "board/accessible.h"
#include "board/screen.h"

namespace getalveld {

namespace {
constexpr quint32 frameBack = 0x00959595;

// A cell of the thousand field. It reports its click to the field by a direct call: a signal
// connection for each of the 1001 cells would cost more memory than the cell itself takes
// for its caption and colours. It still emits clicked(), as every cell does.
class FieldCell final : public Cell
{
public:
    FieldCell(QWidget *parent, const QString &name, const QRect &geometry, ThousandField *field, int index)
        : Cell(parent, name, geometry), m_field(field), m_index(index)
    {
    }

protected:
    void mouseClicked() override
    {
        Cell::mouseClicked();
        m_field->reportClick(m_index);
    }

private:
    ThousandField *m_field;
    int m_index;
};

QString frameName(int n)
{
    return n == 1 ? QStringLiteral("frame100") : QStringLiteral("Frame%1").arg(100 * n);
}

QString pictureName(int n)
{
    // The tenth picture is spelt without g.
    return n == 10 ? QStringLiteral("imveld10") : QStringLiteral("imgveld%1").arg(n);
}

QString memoName(int n)
{
    return n == 1 ? QStringLiteral("lblmemo2") : QStringLiteral("Label%1").arg(n - 1);
}
} // namespace

ThousandField::ThousandField(QWidget *screen, const ThousandFieldLayout &layout) : QObject(screen)
{
    // Created back to front: the band, the squares, the pictures on them.
    if (layout.withBand)
        Shape1 = new Shape(screen, QStringLiteral("Shape1"), twipsRect(0, 0, 12015, 1215), 0x00FFC0C0);
    // Each square is framed in its design colour, so only its fill marks a hundred and no
    // dark line runs between the pictures.
    for (int n = 1; n <= hundreds; ++n) {
        ShpHkies[size_t(n)] = new Shape(screen, arrayName(QStringLiteral("ShpHkies"), n),
                                        twipsRect(1200 * (n - 1), 0, 1215, 1215), highlightNormal);
        ShpHkies[size_t(n)]->setBorderColor(highlightNormal);
    }
    for (int n = 1; n <= hundreds; ++n) {
        Image *image = new Image(screen, pictureName(n), twipsRect(120 + 1200 * (n - 1), 120, 900, 900),
                                 QStringLiteral("veld%1").arg(n));
        connect(image, &Image::clicked, this, [this, n] { emit pictureClicked(n); });
        pictures[size_t(n)] = image;
    }

    const QFont frameFont = screenFont(font::sansSerif, 8.25);
    const QFont memoFont = screenFont(font::arial, 15.75);
    const QFont design = screenFont(font::arial, 14.25);
    for (int n = 1; n <= hundreds; ++n) {
        // Built hidden: the screens show one frame at a time, so the cells of the other nine
        // are never laid out or painted.
        Frame *frame = new Frame(screen, frameName(n), twipsRect(layout.frameLeft, 1320, 5415, 5655));
        frame->hide();
        frame->setCaption(QStringLiteral("tabulon"));
        frame->setBackColor(frameBack);
        frame->setForeColor(colour::white);
        frame->setFont(frameFont);
        frames[size_t(n)] = frame;

        Label *memo = new Label(frame, memoName(n), twipsRect(240, 240, 4095, 375));
        memo->setBackColor(frameBack);
        memo->setForeColor(colour::white);
        memo->setFont(memoFont);
        memo->setCaption(QStringLiteral("klik op de juiste plaats"));
        memoLabels[size_t(n)] = memo;

        // The cells take their font from a bare widget under them: one font for a hundred
        // cells, changed in one step when the hundred is opened.
        QWidget *grid = new QWidget(frame);
        grid->setObjectName(QStringLiteral("grid%1").arg(n));
        grid->setGeometry(twipsRect(240, 720, 9 * 480 + 555, 9 * 480 + 495));
        grid->setFont(design);
        grids[size_t(n)] = grid;
        for (int p = 1; p <= 100; ++p) {
            const int i = 100 * (n - 1) + p;
            const QRect r = cellTwips(i).translated(-240, -720);
            Cell *cell = new FieldCell(grid, arrayName(QStringLiteral("lbltabulon"), i),
                                       twipsRect(r.x(), r.y(), r.width(), r.height()), this, i);
            cell->setBackColor(colour::cellGrey);
            cell->setForeColor(colour::white);
            // Before its hundred is opened every frame carries the numbers of the first hundred.
            if (p <= 10 || p % 10 == 0)
                cell->setCaption(QString::number(p));
            lbltabulon[size_t(i)] = cell;
        }
    }

    Cell *spare = new FieldCell(screen, arrayName(QStringLiteral("lbltabulon"), 0),
                           twipsRect(layout.spare.x(), layout.spare.y(), 555, 495), this, 0);
    spare->setBackColor(colour::cellGrey);
    spare->setForeColor(colour::white);
    spare->setFont(design);
    spare->setCaption(QStringLiteral("0"));
    spare->hide();
    lbltabulon[0] = spare;

    // The keyboard starts on the first picture: a hundred is opened before its cells are used.
    std::vector<QWidget *> order(pictures.begin() + 1, pictures.end());
    order.insert(order.end(), lbltabulon.begin(), lbltabulon.end());
    keys = new ChartFocus(screen, std::move(order));
    keys->setAccessibleName(QStringLiteral("duizendveld"));
}

QRect ThousandField::cellTwips(int index)
{
    const int place = (index - 1) % 100;
    return QRect(240 + 480 * (place % 10), 720 + 480 * (place / 10), 555, 495);
}

void ThousandField::openHundred(int n)
{
    hideHundredFrames();
    frames[size_t(n)]->show();
    const QFont numbered = screenFont(font::arial, 12, true);
    Screen::setControlFont(grids[size_t(n)], numbered);
    // The first hundred's loop starts at 0 and so renames the hidden spare cell as well.
    if (n == 1) {
        lbltabulon[0]->setCaption(QStringLiteral("0"));
        Screen::setControlFont(lbltabulon[0], numbered);
    }
    for (int i = 100 * (n - 1) + 1; i <= 100 * n; ++i)
        lbltabulon[size_t(i)]->setCaption(QString::number(i));
    // A pupil who cannot see the hundred open hears which one it is.
    noteNews(frames[size_t(n)], QStringLiteral("tabulon %1 tot %2").arg(100 * n - 99).arg(100 * n));
}

void ThousandField::markHundred(int n)
{
    ShpHkies[size_t(n)]->setBackColor(colour::marked);
    // The marked square behind the picture shows where to look: said with the picture's name.
    if (!screenReaderListening())
        return;
    if (QAccessibleInterface *picture = QAccessible::queryAccessibleInterface(pictures[size_t(n)]))
        noteNews(pictures[size_t(n)], picture->text(QAccessible::Name) + QStringLiteral(" is groen"));
}

void ThousandField::hideHundredFrames()
{
    for (int n = 1; n <= hundreds; ++n)
        frames[size_t(n)]->hide();
}

int ThousandField::openedHundred() const
{
    for (int n = 1; n <= hundreds; ++n)
        if (!frames[size_t(n)]->isHidden())
            return n;
    return 0;
}

void ThousandField::setFramesEnabled(bool enabled)
{
    for (int n = 1; n <= hundreds; ++n)
        frames[size_t(n)]->setEnabled(enabled);
}

void ThousandField::resetHighlights()
{
    for (int n = 1; n <= hundreds; ++n)
        ShpHkies[size_t(n)]->setBackColor(highlightNormal);
}

void ThousandField::greyCells()
{
    for (Cell *cell : lbltabulon)
        cell->setBackColor(colour::cellGrey);
}

void ThousandField::clearCaptions()
{
    for (Cell *cell : lbltabulon)
        cell->setCaption(QString());
}

} // namespace getalveld
