// Aircraft folders for tests, on the real file system.
#include "tests/support/aircraft_fixture.h"

#include "tests/support/config_text.h"

std::string fltsim(const std::string& sim, const std::string& model, const std::string& uiType,
                   int index) {
    return "[fltsim." + std::to_string(index) + "]\ntitle=MD-11\nsim=" + sim + "\nmodel=" + model +
           "\npanel=\nui_type=" + uiType + "\n";
}

void AircraftFolder::writeTextFile(const std::string& name, const std::string& text,
                                   LineEnds lineEnds) {
    writeNativeFile(nativePath(name), lineEnds == LineEnds::lf ? text : withCrLf(text));
}

void AircraftFolder::addFile(const std::string& name, std::uintmax_t size) {
    writeNativeFile(nativePath(name), "");
    // Growing an empty file leaves a hole, not written zeros.
    std::filesystem::resize_file(nativePath(name), size);
}
