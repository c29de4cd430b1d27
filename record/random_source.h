// The record's pseudo-random factors: one uniform source of values in
// [0, 1) for the whole run, seeded once at start-up and never again, so a
// replay draws a record that differs from the one before.
#pragma once

#include <functional>

namespace record {

using RandomSource = std::function<float()>;

// The program's shared source; every call advances the one generator.
float programRandom();

}  // namespace record
