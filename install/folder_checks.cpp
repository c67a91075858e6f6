// The checks that Install and Uninstall run before they touch anything, and their refusals.
#include "install/folder_checks.h"

#include <cstring>

#include "analysis/aircraft_paths.h"
#include "app/installer_state.h"

namespace {

// The base folder, ending with its backslash; false when the aircraft path has no folder.
bool baseFolder(EntryBase base, char (&folder)[kPathCapacity]) {
    if (base == EntryBase::installer) {
        return composePath(folder, {installerState.startDirectory});
    }
    return aircraftFolder(installerState.aircraftCfgPath, folder);
}

bool fullPath(const PlannedEntry& entry, char (&path)[kPathCapacity]) {
    char folder[kPathCapacity];
    return baseFolder(entry.base, folder) && std::strlen(entry.name) < kPathCapacity &&
           composePath(path, {folder, entry.name});
}

// Why the entry cannot serve its use, or null.
const char* obstacle(const PlannedEntry& entry, const FindResult& found) {
    switch (entry.use) {
    case EntryUse::folderToUse:
        return found.isLink ? "\" is a link to a folder elsewhere !!!\n\nWriting there would "
                              "change every aircraft\nthat shares it."
                            : nullptr;
    case EntryUse::fileToWrite:
    case EntryUse::fileToMove:
        if (found.isLink) {
            return "\" is a link to a file elsewhere !!!\n\nThe installer never changes a file "
                   "through a link.";
        }
        if (found.isDirectory) {
            return "\" is a folder where a file belongs !!!";
        }
        if (found.readOnly && entry.use == EntryUse::fileToWrite) {
            return "\" is read-only, so it cannot be replaced !!!";
        }
        return nullptr;
    case EntryUse::pathOnly:
        return nullptr;
    }
    return nullptr;
}

} // namespace

void planEntry(EntryPlan& plan, EntryBase base, EntryUse use, const char* name,
               const char* suffix) {
    if (plan.count == EntryPlan::kCapacity) {
        return; // the commands plan well below the capacity
    }
    PlannedEntry& entry = plan.entries[plan.count++];
    entry.base = base;
    entry.use = use;
    entry.name[0] = '\0';
    std::strncat(entry.name, name, sizeof entry.name - 1);
    std::strncat(entry.name, suffix, sizeof entry.name - 1 - std::strlen(entry.name));
}

bool checkPathsFit(const EntryPlan& plan, const char* ending, char (&message)[kMessageCapacity]) {
    for (std::size_t i = 0; i < plan.count; ++i) {
        const PlannedEntry& entry = plan.entries[i];
        char path[kPathCapacity];
        if (!fullPath(entry, path)) {
            joinMessage(message, {"The path of \"", entry.name,
                                  entry.base == EntryBase::aircraft ? "\" in the aircraft folder"
                                                                    : "\" beside the installer",
                                  "\nwould be longer than 259 characters !!!", ending});
            return false;
        }
    }
    return true;
}

bool checkEntriesUsable(const EntryPlan& plan, const char* ending,
                        char (&message)[kMessageCapacity]) {
    for (std::size_t i = 0; i < plan.count; ++i) {
        const PlannedEntry& entry = plan.entries[i];
        if (entry.use == EntryUse::pathOnly) {
            continue;
        }
        char path[kPathCapacity];
        FindResult found;
        const char* reason = nullptr;
        if (fullPath(entry, path) && findFirst(path, &found)) {
            reason = obstacle(entry, found);
        }
        if (reason != nullptr) {
            joinMessage(message, {entry.use == EntryUse::folderToUse ? "The folder \"" : "\"",
                                  entry.name, reason, ending});
            return false;
        }
    }
    return true;
}
