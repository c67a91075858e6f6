// Line editing of the file-open panel's name field.
#include "programs/terminal/path_field.h"

namespace terminal {

bool isPathSeparator(char c) {
    return c == '/' || c == '\\';
}

void PathField::set(std::string text, bool selected) {
    text_ = std::move(text);
    cursor_ = text_.size();
    selected_ = selected && !text_.empty();
}

bool PathField::deleteSelection() {
    if (!selected_) {
        return false;
    }
    set("", false);
    return true;
}

void PathField::insert(char character) {
    deleteSelection();
    text_.insert(cursor_++, 1, character);
}

void PathField::backspace() {
    if (!deleteSelection() && cursor_ > 0) {
        text_.erase(--cursor_, 1);
    }
}

void PathField::erase() {
    if (!deleteSelection() && cursor_ < text_.size()) {
        text_.erase(cursor_, 1);
    }
}

void PathField::deleteToStart() {
    if (!deleteSelection()) {
        text_.erase(0, cursor_);
        cursor_ = 0;
    }
}

void PathField::deleteWord() {
    if (deleteSelection()) {
        return;
    }
    const auto boundary = [this](std::size_t at) {
        return isPathSeparator(text_[at - 1]) || text_[at - 1] == ' ';
    };
    std::size_t start = cursor_;
    while (start > 0 && boundary(start)) {
        --start;
    }
    while (start > 0 && !boundary(start)) {
        --start;
    }
    text_.erase(start, cursor_ - start);
    cursor_ = start;
}

void PathField::left() {
    cursor_ = selected_ ? 0 : cursor_ - (cursor_ > 0 ? 1 : 0);
    selected_ = false;
}

void PathField::right() {
    cursor_ = selected_ ? text_.size() : cursor_ + (cursor_ < text_.size() ? 1 : 0);
    selected_ = false;
}

void PathField::home() {
    cursor_ = 0;
    selected_ = false;
}

void PathField::end() {
    cursor_ = text_.size();
    selected_ = false;
}

void PathField::replaceBeforeCursor(std::size_t from, const std::string& text) {
    text_.replace(from, cursor_ - from, text);
    cursor_ = from + text.size();
    selected_ = false;
}

} // namespace terminal
