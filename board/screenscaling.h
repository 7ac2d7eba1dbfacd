#pragma once

#include "board/screen.h"

#include <QFont>
#include <QHash>
#include <QRect>

namespace getalveld {

// What a screen keeps once it leaves scale 1: the designed geometry and font of each control.
struct Screen::Scaling
{
    struct Designed
    {
        QRect geometry;
        QFont font;
        bool ownFont;
    };
    QHash<QWidget *, Designed> controls;
    QFont screenFont;
};

} // namespace getalveld
