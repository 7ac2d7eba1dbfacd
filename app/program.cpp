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

} // namespace

QWidget *startProgram()
{
    // What needs no font comes first, while the font configuration may still be read.
    askForNoPrivateBus();
    installClickGuard();
    installAccessibility();
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
