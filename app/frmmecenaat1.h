#pragma once

#include "board/controls.h"
#include "board/screen.h"

#include <array>

namespace getalveld {

// The start screen that greets the pupil.
class frmmecenaat1 : public Screen
{
    Q_OBJECT

public:
    frmmecenaat1();
    void Form_Load() override { centre(); }
    void Form_Activate() override { centre(); }

private:
    void cmdkombinnen_Click();

    Frame *Frame1; // "Frame1(1)"
    Shape *Shape3;
    CommandButton *cmdkombinnen;
    Label *Label11, *Label4, *lblpartner2, *Label5;
    std::array<Image *, 4> Image1{};
};

} // namespace getalveld
