#pragma once

#include "exercises1000/findonthousand.h"

namespace getalveld {

// Find a number given in Dutch words on the thousand field, 101 to 1000: its hundreds in
// one label and the rest in another, with "prima" or "fout" as the verdict.
class frmduizendveld2 : public FindOnThousand
{
    Q_OBJECT

public:
    frmduizendveld2();

private:
    void clearTask() override;
    void showTask() override;
    void showVerdict(bool right) override;
    void clearOnStop() override;

    Label *lblhonderd;
    Label *lblleesgetal;
};

} // namespace getalveld
