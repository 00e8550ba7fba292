#include "platform/xldl/XlPlan.h"

#include <algorithm>

namespace xldl {

std::vector<TRange> PlanSegments(std::int64_t total, std::int64_t count) {
  std::vector<TRange> out;
  if (total < 0 || count < 1) return out;
  // total * i / count without the product, which overflows for very large totals.
  const std::int64_t whole = total / count, rest = total % count;
  auto bound = [&](std::int64_t i) { return whole * i + rest * i / count; };
  for (std::int64_t i = 0; i < count; ++i) out.push_back({bound(i), bound(i + 1)});
  return out;
}

std::vector<TRange> MergeRanges(std::vector<TRange> ranges) {
  ranges.erase(std::remove_if(ranges.begin(), ranges.end(),
                              [](const TRange& r) { return r.End <= r.Begin; }),
               ranges.end());
  std::sort(ranges.begin(), ranges.end(),
            [](const TRange& a, const TRange& b) { return a.Begin < b.Begin; });
  std::vector<TRange> out;
  for (const TRange& r : ranges) {
    if (!out.empty() && r.Begin <= out.back().End) out.back().End = std::max(out.back().End, r.End);
    else out.push_back(r);
  }
  return out;
}

std::vector<TRange> MissingRanges(const std::vector<TRange>& done, std::int64_t total) {
  std::vector<TRange> out;
  std::int64_t at = 0;
  for (const TRange& r : done) {
    if (r.Begin > at && at < total) out.push_back({at, std::min(r.Begin, total)});
    at = std::max(at, r.End);
    if (at >= total) break;
  }
  if (at < total) out.push_back({at, total});
  return out;
}

}  // namespace xldl
