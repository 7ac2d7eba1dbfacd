#include "app/program.h"

#include "app/frminfo.h"
#include "app/frmkiesbasis.h"
#include "app/frmmecenaat1.h"
#include "app/mdiform2.h"
#include "app/processend.h"
#include "board/accessible.h"
#include "board/controls.h"
#include "board/geometry.h"
#include "board/pictures.h"
#include "board/forms.h"
#include "board/screen.h"
#include "exercises100/frmtabulon.h"
#include "exercises100/frmtabulontel.h"
#include "exercises100/frmtabulonrijen.h"
#include "exercises100/frmtabulonplaats.h"
#include "exercises100/chartsum.h"
#include "exercises100/frmtabulontellen.h"
#include "exercises100/findonchart.h"
#include "exercises1000/findonthousand.h"
#include "exercises1000/thousandsum.h"
#include "exercises100/frmtabulonzoek3.h"

#include <QApplication>
#include <QFileInfo>
#include <QIconEngine>
#include <QPainter>
#include <QPointer>
#include <QProxyStyle>
#include <QStyleOption>
#include <cstdio>
#include <cstdlib>

namespace getalveld {

namespace {

std::function<void()> &processEnd()
{
    static std::function<void()> end;
    return end;
}

// How each screen is made; a screen is created the first time it is shown.
void registerScreens(Forms &f)
{
    f.registerScreen(QStringLiteral("frmmecenaat1"), [] { return new frmmecenaat1; });
    f.registerScreen(QStringLiteral("frmkiesbasis"), [] { return new frmkiesbasis; });
    f.registerScreen(QStringLiteral("frminfo"), [] { return new frminfo; });
    f.registerScreen(QStringLiteral("frmtabulonzoek"), [] { return new FindOnChart(findDigitsVariant()); });
    f.registerScreen(QStringLiteral("frmtabulonzoek2"), [] { return new FindOnChart(findWordsVariant()); });
    f.registerScreen(QStringLiteral("frmtabulonzoek3"), [] { return new frmtabulonzoek3; });
    f.registerScreen(QStringLiteral("frmtabulontel"), [] { return new frmtabulontel; });
    f.registerScreen(QStringLiteral("frmtabulonplus"), [] { return new ChartSumScreen(plusVariant()); });
    f.registerScreen(QStringLiteral("frmtabulonmin"), [] { return new ChartSumScreen(minVariant()); });
    f.registerScreen(QStringLiteral("frmduizendveld"), [] { return new FindOnThousand(thousandDigitsVariant()); });
    f.registerScreen(QStringLiteral("frmduizendveld2"), [] { return new FindOnThousand(thousandWordsVariant()); });
    f.registerScreen(QStringLiteral("frmduizendveldplus"), [] { return new ThousandSumScreen(thousandPlusVariant()); });
    f.registerScreen(QStringLiteral("frmduizendveldmin"), [] { return new ThousandSumScreen(thousandMinVariant()); });
    f.registerScreen(QStringLiteral("frmtabulon"), [] { return new frmtabulon; });
    f.registerScreen(QStringLiteral("Frmtabulonrijen"), [] { return new Frmtabulonrijen; });
    f.registerScreen(QStringLiteral("frmtabulonplaats"), [] { return new frmtabulonplaats; });
    f.registerScreen(QStringLiteral("frmtabulontellen"), [] { return new frmtabulontellen; });
}

// Qt asks the desktop's session bus whether a screen reader runs. Where there is no session
// bus, the bus library would start a bus daemon of its own (dbus-launch): a program outside
// this one, left running after it. Then the program asks for no bus at all.
void askForNoPrivateBus()
{
    if (qEnvironmentVariableIsSet("DBUS_SESSION_BUS_ADDRESS"))
        return;
    // The user's bus in the runtime folder is found there by the bus library itself.
    const QString runtime = qEnvironmentVariable("XDG_RUNTIME_DIR");
    if (!runtime.isEmpty() && QFileInfo::exists(runtime + QStringLiteral("/bus")))
        return;
    qputenv("DBUS_SESSION_BUS_ADDRESS", "disabled:");
}

// An icon made only when it is first drawn or measured.
class LaterIconEngine : public QIconEngine
{
public:
    explicit LaterIconEngine(std::function<QIcon()> make) : m_make(std::move(make)) {}

    void paint(QPainter *painter, const QRect &rect, QIcon::Mode mode, QIcon::State state) override
    {
        icon().paint(painter, rect, Qt::AlignCenter, mode, state);
    }
    QPixmap pixmap(const QSize &size, QIcon::Mode mode, QIcon::State state) override
    {
        return icon().pixmap(size, mode, state);
    }
    QPixmap scaledPixmap(const QSize &size, QIcon::Mode mode, QIcon::State state, qreal scale) override
    {
        return icon().pixmap(size, scale, mode, state);
    }
    QSize actualSize(const QSize &size, QIcon::Mode mode, QIcon::State state) override
    {
        return icon().actualSize(size, mode, state);
    }
    QList<QSize> availableSizes(QIcon::Mode mode, QIcon::State state) override
    {
        return icon().availableSizes(mode, state);
    }
    QIconEngine *clone() const override { return new LaterIconEngine(m_make); }
    QString key() const override { return QStringLiteral("getalveld-later"); }

private:
    const QIcon &icon()
    {
        if (!m_made) {
            m_made = true;
            m_icon = m_make();
        }
        return m_icon;
    }

    std::function<QIcon()> m_make;
    QIcon m_icon;
    bool m_made = false;
};

// The toolkit's own style, except that the menu bar's overflow button (shown only when the
// menus do not fit) gets its arrow when it is first shown: reading that picture at start would
// load every image format the system has, to ask each whether it reads PNG.
class LaterIconsStyle : public QProxyStyle
{
public:
    using QProxyStyle::QProxyStyle;

    QIcon standardIcon(StandardPixmap icon, const QStyleOption *option, const QWidget *widget) const override
    {
        if (icon != SP_ToolBarHorizontalExtensionButton && icon != SP_ToolBarVerticalExtensionButton)
            return QProxyStyle::standardIcon(icon, option, widget);
        const Qt::LayoutDirection direction = option ? option->direction : QGuiApplication::layoutDirection();
        QPointer<QStyle> base = baseStyle();
        return QIcon(new LaterIconEngine([base, icon, direction] {
            if (!base)
                return QIcon();
            QStyleOption option;
            option.direction = direction;
            return base->standardIcon(icon, &option);
        }));
    }
};

void useLaterIconsStyle()
{
    if (!dynamic_cast<LaterIconsStyle *>(QApplication::style()))
        QApplication::setStyle(new LaterIconsStyle(QApplication::style()));
}

} // namespace

QWidget *startProgram()
{
    // What needs no font comes first, while the font configuration may still be read.
    askForNoPrivateBus();
    installClickGuard();
    installAccessibility();
    useLaterIconsStyle();
    QApplication::setWindowIcon(pictureIcon(QStringLiteral("logo")));
    // Desktops (Wayland above all) find the menu entry and its icon for the windows by this name.
    QGuiApplication::setDesktopFileName(QStringLiteral("getalveld"));

    // A second start in the same process begins afresh.
    Forms &f = forms();
    QWidget *old = f.mainFrame();
    f.clear();
    delete old;
    Screen::resetProgramScale();
    registerScreens(f);

    loadBundledFonts();
    // Controls without a font of their own (menu, status bar, frame captions) use it too.
    QApplication::setFont(screenFont(font::sansSerif, 8.25));
    auto *frame = new MDIForm2;
    f.setMainFrame(frame);
    frame->showMaximized();
    frame->MDIForm_Load();
    return frame;
}

void setProcessEnd(std::function<void()> end)
{
    processEnd() = std::move(end);
}

void endProcess()
{
    if (processEnd()) {
        processEnd()();
        return;
    }
    std::fflush(nullptr);
    std::_Exit(0);
}

} // namespace getalveld
