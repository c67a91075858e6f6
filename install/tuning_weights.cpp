// Weights data of each aircraft the families cover, and the weights lines built from it.
#include "install/tuning_weights.h"

// clang-format off
//                                   empty     max gross datum  Crew    Baggage  Cargo   First Business Economy
const WeightsRow kCorvaneWeights  = {"285900", "612500", "0.0", {"2340", "10800", "23100",  "0", "0", "32400"}};
const WeightsRow kOverlandWeights = {"285200", "630500", "2.2", {"2340", "10800", "41800",  "0", "0", "32400"}};
const WeightsRow kIfdgWeights[3][2] = {
    {{"285900", "612500", "0.0", {"2340", "10800", "23100",  "0", "0", "32400"}},  // PAX GE
     {"285200", "630500", "0.0", {"2340", "10800", "41800",  "0", "0", "32400"}}}, // PAX PW
    {{"285100", "612500", "0.0", {"2340", "10800", "23900",  "0", "0", "32400"}},  // COMBI GE
     {"284400", "630500", "0.0", {"2340", "10800", "41600",  "0", "0", "32400"}}}, // COMBI PW
    {{"249200", "612500", "0.0", {"900",  "0",     "104400", "0", "0", "0"}},      // CARGO GE
     {"248500", "630500", "0.0", {"900",  "0",     "123100", "0", "0", "0"}}},     // CARGO PW
};
// clang-format on

namespace {

constexpr const char* kStationNames[kStationCount] = {"Crew",  "Baggage",  "Cargo",
                                                      "First", "Business", "Economy"};

constexpr char kMomentsOfInertia[] = R"(empty_weight_roll_MOI=13352310.0
empty_weight_pitch_MOI=24223159.0
empty_weight_yaw_MOI=39531785.0
empty_weight_coupled_MOI=50000.0
)";

void appendLine(PieceBuffer& piece, const char* key, const char* value) {
    appendText(piece, key);
    appendText(piece, value);
    appendText(piece, "\n");
}

} // namespace

void appendWeightsLines(PieceBuffer& piece, const WeightsRow& row) {
    appendLine(piece, "empty_weight=", row.emptyWeight);
    appendLine(piece, "max_gross_weight=", row.maxGrossWeight);
    appendText(piece, kMomentsOfInertia);
    appendLine(piece, "reference_datum_position=0.0,0.0,", row.datumHeight);
    appendLine(piece, "empty_weight_CG_position=0.0,0.0,", row.datumHeight);
    appendText(piece, "max_number_of_stations=50\n");
    // station_load.N="<weight>,0.0,0.0,0.0,<name>"
    for (unsigned station = 0; station < kStationCount; ++station) {
        appendText(piece, "station_load.");
        appendNumber(piece, station);
        appendText(piece, "=\"");
        appendText(piece, row.stationWeights[station]);
        appendText(piece, ",0.0,0.0,0.0,");
        appendText(piece, kStationNames[station]);
        appendText(piece, "\"\n");
    }
    appendText(piece, "\n");
}
