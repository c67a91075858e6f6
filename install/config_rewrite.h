// The rewrite of aircraft.cfg: header comment, the product's sim= lines and the tuned sections.
#pragma once

#include "analysis/result_codes.h"

// Writes the new configuration beside cfgPath under a temporary name (the path with its last
// character replaced by "_"), then keeps the old file as cfgPath + "_ORIGINAL" and puts the new
// one in its place, in one step. Returns 0, or the reason with the configuration file untouched
// and no temporary file left: openFailed, createFailed (also for a path that ends in "_" or is
// too long to take "_ORIGINAL"), lineTooLong, ioFailure (also when the new file cannot be put in
// place; an earlier kept copy is gone by then), generalMisplaced, or the tuning-sections
// writer's code. Reads modelKind and, through the writer, the tuning fields.
ResultCode rewriteAircraftConfig(const char* cfgPath);
