// What the installer's configuration files hold on disk, for byte comparisons in tests.
#pragma once

#include <string>

#include "analysis/result_codes.h"

// text with every LF stored as CR LF, as the installer's text files store it.
std::string withCrLf(const std::string& text);

// What writeTuningSections writes for the current installerState, as stored on disk. The
// writer's result goes to *result; without one it must be success.
std::string tuningSectionsOnDisk(ResultCode* result = nullptr);
