// "MainDialog" and "ManSetDialog" as data for the emulated dialog manager; the same controls,
// in the same order, as installer.rc.
#include "resources/dialog_templates.h"

#include <cstring>

#include "resources/control_ids.h"

namespace {

using K = ControlKind;

// Flags in ControlTemplate order: tabStop, groupStart, disabled, hidden, sunken, centered,
// multiLine.
constexpr ControlTemplate kMainControls[] = {
    {IDC_CHOOSE_AIRCRAFT, K::defPushButton, "Choose MD-11 aircraft", 7, 7, 88, 14, true, true,
     false, false, false, false, false},
    {IDC_QUIT, K::pushButton, "Quit", 181, 152, 50, 14, true, false, false, false, false, false,
     false},
    {IDC_INSTALL, K::pushButton, "Install", 7, 152, 50, 14, true, false, true, false, false, false,
     false},
    {IDC_UNINSTALL, K::pushButton, "Uninstall", 60, 152, 50, 14, true, false, true, false, false,
     false, false},
    {IDC_FOLDER_NAME, K::staticText, "", 99, 8, 132, 11, false, false, false, false, true, false,
     false},
    {IDC_STATUS, K::staticText, "", 7, 24, 224, 43, false, false, false, false, true, false, true},
    {IDC_REALISTIC_BRAKES, K::autoCheckBox, "Realistic brakes", 7, 69, 66, 10, true, false, true,
     false, false, false, false},
    {IDC_TRIMDESK, K::autoCheckBox, "Install ZRK Trimdesk:", 7, 89, 82, 10, true, false, true,
     false, false, false, false},
    {IDC_PAX_3_CLASSES, K::autoRadio, "for version PAX, 3 classes", 92, 90, 94, 9, false, true,
     true, false, false, false, false},
    {IDC_PAX_2_CLASSES, K::autoRadio, "for version PAX, 2 classes", 92, 100, 94, 9, false, false,
     true, false, false, false, false},
    {IDC_PAX_1_CLASS, K::autoRadio, "for version PAX, 1 class (economy)", 92, 110, 124, 9, false,
     false, true, false, false, false, false},
    {IDC_COMBI_2_CLASSES, K::autoRadio, "for version COMBI 2 classes", 92, 120, 104, 9, false,
     false, true, false, false, false, false},
    {IDC_COMBI_1_CLASS, K::autoRadio, "for version COMBI 1 class (economy)", 92, 130, 132, 9, false,
     false, true, false, false, false, false},
    {IDC_CARGO, K::autoRadio, "for version CARGO", 92, 140, 74, 9, false, false, true, false, false,
     false, false},
    {IDC_CHOOSE_SAME, K::pushButton, "Choose same", 7, 135, 50, 14, true, true, false, true, false,
     false, false},
    {IDC_ENGINE_SOUNDS, K::autoCheckBox, "ZRK engine sounds", 7, 79, 78, 10, true, false, true,
     false, false, false, false},
};

constexpr ControlTemplate kManualSettingsControls[] = {
    {IDC_UNADDRESSED, K::staticText, "REMARK:", 7, 67, 37, 9, false, true, false, false, false,
     false, false},
    {IDC_UNADDRESSED, K::staticText,
     "Because this iFDG model is unknow, it is not certified at all that this\npanel "
     "implementation will work 100% properly.",
     7, 75, 211, 17, false, false, false, false, false, false, true},
    {IDC_UNADDRESSED, K::groupBox, "Please manually select the desired tunings configuration.", 7,
     1, 211, 63, false, false, false, false, false, false, false},
    {IDC_MANSET_OK, K::defPushButton, "OK", 168, 88, 50, 14, true, false, false, false, false,
     false, false},
    {IDC_NAV_LIGHTS_FX, K::autoRadio, "", 15, 21, 14, 9, false, true, false, false, false, false,
     false},
    {IDC_NAV_LIGHTS_MDL, K::autoRadio, "Wing NAV lights type", 37, 21, 100, 9, false, false, false,
     false, false, false, false},
    {IDC_UNADDRESSED, K::staticText, "FX", 14, 12, 11, 8, false, true, false, false, false, true,
     false},
    {IDC_UNADDRESSED, K::staticText, "MDL", 34, 12, 17, 8, false, false, false, false, false, true,
     false},
    {IDC_STROBE_LIGHTS_FX, K::autoRadio, "", 15, 33, 14, 9, false, true, false, false, false, false,
     false},
    {IDC_STROBE_LIGHTS_MDL, K::autoRadio, "Wing STROBE lights type", 37, 33, 100, 9, false, false,
     false, false, false, false, false},
    {IDC_FOLD_AND_HOOK, K::autoCheckBox, "Add Wings fold/unfold and Tail hook up/down commands", 15,
     49, 200, 9, true, true, false, false, false, false, false},
};

constexpr DialogTemplate kTemplates[] = {
    {"MainDialog", "", 238, 173, "MS Sans Serif", 8, true, false, kMainControls,
     sizeof kMainControls / sizeof kMainControls[0]},
    {"ManSetDialog", "UNKNOW iFDG MODEL - Tunings manual settings", 225, 110, "MS Sans Serif", 8,
     false, true, kManualSettingsControls,
     sizeof kManualSettingsControls / sizeof kManualSettingsControls[0]},
};

} // namespace

const DialogTemplate* findDialogTemplate(const char* name) {
    for (const DialogTemplate& dialog : kTemplates) {
        if (std::strcmp(dialog.name, name) == 0) {
            return &dialog;
        }
    }
    return nullptr;
}
