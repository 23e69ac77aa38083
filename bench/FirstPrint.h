#pragma once
// Each print measured as the first of its texts: none of their lines laid out before
// (the fit rule keeps what it laid out lately), the forgetting itself not timed.

#include <benchmark/benchmark.h>

#include "platform/FittedText.h"

namespace bench {

inline void FirstPrint(benchmark::State& state) {
  state.PauseTiming();
  platform::ForgetLaidLines();
  state.ResumeTiming();
}

}  // namespace bench
