// The settings load as the start-up runs it: on the main window's two menu switches.
#include "app/Settings.h"
#include "ui/MainWindow.h"

namespace {

class MainWindowSwitches : public SettingsSwitches {
public:
    explicit MainWindowSwitches(MainWindow& window) : window_(window) {}
    void SetTopMostChecked(bool checked) override { window_.SetTopMostChecked(checked); }
    void SetTopMost() override { window_.SetTopMost(); }
    void SetNoSoundChecked(bool checked) override { window_.SetNoSoundChecked(checked); }
    void SetNoSound() override { window_.SetNoSound(); }

private:
    MainWindow& window_;
};

}  // namespace

void LoadSettings(MainWindow& window) {
    MainWindowSwitches switches(window);
    LoadSettings(switches);
}
