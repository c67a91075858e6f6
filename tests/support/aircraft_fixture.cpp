// Aircraft folders for tests, on the real file system.
#include "tests/support/aircraft_fixture.h"

#include <filesystem>
#include <fstream>
#include <iterator>
#include <stdexcept>

#include "tests/support/config_text.h"

namespace fs = std::filesystem;

namespace {

void makeParent(const std::string& nativeName) {
    fs::path parent = fs::path(nativeName).parent_path();
    if (!parent.empty()) {
        fs::create_directories(parent);
    }
}

} // namespace

std::string fltsimSection(int index, const std::string& sim, const std::string& model,
                          const std::string& uiType) {
    return "[fltsim." + std::to_string(index) + "]\ntitle=MD-11 " + std::to_string(index) +
           "\nsim=" + sim + "\nmodel=" + model + "\npanel=\nui_type=" + uiType + "\n";
}

std::string AircraftFolder::nativePath(const std::string& name) const {
    return toNativePath(corePath(name));
}

void AircraftFolder::writeConfig(const std::string& text, LineEnds lineEnds) {
    writeTextFile("aircraft.cfg", text, lineEnds);
}

void AircraftFolder::writeIfdgAircraft(const std::string& modelFile, std::uintmax_t modelSize) {
    writeSingleAircraftConfig("MD-11");
    addFile("MD-11.air", 8336);
    addModel("model", modelFile, modelSize);
}

void AircraftFolder::writeTextFile(const std::string& name, const std::string& text,
                                   LineEnds lineEnds) {
    writeFile(name, lineEnds == LineEnds::lf ? text : withCrLf(text));
}

void AircraftFolder::writeFile(const std::string& name, const std::string& bytes) {
    std::string native = nativePath(name);
    makeParent(native);
    std::ofstream out(native, std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    if (!out) {
        throw std::runtime_error("cannot write " + native);
    }
}

void AircraftFolder::addFile(const std::string& name, std::uintmax_t size) {
    writeFile(name, "");
    // Growing an empty file leaves a hole, not written zeros.
    fs::resize_file(nativePath(name), size);
}

void AircraftFolder::addModel(const std::string& folder, const std::string& fileName,
                              std::uintmax_t size) {
    addFile(folder + "\\" + fileName, size);
}

void AircraftFolder::addFolder(const std::string& name) {
    fs::create_directories(nativePath(name));
}

bool AircraftFolder::exists(const std::string& name) const {
    return fs::exists(nativePath(name));
}

std::string AircraftFolder::readFile(const std::string& name) const {
    std::ifstream in(nativePath(name), std::ios::binary);
    if (!in) {
        throw std::runtime_error("cannot read " + nativePath(name));
    }
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}
