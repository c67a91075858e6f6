// Temporary folders and path forms for tests live with the other file fixtures.
#pragma once
#include "tests/support/test_files.h"
