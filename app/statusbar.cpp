#include "app/statusbar.h"

#include "board/geometry.h"

#include <QDateTime>
#include <QLocale>
#include <QPainter>

namespace getalveld {

StatusBar::StatusBar(QWidget *parent, const QString &name, const QRect &geometry, std::vector<Panel> panels)
    : QWidget(parent), m_panels(std::move(panels))
{
    setObjectName(name);
    setGeometry(geometry);
    m_clock.setObjectName(name + QStringLiteral("Clock"));
    m_clock.setInterval(1000);
    connect(&m_clock, &QTimer::timeout, this, qOverload<>(&QWidget::update));
    m_clock.start();
}

void StatusBar::setPanelText(int index, const QString &text)
{
    panel(index).text = text;
    update();
}

QString StatusBar::shownText(int index) const
{
    const Panel &p = panel(index);
    const QLocale dutch(QLocale::Dutch, QLocale::Netherlands);
    switch (p.kind) {
    case Kind::Date:
        return dutch.toString(QDate::currentDate(), QLocale::ShortFormat);
    case Kind::Time:
        return dutch.toString(QTime::currentTime(), QLocale::ShortFormat);
    case Kind::Text:
        break;
    }
    return p.text;
}

StatusBar::Bounds StatusBar::partBounds(int part) const
{
    int left = 0;
    for (int i = 0; i < part && i < int(m_panels.size()); ++i)
        left += px(m_panels[size_t(i)].widthTwips);
    const int width = part < int(m_panels.size()) ? px(m_panels[size_t(part)].widthTwips) : 0;
    // The panels sit inside a thin margin of the bar, as the platform's status bars draw them.
    return {left + 2, 2, left + width, height()};
}

void StatusBar::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    p.fillRect(rect(), QColor(0xF0, 0xF0, 0xF0));
    for (int part = 0; part < int(m_panels.size()); ++part) {
        const Bounds b = partBounds(part);
        const QRect box(b.left, b.top, b.right - b.left - 2, b.bottom - b.top - 2);
        p.setPen(QColor(0xA0, 0xA0, 0xA0));
        p.drawLine(box.topLeft(), box.topRight());
        p.drawLine(box.topLeft(), box.bottomLeft());
        p.setPen(Qt::white);
        p.drawLine(box.bottomLeft(), box.bottomRight());
        p.drawLine(box.topRight(), box.bottomRight());
        p.setPen(Qt::black);
        p.drawText(box.adjusted(3, 0, -2, 0), Qt::AlignVCenter | Qt::AlignLeft, shownText(part + 1));
    }
}

void setParentWindow(QWidget *child, QWidget *newParent)
{
    const bool visible = !child->isHidden();
    child->setParent(newParent);
    child->setVisible(visible);
}

} // namespace getalveld
