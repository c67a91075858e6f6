// The file-open panel's name field: one line of text with a cursor inside it, and a selection of
// the whole text that a proposed name starts with, so that the first key typed replaces it.
#pragma once

#include <string>

namespace terminal {

class PathField {
public:
    // The text with the cursor at its end, selected whole or not.
    void set(std::string text, bool selected);

    const std::string& text() const { return text_; }
    std::size_t cursor() const { return cursor_; }
    bool selected() const { return selected_; }

    // Typing and deleting take the selection away first: a character then replaces it, and a
    // deleting key deletes only the selection.
    void insert(char character);
    void backspace();
    void erase(); // the character under the cursor
    void deleteToStart();
    // Back over separators and blanks, then over a word; a path separator ends a word.
    void deleteWord();

    // A move drops the selection and keeps the text; from a selection, Left and Home go to its
    // start, Right and End to its end.
    void left();
    void right();
    void home();
    void end();

    // Puts `text` in place of the characters from `from` up to the cursor, which then follows it.
    void replaceBeforeCursor(std::size_t from, const std::string& text);

private:
    // Deletes the selection; false when there was none.
    bool deleteSelection();

    std::string text_;
    std::size_t cursor_ = 0;
    bool selected_ = false;
};

// Path separators: the native slash and the backslash that Windows-form paths use.
bool isPathSeparator(char c);

} // namespace terminal
