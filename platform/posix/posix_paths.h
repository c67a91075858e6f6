// Windows-form paths mapped onto a POSIX file system whose names are matched without regard
// to ASCII letter case, the way Windows and Wine resolve them.
#pragma once

#include <string>
#include <string_view>

// Splits a Windows-form path (backslashes, or slashes) into its native folder and its last
// component. Every folder component that names an existing entry is replaced by that entry's
// stored name; one that names nothing is kept as given, and so are "." and "..". A leading
// separator makes the path absolute; otherwise it is relative to the current directory and
// `folder` may be empty. Dots and blanks that end the last component are dropped, as Windows
// drops them. False for a null path, a path of 260 characters or more, or an empty last
// component (a path ending in a separator).
bool splitCorePath(const char* corePath, std::string* folder, std::string* last);

// The native name of a Windows-form path with its last component resolved too. A last
// component that names nothing is kept as given, so a file can be created under that name.
// False where splitCorePath is.
bool resolveCorePath(const char* corePath, std::string* native);

// `folder` (empty: the current directory) joined with `name`.
std::string joinNativePath(const std::string& folder, const std::string& name);

// True when some entry of `folder` other than "." and ".." matches `pattern` without regard to
// case; `*` matches any run of characters and `?` exactly one when `wildcards` is set. The
// stored name goes to `stored`: without wildcards the exact name when it exists, else (and for
// patterns) the first match in case-insensitive order (then byte order). A pattern passes over
// a link that leads nowhere.
// False as well when the folder cannot be listed.
bool findStoredName(const std::string& folder, const std::string& pattern, bool wildcards,
                    std::string* stored);

// True when the name holds * or ?.
bool hasWildcards(std::string_view name);

// Case-insensitive order of names: ASCII letters compare as upper case (the order of an NTFS
// folder, so '_' sorts after the letters), other bytes by value; names equal that way fall back
// to byte order. Negative, zero or positive.
int compareNamesNoCase(std::string_view a, std::string_view b);

// Whole-name match of `name` against a pattern of * and ?, without regard to ASCII case.
bool matchesPatternNoCase(std::string_view pattern, std::string_view name);

// The Windows form of a native path, as the core keeps it: every slash becomes a backslash.
std::string corePathFromNative(std::string_view native);
