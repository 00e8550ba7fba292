#pragma once
// The segment plan of a transfer without any I/O: how a file is cut into segments, which byte
// ranges are done, and how many failed tries a segment has left. Pure, so tests call it directly.
#include <cstdint>
#include <vector>

namespace xldl {

struct TRange {
  std::int64_t Begin = 0, End = 0;  // [Begin, End)
  bool operator==(const TRange& o) const { return Begin == o.Begin && End == o.End; }
};

// count (>= 1) segments of nearly equal size covering [0, total), for any total >= 0.
std::vector<TRange> PlanSegments(std::int64_t total, std::int64_t count);

// The ranges sorted, empty ones dropped, overlapping and adjacent ones joined.
std::vector<TRange> MergeRanges(std::vector<TRange> ranges);

// The parts of [0, total) that the merged ranges done do not cover.
std::vector<TRange> MissingRanges(const std::vector<TRange>& done, std::int64_t total);

// Failed tries of one segment. Only progress beyond the furthest point reached since the last
// start refills the budget: a server that sends the body from byte 0 at every try would
// otherwise refill it for ever.
struct TTries {
  int Failed = 0;
  std::int64_t Furthest = -1;

  // Counts a failed try that got as far as reached; false when no try is left.
  bool Fail(std::int64_t reached, int allowed) {
    if (reached > Furthest) {
      Furthest = reached;
      Failed = 0;
    }
    return ++Failed <= allowed;
  }
};

}  // namespace xldl
