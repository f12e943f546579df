#pragma once
// The game's help: readme.txt from beside the program, shown in a window of
// the game's own, with headings, scrolled by mouse or keyboard, read by
// screen readers. Done or Escape closes it; the game is not held up.

#include "Windows.h"

class QTextBrowser;

namespace rp {

class ImageButton;

class frmHelp : public Window {
    Q_OBJECT
public:
    static constexpr const char* Name = "frmHelp";
    explicit frmHelp(Windows& windows);

    // The file shown; read again at every showing, so an edit shows too.
    QString helpFile;
    // The help as marked-up text: underlined lines are headings.
    static QString toHtml(const QString& plain);

    void imgDoneButton_MouseUp();

    QTextBrowser* txtHelp;
    ImageButton* imgDoneButton;

protected:
    void Form_Load() override;
    void closeRequested() override;
    void keyPressEvent(QKeyEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void retranslate() override;

private:
    void loadText();
};

}  // namespace rp
