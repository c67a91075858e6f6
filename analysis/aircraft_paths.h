// Paths derived from the chosen aircraft.cfg, composed into fixed path fields.
#pragma once

#include <cstddef>
#include <initializer_list>

#include "platform/platform.h"

// The length of "aircraft.cfg", cut from the chosen path to leave the aircraft folder.
constexpr std::size_t kCfgNameLength = 12;

// Joins parts, in order, into path. False when the result would not fit the field (260
// characters or more with the terminator); path is then the empty text, never a cut path. path
// may also be one of the parts.
bool composePath(char (&path)[kPathCapacity], std::initializer_list<const char*> parts);

// The aircraft folder: cfgPath less its last 12 characters, whatever they are, so for a file
// named aircraft.cfg it ends with the backslash before the name. False (folder empty) when
// cfgPath is shorter than 12 characters and so has no folder.
bool aircraftFolder(const char* cfgPath, char (&folder)[kPathCapacity]);

// The chosen file's name within its folder: the last 12 characters of cfgPath, which must have a
// folder (see aircraftFolder).
const char* configFileName(const char* cfgPath);

// path with "_ORIGINAL" appended: where a replaced file is kept. False, kept empty, when it
// does not fit.
bool keptCopyPath(const char* path, char (&kept)[kPathCapacity]);
