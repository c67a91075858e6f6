// The scripted front end: queued answers out, every notice recorded.
#include "tests/support/scripted_front_end.h"

#include <cstring>

#include <gtest/gtest.h>

#include "platform/emulated/dialog_manager.h"

namespace {

std::string templateNameOf(WindowHandle dialog) {
    const DialogTemplate* layout = emulated::dialogTemplate(dialog);
    return layout == nullptr ? std::string("(no dialog)") : std::string(layout->name);
}

} // namespace

void ScriptedFrontEnd::queueInput(const std::string& dialogName, emulated::InputEvent input) {
    inputs_.push_back({dialogName, input});
}

std::vector<ScriptedFrontEnd::Notice> ScriptedFrontEnd::messageBoxes() const {
    std::vector<Notice> boxes;
    for (const Notice& notice : notices_) {
        if (notice.kind == NoticeKind::messageBox) {
            boxes.push_back(notice);
        }
    }
    return boxes;
}

std::vector<unsigned> ScriptedFrontEnd::beeps() const {
    std::vector<unsigned> types;
    for (const Notice& notice : notices_) {
        if (notice.kind == NoticeKind::beep) {
            types.push_back(notice.style);
        }
    }
    return types;
}

emulated::InputEvent ScriptedFrontEnd::nextInput(WindowHandle dialog) {
    const std::string name = templateNameOf(dialog);
    if (inputs_.empty()) {
        ADD_FAILURE() << "Dialog \"" << name << "\" waits for input but none is queued";
        return emulated::InputEvent::key(emulated::InputKind::abandon);
    }
    ScriptedInput next = inputs_.front();
    inputs_.pop_front();
    if (next.dialogName != name) {
        ADD_FAILURE() << "Input queued for \"" << next.dialogName << "\" but \"" << name
                      << "\" asks for it";
        return emulated::InputEvent::key(emulated::InputKind::abandon);
    }
    return next.input;
}

int ScriptedFrontEnd::showMessageBox(WindowHandle owner, const char* text, const char* caption,
                                     unsigned style) {
    notices_.push_back({NoticeKind::messageBox, style, text, caption, owner});
    return IDOK; // the installer's boxes have one button
}

void ScriptedFrontEnd::beep(unsigned type) {
    notices_.push_back({NoticeKind::beep, type, "", "", nullptr});
}

bool ScriptedFrontEnd::requestOpenFile(FileOpenRequest& request) {
    fileRequests_.push_back(
        {request.title == nullptr ? "" : request.title, request.flags,
         std::string(request.fileBuffer, strnlen(request.fileBuffer, request.fileBufferSize)),
         request.owner});
    if (fileAnswers_.empty()) {
        ADD_FAILURE() << "A file-open request came but no answer is queued";
        return false;
    }
    std::optional<std::string> answer = fileAnswers_.front();
    fileAnswers_.pop_front();
    // Like the real dialog, a path that does not fit the caller's buffer is a failure.
    if (!answer || answer->size() >= request.fileBufferSize) {
        return false;
    }
    std::memcpy(request.fileBuffer, answer->c_str(), answer->size() + 1);
    return true;
}

void ScriptedFrontEnd::dialogOpened(WindowHandle dialog) {
    dialogsOpened_.push_back(templateNameOf(dialog));
    dialogOwners_.push_back(emulated::dialogOwner(dialog));
}
