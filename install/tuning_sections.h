// The flight-model sections that end a rewritten aircraft.cfg.
#pragma once

#include "analysis/result_codes.h"
#include "platform/text_file.h"

// Writes the tuned sections for the family in installerState.modelKind (Corvane, iFDG or
// Overland; any other kind writes nothing) to out, as a fixed sequence of pieces, one writeText
// each. Returns 0, or ioFailure at the first writeText that fails (out is buffered, so a failure
// mostly shows only when it is closed). Reads installerState only; never opens or closes out.
ResultCode writeTuningSections(TextFile* out);
