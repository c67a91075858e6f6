// The aircraft configuration scanner. Each aircraft section is checked key by key in a fixed
// order (sim, model, panel, ui_type); a key search reads on across headers, so a key missing
// from one section is taken from a later one.
#include "analysis/config_scanner.h"

#include <cstring>

#include "analysis/config_line_reader.h"
#include "analysis/model_file.h"
#include "app/installer_state.h"

namespace {

constexpr const char* kIfdgSim = "MD-11";
constexpr const char* kInstalledSim = "MD-11_zrk";
constexpr std::size_t kUiTypeCapacity = 256;
// Model-file names of compatible models share this many leading characters.
constexpr std::size_t kModelFamilyLength = 7;

struct Scan {
    TextFile* file;
    char line[kLineCapacity];
    bool simFound;
    bool modelFound;
    bool panelFound;
    bool uiTypeFound;
    char firstModel[kModelNameCapacity];
    char firstModelFile[kModelNameCapacity];
    int firstClass;
    char firstUiType[kUiTypeCapacity];
};

// Reads on from the line after the current one until a line begins with key. The search for
// sim= starts on the section header, which, beginning with "[", never holds a key.
ResultCode findKey(Scan& scan, const char* key) {
    for (;;) {
        ResultCode code = readConfigLine(scan.file, scan.line, kLineCapacity);
        if (code != resultOk) {
            return code;
        }
        if (hasPrefixNoCase(scan.line, key) == 1) {
            return resultOk;
        }
    }
}

// The value after key in the buffer; null when it would not fit a field of capacity characters.
const char* keyValue(const Scan& scan, const char* key, std::size_t capacity) {
    const char* value = scan.line + std::strlen(key);
    return std::strlen(value) < capacity ? value : nullptr;
}

void copyValue(char* field, const char* value) {
    std::memcpy(field, value, std::strlen(value) + 1);
}

bool isIfdgSim() {
    return equalsNoCase(installerState.simName, kIfdgSim);
}

ResultCode checkSim(Scan& scan) {
    ResultCode code = findKey(scan, "sim=");
    if (code != resultOk) {
        return code;
    }
    const char* value = keyValue(scan, "sim=", kPathCapacity);
    if (value == nullptr) {
        return lineTooLong;
    }
    if (!scan.simFound) {
        copyValue(installerState.simName, value);
        scan.simFound = true;
        return resultOk;
    }
    return equalsNoCase(value, installerState.simName) ? resultOk : simMismatch;
}

// A second, different model is accepted only for the iFDG flight model, when its model file
// belongs to the same family (leading characters of the name) and version as the first.
ResultCode checkModel(Scan& scan) {
    ResultCode code = findKey(scan, "model=");
    if (code != resultOk) {
        return code;
    }
    const char* value = keyValue(scan, "model=", kModelNameCapacity);
    if (value == nullptr) {
        return lineTooLong;
    }
    if (!scan.modelFound) {
        copyValue(scan.firstModel, value);
        scan.modelFound = true;
        return isIfdgSim() ? findModelFile(value, scan.firstModelFile, &scan.firstClass) : resultOk;
    }
    if (equalsNoCase(value, scan.firstModel)) {
        return resultOk;
    }
    if (!isIfdgSim()) {
        return modelMismatch;
    }
    char secondModelFile[kModelNameCapacity];
    int secondClass = 0;
    code = findModelFile(value, secondModelFile, &secondClass);
    if (code != resultOk) {
        return code;
    }
    bool sameFamily = std::strncmp(scan.firstModelFile, secondModelFile, kModelFamilyLength) == 0;
    return sameFamily && secondClass == scan.firstClass ? resultOk : modelMismatch;
}

ResultCode checkPanel(Scan& scan) {
    ResultCode code = findKey(scan, "panel=");
    if (code != resultOk) {
        return code;
    }
    // Anything after the equals sign, a blank included, is a panel of the aircraft's own.
    if (std::strlen(scan.line) > std::strlen("panel=")) {
        return panelNotEmpty;
    }
    scan.panelFound = true;
    return resultOk;
}

ResultCode checkUiType(Scan& scan) {
    ResultCode code = findKey(scan, "ui_type=");
    if (code != resultOk) {
        return code;
    }
    const char* value = keyValue(scan, "ui_type=", kUiTypeCapacity);
    if (value == nullptr) {
        return lineTooLong;
    }
    if (!scan.uiTypeFound) {
        copyValue(scan.firstUiType, value);
        scan.uiTypeFound = true;
        return resultOk;
    }
    return equalsNoCase(value, scan.firstUiType) ? resultOk : uiTypeMismatch;
}

// One aircraft section, its header in the buffer.
ResultCode checkSection(Scan& scan) {
    ResultCode code = checkSim(scan);
    // With the panel already installed (decided by the first section's sim=) nothing else of
    // the aircraft matters.
    if (equalsNoCase(installerState.simName, kInstalledSim)) {
        scan.modelFound = scan.panelFound = scan.uiTypeFound = true;
        return code;
    }
    if (code == resultOk) {
        code = checkModel(scan);
    }
    if (code == resultOk) {
        code = checkPanel(scan);
    }
    if (code == resultOk) {
        code = checkUiType(scan);
    }
    return code;
}

// Reads up to the end of the leading run of aircraft sections; endOfFile there.
ResultCode scanSections(Scan& scan) {
    for (;;) {
        ResultCode code = readConfigLine(scan.file, scan.line, kLineCapacity);
        if (code != resultOk) {
            return code;
        }
        if (scan.line[0] != '[') {
            continue;
        }
        if (hasPrefixNoCase(scan.line, "[fltsim.", 8) != 1) {
            return endOfFile;
        }
        code = checkSection(scan);
        if (code != resultOk) {
            return code;
        }
    }
}

} // namespace

ResultCode scanAircraftConfig(const char* cfgPath) {
    installerState.simName[0] = '\0';
    Scan scan{};
    scan.file = openTextFile(cfgPath, TextFileMode::read);
    if (scan.file == nullptr) {
        return openFailed;
    }
    ResultCode code = scanSections(scan);
    closeTextFile(scan.file);

    // Running out of lines is success once every key has been found somewhere.
    if (code != endOfFile) {
        return code;
    }
    if (!scan.simFound || !scan.modelFound || !scan.panelFound || !scan.uiTypeFound) {
        return endOfFile;
    }
    if (isIfdgSim()) {
        installerState.modelVersion = scan.firstClass;
    }
    return resultOk;
}
