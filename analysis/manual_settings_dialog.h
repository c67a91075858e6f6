// The manual tuning settings dialog, asked for an iFDG model whose version is not identified.
#pragma once

#include "platform/platform.h"

// Runs "ManSetDialog" modally over `owner` and returns once the user pressed "OK", with
// wingLightsMode and foldAndHookCommands set from the choice.
void askManualSettings(WindowHandle owner);

// Its dialog procedure: WM_INITDIALOG and the "OK" command are handled (1), nothing else (0),
// so Escape's cancel command is ignored and only "OK" ends it.
DialogResult PLATFORM_CALLBACK manualSettingsDialogProc(WindowHandle dialog, unsigned message,
                                                        std::uintptr_t wParam,
                                                        std::intptr_t lParam);
