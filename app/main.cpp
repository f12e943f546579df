// Real Pentaro. Until the table window exists this opens a placeholder that
// loads the settings, so a start already proves the store works.

#include <QApplication>
#include <QLabel>

#include "GameState.h"
#include "IniSettingsStore.h"
#include "Logic.h"
#include "RandomDice.h"

namespace {

struct NoTable : rp::TableView {
    void setBoxCaption(int, int, std::string_view) override {}
    void setBonusCaption(int, int, std::string_view) override {}
    void setCardEnabled(bool) override {}
    void setChipTotal(int, std::string_view) override {}
    void setChipPicture(int, std::string_view) override {}
    void setRollingDiePicture(int, std::string_view) override {}
    void setRollingDieEnabled(int, bool) override {}
    void setKeptDiePicture(int, std::string_view) override {}
    void setKeptDieEnabled(int, bool) override {}
    void setPlayerName(std::string_view) override {}
    void setRollCount(std::string_view) override {}
    void setNextPlayerVisible(bool) override {}
    void setTimer(rp::TableTimer, bool) override {}
    void setDieAnimator(int, int, bool) override {}
};

struct NoServices : rp::GameServices, rp::HighScoreBoard {
    void play(std::string_view) override {}
    void showMessage() override {}
    void openCelebration() override {}
    void showEntry(char, int, std::string_view, std::string_view, bool) override {}
};

}  // namespace

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    rp::GameState state;
    NoTable table;
    NoServices services;
    rp::IniSettingsStore store;
    rp::mdlLogic logic(state, table, services, services, store, rp::randomDice());
    logic.LoadSettings();

    QLabel label(QString("Real Pentaro\n\nThe table is still being built.\nSettings: %1")
                     .arg(store.path()));
    label.setAlignment(Qt::AlignCenter);
    label.setWindowTitle("Real Pentaro");
    label.resize(531, 503);
    label.show();
    return QApplication::exec();
}
