// What the installer's configuration files hold on disk, for byte comparisons in tests.
#pragma once

#include <string>

#include "analysis/result_codes.h"

// text with every LF stored as CR LF, as the installer's text files store it.
std::string withCrLf(const std::string& text);

// writeTuningSections' output for installerState as stored; its result to *result, else must be 0.
std::string tuningSectionsOnDisk(ResultCode* result = nullptr);
