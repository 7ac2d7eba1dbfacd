#pragma once

#include "app/statusbar.h"
#include "board/controls.h"
#include "board/screen.h"

#include <QProgressBar>
#include <QTimer>

namespace getalveld {

// The closing screen: the maker's credits for 151 ticks of 75 ms, then the end.
class frminfo : public Screen
{
    Q_OBJECT

public:
    frminfo();
    void Form_Load() override;
    void Form_Activate() override;

    // One tick of Timer1; tests drive it tick by tick.
    Q_INVOKABLE void Timer1_Timer();

private:
    void showProgressInStatusBar(bool show);

    Frame *Frame1;
    Label *lblmemo, *lblinstituut, *lblmening, *Lblidee, *Lblwebinfo, *lbladres1, *lblmail, *lblgeld;
    Image *imgides, *Imgzon, *Image4, *Image3;
    StatusBar *StatusBar1;
    QProgressBar *ProgressBar1;
    QTimer *Timer1;
    qint32 tickCount = 0;
};

} // namespace getalveld
