// Fixture for dialog tests around "MainDialog".
#include "tests/support/main_dialog_fixture.h"

#include "app/installer_state.h"
#include "app/main_dialog.h"

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
    inStartFolder_.emplace(startFolder_.nativePath());
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
