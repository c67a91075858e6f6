// The scripted front end: tests queue the user's answers (inputs for nested dialogs, file-open
// answers) and read back every message box, beep and file-open request in order.
#pragma once

#include <cstdint>
#include <deque>
#include <optional>
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
        std::string text;
        std::string caption;
        WindowHandle owner; // null for a beep and for a box without owner
    };
    struct FileRequest {
        std::string title;
        std::uint32_t flags;
        std::string proposedName; // the buffer's content when the request came
        WindowHandle owner;
    };

    // The next input of a dialog run by a modal loop; the dialog asking must be `dialogName`.
    void queueInput(const std::string& dialogName, emulated::InputEvent input);
    void queueClick(const std::string& dialogName, int id) {
        queueInput(dialogName, emulated::InputEvent::click(id));
    }
    // The answer to the next file-open request: a full path in Windows form, or a cancel.
    void queueOpenFile(const std::string& path) { fileAnswers_.emplace_back(path); }
    void queueOpenFileCancel() { fileAnswers_.emplace_back(std::nullopt); }
    // Queued inputs and file answers nobody asked for yet.
    std::size_t pendingAnswers() const { return inputs_.size() + fileAnswers_.size(); }

    const std::vector<Notice>& notices() const { return notices_; }
    std::vector<Notice> messageBoxes() const;
    std::vector<unsigned> beeps() const;
    const std::vector<FileRequest>& fileRequests() const { return fileRequests_; }
    // Template names of the dialogs opened so far, in order.
    const std::vector<std::string>& dialogsOpened() const { return dialogsOpened_; }
    // Owner windows of the dialogs opened so far, in the same order.
    const std::vector<WindowHandle>& dialogOwners() const { return dialogOwners_; }

    // emulated::FrontEnd. An input or file answer asked for but not queued (or queued for
    // another dialog) is a test failure; the dialog is then abandoned or the request cancelled,
    // so a test never hangs.
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
    std::vector<std::string> dialogsOpened_;
    std::vector<WindowHandle> dialogOwners_;
};
