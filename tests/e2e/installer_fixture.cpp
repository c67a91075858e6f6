// Starting Install.exe in a prepared tree and working its main dialog's commands.
#include "tests/e2e/installer_fixture.h"

#include "resources/control_ids.h"
#include "tests/e2e/window_probe.h"

namespace {

constexpr int kLayoutButtons[] = {IDC_PAX_3_CLASSES,   IDC_PAX_2_CLASSES, IDC_PAX_1_CLASS,
                                  IDC_COMBI_2_CLASSES, IDC_COMBI_1_CLASS, IDC_CARGO};
constexpr int kOptionControls[] = {IDC_INSTALL,       IDC_UNINSTALL,   IDC_REALISTIC_BRAKES,
                                   IDC_ENGINE_SOUNDS, IDC_TRIMDESK,    IDC_PAX_3_CLASSES,
                                   IDC_PAX_2_CLASSES, IDC_PAX_1_CLASS, IDC_COMBI_2_CLASSES,
                                   IDC_COMBI_1_CLASS, IDC_CARGO};

} // namespace

void InstallerTest::startInstaller(bool withSoundFolder) {
    layOutStartFolder(root.core("Installer"));
    if (withSoundFolder) {
        root.put("ZRK MD-11 sound\\readme.txt", "Test stand-in for the sound package\r\n");
    }
    installer.emplace(root.core("Installer"));
    ASSERT_TRUE(installer->started()) << "Install.exe did not start";
    dialog = installer->waitForDialog(kMainTitle);
    ASSERT_NE(dialog, nullptr) << "no dialog titled \"" << kMainTitle << "\"; running "
                               << installer->stillRunningAfter(0)
                               << ", windows shown: " << installer->visibleWindows();
}

std::string InstallerTest::addAircraft(const std::string& name, const AircraftFiles& aircraft) {
    layOutAircraft(aircraftFolder(name), aircraft);
    return aircraftFolder(name) + "aircraft.cfg";
}

std::string InstallerTest::aircraftFolder(const std::string& name) const {
    return root.core("Aircraft\\" + name + "\\");
}

::testing::AssertionResult InstallerTest::chooseAircraft(const std::string& path) {
    if (!click(dialog, IDC_CHOOSE_AIRCRAFT)) {
        return ::testing::AssertionFailure() << "the main dialog did not answer the click";
    }
    HWND files = installer->waitForDialog(kFileDialogTitle);
    if (files == nullptr) {
        return ::testing::AssertionFailure()
               << "no file dialog \"" << kFileDialogTitle
               << "\"; windows shown: " << installer->visibleWindows();
    }
    if (!openInFileDialog(files, path)) {
        return ::testing::AssertionFailure() << "the file dialog did not take " << path;
    }
    if (!answers(dialog)) {
        return ::testing::AssertionFailure() << "the main dialog did not answer after the choice";
    }
    return ::testing::AssertionSuccess();
}

HWND InstallerTest::waitForErrorBox() const {
    HWND box = installer->waitForDialog(kErrorCaption);
    return box != nullptr && isMessageBox(box) ? box : nullptr;
}

bool InstallerTest::closeBox(HWND box) const {
    return click(box, IDOK) && waitUntilDestroyed(box) && answers(dialog);
}

std::string InstallerTest::status() const {
    return controlText(dialog, IDC_STATUS);
}

std::set<int> InstallerTest::enabledOptions() const {
    std::set<int> enabled;
    for (int id : kOptionControls) {
        if (IsWindowEnabled(GetDlgItem(dialog, id))) {
            enabled.insert(id);
        }
    }
    return enabled;
}

std::set<int> InstallerTest::checkedLayouts() const {
    std::set<int> checked;
    for (int id : kLayoutButtons) {
        if (isChecked(dialog, id)) {
            checked.insert(id);
        }
    }
    return checked;
}
