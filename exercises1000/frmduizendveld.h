#pragma once

#include "exercises1000/findonthousand.h"

namespace getalveld {

// Find a number given in digits on the thousand field, 1 to 900.
class frmduizendveld : public FindOnThousand
{
    Q_OBJECT

public:
    frmduizendveld();

private:
    void clearTask() override;
    void showTask() override;
    void showVerdict(bool) override {}
    void clearOnStop() override {}
};

} // namespace getalveld
