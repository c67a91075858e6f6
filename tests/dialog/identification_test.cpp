// The identification through "Choose MD-11 aircraft" on real aircraft folders: model family,
// type and engines, the status text and exactly the controls that fit each outcome.
#include <gtest/gtest.h>

#include <cstdint>
#include <ostream>
#include <string>
#include <tuple>
#include <vector>

#include "app/installer_state.h"
#include "resources/control_ids.h"
#include "tests/support/aircraft_fixture.h"
#include "tests/support/main_dialog_fixture.h"

namespace {

const std::string kIfdg15 = "iFDG MD-11 model identified.\nVersion 1.5 identified.";
const std::string kNotSupported = "This Aircraft is not supported.\n";
const std::vector<int> kPax = {IDC_PAX_3_CLASSES, IDC_PAX_2_CLASSES, IDC_PAX_1_CLASS};
const std::vector<int> kCombi = {IDC_COMBI_2_CLASSES, IDC_COMBI_1_CLASS};
const std::vector<int> kCargo = {IDC_CARGO};

// What enabledOptions() lists for an installable aircraft offering these layouts.
std::vector<int> installOffer(const std::vector<int>& layouts, bool withSounds) {
    std::vector<int> ids = {IDC_INSTALL, IDC_REALISTIC_BRAKES};
    if (withSounds) {
        ids.push_back(IDC_ENGINE_SOUNDS);
    }
    ids.push_back(IDC_TRIMDESK);
    ids.insert(ids.end(), layouts.begin(), layouts.end());
    return ids;
}

class IdentificationTest : public MainDialogTest {
protected:
    // Check marks and results as an earlier analysis and the user may have left them: the
    // check boxes away from their start, the CARGO layout checked, a CARGO Pratt & Whitney
    // aircraft identified.
    void SetUp() override {
        MainDialogTest::SetUp();
        setCheckState(dialog(), IDC_REALISTIC_BRAKES, BST_UNCHECKED);
        setCheckState(dialog(), IDC_ENGINE_SOUNDS, BST_CHECKED);
        setCheckState(dialog(), IDC_PAX_3_CLASSES, BST_UNCHECKED);
        setCheckState(dialog(), IDC_CARGO, BST_CHECKED);
        installerState.modelKind = modelIfdg;
        installerState.aircraftVariant = variantCargo;
        installerState.engineVariant = enginesPrattWhitney;
    }
    // The identification never changes the check boxes' marks.
    std::vector<int> earlierMarksWithLayout(int layout) const {
        return {IDC_ENGINE_SOUNDS, IDC_TRIMDESK, layout};
    }

    AircraftFolder aircraft;
};

struct FamilyCase {
    const char* label;
    const char* sim;
    const char* airFile; // as stored on disk
    std::uintmax_t airSize;
    std::int32_t kind;
    std::string status;
    std::int32_t variant; // aircraftVariant and engineVariant afterwards
    std::int32_t engines;
};

void PrintTo(const FamilyCase& c, std::ostream* out) {
    *out << c.label;
}

class FamilyTest : public IdentificationTest,
                   public ::testing::WithParamInterface<std::tuple<FamilyCase, bool>> {};

TEST_P(FamilyTest, ShowsTheFamilyAndOffersThePaxLayouts) {
    const auto& [c, soundFolder] = GetParam();
    aircraft.writeSingleAircraftConfig(c.sim);
    aircraft.addFile(c.airFile, c.airSize);
    aircraft.addModel("model", "MD11PG_PAX.mdl", 3153900);
    if (soundFolder) {
        addSoundFolder();
    }

    chooseAircraftFile(aircraft.cfgPath());

    EXPECT_EQ(control(IDC_STATUS).text, c.status);
    EXPECT_EQ(installerState.modelKind, c.kind);
    EXPECT_EQ(installerState.soundPackagePresent, soundFolder ? 1 : 0);
    EXPECT_EQ(enabledOptions(), installOffer(kPax, soundFolder));
    EXPECT_EQ(checkedOptions(), earlierMarksWithLayout(IDC_PAX_3_CLASSES));
    EXPECT_FALSE(control(IDC_CHOOSE_SAME).visible);
    EXPECT_EQ(installerState.aircraftVariant, c.variant);
    EXPECT_EQ(installerState.engineVariant, c.engines);
    EXPECT_TRUE(frontEnd().notices().empty());
}

const std::string kCorvane = "Corvane MD-11 model identified.\nSingle available configuration "
                             "correspond to:\nMD-11 PAX, with General Electric CF6-80C2D1F "
                             "engines\n";
const std::string kOverland = "Overland MD-11 model identified.\nSingle available configuration "
                              "correspond to:\nMD-11 PAX, with Pratt && Whitney PW4462 engines\n";
const std::string kIfdgPaxGe =
    kIfdg15 + "\nAircraft type: MD-11\nMotorization: General Electric CF6-80C2D1F\n";

// The single-configuration families leave type and engines as the earlier aircraft left them.
INSTANTIATE_TEST_SUITE_P(
    Families, FamilyTest,
    ::testing::Combine(
        ::testing::Values(
            FamilyCase{"Corvane", "md11", "md11.air", 10015, modelCorvane, kCorvane, 3, 2},
            FamilyCase{"CorvaneUpper", "MD11", "MD11.air", 10015, modelCorvane, kCorvane, 3, 2},
            FamilyCase{"CorvaneMixedAirStoredUpper", "Md11", "MD11.AIR", 10015, modelCorvane,
                       kCorvane, 3, 2},
            FamilyCase{"Overland", "md11", "md11.air", 8756, modelOverland, kOverland, 3, 2},
            FamilyCase{"OverlandUpper", "MD11", "md11.air", 8756, modelOverland, kOverland, 3, 2},
            FamilyCase{"Ifdg", "MD-11", "MD-11.air", 8336, modelIfdg, kIfdgPaxGe, 1, 1},
            FamilyCase{"IfdgLower", "md-11", "md-11.air", 8336, modelIfdg, kIfdgPaxGe, 1, 1}),
        ::testing::Bool()),
    [](const auto& testInfo) {
        return std::string(std::get<0>(testInfo.param).label) +
               (std::get<1>(testInfo.param) ? "WithSounds" : "NoSounds");
    });

struct UnsupportedCase {
    const char* label;
    const char* sim;
    const char* airFile; // null: none
    std::uintmax_t airSize;
};

void PrintTo(const UnsupportedCase& c, std::ostream* out) {
    *out << c.label;
}

class UnsupportedTest : public IdentificationTest,
                        public ::testing::WithParamInterface<UnsupportedCase> {};

TEST_P(UnsupportedTest, SaysSoAndOffersNothing) {
    const UnsupportedCase& c = GetParam();
    aircraft.writeSingleAircraftConfig(c.sim);
    if (c.airFile != nullptr) {
        aircraft.addFile(c.airFile, c.airSize);
    }
    aircraft.addModel("model", "MD11PG_PAX.mdl", 3153900);
    addSoundFolder();

    chooseAircraftFile(aircraft.cfgPath());

    EXPECT_EQ(control(IDC_STATUS).text, kNotSupported);
    EXPECT_EQ(installerState.modelKind, modelNotSupported);
    EXPECT_EQ(enabledOptions(), std::vector<int>{});
    EXPECT_EQ(checkedOptions(), earlierMarksWithLayout(IDC_CARGO));
    EXPECT_TRUE(frontEnd().notices().empty());
}

INSTANTIATE_TEST_SUITE_P(
    Sizes, UnsupportedTest,
    ::testing::Values(UnsupportedCase{"CorvaneOneByteLonger", "md11", "md11.air", 10016},
                      UnsupportedCase{"OverlandOneByteShorter", "md11", "md11.air", 8755},
                      UnsupportedCase{"IfdgOneByteLonger", "MD-11", "MD-11.air", 8337},
                      UnsupportedCase{"IfdgSizeForMd11", "md11", "md11.air", 8336},
                      UnsupportedCase{"CorvaneSizeForMdDash11", "MD-11", "MD-11.air", 10015},
                      UnsupportedCase{"NoAirForMd11", "md11", nullptr, 0},
                      UnsupportedCase{"NoAirForMdDash11", "MD-11", nullptr, 0},
                      UnsupportedCase{"Md11FollowedByMore", "md11x", "md11x.air", 10015},
                      UnsupportedCase{"MdDash11FollowedByMore", "MD-11F", "MD-11F.air", 8336}),
    [](const auto& testInfo) { return std::string(testInfo.param.label); });

class AlreadyInstalledTest : public IdentificationTest,
                             public ::testing::WithParamInterface<const char*> {};

// No flight-dynamics file exists: it is not looked at for these names.
TEST_P(AlreadyInstalledTest, OffersOnlyUninstallEvenWithTheSoundFolder) {
    aircraft.writeSingleAircraftConfig(GetParam());
    addSoundFolder();

    chooseAircraftFile(aircraft.cfgPath());

    EXPECT_EQ(control(IDC_STATUS).text, "ZRK MD-11 panel already installed.\n");
    EXPECT_EQ(installerState.modelKind, modelAlreadyInstalled);
    EXPECT_EQ(installerState.soundPackagePresent, 1);
    EXPECT_EQ(enabledOptions(), std::vector<int>{IDC_UNINSTALL});
    EXPECT_EQ(checkedOptions(), earlierMarksWithLayout(IDC_CARGO));
    EXPECT_TRUE(frontEnd().notices().empty());
}

INSTANTIATE_TEST_SUITE_P(AnyLetterCase, AlreadyInstalledTest,
                         ::testing::Values("MD-11_zrk", "md-11_ZRK", "VORAZ11e", "voraz11E"));

struct LettersCase {
    const char* modelFile;
    std::string type;
    std::string engines;
    std::int32_t variant;
    std::int32_t engineVariant;
    std::vector<int> layouts;
};

void PrintTo(const LettersCase& c, std::ostream* out) {
    *out << c.modelFile;
}

class TypeAndEnginesTest : public IdentificationTest,
                           public ::testing::WithParamInterface<LettersCase> {};

TEST_P(TypeAndEnginesTest, ComeFromLettersFiveAndSixOfTheModelFileName) {
    const LettersCase& c = GetParam();
    aircraft.writeIfdgAircraft(c.modelFile, 3153900);

    chooseAircraftFile(aircraft.cfgPath());

    EXPECT_EQ(control(IDC_STATUS).text,
              kIfdg15 + "\nAircraft type: " + c.type + "\nMotorization: " + c.engines);
    EXPECT_EQ(installerState.aircraftVariant, c.variant);
    EXPECT_EQ(installerState.engineVariant, c.engineVariant);
    EXPECT_EQ(enabledOptions(), installOffer(c.layouts, false));
    EXPECT_EQ(checkedOptions(), earlierMarksWithLayout(c.layouts.front()));
}

const std::string kPaxType = "MD-11";
const std::string kCombiType = "MD-11C \"COMBI\"";
const std::string kCargoType = "MD-11F \"CARGO\"";
const std::string kDefaultType = "MD-11 by default (unable to identify)";
const std::string kGe = "General Electric CF6-80C2D1F\n";
const std::string kPw = "Pratt && Whitney PW4462\n";
const std::string kDefaultEngines = "GE CF6-80C2D1F by default (unable to identify)\n";

INSTANTIATE_TEST_SUITE_P(
    Letters, TypeAndEnginesTest,
    ::testing::Values(LettersCase{"MD11PG.mdl", kPaxType, kGe, 1, 1, kPax},
                      LettersCase{"md11pp.mdl", kPaxType, kPw, 1, 2, kPax},
                      LettersCase{"MD11CG.mdl", kCombiType, kGe, 2, 1, kCombi},
                      LettersCase{"md11cp.mdl", kCombiType, kPw, 2, 2, kCombi},
                      LettersCase{"MD11FP.mdl", kCargoType, kPw, 3, 2, kCargo},
                      LettersCase{"md11fg.mdl", kCargoType, kGe, 3, 1, kCargo},
                      LettersCase{"MD11XY.mdl", kDefaultType, kDefaultEngines, 1, 1, kPax},
                      // The engine letter in the type's place, and the type letter in the
                      // engines' place.
                      LettersCase{"MD11GP.mdl", kDefaultType, kPw, 1, 2, kPax},
                      LettersCase{"MD11_C.mdl", kDefaultType, kDefaultEngines, 1, 1, kPax},
                      LettersCase{"MD11P.mdl", kPaxType, kDefaultEngines, 1, 1, kPax},
                      LettersCase{"MD1.mdl", kDefaultType, kDefaultEngines, 1, 1, kPax}),
    [](const auto& testInfo) {
        const std::string name = testInfo.param.modelFile;
        return name.substr(0, name.find('.'));
    });

struct ModelEntryCase {
    const char* label;
    void (*arrange)(AircraftFolder& folder);
    std::string type;
    std::string engines;
};

void PrintTo(const ModelEntryCase& c, std::ostream* out) {
    *out << c.label;
}

class ModelEntryTest : public IdentificationTest,
                       public ::testing::WithParamInterface<ModelEntryCase> {};

// The configuration names model.b, a cargo Pratt & Whitney model; the type check looks at the
// first entry whose name begins with model instead.
TEST_P(ModelEntryTest, TypeAndEnginesComeFromTheFirstModelEntry) {
    const ModelEntryCase& c = GetParam();
    aircraft.writeSingleAircraftConfig("MD-11", "b");
    aircraft.addFile("MD-11.air", 8336);
    aircraft.addModel("model.b", "MD11FP.mdl", 3153900);
    c.arrange(aircraft);

    chooseAircraftFile(aircraft.cfgPath());

    EXPECT_EQ(control(IDC_STATUS).text,
              kIfdg15 + "\nAircraft type: " + c.type + "\nMotorization: " + c.engines);
    EXPECT_TRUE(frontEnd().notices().empty());
}

INSTANTIATE_TEST_SUITE_P(
    Entries, ModelEntryTest,
    ::testing::Values(
        ModelEntryCase{"OnlyTheNamedOne", [](AircraftFolder&) {}, kCargoType, kPw},
        ModelEntryCase{"AnEarlierFolder",
                       [](AircraftFolder& f) { f.addModel("Model.A", "MD11CG.mdl", 3153900); },
                       kCombiType, kGe},
        ModelEntryCase{"AnEarlierFolderWithoutModelFile",
                       [](AircraftFolder& f) { f.addFile("model.a\\readme.txt", 10); },
                       kDefaultType, kDefaultEngines},
        ModelEntryCase{"AnEarlierFile", [](AircraftFolder& f) { f.addFile("model", 10); },
                       kDefaultType, kDefaultEngines}),
    [](const auto& testInfo) { return std::string(testInfo.param.label); });

} // namespace
