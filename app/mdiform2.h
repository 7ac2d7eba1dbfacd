#pragma once

#include <QMainWindow>

class QAction;
class QMenu;
class QMdiArea;

namespace getalveld {

// The main frame: maximised behind every screen for as long as the program runs.
class MDIForm2 : public QMainWindow
{
    Q_OBJECT
    Q_PROPERTY(QString caption READ caption)
    Q_PROPERTY(quint32 backColor READ backColor)

public:
    MDIForm2();
    QString caption() const { return windowTitle(); }
    quint32 backColor() const { return 0x008AE2EA; }

    void MDIForm_Load();
    void aftrek2_Click();

protected:
    bool event(QEvent *event) override;
    void closeEvent(QCloseEvent *event) override;

private:
    QMdiArea *m_client;
    QMenu *aftrek;
    QAction *aftrek2;
};

// The start button and the menu item "&Basis": from the start screen to the choice board.
void openChoiceBoard();

} // namespace getalveld
