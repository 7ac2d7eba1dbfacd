#pragma once

#include "board/controls.h"

namespace getalveld {

// A chart cell: a light widget that paints its own caption, colours and single-line border.
// The hundred chart has 101 of them and the thousand field 1001, so a cell keeps no style,
// palette or text layout of its own; setting a value it already has costs nothing.
class Cell : public QWidget
{
    Q_OBJECT
    Q_PROPERTY(QString caption READ caption WRITE setCaption)
    Q_PROPERTY(quint32 backColor READ backColor WRITE setBackColor)
    Q_PROPERTY(quint32 foreColor READ foreColor WRITE setForeColor)

public:
    Cell(QWidget *parent, const QString &name, const QRect &geometry);

    QString caption() const { return m_caption; }
    void setCaption(const QString &caption);
    quint32 backColor() const { return m_back; }
    void setBackColor(quint32 colour);
    quint32 foreColor() const { return m_fore; }
    void setForeColor(quint32 colour);
    // Pointer movement without a button pressed is reported only where someone listens.
    void reportMouseMoves() { setMouseTracking(true); }

signals:
    void clicked();
    void mouseMoved(QPoint pos);

protected:
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void mouseDoubleClickEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;

private:
    QString m_caption;
    quint32 m_back = 0x00FFFFFF;
    quint32 m_fore = 0x00000000;
    ClickTracker m_click;
};

} // namespace getalveld
