// Control helpers shared by the command handlers.
#include "app/dialog_controls.h"

#include <cstring>

#include "app/installer_texts.h"
#include "resources/control_ids.h"

namespace {
constexpr std::size_t kStatusCapacity = 1024;
}

bool isButtonChecked(WindowHandle dialog, int id) {
    return (getCheckState(dialog, id) & 3) != 0;
}

void appendStatusText(WindowHandle dialog, const char* text) {
    char status[kStatusCapacity];
    getControlText(dialog, IDC_STATUS, status, kStatusCapacity);
    // A status text that would not hold the whole sentence keeps what fits.
    std::strncat(status, text, kStatusCapacity - 1 - std::strlen(status));
    setControlText(dialog, IDC_STATUS, status);
}

void showError(WindowHandle dialog, const char* message) {
    showMessageBox(dialog, message, kErrorCaption, kErrorBoxStyle);
}
