// The load-editor step of "Install": the tool and the chosen cabin layout's files, copied from
// trimdesk_res\ over whatever the aircraft folder held.
#include <gtest/gtest.h>

#include <algorithm>
#include <ostream>
#include <string>
#include <vector>

#include "tests/support/install_fixture.h"

namespace {

constexpr int kLayoutButtons[] = {IDC_PAX_3_CLASSES,   IDC_PAX_2_CLASSES, IDC_PAX_1_CLASS,
                                  IDC_COMBI_2_CLASSES, IDC_COMBI_1_CLASS, IDC_CARGO};

// The files of the aircraft folder that belong to the load editor.
FileTree loadEditorFiles(const FileTree& tree) {
    FileTree files;
    for (const auto& [name, bytes] : tree) {
        if (name.starts_with("Trimdesk") || name.starts_with("TD-MD11")) {
            files[name] = bytes;
        }
    }
    return files;
}

// What installing the layout of that token writes, from the resources.
FileTree layoutFiles(const std::string& token) {
    return {{"Trimdesk.exe", resourceBytes("trimdesk_res/Trimdesk.exe")},
            {"Trimdesk.ini", resourceBytes("trimdesk_res/Trimdesk-" + token + ".ini")},
            {"TD-MD11-" + token + ".ini", resourceBytes("trimdesk_res/TD-MD11-" + token + ".ini")},
            {"TD-MD11-" + token + ".bmp", resourceBytes("trimdesk_res/TD-MD11-" + token + ".bmp")}};
}

struct LayoutCase {
    const char* name;
    const AircraftModel* model;
    int click;                // the button the user picks; 0 keeps the one proposed
    const char* token;        // of the layout installed
    std::vector<int> offered; // the buttons enabled by the identification
};

void PrintTo(const LayoutCase& c, std::ostream* out) {
    *out << c.name;
}

class LoadEditorLayoutTest : public InstallDialogTest,
                             public ::testing::WithParamInterface<LayoutCase> {};

TEST_P(LoadEditorLayoutTest, WritesTheToolAndExactlyThatLayout) {
    const LayoutCase& c = GetParam();
    layOutAircraft(*c.model);
    chooseAircraft();
    for (int id : kLayoutButtons) {
        const bool offered = std::find(c.offered.begin(), c.offered.end(), id) != c.offered.end();
        EXPECT_EQ(control(id).enabled, offered) << id;
        EXPECT_EQ(control(id).checkState, id == c.offered.front() ? BST_CHECKED : 0u) << id;
    }
    if (c.click != 0) {
        emulated::clickControl(dialog(), c.click);
    }
    const std::string identification = statusText();

    clickInstall();

    EXPECT_EQ(loadEditorFiles(aircraft().tree()), layoutFiles(c.token));
    EXPECT_EQ(statusText(), identification + "Panel installed successfully.");
}

INSTANTIATE_TEST_SUITE_P(
    SixLayouts, LoadEditorLayoutTest,
    ::testing::Values(
        LayoutCase{
            "Pax3", &kIfdg15, 0, "PAX-3C", {IDC_PAX_3_CLASSES, IDC_PAX_2_CLASSES, IDC_PAX_1_CLASS}},
        LayoutCase{"Pax2",
                   &kCorvane,
                   IDC_PAX_2_CLASSES,
                   "PAX-2C",
                   {IDC_PAX_3_CLASSES, IDC_PAX_2_CLASSES, IDC_PAX_1_CLASS}},
        LayoutCase{"Pax1",
                   &kOverland,
                   IDC_PAX_1_CLASS,
                   "PAX-1C",
                   {IDC_PAX_3_CLASSES, IDC_PAX_2_CLASSES, IDC_PAX_1_CLASS}},
        LayoutCase{"Combi2", &kIfdgCombi, 0, "CBI-2C", {IDC_COMBI_2_CLASSES, IDC_COMBI_1_CLASS}},
        LayoutCase{"Combi1",
                   &kIfdgCombi,
                   IDC_COMBI_1_CLASS,
                   "CBI-1C",
                   {IDC_COMBI_2_CLASSES, IDC_COMBI_1_CLASS}},
        LayoutCase{"Cargo", &kIfdgCargo, 0, "CARGO", {IDC_CARGO}}),
    [](const auto& testInfo) { return std::string(testInfo.param.name); });

TEST_F(InstallDialogTest, LoadEditorUncheckedWritesNoneOfItsFiles) {
    layOutAircraft(kIfdg15);
    chooseAircraft();
    emulated::clickControl(dialog(), IDC_TRIMDESK);
    ASSERT_EQ(getCheckState(dialog(), IDC_TRIMDESK), 0u);
    const std::string identification = statusText();

    clickInstall();

    EXPECT_TRUE(loadEditorFiles(aircraft().tree()).empty());
    EXPECT_TRUE(aircraft().exists("MD-11_zrk.air"));
    EXPECT_EQ(statusText(), identification + "Panel installed successfully.");
}

TEST_F(InstallDialogTest, MissingLayoutResourceIsSkippedAndSuccessStillReported) {
    removeResource("trimdesk_res/TD-MD11-PAX-3C.bmp");
    layOutAircraft(kCorvane);
    chooseAircraft();
    const std::string identification = statusText();

    clickInstall();

    FileTree expected = layoutFiles("PAX-3C");
    expected.erase("TD-MD11-PAX-3C.bmp");
    EXPECT_EQ(loadEditorFiles(aircraft().tree()), expected);
    EXPECT_EQ(statusText(), identification + "Panel installed successfully.");
    EXPECT_TRUE(frontEnd().messageBoxes().empty());
}

TEST_F(InstallDialogTest, NoLayoutCheckedCopiesOnlyTheTool) {
    layOutAircraft(kOverland);
    chooseAircraft();
    // Not possible by clicks: the radio group always keeps one button checked.
    setCheckState(dialog(), IDC_PAX_3_CLASSES, BST_UNCHECKED);

    clickInstall();

    EXPECT_EQ(loadEditorFiles(aircraft().tree()),
              (FileTree{{"Trimdesk.exe", resourceBytes("trimdesk_res/Trimdesk.exe")}}));
}

TEST_F(InstallDialogTest, LoadEditorFilesAlreadyThereAreOverwrittenWithoutKeptCopies) {
    layOutAircraft(kIfdgCargo);
    aircraft().writeFile("Trimdesk.exe", "an older tool");
    aircraft().writeFile("Trimdesk.ini", "[older settings]");
    aircraft().writeFile("TD-MD11-CARGO.bmp", "an older bitmap");
    chooseAircraft();

    clickInstall();

    EXPECT_EQ(loadEditorFiles(aircraft().tree()), layoutFiles("CARGO"));
}

} // namespace
