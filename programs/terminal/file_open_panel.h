// The file-open request in the terminal: a modal panel that lists a folder's entries to walk
// through and holds a path field proposing the request's file name. It refuses, as the Windows
// dialog does under OFN_FILEMUSTEXIST and OFN_PATHMUSTEXIST, a file or path that does not exist.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "programs/terminal/canvas.h"
#include "programs/terminal/path_field.h"

namespace terminal {

enum class PanelKey {
    character, // insert the character at the cursor
    backspace,
    erase, // the character under the cursor
    left,
    right,
    home,
    end,
    deleteToStart,
    deleteWord,
    complete, // the name before the cursor, as a shell completes it
    up,       // the previous entry of the list
    down,
    pageUp,
    pageDown,
    enter, // open the field's folder, or choose its file
    escape,
};

struct PanelEntry {
    std::string name;
    bool isFolder;
};

class FileOpenPanel {
public:
    enum class Outcome {
        open,      // still asking
        chosen,    // chosenPath() holds the file
        cancelled, // Escape
        refused,   // refusal() says why; the panel stays open
        beep,      // still asking; the key found nothing to do (no completion, or several)
    };

    // Looks in `folder` (a native absolute path); the field starts with `proposed`. A chosen
    // path must fit `capacity` characters with its terminator.
    FileOpenPanel(const std::string& folder, std::string proposed, std::uint32_t flags,
                  std::size_t capacity);

    Outcome press(PanelKey key, char character = 0);
    // A click on an entry: the first click selects it, a click on the selected one opens it.
    Outcome clickEntry(std::size_t index);

    const std::string& folder() const { return folder_; }
    const std::string& field() const { return field_.text(); }
    std::size_t cursor() const { return field_.cursor(); }
    // The whole field is selected: the first key typed replaces it.
    bool fieldSelected() const { return field_.selected(); }
    const std::vector<PanelEntry>& entries() const { return entries_; }
    int selected() const { return selected_; }
    // The chosen file's full path in Windows form, its folders under their stored names.
    const std::string& chosenPath() const { return chosen_; }
    const std::string& refusal() const { return refusal_; }

    // The first entry to show in a list of `height` lines so that the selection is in view.
    std::size_t firstShown(int height);

private:
    Outcome confirm();
    Outcome refuse(const char* reason);
    Outcome complete();
    void enterFolder(const std::string& native);
    void select(int index);

    std::string folder_;
    std::string proposed_;
    std::uint32_t flags_;
    std::size_t capacity_;
    PathField field_;
    std::vector<PanelEntry> entries_;
    int selected_ = -1;
    std::size_t firstShown_ = 0;
    std::string chosen_;
    std::string refusal_;
};

// What a click on the panel lands on.
struct PanelHit {
    enum class Kind { nothing, openButton, cancelButton, entry };
    Kind kind = Kind::nothing;
    std::size_t entry = 0; // for Kind::entry: the index into entries()

    bool operator==(const PanelHit&) const = default;
};

// Where the panel's parts went, for clicks and the text cursor.
struct PanelLayout {
    CellRect frame;
    CellRect list;
    std::size_t firstShown = 0;
    CellRect openButton;
    CellRect cancelButton;
    int cursorRow = 0;
    int cursorCol = 0;

    PanelHit hitAt(int row, int col) const;
};

// A finished click: "Open" is Enter, "Cancel" is Escape, an entry as clickEntry.
FileOpenPanel::Outcome clickPanel(FileOpenPanel& panel, const PanelHit& hit);

// The smallest canvas the panel is drawn in.
constexpr int kPanelMinimumRows = 12;
constexpr int kPanelMinimumColumns = 44;

PanelLayout paintFileOpenPanel(Canvas& canvas, FileOpenPanel& panel, const std::string& title);

} // namespace terminal
