// Fixture for dialog tests around "MainDialog".
#include "tests/support/main_dialog_fixture.h"

#include "app/installer_state.h"
#include "app/main_dialog.h"

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

void MainDialogTest::chooseAircraftFile(std::optional<std::string> corePath) {
    frontEnd_.queueOpenFile(corePath && corePath->empty() ? aircraft.cfgPath() : corePath);
    noticesBeforeClick_ = frontEnd_.notices.size();
    EXPECT_EQ(emulated::clickControl(dialog_, IDC_CHOOSE_AIRCRAFT), 1);
}

void MainDialogTest::click(int id) {
    noticesBeforeClick_ = frontEnd_.notices.size();
    EXPECT_TRUE(emulated::clickControl(dialog_, id).has_value()) << id << " cannot be clicked";
}

void MainDialogTest::expectOnlyNotice(const std::string& errorText) {
    const auto& notices = frontEnd_.notices;
    ASSERT_EQ(notices.size(), noticesBeforeClick_ + 1);
    EXPECT_EQ(notices.back(), errorText.empty() ? ScriptedFrontEnd::beepOf(0)
                                                : ScriptedFrontEnd::errorBox(errorText, dialog_));
}

std::vector<int> MainDialogTest::options(bool checked) const {
    std::vector<int> ids;
    for (int id : {IDC_INSTALL, IDC_UNINSTALL, IDC_REALISTIC_BRAKES, IDC_ENGINE_SOUNDS,
                   IDC_TRIMDESK, IDC_PAX_3_CLASSES, IDC_PAX_2_CLASSES, IDC_PAX_1_CLASS,
                   IDC_COMBI_2_CLASSES, IDC_COMBI_1_CLASS, IDC_CARGO}) {
        emulated::ControlView view = control(id);
        if (checked ? view.checkState != BST_UNCHECKED : view.enabled) {
            ids.push_back(id);
        }
    }
    return ids;
}
