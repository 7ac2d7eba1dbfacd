#pragma once

#include <QTimer>
#include <QWidget>
#include <vector>

namespace getalveld {

// A status bar with panels of fixed widths. Text panels show their text; date and time
// panels show the computer's current date and time, kept current by the bar itself. Every
// panel also has a tag: a second text that is never shown.
class StatusBar : public QWidget
{
    Q_OBJECT

public:
    enum class Kind { Text, Date, Time };
    struct Panel
    {
        int widthTwips;
        Kind kind;
        QString text;
        QString tag;
    };

    StatusBar(QWidget *parent, const QString &name, const QRect &geometry, std::vector<Panel> panels);

    Panel &panel(int index) { return m_panels.at(size_t(index - 1)); } // panels count from 1
    const Panel &panel(int index) const { return m_panels.at(size_t(index - 1)); }
    void setPanelText(int index, const QString &text);
    QString shownText(int index) const; // what the panel shows now, date and time included

    // The bounds of a part (parts count from 0) in pixels relative to the bar: left and
    // top inclusive, right and bottom exclusive.
    struct Bounds
    {
        int left, top, right, bottom;
    };
    Bounds partBounds(int part) const;

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    std::vector<Panel> m_panels;
    QTimer m_clock;
};

// Gives a child window a new parent window, keeping its geometry in the new parent's terms.
void setParentWindow(QWidget *child, QWidget *newParent);

} // namespace getalveld
