#include <fuzzer/FuzzedDataProvider.h>

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "statsAgree.h"

// The input's bytes are a series of arbitrary float bit patterns, pushed through a store of
// the series' length after a few earlier samples (so that its ring has wrapped): its statistics
// must agree bit for bit with computeArrStats' over the same series.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  FuzzedDataProvider provider(data, size);
  const int earlier = provider.ConsumeIntegralInRange(0, 7);
  std::vector<float> series(provider.remaining_bytes() / sizeof(float));
  if (!series.empty()) {  // an empty vector's data() may be null, which memcpy must not get
    provider.ConsumeData(series.data(), series.size() * sizeof(float));
  }
  const std::string disagreement = statsDisagreement(series, earlier);
  if (!disagreement.empty()) {
    std::fprintf(stderr, "the implementations disagree on:%s\n", disagreement.c_str());
    std::abort();
  }
  return 0;
}
