// The weights section: its headers, the rows of weights data and the lines composed from a row.
#pragma once

#include "install/piece_buffer.h"

// The Corvane family writes the header in another letter case than the other two.
inline constexpr char kWeightsHeaderCorvane[] = "[Weight_and_balance]\n";
inline constexpr char kWeightsHeader[] = "[Weight_and_Balance]\n";

constexpr unsigned kStationCount = 6;

// One row of weights data. The values are kept as the text that is written, never computed.
struct WeightsRow {
    const char* emptyWeight;
    const char* maxGrossWeight;
    const char* datumHeight;
    const char* stationWeights[kStationCount]; // Crew, Baggage, Cargo, First, Business, Economy
};

extern const WeightsRow kCorvaneWeights;
extern const WeightsRow kOverlandWeights;
// By aircraftVariant - 1 (PAX, COMBI, CARGO), then engineVariant - 1 (GE, PW).
extern const WeightsRow kIfdgWeights[3][2];

// Appends the fifteen lines that follow the weights header, and the blank line that closes the
// section.
void appendWeightsLines(PieceBuffer& piece, const WeightsRow& row);
