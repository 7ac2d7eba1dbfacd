#pragma once

#include "board/controls.h"
#include "board/screen.h"

#include <array>
#include <vector>

namespace getalveld {

// The blackboard texts of the choice board, by the control the pointer moves over;
// empty for the controls that have none.
QString boardText(const QString &control);

// The choice board: the program's home screen with a button for every exercise.
class frmkiesbasis : public Screen
{
    Q_OBJECT

public:
    frmkiesbasis();
    void Form_Load() override;
    void Form_Activate() override { centre(); }

    // One exercise button: its name, place, picture, the screen it opens, its tab position.
    struct ExerciseButton
    {
        const char *name;
        int left, top;
        const char *picture;
        const char *screen;
        int tabIndex;
    };
    static const std::vector<ExerciseButton> &exerciseButtons();

private:
    void exercise_Click(const QString &screen, bool disablesMainFrame);
    void cmdeinde_Click();
    void hideScreensLeftOpen(const QString &shown);
    void person_Click(int index);
    void showBoardText(const QString &control);

    Label *lbldrie, *lbl100, *Label1, *lblbord;
    Image *imgbord;
    Image *Image2;
    std::vector<CommandButton *> buttons;
    CommandButton *cmdeinde;
    // imgmeisje, imgwit, imgchinees, imgkleur, imgkleur2, imgkleur3: one shows at a time.
    std::array<Image *, 6> people{};
};

} // namespace getalveld
