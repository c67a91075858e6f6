// Layout and painting of the message box overlay.
#include "programs/terminal/message_box.h"

#include <algorithm>

#include "platform/platform.h"

namespace terminal {

namespace {

constexpr std::string_view kOkLabel = "[ OK ]";
constexpr std::string_view kExclamationMark = "/!\\";
constexpr int kMargin = 2;   // blank columns inside the frame on either side
constexpr int kIconRoom = 5; // the mark and the blanks after it
constexpr unsigned kIconMask = 0xF0;

int width(std::string_view text) {
    return static_cast<int>(text.size());
}

} // namespace

MessageBoxLayout layoutMessageBox(std::string_view text, std::string_view caption, unsigned style,
                                  int rows, int columns) {
    MessageBoxLayout layout;
    layout.exclamation = (style & kIconMask) == MB_ICONEXCLAMATION;
    const int icon = layout.exclamation ? kIconRoom : 0;
    const int wrapWidth = std::clamp(columns - 2 - 2 * kMargin - icon, 10, 72);
    layout.lines = wrapText(text, wrapWidth);
    int longest = 0;
    for (const std::string& line : layout.lines) {
        longest = std::max(longest, width(line));
    }
    const int inner =
        std::max({longest + icon + 2 * kMargin, width(caption) + 4, width(kOkLabel) + 4});
    const int height = static_cast<int>(layout.lines.size()) + 5;
    layout.frame = {std::max(0, (rows - height) / 2), std::max(0, (columns - inner - 2) / 2),
                    height, inner + 2};
    layout.textRow = layout.frame.row + 2;
    layout.textCol = layout.frame.col + 1 + kMargin + icon;
    layout.okButton = {layout.frame.bottom() - 2,
                       layout.frame.col + (layout.frame.width - width(kOkLabel)) / 2, 1,
                       width(kOkLabel)};
    return layout;
}

void paintMessageBox(Canvas& canvas, const MessageBoxLayout& layout, std::string_view caption) {
    canvas.fill(layout.frame, Look::normal);
    canvas.frame(layout.frame, Look::frame);
    if (!caption.empty()) {
        std::string title = " ";
        title.append(caption).append(" ");
        canvas.text(layout.frame.row, layout.frame.col + 2, title, Look::title);
    }
    if (layout.exclamation) {
        canvas.text(layout.textRow, layout.frame.col + 1 + kMargin, kExclamationMark, Look::title);
    }
    for (std::size_t i = 0; i < layout.lines.size(); ++i) {
        canvas.text(layout.textRow + static_cast<int>(i), layout.textCol, layout.lines[i],
                    Look::normal);
    }
    canvas.text(layout.okButton.row, layout.okButton.col - 1, ">", Look::normal);
    canvas.text(layout.okButton.row, layout.okButton.col, kOkLabel, Look::focused);
}

} // namespace terminal
