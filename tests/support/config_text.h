// What the installer's configuration files hold on disk, for byte comparisons in tests.
#pragma once

#include <string>

// text with every LF stored as CR LF, as the installer's text files store it.
std::string withCrLf(const std::string& text);

// writeTuningSections' output for installerState as stored; the writer must succeed.
std::string tuningSectionsOnDisk();
