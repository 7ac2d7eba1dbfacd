#include "board/accessible.h"

#include "board/cell.h"
#include "board/chartfocus.h"
#include "board/controls.h"
#include "board/geometry.h"
#include "board/optionbutton.h"

#include <QAccessibleWidget>
#include <QApplication>

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
    case colour::marked:
        return QStringLiteral("groen, juist");
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

// A widget the pupil can press: pressing it from a screen reader clicks it as the mouse would.
// The chart's keyboard frame lying on a control is the focus a screen reader follows.
bool underKeyboardFrame(const QWidget *control)
{
    auto *keys = qobject_cast<ChartFocus *>(QApplication::focusWidget());
    return keys && keys->current() == control;
}

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

class CellAccessible : public Pressable
{
public:
    explicit CellAccessible(Cell *cell) : Pressable(cell, QAccessible::Button) {}
    Cell *cell() const { return static_cast<Cell *>(widget()); }

    QString text(QAccessible::Text t) const override
    {
        if (t == QAccessible::Name)
            return cell()->caption().isEmpty() ? QStringLiteral("leeg") : spoken(cell()->caption());
        if (t == QAccessible::Description)
            return colourWord(cell()->backColor());
        return QAccessibleWidget::text(t);
    }
    QAccessible::State state() const override
    {
        QAccessible::State s = QAccessibleWidget::state();
        s.focusable = true;
        s.focused = underKeyboardFrame(cell());
        return s;
    }
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
            if (!button()->picture().isEmpty())
                return pictureMeaning(button()->picture());
            return button()->toolTip();
        }
        if (t == QAccessible::Description)
            return button()->toolTip();
        return QAccessibleWidget::text(t);
    }
};

class OptionAccessible : public Pressable
{
public:
    explicit OptionAccessible(OptionButton *option) : Pressable(option, QAccessible::RadioButton) {}
    OptionButton *option() const { return static_cast<OptionButton *>(widget()); }

    QString text(QAccessible::Text t) const override
    {
        if (t == QAccessible::Name)
            return option()->caption().isEmpty() ? QStringLiteral("leeg") : spoken(option()->caption());
        return QAccessibleWidget::text(t);
    }
    QAccessible::State state() const override
    {
        QAccessible::State s = QAccessibleWidget::state();
        s.checkable = true;
        s.checked = option()->isChecked();
        s.focusable = true;
        s.focused = underKeyboardFrame(option());
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

// The keyboard frame of a chart is read as the cell it lies on.
class ChartFocusAccessible : public QAccessibleWidget
{
public:
    explicit ChartFocusAccessible(ChartFocus *keys) : QAccessibleWidget(keys, QAccessible::Button) {}
    QString text(QAccessible::Text t) const override
    {
        QWidget *current = static_cast<ChartFocus *>(widget())->current();
        if (QAccessibleInterface *target = current ? QAccessible::queryAccessibleInterface(current) : nullptr)
            return target->text(t);
        // Before the keyboard has chosen a cell, the frame is read as the chart it serves.
        if (t == QAccessible::Name && widget()->parentWidget())
            if (QAccessibleInterface *chart = QAccessible::queryAccessibleInterface(widget()->parentWidget()))
                return chart->text(t);
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
    if (className == QLatin1String("getalveld::Shape") || className == QLatin1String("getalveld::Line"))
        return new DecorationAccessible(static_cast<QWidget *>(object));
    return nullptr;
}

} // namespace

namespace {
Listener inProcessClient = nullptr;
}

bool screenReaderListening()
{
    return inProcessClient || QAccessible::isActive();
}

void listenInProcess(Listener listener)
{
    inProcessClient = listener;
}

void announce(QObject *control, QAccessible::Event what)
{
    if (!screenReaderListening())
        return;
    QAccessibleEvent event(control, what);
    if (inProcessClient)
        inProcessClient(&event);
    if (QAccessible::isActive())
        QAccessible::updateAccessibility(&event);
}

void installAccessibility()
{
    static bool installed = false;
    if (installed)
        return;
    installed = true;
    QAccessible::installFactory(makeInterface);
}

} // namespace getalveld
