// The task's side of resuming after a restart: taking over a .part an earlier process left,
// installing its confirmed plan, and writing the control file (see XlResume.h).
#include <cwctype>
#include <set>

#include "platform/xldl/XlTask.h"

namespace xldl {

namespace {

constexpr std::uint64_t kSaveIntervalMs = 1000;  // how much a crash may cost, at most

// The .part files that tasks of this process hold, so that two tasks never adopt the same one.
std::mutex gClaimLock;
std::set<std::wstring> gClaimed;

std::wstring ClaimKey(std::wstring path) {
  for (auto& c : path) c = wchar_t(std::towlower(c));
  return path;
}

}  // namespace

bool ClaimPart(const std::wstring& path) {
  std::lock_guard<std::mutex> lock(gClaimLock);
  return gClaimed.insert(ClaimKey(path)).second;
}

void ReleasePart(const std::wstring& path) {
  std::lock_guard<std::mutex> lock(gClaimLock);
  gClaimed.erase(ClaimKey(path));
}

void DeleteState(const std::wstring& partPath) {
  DeleteFileW(LongPath(ResumePath(partPath)).c_str());
}

std::string ValidatorOf(const std::string& etag, const std::string& lastModified) {
  if (!etag.empty() && etag.compare(0, 2, "W/") != 0) return etag;
  return lastModified;
}

// A .part that an earlier process left for the same address, with its control file: resumed
// once the server confirms the resource is unchanged (see Probe).
bool TXlTask::Adopt(const std::wstring& partPath) {
  TResumeState state;
  if (!LoadResumeState(ResumePath(partPath), state) || state.Url != WideToUtf8(FConfig.Url))
    return false;
  TPartFile part;
  // Opening fails while another program writes it (no write sharing).
  if (!part.Open(partPath) || part.Size() != state.Total || !ClaimPart(partPath)) return false;
  FPartPath = partPath;
  FClaimed = true;
  FResume = std::move(state);
  FResumePending = true;
  return true;
}

void TXlTask::SaveState(TPass& pass, bool force) {
  std::unique_lock<std::mutex> saving(FSaveLock, std::defer_lock);
  if (force) saving.lock();
  else if (!saving.try_lock()) return;  // another connection is saving right now
  TResumeState state;
  std::wstring path;
  {
    std::lock_guard<std::mutex> lock(FLock);
    const std::uint64_t now = GetTickCount64();
    if (!force && now - FSavedTick < kSaveIntervalMs) return;
    if (!FKnown || !FRangesOk || FTotal <= 0 || FDone || FResumePending) return;
    FSavedTick = now;
    state.Url = WideToUtf8(FConfig.Url);
    state.Total = FTotal;
    state.ETag = FETag;
    state.LastModified = FLastModified;
    for (const auto& s : FSegments) state.Done.push_back({s.Begin, s.Pos});
    path = ResumePath(FPartPath);
  }
  state.Done = MergeRanges(std::move(state.Done));
  // The bytes on disk first, then the file that says they are there.
  if (pass.File.Flush()) SaveResumeState(path, state);
}

// The saved plan, confirmed: the missing ranges to fetch (the first one, index 0, on the
// probe's connection when owned), the done ones complete. With FLock held.
void TXlTask::InstallResumed(const std::vector<TRange>& missing, const std::string& etag,
                             const std::string& lastModified, const TUrl& url, bool owned) {
  FKnown = true;
  FTotal = FResume.Total;
  FRangesOk = true;
  FEffectiveUrl = url;
  FETag = etag;
  FLastModified = lastModified;
  FValidator = ValidatorOf(etag, lastModified);
  FSegments.clear();
  for (const TRange& range : missing) {
    TSegment s;
    s.Begin = s.Pos = range.Begin;
    s.End = range.End;
    FSegments.push_back(s);
  }
  if (!FSegments.empty()) FSegments[0].Owned = owned;
  for (const TRange& range : FResume.Done) {
    TSegment s;
    s.Begin = range.Begin;
    s.Pos = s.End = range.End;
    FSegments.push_back(s);
  }
  FResumePending = false;
}

}  // namespace xldl
