// The scripted front end: tests queue the user's answers (inputs for nested dialogs, file-open
// answers) and read back every message box, beep and file-open request in order.
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
    // A beep (style holds its type) or a message box, in the order they came.
    struct Notice {
        NoticeKind kind;
        unsigned style;
        std::string text, caption;
        WindowHandle owner; // null for a beep and for a box without owner
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
    void queueOpenFile(const std::string& path) { fileAnswers_.emplace_back(path); }
    void queueOpenFileCancel() { fileAnswers_.emplace_back(std::nullopt); }
    // Queued inputs and file answers nobody asked for yet.
    std::size_t pendingAnswers() const { return inputs_.size() + fileAnswers_.size(); }

    const std::vector<Notice>& notices() const { return notices_; }
    const std::vector<FileRequest>& fileRequests() const { return fileRequests_; }
    // The owner of each dialog opened so far, in order.
    const std::vector<WindowHandle>& dialogOwners() const { return dialogOwners_; }

    // An input or file answer asked for but not queued (or queued for another dialog) fails the
    // test and abandons the dialog or cancels the request, so a test never hangs.
    emulated::InputEvent nextInput(WindowHandle dialog) override;
    int showMessageBox(WindowHandle owner, const char* text, const char* caption,
                       unsigned style) override;
    void beep(unsigned type) override;
    bool requestOpenFile(FileOpenRequest& request) override;
    void dialogOpened(WindowHandle dialog) override;

private:
    struct ScriptedInput {
        std::string dialogName;
        emulated::InputEvent input;
    };
    std::deque<ScriptedInput> inputs_;
    std::deque<std::optional<std::string>> fileAnswers_;
    std::vector<Notice> notices_;
    std::vector<FileRequest> fileRequests_;
    std::vector<WindowHandle> dialogOwners_;
};
// For readable failures.
std::ostream& operator<<(std::ostream& out, const ScriptedFrontEnd::Notice& notice);
