// Install.exe under Wine: "Choose MD-11 aircraft" through the real file dialog, and what the
// main dialog shows for each model family, for a refused file and after a cancelled choice.
#include <windows.h>

#include <gtest/gtest.h>

#include "resources/control_ids.h"
#include "tests/e2e/installer_fixture.h"
#include "tests/e2e/window_probe.h"

namespace {

struct Identification {
    const char* folder;
    AircraftFiles aircraft;
    bool soundFolder;
    const char* status;
    std::set<int> enabled;
    int checkedLayout;
};

// Failures name the row by its folder.
void PrintTo(const Identification& row, std::ostream* out) {
    *out << row.folder;
}

const Identification kIdentifications[] = {
    {"iFDG MD-11C PW v1.5",
     {"MD-11", 8336, "MD11CP.mdl", 3153900},
     true,
     "iFDG MD-11 model identified.\nVersion 1.5 identified.\nAircraft type: MD-11C "
     "\"COMBI\"\nMotorization: Pratt && Whitney PW4462\n",
     {IDC_INSTALL, IDC_REALISTIC_BRAKES, IDC_ENGINE_SOUNDS, IDC_TRIMDESK, IDC_COMBI_2_CLASSES,
      IDC_COMBI_1_CLASS},
     IDC_COMBI_2_CLASSES},
    {"iFDG MD-11F GE v1.0",
     {"MD-11", 8336, "MD11FG.mdl", 4127528},
     false,
     "iFDG MD-11 model identified.\nVersion 1.0 identified.\nAircraft type: MD-11F "
     "\"CARGO\"\nMotorization: General Electric CF6-80C2D1F\n",
     {IDC_INSTALL, IDC_REALISTIC_BRAKES, IDC_TRIMDESK, IDC_CARGO},
     IDC_CARGO},
    {"Corvane MD-11",
     {"md11", 10015, "CV_MD11.mdl", 2500000},
     true,
     "Corvane MD-11 model identified.\nSingle available configuration correspond to:\nMD-11 "
     "PAX, with General Electric CF6-80C2D1F engines\n",
     {IDC_INSTALL, IDC_REALISTIC_BRAKES, IDC_ENGINE_SOUNDS, IDC_TRIMDESK, IDC_PAX_3_CLASSES,
      IDC_PAX_2_CLASSES, IDC_PAX_1_CLASS},
     IDC_PAX_3_CLASSES},
    {"Overland MD-11",
     {"MD11", 8756, "OV_MD11.mdl", 2800000},
     false,
     "Overland MD-11 model identified.\nSingle available configuration correspond to:\nMD-11 "
     "PAX, with Pratt && Whitney PW4462 engines\n",
     {IDC_INSTALL, IDC_REALISTIC_BRAKES, IDC_TRIMDESK, IDC_PAX_3_CLASSES, IDC_PAX_2_CLASSES,
      IDC_PAX_1_CLASS},
     IDC_PAX_3_CLASSES},
    // One byte more than the Corvane flight dynamics: nothing is enabled and the check marks
    // stay as they were.
    {"Corvane MD-11 altered",
     {"md11", 10016, "CV_MD11.mdl", 2500000},
     true,
     "This Aircraft is not supported.\n",
     {},
     IDC_PAX_3_CLASSES},
};

class Identifying : public InstallerTest, public ::testing::WithParamInterface<Identification> {};

TEST_P(Identifying, ShowsTheFindingsAndEnablesWhatFits) {
    const Identification& expected = GetParam();
    ASSERT_NO_FATAL_FAILURE(startInstaller(expected.soundFolder));
    ASSERT_TRUE(chooseAircraft(addAircraft(expected.folder, expected.aircraft)));
    EXPECT_EQ(findDialog(installer->id(), kErrorCaption), nullptr) << "an error box came up";
    EXPECT_EQ(controlText(dialog, IDC_FOLDER_NAME), expected.folder);
    EXPECT_EQ(status(), expected.status);
    EXPECT_EQ(enabledOptions(), expected.enabled);
    EXPECT_EQ(checkedLayouts(), std::set<int>{expected.checkedLayout});
    EXPECT_FALSE(IsWindowVisible(GetDlgItem(dialog, IDC_CHOOSE_SAME)));
}

INSTANTIATE_TEST_SUITE_P(ModelFamilies, Identifying, ::testing::ValuesIn(kIdentifications),
                         [](const testing::TestParamInfo<Identification>& row) {
                             std::string name;
                             for (const char* c = row.param.folder; *c != '\0'; ++c) {
                                 if (IsCharAlphaNumericA(*c)) {
                                     name += *c;
                                 }
                             }
                             return name;
                         });

using ChooseAircraft = InstallerTest;

TEST_F(ChooseAircraft, RefusesAnIllegalConfigurationWithTheReasonInABox) {
    ASSERT_NO_FATAL_FAILURE(startInstaller(true));
    AircraftFiles ownPanel{"MD-11", 8336, "MD11PG.mdl", 3153900, "MD11_panel"};
    ASSERT_TRUE(chooseAircraft(addAircraft("MD-11 with its own panel", ownPanel)));
    HWND box = waitForErrorBox();
    ASSERT_NE(box, nullptr) << "no error box";
    EXPECT_EQ(controlText(box, kMessageBoxText),
              "Illegal aircraft configuration !!!\n\nThe configuration file has non empty "
              "panel\ndefinition(s) (different from\"panel=\").\nThis is not allowed.\n");
    EXPECT_EQ(GetWindow(box, GW_OWNER), dialog);
    EXPECT_EQ(visibleButtons(box), 1);
    EXPECT_FALSE(IsWindowEnabled(dialog));
    // The folder is named before the file is read, so it shows while the box is up.
    EXPECT_EQ(controlText(dialog, IDC_FOLDER_NAME), "MD-11 with its own panel");

    ASSERT_TRUE(closeBox(box));
    EXPECT_TRUE(IsWindowEnabled(dialog));
    EXPECT_EQ(controlText(dialog, IDC_FOLDER_NAME), "MD-11 with its own panel");
    EXPECT_EQ(status(), "");
    EXPECT_EQ(enabledOptions(), std::set<int>{});
}

TEST_F(ChooseAircraft, CancelledChoiceLeavesTheDialogReset) {
    ASSERT_NO_FATAL_FAILURE(startInstaller(true));
    ASSERT_TRUE(chooseAircraft(addAircraft("Corvane MD-11", {"md11", 10015, "CV.mdl", 1000})));
    ASSERT_NE(enabledOptions(), std::set<int>{});

    ASSERT_TRUE(click(dialog, IDC_CHOOSE_AIRCRAFT));
    HWND files = installer->waitForDialog(kFileDialogTitle);
    ASSERT_NE(files, nullptr);
    EXPECT_EQ(GetWindow(files, GW_OWNER), dialog);
    EXPECT_FALSE(IsWindowEnabled(dialog));
    EXPECT_EQ(fileDialogName(files), "aircraft.cfg");
    // The dialog is reset before the file is asked for.
    EXPECT_EQ(status(), "");
    EXPECT_EQ(enabledOptions(), std::set<int>{});

    ASSERT_TRUE(click(files, IDCANCEL));
    ASSERT_TRUE(waitUntilDestroyed(files));
    ASSERT_TRUE(answers(dialog));
    EXPECT_EQ(findDialog(installer->id(), kErrorCaption), nullptr);
    EXPECT_EQ(controlText(dialog, IDC_FOLDER_NAME), "");
    EXPECT_EQ(status(), "");
    EXPECT_EQ(enabledOptions(), std::set<int>{});
    EXPECT_FALSE(IsWindowVisible(GetDlgItem(dialog, IDC_CHOOSE_SAME)));
}

} // namespace
