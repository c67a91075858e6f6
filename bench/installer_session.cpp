// Lays out the benchmark's folders and drives the main dialog through the scripted front end.
#include "bench/installer_session.h"

#include "app/installer_state.h"
#include "app/main_dialog.h"
#include "platform/emulated/dialog_manager.h"
#include "resources/control_ids.h"

namespace fs = std::filesystem;

namespace {

// The product's resources beside the installer: small stand-ins, as only their copying counts.
void layOutStartFolder(const ScratchFolder& folder) {
    folder.put("installer/tuning_res/MD-11_zrk.air", std::string(8336, 'a'));
    folder.put("installer/tuning_res/sound.cfg", "[sound]\r\n");
    folder.put("installer/trimdesk_res/Trimdesk.exe", std::string(4096, 'x'));
    for (const std::string layout : {"PAX-3C", "PAX-2C", "PAX-1C", "CBI-2C", "CBI-1C", "CARGO"}) {
        folder.put("installer/trimdesk_res/Trimdesk-" + layout + ".ini", "[trimdesk]\r\n");
        folder.put("installer/trimdesk_res/TD-MD11-" + layout + ".ini", "[layout]\r\n");
        folder.put("installer/trimdesk_res/TD-MD11-" + layout + ".bmp", std::string(1024, 'b'));
    }
}

bool statusEndsWith(WindowHandle dialog, const std::string& sentence) {
    std::optional<emulated::ControlView> status = emulated::controlView(dialog, IDC_STATUS);
    return status.has_value() && status->text.ends_with(sentence);
}

} // namespace

std::uintmax_t layOutAircraft(const ScratchFolder& folder, int liveries) {
    folder.put("aircraft/Panel/Panel.cfg", "[Window Titles]\r\nWindow00=Main Panel\r\n");
    // Sizes that identify the model: the iFDG flight dynamics, a version 1.5 model file.
    folder.put("aircraft/MD-11.air", "");
    fs::resize_file(folder.native("aircraft/MD-11.air"), 8336);
    folder.put("aircraft/model/MD11PG.mdl", "");
    fs::resize_file(folder.native("aircraft/model/MD11PG.mdl"), 3153900);
    return writeSampleAircraftConfig(folder.native("aircraft/aircraft.cfg"), liveries);
}

InstallerSession::InstallerSession(int liveries)
    : configBytes_(layOutAircraft(folder_, liveries)), savedDirectory_(fs::current_path()) {
    layOutStartFolder(folder_);
    fs::current_path(folder_.native("installer"));
    emulated::setFrontEnd(&frontEnd_);
    resetInstallerStateForTest();
    dialog_ = emulated::openDialogForTest("MainDialog", mainDialogProc);
}

InstallerSession::~InstallerSession() {
    emulated::closeDialogForTest(dialog_);
    emulated::setFrontEnd(nullptr);
    std::error_code ignored;
    fs::current_path(savedDirectory_, ignored);
}

bool InstallerSession::choose() {
    frontEnd_.queueOpenFile(folder_.core("aircraft/aircraft.cfg"));
    emulated::clickControl(dialog_, IDC_CHOOSE_AIRCRAFT);
    std::optional<emulated::ControlView> install = emulated::controlView(dialog_, IDC_INSTALL);
    std::optional<emulated::ControlView> uninstall = emulated::controlView(dialog_, IDC_UNINSTALL);
    return (install && install->enabled) || (uninstall && uninstall->enabled);
}

bool InstallerSession::install() {
    return clickAndExpect(IDC_INSTALL, "Panel installed successfully.");
}

bool InstallerSession::uninstall() {
    return clickAndExpect(IDC_UNINSTALL, "Panel uninstalled successfully.");
}

bool InstallerSession::clickAndExpect(int id, const char* success) {
    return emulated::clickControl(dialog_, id).has_value() && statusEndsWith(dialog_, success);
}
