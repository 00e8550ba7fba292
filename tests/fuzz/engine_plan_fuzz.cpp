// The download engine's segment plan: segments cover the file exactly, whatever its size, and
// the ranges still missing are exactly what the done ones leave.
#include <vector>

#include "FuzzSupport.h"
#include "platform/xldl/XlPlan.h"

namespace {

int64_t Int64At(const uint8_t* data, size_t size, size_t at) {
  uint64_t v = 0;
  for (size_t k = 0; k < 8; ++k) v = v << 8 | (at + k < size ? data[at + k] : 0);
  return static_cast<int64_t>(v);
}

bool Covered(const std::vector<xldl::TRange>& ranges, int64_t at) {
  for (const auto& r : ranges)
    if (r.Begin <= at && at < r.End) return true;
  return false;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (size < 9) return 0;
  // Any size up to the largest a file can have, any number of connections the engine uses.
  const int64_t total = Int64At(data, size, 0) & INT64_MAX;
  const int64_t count = 1 + data[8] % 64;
  const std::vector<xldl::TRange> plan = xldl::PlanSegments(total, count);
  FUZZ_CHECK(static_cast<int64_t>(plan.size()) == count);
  FUZZ_CHECK(plan.front().Begin == 0 && plan.back().End == total);
  const int64_t whole = total / count;
  for (size_t i = 0; i < plan.size(); ++i) {
    if (i) FUZZ_CHECK(plan[i].Begin == plan[i - 1].End);
    const int64_t length = plan[i].End - plan[i].Begin;
    FUZZ_CHECK(length == whole || length == whole + 1);
  }

  // Done ranges from the input, inside a smaller file: merged, they are sorted and apart, and
  // with the missing ones they tile the file without overlap.
  const int64_t small = Int64At(data, size, 9) & 0xFFFFF;
  std::vector<xldl::TRange> done;
  for (size_t at = 17; at + 4 <= size; at += 4) {
    const int64_t a = (data[at] << 8 | data[at + 1]) * 16, b = (data[at + 2] << 8 | data[at + 3]) * 16;
    done.push_back({a, b});
  }
  const std::vector<xldl::TRange> merged = xldl::MergeRanges(done);
  for (size_t i = 0; i < merged.size(); ++i) {
    FUZZ_CHECK(merged[i].Begin < merged[i].End);
    if (i) FUZZ_CHECK(merged[i - 1].End < merged[i].Begin);
  }
  const std::vector<xldl::TRange> missing = xldl::MissingRanges(merged, small);
  for (size_t i = 0; i < missing.size(); ++i) {
    FUZZ_CHECK(0 <= missing[i].Begin && missing[i].Begin < missing[i].End && missing[i].End <= small);
    if (i) FUZZ_CHECK(missing[i - 1].End < missing[i].Begin);
  }
  // Spot checks at the edges of every range: a byte is missing exactly when no done range has it.
  std::vector<int64_t> probes = {0, small - 1};
  for (const auto& r : done) probes.insert(probes.end(), {r.Begin - 1, r.Begin, r.End - 1, r.End});
  for (int64_t at : probes) {
    if (at < 0 || at >= small) continue;
    FUZZ_CHECK(Covered(missing, at) != Covered(done, at));
    FUZZ_CHECK(Covered(merged, at) == Covered(done, at));
  }
  return 0;
}
