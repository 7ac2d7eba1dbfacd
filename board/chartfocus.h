#pragma once

#include "board/scaledwindow.h"

#include <QWidget>
#include <vector>

namespace getalveld {

// The keyboard on a chart: one focusable frame that lies over the chart's cells (and over
// the thousand field's pictures). The arrow keys move it to the nearest shown cell in their
// direction, Enter or Space clicks the cell under it, and a cell that listens to the pointer
// is pointed at as the mouse would. The cells themselves stay light: they never take focus.
class ChartFocus : public QWidget, public Overlay
{
    Q_OBJECT

public:
    // The targets in their order of preference: the first shown one is where the frame
    // starts. All of them lie on the screen `screen`.
    ChartFocus(QWidget *screen, std::vector<QWidget *> targets);

    QWidget *current() const { return m_current >= 0 ? m_targets[size_t(m_current)] : nullptr; }
    // Puts the frame on a target (which must be one of the chart's).
    void setCurrent(QWidget *target);
    // Lays the frame over its target again once the screen has moved its controls.
    void follow() override;
    // Whether the pupil sees the frame: once a key worked the chart or Tab brought it there.
    bool shown() const { return m_shown; }
    // What a screen reader was last told has the focus: the frame itself when the keyboard
    // arrived, then each cell an arrow leads to.
    QWidget *heard() const { return m_heard ? m_heard : const_cast<ChartFocus *>(this); }
    // Enter, Space or a screen reader's press: clicks the cell under the frame.
    void press(bool repeated = false);
    // The frame whose press is being handled now, if any: what its cell shows then is the
    // verdict on that press, even when the handler moves the keyboard on.
    static ChartFocus *pressing();

protected:
    void paintEvent(QPaintEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void focusInEvent(QFocusEvent *event) override;
    void focusOutEvent(QFocusEvent *event) override;

private:
    bool usable(int index) const;
    int nearest(QPoint direction) const;
    QRect onScreen(int index) const;
    void moveTo(int index, bool pointAt = true);
    // Sends the cell under the frame a pointer movement, where the chart listens to one.
    void point();

    std::vector<QWidget *> m_targets;
    int m_current = -1;
    // The frame shows once the pupil uses the keyboard on the chart: Tab from a control, or a
    // key pressed in it. The keyboard can also land here because the button that had it was
    // hidden (the start button during a task); then nothing shows and Enter clicks nothing
    // until the pupil shows that the keyboard is meant.
    bool m_shown = false;
    QWidget *m_heard = nullptr;
};

} // namespace getalveld
