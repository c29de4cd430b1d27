// The program's uniform generator: a Mersenne twister with a fixed seed.
#include "record/random_source.h"

#include <random>

namespace record {

float programRandom() {
  static std::mt19937 engine;  // default seed: the same sequence every run, never reseeded
  // 24 random bits scaled by 2^-24: exactly representable, so never 1.0f.
  return static_cast<float>(engine() >> 8) * 0x1.0p-24f;
}

}  // namespace record
