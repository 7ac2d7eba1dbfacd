#include "board/screen.h"
#include "board/screenscaling.h"

#include <QGuiApplication>
#include <QKeyEvent>
#include <QScreen>
#include <QWindow>
#include <cmath>

// A screen's scale: its controls, fonts and pictures at the program's scale, following the
// window's size, and F11's filling of the display.

namespace getalveld {

namespace {

int scaled(int pixels, qreal scale)
{
    return int(std::lround(pixels * scale));
}

// Corners are scaled, not sizes, so neighbouring controls still meet exactly.
QRect scaledRect(const QRect &r, qreal scale)
{
    const int l = scaled(r.left(), scale), t = scaled(r.top(), scale);
    return QRect(l, t, scaled(r.left() + r.width(), scale) - l, scaled(r.top() + r.height(), scale) - t);
}

QFont scaledFont(const QFont &designed, qreal scale)
{
    if (scale == 1.0)
        return designed;
    QFont font = designed;
    if (designed.pointSizeF() > 0)
        font.setPointSizeF(designed.pointSizeF() * scale);
    else if (designed.pixelSize() > 0)
        font.setPixelSize(qMax(1, scaled(designed.pixelSize(), scale)));
    return font;
}

} // namespace

Screen::ProgramScale &Screen::programScaling()
{
    static ProgramScale state;
    return state;
}

qreal Screen::programScale()
{
    return programScaling().scale;
}

void Screen::resetProgramScale()
{
    programScaling() = ProgramScale();
}

bool Screen::fillsDisplay()
{
    return programScaling().filling;
}

bool Screen::fullScreenRefused()
{
    return programScaling().fullScreenRefused;
}

void Screen::setFullScreenRefused(bool refused)
{
    programScaling().fullScreenRefused = refused;
}

// The largest scale at which the screen's client area fits the display (the whole display
// when it fills it, otherwise the work area).
qreal Screen::fittingScale(bool wholeDisplay) const
{
    QScreen *display = screen() ? screen() : QGuiApplication::primaryScreen();
    if (!display || m_designed.isEmpty())
        return 1.0;
    const QRect room = wholeDisplay ? display->geometry() : display->availableGeometry();
    return qMin(room.width() / qreal(m_designed.width()), room.height() / qreal(m_designed.height()));
}

void Screen::placeControl(QWidget *control, const QRect &designed)
{
    auto *screen = qobject_cast<Screen *>(control->window());
    if (!screen || !screen->m_scaling) {
        control->setGeometry(designed);
        return;
    }
    auto &record = screen->m_scaling->controls[control];
    record.geometry = designed;
    QRect r = scaledRect(designed, screen->m_scale);
    if (control->parentWidget() == screen)
        r.translate(screen->m_offset);
    control->setGeometry(r);
}

void Screen::placeControlAsShown(QWidget *control, const QRect &shown)
{
    auto *screen = qobject_cast<Screen *>(control->window());
    if (!screen || !screen->m_scaling) {
        control->setGeometry(shown);
        return;
    }
    const qreal s = screen->m_scale;
    const QRect moved = control->parentWidget() == screen ? shown.translated(-screen->m_offset) : shown;
    screen->m_scaling->controls[control].geometry = scaledRect(moved, 1.0 / s);
    control->setGeometry(shown);
}

void Screen::setControlFont(QWidget *control, const QFont &designed)
{
    auto *screen = qobject_cast<Screen *>(control->window());
    if (!screen || !screen->m_scaling) {
        if (control->font() != designed || !control->testAttribute(Qt::WA_SetFont))
            control->setFont(designed);
        return;
    }
    auto &record = screen->m_scaling->controls[control];
    if (record.ownFont && record.font == designed)
        return;
    record.font = designed;
    record.ownFont = true;
    if (record.geometry.isNull())
        record.geometry = scaledRect(control->geometry(), 1.0 / screen->m_scale);
    control->setFont(scaledFont(designed, screen->m_scale));
}

void Screen::applyScale(qreal scale, bool resizeWindow)
{
    if (!m_scaling) {
        if (scale == 1.0 && m_offset.isNull()) {
            if (resizeWindow && size() != m_designed)
                resize(m_designed);
            return;
        }
        // The first time away from scale 1: every control is still where it was designed.
        m_scaling = std::make_unique<Scaling>();
        m_scaling->screenFont = font();
        for (QWidget *w : findChildren<QWidget *>()) {
            if (w->isWindow() || isOverlay(w))
                continue;
            m_scaling->controls.insert(w, {w->geometry(), w->font(), w->testAttribute(Qt::WA_SetFont)});
        }
    }
    m_scale = scale;
    if (resizeWindow) {
        m_offset = QPoint();
        setClientSize(QSize(scaled(m_designed.width(), scale), scaled(m_designed.height(), scale)));
    }
    layOut();
}

// The window's size, as the program sets it: the layout does not follow it.
void Screen::setClientSize(const QSize &client)
{
    m_layingOut = true;
    if (m_border == Border::FixedDialog)
        setFixedSize(client);
    else
        resize(client);
    m_layingOut = false;
}

void Screen::layOut()
{
    const qreal s = m_scale;
    setFont(scaledFont(m_scaling->screenFont, s));
    for (QWidget *w : findChildren<QWidget *>()) {
        if (w->isWindow() || isOverlay(w))
            continue;
        auto found = m_scaling->controls.find(w);
        if (found == m_scaling->controls.end()) {
            // Made after the screen was first scaled: made where it was designed.
            found = m_scaling->controls.insert(w, {w->geometry(), w->font(), w->testAttribute(Qt::WA_SetFont)});
        }
        QRect r = scaledRect(found->geometry, s);
        if (w->parentWidget() == this)
            r.translate(m_offset);
        if (w->geometry() != r)
            w->setGeometry(r);
        if (found->ownFont) {
            const QFont f = scaledFont(found->font, s);
            if (w->font() != f)
                w->setFont(f);
        }
        w->update();
    }
    for (QWidget *keys : overlaysOn(this))
        dynamic_cast<Overlay *>(keys)->follow();
}

void Screen::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    // Handed another size than the one held: the layout stays, the size is asked again.
    if (!m_layingOut && !isFullScreen() && size() != m_heldSize && holdAgain())
        return;
    if (m_recentre && !isFullScreen() && size() == m_designed * m_scale) {
        m_recentre = false;
        centre();
    }
    if (m_layingOut || m_designed.isEmpty())
        return;
    // The pupil or the window manager resized the screen: its content follows, keeping its
    // proportions and centred in the window.
    const QSize now = size();
    const qreal s = qMin(now.width() / qreal(m_designed.width()), now.height() / qreal(m_designed.height()));
    if (s == m_scale && !m_scaling && now == m_designed)
        return;
    const QPoint offset((now.width() - scaled(m_designed.width(), s)) / 2,
                        (now.height() - scaled(m_designed.height(), s)) / 2);
    if (s == m_scale && offset == m_offset)
        return;
    m_offset = offset;
    applyScale(s, false);
    if (isVisible())
        programScaling().scale = s;
}

void Screen::keyPressEvent(QKeyEvent *event)
{
    if (event->key() == Qt::Key_F11 && !event->isAutoRepeat()) {
        toggleFillDisplay();
        event->accept();
        return;
    }
    QWidget::keyPressEvent(event);
}

void Screen::toggleFillDisplay()
{
    ProgramScale &program = programScaling();
    if (!program.filling) {
        program.beforeFilling = program.scale;
        program.filling = true;
        fill();
    } else {
        program.filling = false;
        program.scale = program.beforeFilling;
        leaveFill();
    }
}

// The window manager's full screen where it allows it; a window over the work area where
// it does not. A refusal is learned from a shown screen and holds for every later one: a
// window manager may honour full screen asked before a window is mapped and then refuse
// to end it.
void Screen::fill()
{
    m_holding = false;
    ProgramScale &program = programScaling();
    if (!program.fullScreenRefused && windowManagerRefusesFullScreen())
        program.fullScreenRefused = true;
    if (program.fullScreenRefused) {
        fillWorkArea();
    } else {
        m_fill = Fill::FullScreen;
        showFullScreen();
    }
}

void Screen::fillWorkArea()
{
    QScreen *display = screen() ? screen() : QGuiApplication::primaryScreen();
    if (!display)
        return;
    if (isFullScreen())
        setWindowState(windowState() & ~Qt::WindowFullScreen);
    if (m_fill != Fill::WorkArea)
        m_refills = 0;
    m_fill = Fill::WorkArea;
    m_filledWith = outerMargins();
    // The client's place, not the frame's: just after a change of state the frame Qt knows
    // may not be the one the window manager draws.
    const QRect client = display->availableGeometry().marginsRemoved(m_filledWith);
    if (m_border == Border::FixedDialog)
        setFixedSize(client.size());
    setGeometry(client);
}

void Screen::leaveFill()
{
    const Fill was = m_fill;
    m_fill = Fill::None;
    if (was == Fill::FullScreen || isFullScreen()) {
        m_recentre = true;
        showNormal();
    } else if (windowState() & Qt::WindowMaximized) {
        setWindowState(windowState() & ~Qt::WindowMaximized);
    }
    applyScale(qMin(programScaling().scale, fittingScale(false)), true);
    centre();
    holdSizeAndPlace();
    update();
}

} // namespace getalveld
