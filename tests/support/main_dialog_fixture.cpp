// Fixture for dialog tests around "MainDialog".
#include "tests/support/main_dialog_fixture.h"

#include "app/installer_state.h"
#include "app/main_dialog.h"
#include "resources/control_ids.h"

namespace {

constexpr int kOptionIds[] = {IDC_INSTALL,       IDC_UNINSTALL,   IDC_REALISTIC_BRAKES,
                              IDC_ENGINE_SOUNDS, IDC_TRIMDESK,    IDC_PAX_3_CLASSES,
                              IDC_PAX_2_CLASSES, IDC_PAX_1_CLASS, IDC_COMBI_2_CLASSES,
                              IDC_COMBI_1_CLASS, IDC_CARGO};

} // namespace

ScopedCurrentDirectory::ScopedCurrentDirectory(const std::filesystem::path& folder)
    : saved_(std::filesystem::current_path()) {
    std::filesystem::current_path(folder);
}

ScopedCurrentDirectory::~ScopedCurrentDirectory() {
    std::error_code ignored;
    std::filesystem::current_path(saved_, ignored);
}

void MainDialogTest::SetUp() {
    emulated::setFrontEnd(&frontEnd_);
    resetInstallerStateForTest();
    parent_.put("installer/");
    inStartFolder_.emplace(startFolder());
    dialog_ = emulated::openDialogForTest("MainDialog", mainDialogProc, testModule());
    ASSERT_NE(dialog_, nullptr);
}

void MainDialogTest::TearDown() {
    emulated::closeDialogForTest(dialog_);
    emulated::setFrontEnd(nullptr);
    inStartFolder_.reset();
    EXPECT_EQ(frontEnd_.pendingAnswers(), 0u) << "queued answers were never asked for";
}

emulated::ControlView MainDialogTest::control(int id) const {
    std::optional<emulated::ControlView> view = emulated::controlView(dialog_, id);
    EXPECT_TRUE(view.has_value()) << "no control " << id;
    return view.value_or(emulated::ControlView{});
}

void MainDialogTest::chooseAircraftFile(const std::string& corePath) {
    frontEnd_.queueOpenFile(corePath);
    EXPECT_EQ(emulated::clickControl(dialog_, IDC_CHOOSE_AIRCRAFT), 1);
}

void MainDialogTest::cancelAircraftChoice() {
    frontEnd_.queueOpenFileCancel();
    EXPECT_EQ(emulated::clickControl(dialog_, IDC_CHOOSE_AIRCRAFT), 1);
}

std::vector<int> MainDialogTest::enabledOptions() const {
    std::vector<int> ids;
    for (int id : kOptionIds) {
        if (control(id).enabled) {
            ids.push_back(id);
        }
    }
    return ids;
}

std::vector<int> MainDialogTest::checkedOptions() const {
    std::vector<int> ids;
    for (int id : kOptionIds) {
        if (control(id).checkState != BST_UNCHECKED) {
            ids.push_back(id);
        }
    }
    return ids;
}
