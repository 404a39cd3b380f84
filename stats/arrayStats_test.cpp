#include "arrayStats.h"

#include <gtest/gtest.h>

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <new>
#include <string>
#include <vector>

#include "captureOutput.h"

namespace {

// Whether the next array allocation throws std::bad_alloc; it is reset as that one throws.
bool failNextArrayNew = false;

}  // namespace

// The array forms of new and delete are replaced for the whole test runner, its libraries
// included, so that a test can make the store's allocation fail. Otherwise they do what the
// library's own do: the array forms call the single-object forms. The deletes are replaced too,
// so that every block is released by the form that matches the one that obtained it.
void* operator new[](std::size_t size) {
  if (failNextArrayNew) {
    failNextArrayNew = false;
    throw std::bad_alloc();
  }
  return ::operator new(size);
}

void operator delete[](void* block) noexcept {
  ::operator delete(block);
}

void operator delete[](void* block, std::size_t /*size*/) noexcept {
  ::operator delete(block);
}

namespace {

// Feeds the clock readings to `schedule` in turn and returns the readings at which a sample
// was due.
std::vector<std::int64_t> dueReadings(SampleSchedule& schedule,
                                      const std::vector<std::int64_t>& readings) {
  std::vector<std::int64_t> due;
  for (const std::int64_t now : readings) {
    if (schedule.isDue(now)) {
      due.push_back(now);
    }
  }
  return due;
}

using Readings = std::vector<std::int64_t>;

// The clock is polled many times a second; a sample is due once per new second.
TEST(SampleScheduleTest, DueOncePerSecond) {
  SampleSchedule schedule(100, SAMPLE_PERIOD);
  EXPECT_EQ(dueReadings(schedule, {100, 100, 100, 101, 101, 101, 102, 102, 103}),
            (Readings{101, 102, 103}));
}

// Suspended from 101 to 105: one sample at once, then the grid goes on from 105.
TEST(SampleScheduleTest, LongGapGivesOneSampleAndNoStall) {
  SampleSchedule schedule(100, SAMPLE_PERIOD);
  EXPECT_EQ(dueReadings(schedule, {101, 105, 105, 105, 106, 106, 107}),
            (Readings{101, 105, 106, 107}));
}

// The clock steps back from 102 to 90: sampling resumes at 91, not at 103.
TEST(SampleScheduleTest, BackwardStepReanchors) {
  SampleSchedule schedule(100, SAMPLE_PERIOD);
  EXPECT_EQ(dueReadings(schedule, {101, 102, 90, 90, 91, 92}), (Readings{101, 102, 91, 92}));
}

// With a longer period the due mark stays on the grid that began at the start reading.
TEST(SampleScheduleTest, LongerPeriodKeepsGrid) {
  SampleSchedule schedule(100, 5);
  EXPECT_EQ(schedule.nextDue(), 105);
  EXPECT_EQ(dueReadings(schedule, {101, 104, 105, 106, 109, 112, 114, 115, 122, 125}),
            (Readings{105, 112, 115, 122, 125}));
  EXPECT_EQ(schedule.nextDue(), 130);
}

// The start line comes first; a store that cannot be made ends the sampler with a message.
TEST(RunSamplerTest, StoreAllocationFailureIsReported) {
  // Were the replacement not in force, the sampler would poll until the test's time limit: it is
  // checked first.
  failNextArrayNew = true;
  ASSERT_THROW(::operator delete[](::operator new[](1)), std::bad_alloc);
  int status = -1;
  std::string printed;
  const std::string errors = captureOutput(stderr, [&] {
    printed = captureOutput(stdout, [&] {
      failNextArrayNew = true;
      status = runSampler();
    });
  });
  EXPECT_FALSE(failNextArrayNew) << "runSampler allocated no array";
  EXPECT_EQ(status, EXIT_FAILURE);
  EXPECT_EQ(printed, "arrayStats begin...\n");
  EXPECT_EQ(errors, "secondSampler: out of memory\n");
}

}  // namespace
