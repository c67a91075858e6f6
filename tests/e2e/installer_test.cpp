// Install.exe under Wine, end to end: start, a second copy, ending; each model family chosen in
// the real file dialog; the manual settings dialog; install, uninstall and a failed install.
#include <gtest/gtest.h>

#include <map>

#include "resources/control_ids.h"
#include "tests/e2e/installer_driver.h"

namespace {

struct InitialState {
    int id;
    const char* text;
    bool enabled, visible, checked;
};

// The template's states and the three check marks that initialisation sets.
constexpr InitialState kInitialStates[] = {
    {IDC_CHOOSE_AIRCRAFT, "Choose MD-11 aircraft", true, true, false},
    {IDC_QUIT, "Quit", true, true, false},
    {IDC_INSTALL, "Install", false, true, false},
    {IDC_UNINSTALL, "Uninstall", false, true, false},
    {IDC_FOLDER_NAME, "", true, true, false},
    {IDC_STATUS, "", true, true, false},
    {IDC_REALISTIC_BRAKES, "Realistic brakes", false, true, true},
    {IDC_TRIMDESK, "Install ZRK Trimdesk:", false, true, true},
    {IDC_PAX_3_CLASSES, "for version PAX, 3 classes", false, true, true},
    {IDC_PAX_2_CLASSES, "for version PAX, 2 classes", false, true, false},
    {IDC_PAX_1_CLASS, "for version PAX, 1 class (economy)", false, true, false},
    {IDC_COMBI_2_CLASSES, "for version COMBI 2 classes", false, true, false},
    {IDC_COMBI_1_CLASS, "for version COMBI 1 class (economy)", false, true, false},
    {IDC_CARGO, "for version CARGO", false, true, false},
    {IDC_CHOOSE_SAME, "Choose same", true, false, false},
    {IDC_ENGINE_SOUNDS, "ZRK engine sounds", false, true, false},
};

TEST_F(InstallerTest, StartsAloneIgnoresEscapeAndQuitsWithOne) {
    ASSERT_NO_FATAL_FAILURE(start(false));
    EXPECT_EQ(GetWindowLongPtrA(dialog, GWL_STYLE) & WS_SYSMENU, WS_SYSMENU); // a close box
    for (const InitialState& expected : kInitialStates) {
        SCOPED_TRACE(::testing::Message() << "control " << expected.id);
        HWND control = GetDlgItem(dialog, expected.id);
        EXPECT_EQ(controlText(dialog, expected.id), expected.text);
        EXPECT_EQ(IsWindowEnabled(control) != FALSE, expected.enabled);
        EXPECT_EQ(IsWindowVisible(control) != FALSE, expected.visible);
        EXPECT_EQ(statesOf(dialog, {expected.id}).size(), expected.checked ? 1u : 0u);
    }
    // The focus starts on "Choose MD-11 aircraft"; Escape sends IDCANCEL, which must not end it.
    ASSERT_TRUE(escapeThenTab(dialog, GetDlgItem(dialog, IDC_QUIT)));

    InstallerProcess second(root.core("Installer"));
    ASSERT_TRUE(closeErrorBox(second, nullptr, "This application is already running !!!"));
    EXPECT_EQ(second.exitCode(), std::optional<DWORD>{0});
    EXPECT_EQ(installer->exitCode(0), std::nullopt) << "the first copy ended";

    EXPECT_TRUE(click(dialog, IDC_QUIT));
    EXPECT_EQ(installer->exitCode(), std::optional<DWORD>{1});
}

const std::set<int> kPaxOptions{IDC_INSTALL,       IDC_REALISTIC_BRAKES, IDC_TRIMDESK,
                                IDC_PAX_3_CLASSES, IDC_PAX_2_CLASSES,    IDC_PAX_1_CLASS};

struct Identification {
    Aircraft aircraft;
    const char* status;
    std::set<int> options;
    std::set<int> layouts;
};

// In this order: the check marks carry over between choices. The sound folder, looked for before
// each file dialog, is beside the start folder for the first choice only; the path typed whole
// leaves the current directory there, but from the second dialog on Wine opens the folder of the
// earlier pick and makes it current.
const Identification kIdentifications[] = {
    {{"iFDG MD-11C PW v1.5", "MD-11", 8336, "MD11CP.mdl", 3153900},
     "iFDG MD-11 model identified.\nVersion 1.5 identified.\nAircraft type: MD-11C "
     "\"COMBI\"\nMotorization: Pratt && Whitney PW4462\n",
     {IDC_INSTALL, IDC_REALISTIC_BRAKES, IDC_ENGINE_SOUNDS, IDC_TRIMDESK, IDC_COMBI_2_CLASSES,
      IDC_COMBI_1_CLASS},
     {IDC_COMBI_2_CLASSES}},
    // One byte more than the Corvane flight dynamics: nothing enabled, the check marks kept.
    {{"Corvane MD-11 altered", "md11", 10016, "CV_MD11.mdl", 2500000},
     "This Aircraft is not supported.\n",
     {},
     {IDC_COMBI_2_CLASSES}},
    {{"Corvane MD-11", "md11", 10015, "CV_MD11.mdl", 2500000},
     "Corvane MD-11 model identified.\nSingle available configuration correspond to:\nMD-11 "
     "PAX, with General Electric CF6-80C2D1F engines\n",
     kPaxOptions,
     {IDC_PAX_3_CLASSES}},
    {{"Overland MD-11", "MD11", 8756, "OV_MD11.mdl", 2800000},
     "Overland MD-11 model identified.\nSingle available configuration correspond to:\nMD-11 "
     "PAX, with Pratt && Whitney PW4462 engines\n",
     kPaxOptions,
     {IDC_PAX_3_CLASSES}},
};

TEST_F(InstallerTest, IdentifiesEachFamilyRefusesAndCancels) {
    ASSERT_NO_FATAL_FAILURE(start(true));
    for (const Identification& expected : kIdentifications) {
        SCOPED_TRACE(expected.aircraft.folder);
        ASSERT_TRUE(choose(addAircraft(expected.aircraft)));
        EXPECT_EQ(controlText(dialog, IDC_FOLDER_NAME), expected.aircraft.folder);
        EXPECT_EQ(status(), expected.status);
        EXPECT_EQ(options(), expected.options);
        EXPECT_EQ(layouts(), expected.layouts);
        std::filesystem::remove_all(root.native("ZRK MD-11 sound"));
    }

    Aircraft ownPanel{"MD-11 with its own panel", "MD-11", 8336, "MD11PG.mdl", 3153900, "MD11"};
    ASSERT_TRUE(choose(addAircraft(ownPanel)));
    EXPECT_TRUE(closeErrorBox(*installer, dialog,
                              "Illegal aircraft configuration !!!\n\nThe configuration file has "
                              "non empty panel\ndefinition(s) (different from\"panel=\").\nThis "
                              "is not allowed.\n"));
    EXPECT_EQ(controlText(dialog, IDC_FOLDER_NAME), ownPanel.folder);
    EXPECT_EQ(status(), "");

    ASSERT_TRUE(choose("")); // cancelled: nothing is analysed
    EXPECT_EQ(controlText(dialog, IDC_FOLDER_NAME), "");

    EXPECT_TRUE(PostMessageA(dialog, WM_SYSCOMMAND, SC_CLOSE, 0)); // the close box
    EXPECT_EQ(installer->exitCode(), std::optional<DWORD>{1});
}

TEST_F(InstallerTest, AsksTheSettingsOfAnUnknownVersionUntilOk) {
    ASSERT_NO_FATAL_FAILURE(start(false));
    ASSERT_TRUE(
        choose(addAircraft({"iFDG MD-11F unknown size", "MD-11", 8336, "MD11FG.mdl", 5000000})));
    HWND settings = installer->waitForDialog("UNKNOW iFDG MODEL - Tunings manual settings");
    ASSERT_NE(settings, nullptr) << installer->shown();
    EXPECT_EQ(GetWindow(settings, GW_OWNER), dialog);
    EXPECT_FALSE(IsWindowEnabled(dialog));
    EXPECT_EQ(status(), "");
    const auto settingsChecked = [settings] {
        return statesOf(settings, {IDC_NAV_LIGHTS_FX, IDC_NAV_LIGHTS_MDL, IDC_STROBE_LIGHTS_FX,
                                   IDC_STROBE_LIGHTS_MDL, IDC_FOLD_AND_HOOK});
    };
    EXPECT_EQ(settingsChecked(),
              (std::set<int>{IDC_NAV_LIGHTS_FX, IDC_STROBE_LIGHTS_FX, IDC_FOLD_AND_HOOK}));
    // From OK the Tab goes to the checked FX radio button: a checked radio button is a tab stop.
    ASSERT_TRUE(escapeThenTab(settings, GetDlgItem(settings, IDC_NAV_LIGHTS_FX)));

    ASSERT_TRUE(click(settings, IDC_NAV_LIGHTS_MDL));
    ASSERT_TRUE(click(settings, IDC_FOLD_AND_HOOK));
    EXPECT_EQ(settingsChecked(), (std::set<int>{IDC_NAV_LIGHTS_MDL, IDC_STROBE_LIGHTS_FX}));
    ASSERT_TRUE(click(settings, IDC_MANSET_OK) && waitUntilDestroyed(settings) && answers(dialog));
    EXPECT_EQ(status(), "iFDG MD-11 model identified.\nUnknow version (manual settings: FX=strobe "
                        "MDL=nav)\nAircraft type: MD-11F \"CARGO\"\nMotorization: General "
                        "Electric CF6-80C2D1F\n");
    EXPECT_EQ(options(),
              (std::set<int>{IDC_INSTALL, IDC_REALISTIC_BRAKES, IDC_TRIMDESK, IDC_CARGO}));
    EXPECT_EQ(layouts(), std::set<int>{IDC_CARGO});
}

// File names folded to lower case, as Windows matches them, with a hash of the bytes.
std::map<std::string, std::size_t> fingerprint(const FileTree& tree) {
    std::map<std::string, std::size_t> result;
    for (const auto& [name, bytes] : tree) {
        std::string lower = name;
        CharLowerBuffA(lower.data(), static_cast<DWORD>(lower.size()));
        result[lower] = std::hash<std::string>{}(bytes);
    }
    return result;
}

TEST_F(InstallerTest, InstallsUninstallsChoosesSameThenStopsAtALeftoverPanel) {
    ASSERT_NO_FATAL_FAILURE(start(true));
    const Aircraft pax{"iFDG MD-11 PAX GE v1.5", "MD-11", 8336, "MD11PG.mdl", 3153900};
    const std::string cfg = addAircraft(pax);
    const auto files = [&] { return snapshotTree(folderOf(pax)); };
    const std::string identified = "iFDG MD-11 model identified.\nVersion 1.5 identified.\n"
                                   "Aircraft type: MD-11\nMotorization: General Electric "
                                   "CF6-80C2D1F\n";
    FileTree before = files();
    ASSERT_TRUE(choose(cfg));
    ASSERT_EQ(status(), identified);
    // A disabled control ignores the click: "ZRK engine sounds" is offered beside the sound folder.
    ASSERT_TRUE(click(dialog, IDC_ENGINE_SOUNDS) && click(dialog, IDC_PAX_2_CLASSES));
    EXPECT_EQ(statesOf(dialog, {IDC_ENGINE_SOUNDS, IDC_PAX_3_CLASSES, IDC_PAX_2_CLASSES}),
              (std::set<int>{IDC_ENGINE_SOUNDS, IDC_PAX_2_CLASSES}));

    ASSERT_TRUE(click(dialog, IDC_INSTALL));
    EXPECT_EQ(status(), identified + "Panel installed successfully.");
    EXPECT_EQ(options(), std::set<int>{});
    // Every file as it should be now; aircraft.cfg is checked on its own below.
    FileTree installed = files(), expected = before;
    for (const auto& [name, bytes] :
         FileTree{{"Panel/Panel.cfg", "[fltsim]\r\nalias=ZRK MD-11 panel\\panel.ifdg\r\n"},
                  {"Panel/Panel.cfg_ORIGINAL", kPanelCfg},
                  {"aircraft.cfg", installed["aircraft.cfg"]},
                  {"aircraft.cfg_ORIGINAL", before["aircraft.cfg"]},
                  {"Sound/sound.cfg", resourceText("tuning_res\\sound.cfg")},
                  {"Sound/sound.cfg_ORIGINAL", kSoundCfg},
                  {"MD-11_zrk.air", resourceText("tuning_res\\MD-11_zrk.air")},
                  {"Trimdesk.exe", resourceText("trimdesk_res\\Trimdesk.exe")},
                  {"Trimdesk.ini", resourceText("trimdesk_res\\Trimdesk-PAX-2C.ini")},
                  {"TD-MD11-PAX-2C.ini", resourceText("trimdesk_res\\TD-MD11-PAX-2C.ini")},
                  {"TD-MD11-PAX-2C.bmp", resourceText("trimdesk_res\\TD-MD11-PAX-2C.bmp")}}) {
        expected[name] = bytes;
    }
    EXPECT_EQ(fingerprint(installed), fingerprint(expected));
    // The aircraft's own lines up to [General], naming the tuned flight model; tuned sections
    // instead of the rest.
    std::string head = before["aircraft.cfg"].substr(0, before["aircraft.cfg"].find("[WEIGHT"));
    head.replace(head.find("sim=MD-11\r"), 9, "sim=MD-11_zrk");
    EXPECT_TRUE(installed["aircraft.cfg"].starts_with(
        "// ZRK tuning of iFDG flight dynamic model\r\n// Version 1.91 / February 2005\r\n\r\n" +
        head));
    EXPECT_EQ(installed["aircraft.cfg"].find("empty_weight=123456"), std::string::npos);

    ASSERT_TRUE(choose(cfg));
    EXPECT_EQ(status(), "ZRK MD-11 panel already installed.\n");
    EXPECT_EQ(options(), std::set<int>{IDC_UNINSTALL});
    ASSERT_TRUE(click(dialog, IDC_UNINSTALL));
    EXPECT_EQ(status(), "ZRK MD-11 panel already installed.\nPanel uninstalled successfully.");
    EXPECT_EQ(options(), std::set<int>{});
    EXPECT_TRUE(IsWindowVisible(GetDlgItem(dialog, IDC_CHOOSE_SAME)));
    EXPECT_EQ(fingerprint(files()), fingerprint(before)); // Sound.cfg comes back so named

    // "Choose same" analyses the aircraft again, without a file dialog, before its click returns.
    // The second file dialog made the aircraft folder current: no sound folder is found now.
    ASSERT_TRUE(click(dialog, IDC_CHOOSE_SAME));
    EXPECT_EQ(controlText(dialog, IDC_FOLDER_NAME), pax.folder);
    EXPECT_EQ(status(), identified);
    EXPECT_EQ(options(), kPaxOptions);
    EXPECT_EQ(layouts(), std::set<int>{IDC_PAX_3_CLASSES});
    EXPECT_FALSE(IsWindowVisible(GetDlgItem(dialog, IDC_CHOOSE_SAME)));

    // A kept panel left from an earlier install cannot be replaced: nothing changes.
    writeNativeFile(folderOf(pax) + "Panel\\Panel.cfg_ORIGINAL", "[Window Titles]\r\n");
    before = files();
    ASSERT_TRUE(click(dialog, IDC_INSTALL));
    EXPECT_TRUE(closeErrorBox(*installer, dialog,
                              "Unable to rename original \"Panel.cfg\" file !!!\n\nPanel is not "
                              "installed and your\naircraft was not modified."));
    EXPECT_EQ(fingerprint(files()), fingerprint(before));
    EXPECT_EQ(status(), identified);
    EXPECT_EQ(options(), std::set<int>{});
}

} // namespace
