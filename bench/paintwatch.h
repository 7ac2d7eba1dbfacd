#pragma once
// Shared by the benchmarks: counts the paints of one window and its controls.
#include <QApplication>
#include <QEvent>
#include <QWidget>

class PaintWatch : public QObject
{
public:
    PaintWatch() { qApp->installEventFilter(this); }
    ~PaintWatch() override { qApp->removeEventFilter(this); }
    void watch(QWidget *window)
    {
        m_window = window;
        m_paints = 0;
    }
    int paints() const { return m_paints; }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::Paint && m_window && watched->isWidgetType()
            && static_cast<QWidget *>(watched)->window() == m_window)
            ++m_paints;
        return false;
    }

private:
    QWidget *m_window = nullptr;
    int m_paints = 0;
};
