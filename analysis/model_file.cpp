// The model-file check. Which model file, and so which version, an aircraft uses is read from
// the aircraft folder alone; nothing in the model file itself is opened.
#include "analysis/model_file.h"

#include <cstdint>
#include <cstring>

#include "analysis/aircraft_paths.h"
#include "app/installer_state.h"
#include "platform/platform.h"

namespace {

bool isLetter(char c, char lower) {
    return c == lower || c == lower - ('a' - 'A');
}

// Known sizes of the shipped model files; pw at the 6th and 7th characters marks the Pratt &
// Whitney models of version 1.0, whose sizes vary.
int classify(const char* name, std::uint32_t size) {
    switch (size) {
    case 4127528:
    case 4123512:
    case 4104072:
        return modelVersion10;
    default:
        break;
    }
    if (size > 4100000 && std::strlen(name) >= 7 && isLetter(name[5], 'p') &&
        isLetter(name[6], 'w')) {
        return modelVersion10;
    }
    switch (size) {
    case 3153900:
    case 3137924:
    case 3190766:
    case 3174790:
        return modelVersion15;
    default:
        return modelVersionUnidentified;
    }
}

} // namespace

ResultCode findModelFile(const char* modelValue, char (&modelFileName)[kModelNameCapacity],
                         int* modelClass) {
    char folder[kPathCapacity];
    char search[kPathCapacity];
    if (!aircraftFolder(installerState.aircraftCfgPath, folder)) {
        return modelFileMissing;
    }
    bool composed = modelValue == nullptr ? composePath(search, {folder, "model*"})
                                          : composePath(search, {folder, "model.", modelValue});
    if (!composed) {
        return modelFileMissing;
    }
    // The empty value's "model." is the folder model: the file layer drops the trailing dots and
    // blanks of a path, as Windows does.

    FindResult entry;
    if (!findFirst(search, &entry) || !entry.isDirectory) {
        return modelFileMissing;
    }
    FindResult model;
    if (!composePath(search, {folder, entry.name, "\\*.mdl"}) || !findFirst(search, &model) ||
        model.isDirectory || std::strlen(model.name) >= kModelNameCapacity) {
        return modelFileMissing;
    }
    std::memcpy(modelFileName, model.name, std::strlen(model.name) + 1);
    if (modelClass != nullptr) {
        *modelClass = classify(modelFileName, model.sizeLow);
    }
    return resultOk;
}
