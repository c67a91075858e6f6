// What Install and Uninstall make sure of before they touch anything: every path they will build
// fits its field, and nothing they will write, replace or remove is a link to somewhere else, a
// folder where a file belongs, or a file that cannot be removed.
#pragma once

#include <cstddef>

#include "analysis/result_codes.h"
#include "platform/platform.h"

// Where an entry lies: in the aircraft folder, or beside the installer (its start directory).
enum class EntryBase { aircraft, installer };

// What the command will do with an entry, and so what may not stand under its name.
enum class EntryUse {
    pathOnly,    // read, or a name that must be free: only its path must fit
    fileToMove,  // a file replaced with its old bytes kept, or a kept copy moved back
    fileToWrite, // a file written afresh or removed: not read-only either
    folderToUse, // a folder the command writes into: not a link to a folder elsewhere
};

struct PlannedEntry {
    EntryBase base;
    char name[2 * kPathCapacity]; // relative to its base, as the user finds it there:
                                  // "Panel\\Panel.cfg"
    EntryUse use;
};

// A command's entries in the order they are checked; fixed capacity, no allocation.
struct EntryPlan {
    static constexpr std::size_t kCapacity = 64;
    PlannedEntry entries[kCapacity];
    std::size_t count = 0;
};

// Adds an entry named by the parts joined (a name too long for any field is still checked, and
// refused, by its length).
void planEntry(EntryPlan& plan, EntryBase base, EntryUse use, const char* name,
               const char* suffix = "");

// False, with the refusal composed into message (its last words `ending`), at the first entry
// whose full path would not fit the 260 characters of a path field.
bool checkPathsFit(const EntryPlan& plan, const char* ending, char (&message)[kMessageCapacity]);

// False, with the refusal composed into message, at the first entry that stands in the way of its
// use. Run after checkPathsFit.
bool checkEntriesUsable(const EntryPlan& plan, const char* ending,
                        char (&message)[kMessageCapacity]);
