#include <cstdint>
#include <cstdio>

#include "closeOutput.h"

int main() {
  const std::int32_t inputValue = 43;
  // The result is the input unchanged: no reversal stands between them (43 reversed would be 212).
  const std::int32_t resultValue = inputValue;
  std::printf("%d \n", inputValue);
  std::printf("%d \n", resultValue);
  return closeOutput(stdout, "bitReverseDemo");
}
