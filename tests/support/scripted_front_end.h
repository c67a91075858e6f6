// The scripted front end: tests queue the user's answers (inputs for nested dialogs, file-open
// answers) and read back every beep, message box, file-open request and dialog in order.
#pragma once

#include <cstring>
#include <deque>
#include <optional>
#include <sstream>
#include <string>
#include <utility>
#include <vector>

#include <gtest/gtest.h>

#include "platform/emulated/dialog_manager.h"
#include "platform/emulated/front_end.h"

class ScriptedFrontEnd final : public emulated::FrontEnd {
public:
    // A beep or a message box, as text to compare and to print.
    using Notice = std::string;
    static Notice notice(bool isBox, unsigned style, const std::string& text,
                         const std::string& caption, WindowHandle owner) {
        std::ostringstream out;
        out << (isBox ? "box " : "beep ") << style << " \"" << text << "\" \"" << caption
            << "\" owner " << owner;
        return out.str();
    }
    static Notice beepOf(unsigned type) { return notice(false, type, "", "", nullptr); }
    // The installer's one kind of box: MB_OK | MB_ICONEXCLAMATION, with its caption.
    static Notice errorBox(const std::string& text, WindowHandle owner) {
        return notice(true, 0x30, text, "ERROR from ZRK MD11 Panel installer", owner);
    }
    // The next input of a modal loop, which must be that dialog's.
    void queueInput(const std::string& dialogName, emulated::InputEvent input) {
        inputs_.emplace_back(dialogName, input);
    }
    // The next file-open answer: a full path in Windows form, or nullopt for a cancel.
    void queueOpenFile(std::optional<std::string> path) { fileAnswers_.push_back(path); }
    std::size_t pendingAnswers() const { return inputs_.size() + fileAnswers_.size(); }

    // What was not queued fails the test and abandons the dialog or the request: no test hangs.
    emulated::InputEvent nextInput(WindowHandle dialog) override {
        const std::string name = emulated::dialogTemplate(dialog)->name;
        if (inputs_.empty() || inputs_.front().first != name) {
            ADD_FAILURE() << name << " asks for an input that was not queued for it";
            return emulated::InputEvent::key(emulated::InputKind::abandon);
        }
        const emulated::InputEvent next = inputs_.front().second;
        inputs_.pop_front();
        return next;
    }
    int showMessageBox(WindowHandle owner, const char* text, const char* caption,
                       unsigned style) override {
        notices.push_back(notice(true, style, text, caption, owner));
        return IDOK;
    }
    void beep(unsigned type) override { notices.push_back(beepOf(type)); }
    bool requestOpenFile(FileOpenRequest& request) override {
        ++fileRequests;
        if (fileAnswers_.empty()) {
            ADD_FAILURE() << "A file-open request came but no answer is queued";
            return false;
        }
        std::optional<std::string> answer = fileAnswers_.front();
        fileAnswers_.pop_front();
        // As in the real dialog, a path too long for the caller's buffer is a failure.
        if (!answer || answer->size() >= request.fileBufferSize) {
            return false;
        }
        std::memcpy(request.fileBuffer, answer->c_str(), answer->size() + 1);
        return true;
    }
    void dialogOpened(WindowHandle dialog) override {
        dialogOwners.push_back(emulated::dialogOwner(dialog));
    }

    std::vector<Notice> notices;
    std::size_t fileRequests = 0;
    std::vector<WindowHandle> dialogOwners; // of each dialog opened, in order

private:
    std::deque<std::pair<std::string, emulated::InputEvent>> inputs_; // dialog name, input
    std::deque<std::optional<std::string>> fileAnswers_;
};
