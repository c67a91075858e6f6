// Model family, version, type and engines of an accepted aircraft.
#include "analysis/identification.h"

#include <cstring>

#include "analysis/aircraft_paths.h"
#include "analysis/config_line_reader.h"
#include "analysis/manual_settings_dialog.h"
#include "analysis/model_file.h"
#include "analysis/result_codes.h"
#include "app/installer_state.h"
#include "resources/control_ids.h"

namespace {

constexpr const char* kNotSupported = "This Aircraft is not supported.\n";
constexpr const char* kAlreadyInstalled = "ZRK MD-11 panel already installed.\n";
constexpr const char* kCorvaneText =
    "Corvane MD-11 model identified.\nSingle available configuration correspond to:\nMD-11 PAX, "
    "with General Electric CF6-80C2D1F engines\n";
constexpr const char* kOverlandText =
    "Overland MD-11 model identified.\nSingle available configuration correspond to:\nMD-11 PAX, "
    "with Pratt && Whitney PW4462 engines\n";

// The radio buttons in the order of the dialog, top to bottom.
constexpr int kLayoutButtons[] = {IDC_PAX_3_CLASSES,   IDC_PAX_2_CLASSES, IDC_PAX_1_CLASS,
                                  IDC_COMBI_2_CLASSES, IDC_COMBI_1_CLASS, IDC_CARGO};

struct SimNameKind {
    const char* simName;
    std::int32_t kind;
};

// Tested in this order, whole text against whole text, letters without regard to case.
constexpr SimNameKind kSimNames[] = {
    {"md11", modelIdentifying},
    {"MD-11", modelIfdg},
    {"VORAZ11e", modelAlreadyInstalled},
    {"MD-11_zrk", modelAlreadyInstalled},
};

struct AirSizeKind {
    std::int32_t kind;
    std::uint32_t airSize;
    std::int32_t finalKind;
};

constexpr AirSizeKind kAirSizes[] = {
    {modelIdentifying, 10015, modelCorvane},
    {modelIdentifying, 8756, modelOverland},
    {modelIfdg, 8336, modelIfdg},
};

// Low 32 bits of the size of aircraft folder + simName + ".air"; false when it is not there.
bool flightDynamicsSize(std::uint32_t* size) {
    char folder[kPathCapacity];
    char path[kPathCapacity];
    FindResult found;
    if (!aircraftFolder(installerState.aircraftCfgPath, folder) ||
        !composePath(path, {folder, installerState.simName, ".air"}) || !findFirst(path, &found)) {
        return false;
    }
    *size = found.sizeLow;
    return true;
}

void append(char (&text)[kMessageCapacity], const char* piece) {
    std::strncat(text, piece, kMessageCapacity - 1 - std::strlen(text));
}

void appendVersion(WindowHandle dialog, char (&text)[kMessageCapacity]) {
    static constexpr const char* kLights[] = {"MDL=nav+strobe", "FX=nav MDL=strobe",
                                              "FX=strobe MDL=nav", "FX=nav+strobe"};
    switch (installerState.modelVersion) {
    case 1:
        append(text, "Version 1.0 identified.");
        break;
    case 2:
        append(text, "Version 1.5 identified.");
        break;
    case 3:
        append(text, "Unknow version (manual settings: ");
        askManualSettings(dialog);
        append(text, kLights[installerState.wingLightsMode & 3]);
        append(text, installerState.foldAndHookCommands == 1 ? " +commands)" : ")");
        break;
    default:
        break;
    }
}

// Letters 5 and 6 of the model file's name give the type and the engines; anything else, or
// no model file, leaves them unset.
void readTypeAndEngines() {
    installerState.aircraftVariant = variantNotSet;
    installerState.engineVariant = enginesNotSet;
    char modelFileName[kModelNameCapacity];
    if (findModelFile(nullptr, modelFileName, nullptr) != resultOk ||
        std::strlen(modelFileName) < 6) {
        return;
    }
    switch (modelFileName[4]) {
    case 'P':
    case 'p':
        installerState.aircraftVariant = variantPax;
        break;
    case 'C':
    case 'c':
        installerState.aircraftVariant = variantCombi;
        break;
    case 'F':
    case 'f':
        installerState.aircraftVariant = variantCargo;
        break;
    default:
        break;
    }
    switch (modelFileName[5]) {
    case 'G':
    case 'g':
        installerState.engineVariant = enginesGeneralElectric;
        break;
    case 'P':
    case 'p':
        installerState.engineVariant = enginesPrattWhitney;
        break;
    default:
        break;
    }
}

void appendTypeAndEngines(char (&text)[kMessageCapacity]) {
    static constexpr const char* kTypes[] = {"MD-11 by default (unable to identify)", "MD-11",
                                             "MD-11C \"COMBI\"", "MD-11F \"CARGO\""};
    static constexpr const char* kEngines[] = {"GE CF6-80C2D1F by default (unable to identify)\n",
                                               "General Electric CF6-80C2D1F\n",
                                               "Pratt && Whitney PW4462\n"};
    append(text, "\nAircraft type: ");
    append(text, kTypes[installerState.aircraftVariant]);
    if (installerState.aircraftVariant == variantNotSet) {
        installerState.aircraftVariant = variantPax;
    }
    append(text, "\nMotorization: ");
    append(text, kEngines[installerState.engineVariant]);
    if (installerState.engineVariant == enginesNotSet) {
        installerState.engineVariant = enginesGeneralElectric;
    }
}

// "Install" and its options; "ZRK engine sounds" only when the sound folder is there.
void enableInstallOptions(WindowHandle dialog) {
    enableControl(dialog, IDC_INSTALL, true);
    enableControl(dialog, IDC_REALISTIC_BRAKES, true);
    enableControl(dialog, IDC_ENGINE_SOUNDS, installerState.soundPackagePresent == 1);
    enableControl(dialog, IDC_TRIMDESK, true);
}

// Enables the layout buttons of one aircraft type, unchecks the others and checks the first.
void offerLayouts(WindowHandle dialog, std::int32_t variant) {
    for (int id : kLayoutButtons) {
        setCheckState(dialog, id, BST_UNCHECKED);
    }
    static constexpr int kPax[] = {IDC_PAX_3_CLASSES, IDC_PAX_2_CLASSES, IDC_PAX_1_CLASS};
    static constexpr int kCombi[] = {IDC_COMBI_2_CLASSES, IDC_COMBI_1_CLASS};
    static constexpr int kCargo[] = {IDC_CARGO};
    const int* first = kPax;
    std::size_t count = 3;
    if (variant == variantCombi) {
        first = kCombi;
        count = 2;
    } else if (variant == variantCargo) {
        first = kCargo;
        count = 1;
    }
    for (std::size_t i = 0; i < count; ++i) {
        enableControl(dialog, first[i], true);
    }
    setCheckState(dialog, first[0], BST_CHECKED);
}

void showIfdgIdentification(WindowHandle dialog) {
    readTypeAndEngines();
    char text[kMessageCapacity] = "";
    append(text, "iFDG MD-11 model identified.\n");
    appendVersion(dialog, text);
    appendTypeAndEngines(text);
    setControlText(dialog, IDC_STATUS, text);
    enableInstallOptions(dialog);
    offerLayouts(dialog, installerState.aircraftVariant);
}

} // namespace

std::int32_t identifyModelKind() {
    std::int32_t kind = modelNotSupported;
    for (const SimNameKind& entry : kSimNames) {
        if (equalsNoCase(installerState.simName, entry.simName)) {
            kind = entry.kind;
            break;
        }
    }
    if (kind != modelIdentifying && kind != modelIfdg) {
        return kind;
    }
    std::uint32_t size = 0;
    if (!flightDynamicsSize(&size)) {
        return modelNotSupported;
    }
    for (const AirSizeKind& entry : kAirSizes) {
        if (entry.kind == kind && entry.airSize == size) {
            return entry.finalKind;
        }
    }
    return modelNotSupported;
}

void showIdentification(WindowHandle dialog) {
    installerState.modelKind = modelNotSupported;
    installerState.modelKind = identifyModelKind();
    switch (installerState.modelKind) {
    case modelCorvane:
    case modelOverland:
        setControlText(dialog, IDC_STATUS,
                       installerState.modelKind == modelCorvane ? kCorvaneText : kOverlandText);
        enableInstallOptions(dialog);
        offerLayouts(dialog, variantPax);
        break;
    case modelIfdg:
        showIfdgIdentification(dialog);
        break;
    case modelAlreadyInstalled:
        setControlText(dialog, IDC_STATUS, kAlreadyInstalled);
        enableControl(dialog, IDC_ENGINE_SOUNDS, false);
        enableControl(dialog, IDC_UNINSTALL, true);
        break;
    default:
        setControlText(dialog, IDC_STATUS, kNotSupported);
        break;
    }
}
