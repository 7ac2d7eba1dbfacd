#include "board/accessible.h"

#include "board/clicks.h"
#include "board/cell.h"
#include "board/chartfocus.h"
#include "board/controls.h"
#include "board/geometry.h"
#include "board/optionbutton.h"
#include "board/textbox.h"

#include <QAccessibleWidget>
#include <QApplication>
#include <QPointer>
#include <algorithm>
#include <optional>
#include <utility>

namespace getalveld {

namespace {

// What a picture means to the pupil, said in Dutch.
QString pictureMeaning(const QString &picture)
{
    static const QHash<QString, QString> words{
        {QStringLiteral("start"), QStringLiteral("start")},   {QStringLiteral("stop"), QStringLiteral("stop")},
        {QStringLiteral("help"), QStringLiteral("hulp")},     {QStringLiteral("check"), QStringLiteral("controle")},
        {QStringLiteral("new"), QStringLiteral("nieuw")},     {QStringLiteral("logo"), QStringLiteral("logo")},
        {QStringLiteral("coatofarms"), QStringLiteral("wapen")}, {QStringLiteral("blackboard"), QStringLiteral("bord")},
    };
    const auto word = words.constFind(picture);
    if (word != words.constEnd())
        return *word;
    if (picture.startsWith(QLatin1String("veld"))) {
        const int n = picture.mid(4).toInt();
        return QStringLiteral("veld ") + QString::number(100 * n - 99) + QStringLiteral(" tot ")
               + QString::number(100 * n);
    }
    if (picture.startsWith(QLatin1String("reward")))
        return QStringLiteral("beloning");
    if (picture.startsWith(QLatin1String("person")))
        return QStringLiteral("figuur");
    return picture;
}

QString colourWord(quint32 colour)
{
    switch (colour) {
    case colour::cellGrey:
        return QStringLiteral("grijs");
    case colour::cellGreen:
    case 0x0000A800: // the green of a number placed right
        return QStringLiteral("groen, juist");
    case 0x0000FFFF: // the yellow halfway along a move
    case 0x0080FFFF: // a lit column or row of the option grid
        return QStringLiteral("geel");
    case colour::white: // the end of a move, to be found
        return QStringLiteral("wit");
    case colour::marked: // a start or a help step, not yet an answer
        return QStringLiteral("groen");
    case colour::cellRed:
        return QStringLiteral("rood, fout");
    case colour::cellOrange:
        return QStringLiteral("oranje, hulp");
    default:
        return QString();
    }
}

// A label's caption as one line: a line break is read as a pause.
QString spoken(const QString &caption)
{
    QString text = displayText(caption).simplified();
    return text;
}

// The control a screen reader takes for the focus: on a chart the cell the keyboard frame
// has told it of, elsewhere the control with the keyboard.
QObject *heardFocus()
{
    QWidget *focus = QApplication::focusWidget();
    if (auto *keys = qobject_cast<ChartFocus *>(focus))
        return keys->heard();
    return focus;
}

bool underKeyboardFrame(const QWidget *control)
{
    return qobject_cast<ChartFocus *>(QApplication::focusWidget()) && heardFocus() == control;
}

// The verdict a box or a label shows by its colour alone, as the option grid's number box
// and the task of a sum do.
QString verdictWord(quint32 colour)
{
    constexpr quint32 brightGreen = 0x0000FF00;
    if (colour == brightGreen || colour == colour::cellGreen || colour == colour::marked)
        return QStringLiteral("groen, juist");
    if (colour == colour::red)
        return QStringLiteral("rood, fout");
    return QString();
}

struct News
{
    struct Item
    {
        QPointer<QWidget> changed;
        QString words; // read in the control's place when not empty
        bool colour = false; // its colour as a verdict, not what it shows
        std::optional<QString> before; // a label's text before the handler changed it
    };
    QList<Item> items; // in the order of their first change
    bool queued = false;
};
News news;

const QString newsBoardName = QStringLiteral("readerNews");

// A screen's news board: never shown on the screen, it is a notification a screen reader
// speaks each time it is told the board shows.
class NewsAccessible : public QAccessibleWidget
{
public:
    explicit NewsAccessible(QWidget *board)
        : QAccessibleWidget(board, QAccessible::Notification)
    {
    }
    QString text(QAccessible::Text t) const override
    {
        if (t == QAccessible::Name)
            return widget()->property("news").toString();
        return QAccessibleWidget::text(t);
    }
};

// A widget the pupil can press: pressing it from a screen reader clicks it as the mouse would.
class Pressable : public QAccessibleWidget
{
public:
    Pressable(QWidget *w, QAccessible::Role role) : QAccessibleWidget(w, role) {}
    QStringList actionNames() const override { return {pressAction()}; }
    void doAction(const QString &action) override
    {
        if (action == pressAction() && widget()->isVisible())
            clickLikeMouse(widget());
    }
};

// A place on a chart that the keyboard frame walks over, a cell or an option button: named
// by its caption ("leeg" when blank), focused while the frame lies on it.
class ChartPlaceAccessible : public Pressable
{
public:
    using Pressable::Pressable;
    virtual const Look &look() const = 0;

    // Its colour is the description: a verdict on a cell, a lit column or row on the grid.
    QString text(QAccessible::Text t) const override
    {
        if (t == QAccessible::Name)
            return look().caption().isEmpty() ? QStringLiteral("leeg") : spoken(look().caption());
        if (t == QAccessible::Description)
            return colourWord(look().backColor());
        return QAccessibleWidget::text(t);
    }
    QAccessible::State state() const override
    {
        QAccessible::State s = QAccessibleWidget::state();
        s.focusable = true;
        s.focused = underKeyboardFrame(widget());
        return s;
    }
};

class CellAccessible : public ChartPlaceAccessible
{
public:
    explicit CellAccessible(Cell *cell) : ChartPlaceAccessible(cell, QAccessible::Button) {}
    const Look &look() const override { return *static_cast<Cell *>(widget()); }
};

class LabelAccessible : public QAccessibleWidget
{
public:
    explicit LabelAccessible(Label *label) : QAccessibleWidget(label, QAccessible::StaticText) {}
    Label *label() const { return static_cast<Label *>(widget()); }

    // The label that names this one: its buddy, or the label ending in a colon directly to its
    // left on the same line ("juist :" before the right-answer counter).
    Label *title() const
    {
        QWidget *parent = label()->parentWidget();
        if (!parent)
            return nullptr;
        const QRect me = label()->geometry();
        for (QObject *o : parent->children()) {
            auto *other = qobject_cast<Label *>(o);
            if (!other || other == label())
                continue;
            if (other->buddy() == label())
                return other;
            const QRect r = other->geometry();
            if (other->caption().trimmed().endsWith(u':') && qAbs(r.top() - me.top()) <= 2
                && r.right() < me.left() + 8 && r.right() > me.left() - 24)
                return other;
        }
        return nullptr;
    }

    QString text(QAccessible::Text t) const override
    {
        if (t != QAccessible::Name)
            return QAccessibleWidget::text(t);
        if (!label()->accessibleName().isEmpty())
            return label()->accessibleName();
        if (Label *named = title()) {
            QString prefix = named->caption().trimmed();
            prefix.chop(1);
            return prefix.trimmed() + QStringLiteral(": ") + spoken(label()->caption());
        }
        return spoken(label()->caption());
    }
};

class ButtonAccessible : public Pressable
{
public:
    explicit ButtonAccessible(CommandButton *button) : Pressable(button, QAccessible::Button) {}
    CommandButton *button() const { return static_cast<CommandButton *>(widget()); }

    QString text(QAccessible::Text t) const override
    {
        if (t == QAccessible::Name) {
            if (!button()->accessibleName().isEmpty())
                return button()->accessibleName();
            // The help button shows only a question mark.
            if (button()->caption().trimmed() == QLatin1String("?"))
                return QStringLiteral("hulp");
            if (!button()->caption().trimmed().isEmpty())
                return spoken(button()->caption());
            // A picture without a word of its own (a hamster on the check button) is named by
            // the button's tooltip ("CONTROLE"), as a sighted pupil learns it.
            const QString picture = button()->picture();
            if (!picture.isEmpty() && (pictureMeaning(picture) != picture || button()->toolTip().isEmpty()))
                return pictureMeaning(picture);
            return button()->toolTip().toLower();
        }
        if (t == QAccessible::Description)
            return button()->toolTip();
        return QAccessibleWidget::text(t);
    }
};

class OptionAccessible : public ChartPlaceAccessible
{
public:
    explicit OptionAccessible(OptionButton *option) : ChartPlaceAccessible(option, QAccessible::RadioButton) {}
    OptionButton *option() const { return static_cast<OptionButton *>(widget()); }
    const Look &look() const override { return *option(); }

    QAccessible::State state() const override
    {
        QAccessible::State s = ChartPlaceAccessible::state();
        s.checkable = true;
        s.checked = option()->isChecked();
        return s;
    }
};

class ImageAccessible : public Pressable
{
public:
    explicit ImageAccessible(Image *image) : Pressable(image, QAccessible::Graphic) {}
    QString text(QAccessible::Text t) const override
    {
        auto *image = static_cast<Image *>(widget());
        if (t == QAccessible::Name)
            return image->accessibleName().isEmpty() ? pictureMeaning(image->picture()) : image->accessibleName();
        if (t == QAccessible::Description)
            return image->toolTip();
        return QAccessibleWidget::text(t);
    }
    QAccessible::State state() const override
    {
        QAccessible::State s = QAccessibleWidget::state();
        s.focused = underKeyboardFrame(widget());
        return s;
    }
};

class FrameAccessible : public QAccessibleWidget
{
public:
    explicit FrameAccessible(Frame *frame) : QAccessibleWidget(frame, QAccessible::Grouping) {}
    QString text(QAccessible::Text t) const override
    {
        if (t == QAccessible::Name)
            return static_cast<Frame *>(widget())->caption();
        return QAccessibleWidget::text(t);
    }
};

// The keyboard frame of a chart is read as the chart with the cell it lies on ("tabulon, 47"),
// so a screen reader never takes it for the cell itself: the first arrow, which tells of the
// next cell, is then a change of focus it speaks. Pressed, it clicks that cell as Enter does.
class ChartFocusAccessible : public QAccessibleWidget
{
public:
    explicit ChartFocusAccessible(ChartFocus *keys) : QAccessibleWidget(keys, QAccessible::Button) {}
    ChartFocus *keys() const { return static_cast<ChartFocus *>(widget()); }
    QAccessibleInterface *cell() const
    {
        QWidget *current = keys()->shown() ? keys()->current() : nullptr;
        return current && current->isVisible() ? QAccessible::queryAccessibleInterface(current) : nullptr;
    }
    QString text(QAccessible::Text t) const override
    {
        QAccessibleInterface *on = cell();
        if (t == QAccessible::Name) {
            const QString chart = keys()->accessibleName();
            return on ? chart + QStringLiteral(", ") + on->text(t) : chart;
        }
        if (t == QAccessible::Description)
            return on ? on->text(t) : QString();
        return QAccessibleWidget::text(t);
    }
    QAccessible::State state() const override
    {
        QAccessible::State s = QAccessibleWidget::state();
        s.focused = keys()->hasFocus() && keys()->heard() == keys();
        return s;
    }
    // A point, not the cell's box: a screen reader's review of the screen, which reads what
    // has a size, reads the cell once and not the frame as a second copy of it.
    QRect rect() const override { return QRect(keys()->mapToGlobal(keys()->rect().center()), QSize(0, 0)); }
    QStringList actionNames() const override { return {pressAction()}; }
    void doAction(const QString &action) override
    {
        if (action == pressAction())
            keys()->press();
    }
};

// A screen's window: its title, or the name it is given where its title stays empty. The
// start and closing screens are dialogs, so a screen reader reads their text when they show.
class ScreenAccessible : public QAccessibleWidget
{
public:
    explicit ScreenAccessible(QWidget *screen)
        : QAccessibleWidget(screen, screen->windowFlags().testFlag(Qt::MSWindowsFixedSizeDialogHint)
                                        ? QAccessible::Dialog
                                        : QAccessible::Window)
    {
    }
    QString text(QAccessible::Text t) const override
    {
        if (t == QAccessible::Name)
            return widget()->accessibleName().isEmpty() ? widget()->windowTitle() : widget()->accessibleName();
        return QAccessibleWidget::text(t);
    }
};

// Decoration: a screen reader passes it by.
class DecorationAccessible : public QAccessibleWidget
{
public:
    explicit DecorationAccessible(QWidget *w) : QAccessibleWidget(w, QAccessible::Graphic) {}
    QAccessible::State state() const override
    {
        QAccessible::State s = QAccessibleWidget::state();
        s.invisible = true;
        return s;
    }
};

QAccessibleInterface *makeInterface(const QString &className, QObject *object)
{
    if (!object || !object->isWidgetType())
        return nullptr;
    if (className == QLatin1String("getalveld::Cell"))
        return new CellAccessible(static_cast<Cell *>(object));
    if (className == QLatin1String("getalveld::Label"))
        return new LabelAccessible(static_cast<Label *>(object));
    if (className == QLatin1String("getalveld::CommandButton"))
        return new ButtonAccessible(static_cast<CommandButton *>(object));
    if (className == QLatin1String("getalveld::OptionButton"))
        return new OptionAccessible(static_cast<OptionButton *>(object));
    if (className == QLatin1String("getalveld::Image"))
        return new ImageAccessible(static_cast<Image *>(object));
    if (className == QLatin1String("getalveld::Frame"))
        return new FrameAccessible(static_cast<Frame *>(object));
    if (className == QLatin1String("getalveld::ChartFocus"))
        return new ChartFocusAccessible(static_cast<ChartFocus *>(object));
    if (object->objectName() == newsBoardName)
        return new NewsAccessible(static_cast<QWidget *>(object));
    if (className == QLatin1String("getalveld::Screen"))
        return new ScreenAccessible(static_cast<QWidget *>(object));
    // The closing screen's progress bar only counts down to the program's end: told as a
    // percentage it would cut off the screen reader reading that screen's text.
    if (className == QLatin1String("getalveld::Shape") || className == QLatin1String("getalveld::Line")
        || className == QLatin1String("QProgressBar"))
        return new DecorationAccessible(static_cast<QWidget *>(object));
    return nullptr;
}

} // namespace

namespace {
// Whether `longer` says all that `part` says: "groen, juist" says "groen", "rood, fout" says "fout".
bool says(const QString &longer, const QString &part)
{
    const QString comma = QStringLiteral(", ");
    return longer == part || longer.startsWith(part + comma) || longer.endsWith(comma + part);
}

// Adds a part of the news unless an earlier part says it already; a part that says more than
// an earlier one takes that one's place ("groen" of the cell, then "groen, juist" of the task).
void addPart(QStringList &parts, const QString &part)
{
    if (std::any_of(parts.begin(), parts.end(), [&](const QString &said) { return says(said, part); }))
        return;
    const auto shorter = std::find_if(parts.begin(), parts.end(), [&](const QString &said) { return says(part, said); });
    if (shorter != parts.end())
        *shorter = part;
    else
        parts << part;
}

void tellNews()
{
    news.queued = false;
    const QList<News::Item> items = std::exchange(news.items, {});
    QStringList parts;
    QWidget *window = nullptr;
    for (const News::Item &item : items) {
        QWidget *w = item.changed;
        if (!w || !w->isVisible())
            continue;
        window = w->window();
        QString part;
        if (item.colour) {
            part = verdictWord(w->property("backColor").toUInt());
        } else if (!item.words.isEmpty()) {
            part = item.words;
        } else if (auto *cell = qobject_cast<Cell *>(w)) {
            part = colourWord(cell->backColor());
        } else if (auto *label = qobject_cast<Label *>(w)) {
            if (!label->caption().trimmed().isEmpty() && item.before != label->text())
                part = QAccessible::queryAccessibleInterface(label)->text(QAccessible::Name);
        }
        if (!part.trimmed().isEmpty())
            addPart(parts, part);
    }
    if (parts.isEmpty() || !window)
        return;
    auto *board = window->findChild<QWidget *>(newsBoardName, Qt::FindDirectChildrenOnly);
    if (!board) {
        board = new QWidget(window);
        board->setObjectName(newsBoardName);
        board->setGeometry(0, 0, 0, 0);
        board->hide();
    }
    board->setProperty("news", parts.join(QStringLiteral(". ")));
    announce(board, QAccessible::ObjectShow);
}

class NewsTeller : public QObject
{
public:
    using QObject::QObject;
    bool event(QEvent *event) override
    {
        if (event->type() != QEvent::User)
            return QObject::event(event);
        tellNews();
        return true;
    }
};
} // namespace

namespace {
void note(QWidget *changed, const QString &words, bool colour, std::optional<QString> before = {})
{
    if (!screenReaderListening() || !changed->window()->isVisible())
        return;
    // A cell is news only under the keyboard: its colour is the verdict on the pupil's press.
    auto *keys = qobject_cast<ChartFocus *>(QApplication::focusWidget());
    ChartFocus *pressing = ChartFocus::pressing();
    if (qobject_cast<Cell *>(changed) && !(keys && keys->shown() && keys->current() == changed)
        && !(pressing && pressing->current() == changed))
        return;
    // A box the pupil types into tells its colour when the pupil comes to it; only a box that
    // merely shows a result is news.
    if (qobject_cast<TextBox *>(changed) && changed->isEnabled())
        return;
    auto same = std::find_if(news.items.begin(), news.items.end(), [&](const News::Item &item) {
        return item.changed == changed && item.colour == colour && item.words.isEmpty() == words.isEmpty();
    });
    if (same == news.items.end())
        news.items.append({changed, words, colour, std::move(before)});
    else
        same->words = words; // what it showed before this handler stays the first change's
    if (!news.queued) {
        news.queued = true;
        // After everything the handler left to do, so that the keyboard has settled.
        static auto *teller = new NewsTeller(qApp);
        QCoreApplication::postEvent(teller, new QEvent(QEvent::User), Qt::LowEventPriority);
    }
}
} // namespace

void noteNews(QWidget *changed)
{
    note(changed, QString(), false);
}

void noteNews(QWidget *changed, const QString &words)
{
    note(changed, words, false);
}

void noteTextNews(QWidget *changed, const QString &before)
{
    note(changed, QString(), false, before);
}

void noteNewsInstead(QWidget *changed, const QString &words)
{
    QWidget *window = changed->window();
    news.items.removeIf([window](const News::Item &item) { return !item.changed || item.changed->window() == window; });
    note(changed, words, false);
}

void noteColourNews(QWidget *changed)
{
    note(changed, QString(), true);
}

void tellFocusAgain()
{
    if (QObject *focus = heardFocus())
        announce(focus, QAccessible::Focus);
}

namespace {
// Disabling a chart's frame disables its cells too, and the toolkit tells a screen
// reader of each one: a flood in which a screen reader drops what else happens (the verdict
// that came with it). The frame's own change is told; its cells' like changes are not.
bool followsItsFrame(QAccessibleEvent *event)
{
    if (event->type() != QAccessible::StateChanged
        || !static_cast<QAccessibleStateChangeEvent *>(event)->changedStates().disabled)
        return false;
    QObject *object = event->object();
    if (!object || !object->isWidgetType())
        return false;
    auto *w = static_cast<QWidget *>(object);
    // The thousand field's cells lie on a bare grid inside their frame.
    for (QWidget *up = w->parentWidget(); up && !up->isWindow(); up = up->parentWidget()) {
        if (auto *frame = qobject_cast<Frame *>(up))
            return frame->isEnabled() == w->isEnabled();
    }
    return false;
}

void passOn(QAccessibleEvent *event)
{
    if (followsItsFrame(event))
        return;
    if (const Listener client = inProcessListener())
        client(event);
    // The toolkit's own way to the platform's accessibility, as without this filter.
    QAccessible::installUpdateHandler(nullptr);
    QAccessible::updateAccessibility(event);
    QAccessible::installUpdateHandler(passOn);
}
} // namespace

void installAccessibility()
{
    static bool installed = false;
    if (installed)
        return;
    installed = true;
    QAccessible::installFactory(makeInterface);
    QAccessible::installUpdateHandler(passOn);
}

} // namespace getalveld
