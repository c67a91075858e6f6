// Load-editor installation: copies that overwrite, with no kept copy.
#include "install/load_editor.h"

#include "analysis/aircraft_paths.h"
#include "app/dialog_controls.h"
#include "app/installer_state.h"
#include "resources/control_ids.h"

namespace {

struct Layout {
    int button;
    const char* settings; // copied under the fixed name Trimdesk.ini
    const char* layoutSettings;
    const char* bitmap;
};

// In the order of the buttons on the dialog, top to bottom.
constexpr Layout kLayouts[] = {
    {IDC_PAX_3_CLASSES, "Trimdesk-PAX-3C.ini", "TD-MD11-PAX-3C.ini", "TD-MD11-PAX-3C.bmp"},
    {IDC_PAX_2_CLASSES, "Trimdesk-PAX-2C.ini", "TD-MD11-PAX-2C.ini", "TD-MD11-PAX-2C.bmp"},
    {IDC_PAX_1_CLASS, "Trimdesk-PAX-1C.ini", "TD-MD11-PAX-1C.ini", "TD-MD11-PAX-1C.bmp"},
    {IDC_COMBI_2_CLASSES, "Trimdesk-CBI-2C.ini", "TD-MD11-CBI-2C.ini", "TD-MD11-CBI-2C.bmp"},
    {IDC_COMBI_1_CLASS, "Trimdesk-CBI-1C.ini", "TD-MD11-CBI-1C.ini", "TD-MD11-CBI-1C.bmp"},
    {IDC_CARGO, "Trimdesk-CARGO.ini", "TD-MD11-CARGO.ini", "TD-MD11-CARGO.bmp"},
};

// Copies resource folder + source to aircraft folder + target; a path that does not fit is a
// copy that does not take place.
void copyResource(const char* aircraftFolder, const TrimdeskCopy& copy) {
    char from[kPathCapacity];
    char to[kPathCapacity];
    if (composePath(from, {installerState.startDirectory, kTrimdeskResources, copy.source}) &&
        composePath(to, {aircraftFolder, copy.target})) {
        copyFile(from, to);
    }
}

} // namespace

std::size_t trimdeskCopies(WindowHandle dialog, TrimdeskCopy (&copies)[kMostTrimdeskCopies]) {
    std::size_t count = 0;
    copies[count++] = {"Trimdesk.exe", "Trimdesk.exe"};
    for (const Layout& layout : kLayouts) {
        if (isButtonChecked(dialog, layout.button)) {
            copies[count++] = {layout.settings, "Trimdesk.ini"};
            copies[count++] = {layout.layoutSettings, layout.layoutSettings};
            copies[count++] = {layout.bitmap, layout.bitmap};
        }
    }
    return count;
}

void installTrimdesk(WindowHandle dialog, const char* aircraftFolder) {
    TrimdeskCopy copies[kMostTrimdeskCopies];
    std::size_t count = trimdeskCopies(dialog, copies);
    for (std::size_t i = 0; i < count; ++i) {
        copyResource(aircraftFolder, copies[i]);
    }
}
