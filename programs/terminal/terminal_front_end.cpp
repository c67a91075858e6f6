// The terminal front end's modal loops: dialogs, message boxes and the file-open panel each
// paint, wait for a key and act on it, and repaint after a resize.
#include "programs/terminal/terminal_front_end.h"

#include <curses.h>
#include <unistd.h>

#include <algorithm>
#include <cstring>
#include <string>
#include <vector>

#include "platform/emulated/dialog_manager.h"
#include "platform/posix/posix_paths.h"
#include "programs/terminal/curses_canvas.h"
#include "programs/terminal/file_open_panel.h"
#include "programs/terminal/key_input.h"
#include "programs/terminal/message_box.h"

namespace terminal {

namespace {

// The open dialogs from the outermost owner to the innermost dialog.
std::vector<WindowHandle> dialogStack() {
    std::vector<WindowHandle> stack;
    for (WindowHandle dialog = emulated::innermostDialog(); dialog != nullptr;
         dialog = emulated::dialogOwner(dialog)) {
        stack.insert(stack.begin(), dialog);
    }
    return stack;
}

void paintTooSmall(Canvas& canvas, int rows, int columns) {
    const std::string notice = "The terminal is too small for the installer: it needs " +
                               std::to_string(columns) + " x " + std::to_string(rows) +
                               " cells, it has " + std::to_string(canvas.columns()) + " x " +
                               std::to_string(canvas.rows()) + ". Please enlarge it.";
    const std::vector<std::string> lines = wrapText(notice, std::max(10, canvas.columns() - 2));
    for (std::size_t i = 0; i < lines.size(); ++i) {
        canvas.text(static_cast<int>(i), 1, lines[i], Look::normal);
    }
}

void paintHelp(Canvas& canvas, const PaintedDialog& painted, bool closeBox) {
    if (canvas.rows() <= painted.frame.bottom()) {
        return;
    }
    std::string help = "Tab/Shift-Tab: move  Arrows: in the group  Space: toggle  Enter: default";
    if (closeBox) {
        help += "  F10: close";
    }
    const int col = std::max(0, (canvas.columns() - static_cast<int>(help.size())) / 2);
    canvas.text(canvas.rows() - 1, col, help, Look::hint);
}

constexpr int kGoneAfterErrors = 100;

} // namespace

std::optional<PaintedDialog> TerminalFrontEnd::paintDialogs(Canvas& canvas, bool withHelp) {
    const std::vector<WindowHandle> stack = dialogStack();
    int rows = 0;
    int columns = 0;
    for (WindowHandle dialog : stack) {
        const CellRect frame = frameCells(*emulated::dialogTemplate(dialog), 0, 0);
        rows = std::max(rows, frame.height);
        columns = std::max(columns, frame.width);
    }
    erase();
    if (canvas.rows() < rows || canvas.columns() < columns) {
        paintTooSmall(canvas, rows, columns);
        return std::nullopt;
    }
    std::optional<PaintedDialog> innermost;
    for (WindowHandle dialog : stack) {
        innermost = paintDialog(canvas, pictureOf(dialog), dialog == stack.back());
    }
    if (innermost && withHelp) {
        paintHelp(canvas, *innermost, emulated::dialogTemplate(stack.back())->closeBox);
    }
    return innermost;
}

std::optional<int> TerminalFrontEnd::readKey() {
    for (int errors = 0; errors < kGoneAfterErrors; ++errors) {
        const int key = getch();
        if (key != ERR) {
            return key;
        }
        napms(10); // an interrupted wait, or a terminal that has gone away
    }
    return std::nullopt;
}

template <typename SameTarget>
std::optional<std::pair<int, int>> TerminalFrontEnd::clickedAt(SameTarget sameTarget) {
    MEVENT event{};
    if (getmouse(&event) != OK) {
        return std::nullopt;
    }
    const std::pair<int, int> cell{event.y, event.x};
    if ((event.bstate & BUTTON1_CLICKED) != 0) {
        pressedAt_.reset();
        return cell;
    }
    if ((event.bstate & BUTTON1_PRESSED) != 0) {
        pressedAt_ = cell;
    }
    if ((event.bstate & BUTTON1_RELEASED) != 0 && pressedAt_) {
        const std::pair<int, int> pressed = *pressedAt_;
        pressedAt_.reset();
        if (sameTarget(pressed, cell)) {
            return cell;
        }
    }
    return std::nullopt;
}

emulated::InputEvent TerminalFrontEnd::nextInput(WindowHandle /*dialog*/) {
    CursesCanvas canvas;
    for (;;) {
        const std::optional<PaintedDialog> painted = paintDialogs(canvas, true);
        refresh();
        const std::optional<int> key = readKey();
        if (!key) {
            return emulated::InputEvent::key(emulated::InputKind::abandon);
        }
        if (!painted) {
            continue; // too small: only a resize helps
        }
        if (*key == KEY_MOUSE) {
            const auto hit = [&](std::pair<int, int> cell) {
                return painted->hitAt(cell.first, cell.second);
            };
            const auto click = clickedAt([&](auto a, auto b) { return hit(a) == hit(b); });
            if (click && hit(*click)) {
                const int id = *hit(*click);
                return id == kCloseBoxHit ? emulated::InputEvent::key(emulated::InputKind::closeBox)
                                          : emulated::InputEvent::click(id);
            }
            continue;
        }
        if (const auto input = dialogInputForKey(*key)) {
            return *input;
        }
    }
}

int TerminalFrontEnd::showMessageBox(WindowHandle /*owner*/, const char* text, const char* caption,
                                     unsigned style) {
    CursesCanvas canvas;
    for (;;) {
        paintDialogs(canvas, false);
        const MessageBoxLayout layout =
            layoutMessageBox(text, caption, style, canvas.rows(), canvas.columns());
        paintMessageBox(canvas, layout, caption);
        refresh();
        const std::optional<int> key = readKey();
        if (!key || closesMessageBox(*key)) {
            return IDOK;
        }
        if (*key == KEY_MOUSE) {
            const auto onOk = [&](std::pair<int, int> cell) {
                return layout.okButton.contains(cell.first, cell.second);
            };
            if (clickedAt([&](auto a, auto b) { return onOk(a) && onOk(b); })) {
                return IDOK;
            }
        }
    }
}

void TerminalFrontEnd::beep(unsigned /*type*/) {
    ::beep();
}

bool TerminalFrontEnd::requestOpenFile(FileOpenRequest& request) {
    char folder[kPathCapacity * 4];
    if (getcwd(folder, sizeof folder) == nullptr) {
        std::strcpy(folder, "/");
    }
    const std::string title = request.title == nullptr ? "" : request.title;
    FileOpenPanel panel(folder, request.fileBuffer, request.flags, request.fileBufferSize);
    CursesCanvas canvas;
    curs_set(1);
    FileOpenPanel::Outcome outcome = FileOpenPanel::Outcome::open;
    while (outcome == FileOpenPanel::Outcome::open) {
        erase();
        if (canvas.rows() < kPanelMinimumRows || canvas.columns() < kPanelMinimumColumns) {
            paintTooSmall(canvas, kPanelMinimumRows, kPanelMinimumColumns);
            refresh();
            if (!readKey()) {
                outcome = FileOpenPanel::Outcome::cancelled;
            }
            continue;
        }
        paintDialogs(canvas, false);
        const PanelLayout layout = paintFileOpenPanel(canvas, panel, title);
        move(layout.cursorRow, layout.cursorCol);
        refresh();
        const std::optional<int> key = readKey();
        if (!key) {
            outcome = FileOpenPanel::Outcome::cancelled;
        } else if (*key == KEY_MOUSE) {
            const auto hit = [&](std::pair<int, int> cell) {
                return layout.hitAt(cell.first, cell.second);
            };
            if (const auto click = clickedAt([&](auto a, auto b) { return hit(a) == hit(b); })) {
                outcome = clickPanel(panel, hit(*click));
            }
        } else if (const auto input = panelInputForKey(*key)) {
            outcome = panel.press(input->key, input->character);
        }
        if (outcome == FileOpenPanel::Outcome::beep) {
            ::beep();
            outcome = FileOpenPanel::Outcome::open;
        } else if (outcome == FileOpenPanel::Outcome::refused) {
            curs_set(0);
            showMessageBox(nullptr, panel.refusal().c_str(), title.c_str(),
                           MB_OK | MB_ICONEXCLAMATION);
            curs_set(1);
            outcome = FileOpenPanel::Outcome::open;
        }
    }
    curs_set(0);
    if (outcome != FileOpenPanel::Outcome::chosen ||
        panel.chosenPath().size() + 1 > request.fileBufferSize) {
        return false;
    }
    std::memcpy(request.fileBuffer, panel.chosenPath().c_str(), panel.chosenPath().size() + 1);
    // Without OFN_NOCHANGEDIR the Windows dialog leaves the chosen file's folder current.
    std::string native;
    if (resolveCorePath(panel.chosenPath().c_str(), &native)) {
        const std::size_t slash = native.rfind('/');
        [[maybe_unused]] const int changed =
            chdir(slash == 0 ? "/" : native.substr(0, slash).c_str());
    }
    return true;
}

} // namespace terminal
