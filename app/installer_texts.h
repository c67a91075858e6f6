// The shell's own texts, used exactly as they stand.
#pragma once

#include "platform/platform.h"

// Window title, and name of the single-instance guard.
inline constexpr const char* kWindowTitle = "ZRK MD11 Panel installer - version 1.16";
// Caption of every error message box.
inline constexpr const char* kErrorCaption = "ERROR from ZRK MD11 Panel installer";
inline constexpr const char* kAlreadyRunningMessage = "This application is already running !!!";
inline constexpr const char* kMainDialogName = "MainDialog";
inline constexpr const char* kManualSettingsDialogName = "ManSetDialog";
// The style of every error box: one OK button and the exclamation icon.
inline constexpr unsigned kErrorBoxStyle = MB_OK | MB_ICONEXCLAMATION;
