#pragma once

#include "exercises100/findonchart.h"

namespace getalveld {

// The number's four neighbours as sums, lined up by ten-character pieces:
// "47 - 1  =   46", "47 + 1  =   48", "47 - 10  =  37", "47 + 10  =  57".
QString neighbourSums(int number);

// Find a number given in digits on the hundred chart.
class frmtabulonzoek : public FindOnChart
{
    Q_OBJECT

public:
    frmtabulonzoek();

private:
    void clearTaskTexts() override;
    void showTask() override;
    void showVerdict(int index, bool right) override;
    void clearOnStop() override;
    void clearOnLoad() override;

    Label *lbljuist3;
};

} // namespace getalveld
