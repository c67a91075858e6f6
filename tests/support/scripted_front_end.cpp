// The scripted front end: queued answers out, every notice recorded.
#include "tests/support/scripted_front_end.h"

#include <cstring>

#include <gtest/gtest.h>

#include "platform/emulated/dialog_manager.h"

emulated::InputEvent ScriptedFrontEnd::nextInput(WindowHandle dialog) {
    const DialogTemplate* layout = emulated::dialogTemplate(dialog);
    const std::string name = layout == nullptr ? "(no dialog)" : layout->name;
    if (inputs_.empty() || inputs_.front().dialogName != name) {
        ADD_FAILURE() << "\"" << name << "\" asks for input but the next one queued is for \""
                      << (inputs_.empty() ? "(none)" : inputs_.front().dialogName) << "\"";
        return emulated::InputEvent::key(emulated::InputKind::abandon);
    }
    ScriptedInput next = inputs_.front();
    inputs_.pop_front();
    return next.input;
}

int ScriptedFrontEnd::showMessageBox(WindowHandle owner, const char* text, const char* caption,
                                     unsigned style) {
    notices.push_back({NoticeKind::messageBox, style, text, caption, owner});
    return IDOK; // the installer's boxes have one button
}

bool ScriptedFrontEnd::requestOpenFile(FileOpenRequest& request) {
    fileRequests.push_back(
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
    dialogOwners.push_back(emulated::dialogOwner(dialog));
}

std::ostream& operator<<(std::ostream& out, const ScriptedFrontEnd::Notice& notice) {
    return out << (notice.kind == ScriptedFrontEnd::NoticeKind::beep ? "beep " : "box ")
               << notice.style << " \"" << notice.text << "\" \"" << notice.caption << "\" owner "
               << notice.owner;
}
