#include "app/mdiform2.h"

#include "app/processend.h"
#include "board/geometry.h"
#include "board/pictures.h"
#include "board/forms.h"
#include "board/screen.h"

#include <QCloseEvent>
#include <QMdiArea>
#include <QMenuBar>

namespace getalveld {

MDIForm2::MDIForm2()
{
    setObjectName(QStringLiteral("MDIForm2"));
    setWindowTitle(QStringLiteral(" Alle kinderen moeten alle kansen krijgen."));
    setWindowIcon(pictureIcon(QStringLiteral("logo")));
    resize(px(9930), px(6825));

    m_client = new QMdiArea(this);
    m_client->setObjectName(QStringLiteral("MDIClient"));
    m_client->setBackground(bgr(backColor()));
    setCentralWidget(m_client);

    aftrek = menuBar()->addMenu(QStringLiteral("OPENEN "));
    aftrek->setObjectName(QStringLiteral("aftrek"));
    aftrek2 = aftrek->addAction(QStringLiteral("&Basis"));
    aftrek2->setObjectName(QStringLiteral("aftrek2"));
    connect(aftrek2, &QAction::triggered, this, &MDIForm2::aftrek2_Click);
}

void MDIForm2::MDIForm_Load()
{
    forms().show(QStringLiteral("frmmecenaat1"));
    // The closing screen is certainly not loaded at start.
    forms().unload(QStringLiteral("frminfo"));
}

void MDIForm2::aftrek2_Click()
{
    // The closing screen cannot be left: while it runs down, the menu does nothing.
    if (Screen *info = forms().loaded(QStringLiteral("frminfo")); info && info->isVisible())
        return;
    openChoiceBoard();
}

bool MDIForm2::event(QEvent *event)
{
    if (event->type() == QEvent::WindowActivate)
        forms().windowActivated(this);
    return QMainWindow::event(event);
}

void MDIForm2::closeEvent(QCloseEvent *event)
{
    // Closing the main frame ends the program, as the board's end button would.
    event->accept();
    endProcess();
}

void openChoiceBoard()
{
    forms().hide(QStringLiteral("frmmecenaat1"));
    forms().show(QStringLiteral("frmkiesbasis"));
    forms().setMainFrameEnabled(true);
}

} // namespace getalveld
