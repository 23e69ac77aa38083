#include "platform/RandomGenerator.h"

#include <bit>

namespace platform {
namespace {

constexpr std::uint64_t kGolden = 0x9E3779B97F4A7C15ULL;

// The finaliser of SplitMix64: every bit of the input reaches every bit of the output.
std::uint64_t Mix(std::uint64_t z) {
  z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ULL;
  z = (z ^ (z >> 27)) * 0x94D049BB133111EBULL;
  return z ^ (z >> 31);
}

std::uint64_t BitsOf(float x) {
  if (x == 0.0f) x = 0.0f;  // -0 and +0 are one argument
  return std::bit_cast<std::uint32_t>(x);
}

}  // namespace

float RandomGenerator::Rnd() {
  state_ += kGolden;
  // 24 bits: exactly representable in a float, and never 1.
  return static_cast<float>(Mix(state_) >> 40) * (1.0f / 16777216.0f);
}

float RandomGenerator::Rnd(float x) {
  if (x > 0.0f) return Rnd();
  state_ = Mix(BitsOf(x) ^ 0xA5A5A5A5DEADBEEFULL);
  return Rnd();
}

void RandomGenerator::Randomize(float x) { state_ = Mix(state_ ^ Mix(BitsOf(x) + kGolden)); }

}  // namespace platform
