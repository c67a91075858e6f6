// The file-open panel: folder listing, name completion, the keys and the existence checks.
#include "programs/terminal/file_open_panel.h"

#include <dirent.h>
#include <sys/stat.h>

#include <algorithm>

#include "platform/platform.h"
#include "platform/posix/posix_paths.h"

namespace terminal {

namespace {

// The folders first, then the files, each in the order a Windows folder lists them.
std::vector<PanelEntry> listFolder(const std::string& folder) {
    std::vector<PanelEntry> entries;
    DIR* dir = opendir(folder.c_str());
    if (dir == nullptr) {
        return entries;
    }
    while (const dirent* entry = readdir(dir)) {
        const std::string name = entry->d_name;
        if (name.empty() || name[0] == '.') {
            continue; // ".", ".." and the entries POSIX hides
        }
        struct stat info {};
        const bool isFolder =
            stat(joinNativePath(folder, name).c_str(), &info) == 0 && S_ISDIR(info.st_mode);
        entries.push_back({name, isFolder});
    }
    closedir(dir);
    std::sort(entries.begin(), entries.end(), [](const PanelEntry& a, const PanelEntry& b) {
        if (a.isFolder != b.isFolder) {
            return a.isFolder;
        }
        return compareNamesNoCase(a.name, b.name) < 0;
    });
    if (folder != "/") {
        entries.insert(entries.begin(), {"..", true});
    }
    return entries;
}

// An absolute native path with "." and ".." taken out and separators single.
std::string normalised(const std::string& path) {
    std::vector<std::string> parts;
    std::size_t start = 0;
    while (start <= path.size()) {
        std::size_t slash = path.find('/', start);
        if (slash == std::string::npos) {
            slash = path.size();
        }
        const std::string part = path.substr(start, slash - start);
        if (part == "..") {
            if (!parts.empty()) {
                parts.pop_back();
            }
        } else if (!part.empty() && part != ".") {
            parts.push_back(part);
        }
        start = slash + 1;
    }
    std::string joined;
    for (const std::string& part : parts) {
        joined += "/" + part;
    }
    return joined.empty() ? "/" : joined;
}

// The native folder that a typed folder part names (relative to `base` unless absolute), its
// components found without regard to letter case as the rest of the program finds them.
std::string typedFolder(const std::string& base, std::string typed) {
    std::replace(typed.begin(), typed.end(), '\\', '/'); // the core takes both separators
    const std::string native = normalised(typed[0] == '/' ? typed : base + "/" + typed);
    std::string stored;
    return resolveCorePath(corePathFromNative(native).c_str(), &stored) ? stored : native;
}

// How many leading characters the two names share, letter case aside.
std::size_t commonLength(const std::string& a, const std::string& b) {
    const auto upper = [](char c) { return c >= 'a' && c <= 'z' ? static_cast<char>(c - 32) : c; };
    std::size_t length = 0;
    while (length < a.size() && length < b.size() && upper(a[length]) == upper(b[length])) {
        ++length;
    }
    return length;
}

std::string parentOf(const std::string& native) {
    const std::size_t slash = native.rfind('/');
    return slash == 0 || slash == std::string::npos ? "/" : native.substr(0, slash);
}

} // namespace

FileOpenPanel::FileOpenPanel(const std::string& folder, std::string proposed, std::uint32_t flags,
                             std::size_t capacity)
    : proposed_(std::move(proposed)), flags_(flags), capacity_(capacity) {
    enterFolder(normalised(folder));
}

void FileOpenPanel::enterFolder(const std::string& native) {
    folder_ = native;
    entries_ = listFolder(folder_);
    selected_ = -1;
    firstShown_ = 0;
    field_.set(proposed_, true);
}

void FileOpenPanel::select(int index) {
    if (entries_.empty()) {
        return;
    }
    selected_ = std::clamp(index, 0, static_cast<int>(entries_.size()) - 1);
    field_.set(entries_[static_cast<std::size_t>(selected_)].name, false);
}

FileOpenPanel::Outcome FileOpenPanel::refuse(const char* reason) {
    refusal_ = field_.text() + "\n" + reason;
    // Selected, so that the next path typed replaces the refused one.
    field_.set(field_.text(), true);
    return Outcome::refused;
}

FileOpenPanel::Outcome FileOpenPanel::confirm() {
    const std::string& field = field_.text();
    if (field.empty()) {
        return Outcome::open;
    }
    const std::string native = normalised(field[0] == '/' ? field : folder_ + "/" + field);
    const std::string core = corePathFromNative(native);
    if (core.size() + 1 > capacity_) {
        return refuse("The path is too long.\nChoose a file with a shorter path.");
    }
    FindResult found{};
    // Wildcards would make the look-up a pattern search; no file has such a name.
    if (!hasWildcards(native) && findFirst(core.c_str(), &found)) {
        std::string stored;
        if (!resolveCorePath(core.c_str(), &stored)) {
            stored = native;
        }
        if (found.isDirectory) {
            enterFolder(stored);
            return Outcome::open;
        }
        chosen_ = corePathFromNative(stored);
        return Outcome::chosen;
    }
    if ((flags_ & OFN_PATHMUSTEXIST) != 0 &&
        !pathExists(corePathFromNative(parentOf(native)).c_str())) {
        return refuse("Path does not exist.\nCheck the path and try again.");
    }
    if ((flags_ & OFN_FILEMUSTEXIST) != 0) {
        return refuse("File not found.\nCheck the file name and try again.");
    }
    chosen_ = core;
    return Outcome::chosen;
}

FileOpenPanel::Outcome FileOpenPanel::complete() {
    const std::string before = field_.text().substr(0, field_.cursor());
    const std::size_t nameStart = before.find_last_of("/\\") + 1; // 0 without a separator
    const std::string typed = before.substr(nameStart);
    const std::vector<PanelEntry> entries =
        nameStart == 0 ? entries_ : listFolder(typedFolder(folder_, before.substr(0, nameStart)));
    const PanelEntry* first = nullptr;
    std::size_t common = 0;
    int matches = 0;
    for (const PanelEntry& entry : entries) {
        if (commonLength(entry.name, typed) < typed.size()) {
            continue;
        }
        if (first == nullptr) {
            first = &entry;
            common = entry.name.size();
        } else {
            common = std::min(common, commonLength(first->name, entry.name));
        }
        ++matches;
    }
    if (first == nullptr) {
        return Outcome::beep;
    }
    // The stored letter case of the first match, in listing order, for the part they share.
    std::string completed = first->name.substr(0, common);
    if (matches == 1 && first->isFolder) {
        completed += '/';
    } else if (matches > 1 && common == typed.size()) {
        return Outcome::beep;
    }
    field_.replaceBeforeCursor(nameStart, completed);
    return Outcome::open;
}

FileOpenPanel::Outcome FileOpenPanel::press(PanelKey key, char character) {
    const int pageStep = 10;
    switch (key) {
    case PanelKey::character:
        field_.insert(character);
        break;
    case PanelKey::backspace:
        field_.backspace();
        break;
    case PanelKey::erase:
        field_.erase();
        break;
    case PanelKey::left:
        field_.left();
        break;
    case PanelKey::right:
        field_.right();
        break;
    case PanelKey::home:
        field_.home();
        break;
    case PanelKey::end:
        field_.end();
        break;
    case PanelKey::deleteToStart:
        field_.deleteToStart();
        break;
    case PanelKey::deleteWord:
        field_.deleteWord();
        break;
    case PanelKey::complete:
        return complete();
    case PanelKey::up:
        select(selected_ < 0 ? static_cast<int>(entries_.size()) - 1 : selected_ - 1);
        break;
    case PanelKey::down:
        select(selected_ + 1);
        break;
    case PanelKey::pageUp:
        select(std::max(0, selected_) - pageStep);
        break;
    case PanelKey::pageDown:
        select(selected_ + pageStep);
        break;
    case PanelKey::enter:
        return confirm();
    case PanelKey::escape:
        return Outcome::cancelled;
    }
    return Outcome::open;
}

FileOpenPanel::Outcome FileOpenPanel::clickEntry(std::size_t index) {
    if (index >= entries_.size()) {
        return Outcome::open;
    }
    if (static_cast<int>(index) == selected_) {
        return confirm();
    }
    select(static_cast<int>(index));
    return Outcome::open;
}

std::size_t FileOpenPanel::firstShown(int height) {
    const std::size_t lines = static_cast<std::size_t>(std::max(1, height));
    if (selected_ >= 0) {
        const std::size_t selected = static_cast<std::size_t>(selected_);
        if (selected < firstShown_) {
            firstShown_ = selected;
        } else if (selected >= firstShown_ + lines) {
            firstShown_ = selected + 1 - lines;
        }
    }
    return firstShown_;
}

} // namespace terminal
