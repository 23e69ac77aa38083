#pragma once
// A deterministic pseudo-random generator of single-precision numbers, of our own:
//
//   Rnd()         the next number of the sequence, at least 0 and below 1
//   Rnd(x), x<=0  a number fixed by x alone; the sequence restarts from it
//   Rnd(x), x>0   the same as Rnd()
//   Randomize(x)  a new state fixed by x and the state before it
//
// So after Rnd(x) with x <= 0 nothing that came before matters, and the same calls
// always give the same numbers, on every machine.

#include <cstdint>

namespace platform {

class RandomGenerator {
 public:
  float Rnd();
  float Rnd(float x);
  void Randomize(float x);

 private:
  std::uint64_t state_ = 0x5EED0F0A11ULL;
};

}  // namespace platform
