// A real aircraft folder in a temporary folder, built file by file for tests.
#pragma once

#include <cstdint>
#include <string>

#include "tests/support/test_files.h"
#include "tests/support/test_paths.h"

// One aircraft section of aircraft.cfg: a title, then sim, model, an empty panel and ui_type.
std::string fltsimSection(int index, const std::string& sim, const std::string& model,
                          const std::string& uiType = "MD11");
// The first section after the aircraft sections.
inline const std::string kGeneralSection = "[General]\natc_type=MD11\n";

enum class LineEnds {
    crlf, // every LF of the text stored as CR LF, as the installer writes
    lf,   // the text stored as given
};

// Names below are relative to the aircraft folder in Windows form ("Panel\\Panel.cfg"); files
// and folders are created with exactly the letter case given, missing folders on the way too.
class AircraftFolder {
public:
    // aircraft.cfg with text, its LFs stored as lineEnds says.
    void writeConfig(const std::string& text, LineEnds lineEnds = LineEnds::crlf);
    // aircraft.cfg with one aircraft section of that sim and model value, then [General].
    void writeSingleAircraftConfig(const std::string& sim, const std::string& model = "") {
        writeConfig(fltsimSection(0, sim, model) + kGeneralSection);
    }
    // An iFDG aircraft: one section with sim MD-11 and the folder "model" holding modelFile of
    // modelSize bytes, and MD-11.air of the size that marks the iFDG model.
    void writeIfdgAircraft(const std::string& modelFile, std::uintmax_t modelSize);
    void writeTextFile(const std::string& name, const std::string& text,
                       LineEnds lineEnds = LineEnds::crlf);
    // The bytes as given.
    void writeFile(const std::string& name, const std::string& bytes);
    // A file of exactly size bytes, sparse where the file system allows, so large model files
    // cost nothing.
    void addFile(const std::string& name, std::uintmax_t size);
    // folder\fileName of size bytes: a model folder with its .mdl file.
    void addModel(const std::string& folder, const std::string& fileName, std::uintmax_t size);
    void addFolder(const std::string& name);

    bool exists(const std::string& name) const;
    std::string readFile(const std::string& name) const;

    // The aircraft folder in Windows form, ending in a backslash.
    std::string corePath() const { return root_.corePath(); }
    // name inside the folder, in Windows form.
    std::string corePath(const std::string& name) const { return corePath() + name; }
    // aircraft.cfg in Windows form, as the installer's path field would hold it.
    std::string cfgPath() const { return corePath("aircraft.cfg"); }
    std::string nativePath(const std::string& name) const;
    // Every file and folder with its bytes, to show that a step changed nothing, or everything
    // back.
    FileTree tree() const { return snapshotTree(root_.nativePath()); }

private:
    TemporaryFolder root_;
};
