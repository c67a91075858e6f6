// The scripted front end: tests queue the user's answers (inputs for nested dialogs, file-open
// answers) and read back every beep, message box, file-open request and dialog in order.
#pragma once

#include <cstdint>
#include <deque>
#include <optional>
#include <ostream>
#include <string>
#include <vector>

#include "platform/emulated/front_end.h"

class ScriptedFrontEnd final : public emulated::FrontEnd {
public:
    enum class NoticeKind { beep, messageBox };
    struct Notice {
        NoticeKind kind;
        unsigned style; // a beep's type
        std::string text, caption;
        WindowHandle owner;
        bool operator==(const Notice&) const = default;
    };
    static Notice beepOf(unsigned type) { return {NoticeKind::beep, type, "", "", nullptr}; }
    // The installer's one kind of box: MB_OK | MB_ICONEXCLAMATION, with its caption.
    static Notice errorBox(const std::string& text, WindowHandle owner) {
        return {NoticeKind::messageBox, 0x30, text, "ERROR from ZRK MD11 Panel installer", owner};
    }
    struct FileRequest {
        std::string title;
        std::uint32_t flags;
        std::string proposedName; // the buffer's content when the request came
        WindowHandle owner;
    };

    // The next input of a dialog run by a modal loop; the dialog asking must be `dialogName`.
    void queueInput(const std::string& dialogName, emulated::InputEvent input) {
        inputs_.push_back({dialogName, input});
    }
    // The answer to the next file-open request: a full path in Windows form, or a cancel.
    void queueOpenFile(std::optional<std::string> path) { fileAnswers_.push_back(path); }
    // Queued inputs and file answers nobody asked for yet.
    std::size_t pendingAnswers() const { return inputs_.size() + fileAnswers_.size(); }

    // An input or file answer asked for but not queued (or queued for another dialog) fails the
    // test and abandons the dialog or cancels the request, so a test never hangs.
    emulated::InputEvent nextInput(WindowHandle dialog) override;
    int showMessageBox(WindowHandle owner, const char* text, const char* caption,
                       unsigned style) override;
    void beep(unsigned type) override { notices.push_back(beepOf(type)); }
    bool requestOpenFile(FileOpenRequest& request) override;
    void dialogOpened(WindowHandle dialog) override;

    std::vector<Notice> notices;
    std::vector<FileRequest> fileRequests;
    std::vector<WindowHandle> dialogOwners; // of each dialog opened, in order

private:
    struct ScriptedInput {
        std::string dialogName;
        emulated::InputEvent input;
    };
    std::deque<ScriptedInput> inputs_;
    std::deque<std::optional<std::string>> fileAnswers_;
};

// For readable failures.
std::ostream& operator<<(std::ostream& out, const ScriptedFrontEnd::Notice& notice);
