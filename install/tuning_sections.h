// The flight-model sections that end a rewritten aircraft.cfg.
#pragma once

#include "analysis/result_codes.h"
#include "platform/text_file.h"

// Writes the tuned sections for the family in installerState.modelKind (Corvane, iFDG or
// Overland; any other kind writes nothing) to out, as a fixed sequence of pieces, one write each.
// Returns 0 when all were written, or ioFailure at the first failed write, after which nothing
// more is written. Reads installerState only; never opens, flushes or closes out.
ResultCode writeTuningSections(TextFile* out);
