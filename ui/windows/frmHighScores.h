#pragma once
// The two high-score tables, three-column game above, one-column game
// below. The rules write its labels (through WindowBoard) whether it is
// showing or not; the window itself only clears the highlights on done and
// asks before a reset.

#include <array>
#include <string_view>

#include "Logic.h"
#include "Windows.h"

class QLabel;

namespace rp {

class ImageButton;

class frmHighScores : public Window {
    Q_OBJECT
public:
    static constexpr const char* Name = "frmHighScores";
    frmHighScores(Windows& windows, mdlLogic& logic);

    void imgOKButton_MouseUp();
    void imgReset_MouseUp();

    // One place of a table ('A' or 'B', place 1..6), highlighted or in the
    // normal look.
    void showEntry(char table, int place, std::string_view name, std::string_view score,
                   bool highlighted);

    // Arrays 1-based ([0] unused).
    std::array<QLabel*, 7> lblNameA{}, lblScoreA{}, lblNameB{}, lblScoreB{};
    ImageButton* imgOKButton;
    ImageButton* imgReset;

protected:
    void Form_Load() override;
    void closeRequested() override;
    void keyPressEvent(QKeyEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    mdlLogic& logic_;
};

}  // namespace rp
