#include "exercises100/frmtabulonmin.h"

#include "board/random.h"

namespace getalveld {

ChartSumTask drawMinTask()
{
    RandomSource &random = randomSource();
    ChartSumTask task;
    task.operation = Operation::Minus;
    task.startTens = drawInt(random.next(), 9, 1);
    task.otherTens = drawInt(random.next(), 4, 1);
    task.startUnits = drawInt(random.next(), 9, 1);
    task.otherUnits = drawInt(random.next(), 4, 1);
    // Nothing is drawn again: the tens jump must stay on the chart.
    if (task.startTens <= task.otherTens)
        task.startTens = 9;
    return task;
}

ChartSumVariant minVariant()
{
    return {Operation::Minus,
            QStringLiteral("frmtabulonmin"),
            QStringLiteral("Aftrekken op het tabulon"),
            QStringLiteral("min"),
            720,
            4320,
            4800,
            6480,
            7440,
            {QPoint(2280, 2280), QPoint(2160, 1440), QPoint(600, 2280), QPoint(600, 3960), QPoint(720, 6120),
             QPoint(2400, 4080), QPoint(1680, 4080), QPoint(2520, 6120), QPoint(960, 1560), QPoint(1560, 6240)}};
}

} // namespace getalveld
