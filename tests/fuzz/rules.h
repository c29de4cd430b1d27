// The rules of each lesson window, defined beside the window they watch.
#pragma once

#include "tests/fuzz/invariants.h"

namespace fuzz {

const WindowRule& bandRule();
const WindowRule& waveRules();
const WindowRule& recordRule();
const WindowRule& observationRule();

}  // namespace fuzz
