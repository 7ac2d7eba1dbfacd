#pragma once

#include "exercises100/findonchart.h"

namespace getalveld {

// Find a number given in Dutch words on the hundred chart; the twin of frmtabulonzoek.
class frmtabulonzoek2 : public FindOnChart
{
    Q_OBJECT

public:
    frmtabulonzoek2();

private:
    void clearTaskTexts() override;
    void showTask() override;
    void showVerdict(int index, bool right) override;
    void clearOnStop() override;
    void clearOnLoad() override;

    Label *lblleesgetal;
};

} // namespace getalveld
