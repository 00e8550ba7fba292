#include "platform/xldl/XlTask.h"

#include <algorithm>
#include <cstring>
#include <ctime>
#include <filesystem>

namespace xldl {

namespace {

constexpr std::int64_t kMinSegment = 1 << 20;  // no connection of its own for less
constexpr std::size_t kBufferSize = 1 << 20;
constexpr int kMaxRetries = 5;      // failed tries of one segment without new progress (TTries)
constexpr int kMaxRedirects = 10;
constexpr int kMaxRestarts = 2;     // plan started afresh when the server changed its mind

DWORD Backoff(int failures) {
  return DWORD(std::min(250 << std::min(failures - 1, 5), 4000));
}

int FailCodeOf(ENetError e) {
  return e == ENetError::Malformed ? XL_FAIL_BAD_RESPONSE : XL_FAIL_NETWORK;
}

// Failures that another try may cure.
bool IsTransient(ENetError e) { return e != ENetError::Malformed && e != ENetError::Secure; }

// Statuses that another try may cure.
bool IsTransientStatus(int status) {
  return status == 408 || status == 425 || status == 429 || status >= 500;
}

// The wait before the next try: what a busy server asks for, else our own backoff.
DWORD RetryDelay(int failures, int status, const std::string& retryAfter) {
  if ((status == 503 || status == 429) && !retryAfter.empty()) {
    const std::int64_t ms = RetryAfterMs(retryAfter, std::int64_t(std::time(nullptr)));
    if (ms >= 0) return DWORD(ms);
  }
  return Backoff(failures);
}

}  // namespace

TXlTask::TXlTask(TTaskConfig config) : FConfig(std::move(config)) {}

TXlTask::~TXlTask() {
  Cancel();
  Join();
  if (FClaimed) ReleasePart(FPartPath);
}

bool TXlTask::Start() {
  std::lock_guard<std::mutex> lock(FLock);
  if (FDone || FStatus == XL_STATUS_COMPLETE) return false;
  if (FStatus == XL_STATUS_WAITING || FStatus == XL_STATUS_DOWNLOADING) return true;
  if (FPartPath.empty() && !PrepareFirstStart()) return false;
  auto token = std::make_shared<TCancelToken>();
  const std::uint32_t generation = FGeneration + 1;
  // The new run waits for the one before it, which a pause has already told to stop.
  auto previous = std::make_shared<std::thread>(std::move(FRunner));
  try {
    FRunner = std::thread([this, previous, token, generation] {
      if (previous->joinable()) previous->join();
      Run(token, generation);
    });
  } catch (...) {
    FRunner = std::move(*previous);
    return false;
  }
  FGeneration = generation;
  FCancel = token;
  for (auto& segment : FSegments) segment.Tries = {};  // a new start is a fresh budget
  FStatus = XL_STATUS_WAITING;
  FFailCode = 0;
  return true;
}

// Checks the address and the names, and claims the .part file under the first free name.
bool TXlTask::PrepareFirstStart() {
  if (!ParseUrl(WideToUtf8(FConfig.Url), FUrl)) return false;
  if (!IsValidFileName(FConfig.FileName) || !IsValidFolder(FConfig.Folder)) return false;
  FFolder = WithSeparator(FConfig.Folder);
  std::error_code ec;
  const std::filesystem::path folder(LongPath(FFolder));
  if (!std::filesystem::is_directory(folder, ec)) {
    std::filesystem::create_directories(folder, ec);
    if (!std::filesystem::is_directory(folder, ec)) return false;
  }
  for (int n = 0; n < 10000; ++n) {
    const std::wstring name = NumberedName(FConfig.FileName, n);
    if (!IsValidFileName(name)) return false;
    const std::wstring final = FFolder + name;
    if (GetFileAttributesW(LongPath(final).c_str()) != INVALID_FILE_ATTRIBUTES) continue;
    TPartFile part;
    // CREATE_NEW makes the claim atomic against other tasks and other programs.
    if (part.Create(final + L".part")) {
      DeleteState(final + L".part");  // a control file left there describes another file
      FSavedName = name;
      FPartPath = final + L".part";
      FClaimed = ClaimPart(FPartPath);
      return true;
    }
    const DWORD err = GetLastError();
    if (err != ERROR_FILE_EXISTS && err != ERROR_ALREADY_EXISTS) return false;
    if (Adopt(final + L".part")) {
      FSavedName = name;
      return true;
    }
  }
  return false;
}

bool TXlTask::Stop() {
  std::shared_ptr<TCancelToken> token;
  {
    std::lock_guard<std::mutex> lock(FLock);
    if (FDone || FStatus == XL_STATUS_COMPLETE || FStatus == XL_STATUS_FAILED) return false;
    FStatus = XL_STATUS_PAUSED;
    token = FCancel;
  }
  // Outside the lock: the hooks close connections, and workers take the lock too.
  if (token) token->Cancel();
  return true;
}

void TXlTask::Cancel() {
  std::shared_ptr<TCancelToken> token;
  {
    std::lock_guard<std::mutex> lock(FLock);
    token = FCancel;
  }
  if (token) token->Cancel();
}

void TXlTask::Join() {
  std::thread runner;
  {
    std::lock_guard<std::mutex> lock(FLock);
    runner = std::move(FRunner);
  }
  if (runner.joinable()) runner.join();
}

void TXlTask::Query(TXlTaskInfo& info) {
  std::memset(&info, 0, sizeof info);
  std::lock_guard<std::mutex> lock(FLock);
  info.Status = FStatus;
  info.FailCode = FStatus == XL_STATUS_FAILED ? FFailCode : 0;
  const std::size_t n = std::min<std::size_t>(FSavedName.size(), 519);
  std::memcpy(info.SavedName, FSavedName.data(), n * sizeof(wchar_t));
  const std::int64_t received = ReceivedLocked();
  info.TotalSize = FKnown ? FTotal : -1;
  info.Received = received;
  const std::uint64_t now = GetTickCount64();
  if (FStatus != XL_STATUS_DOWNLOADING) {
    FSpeed = 0;
    FSpeedTick = now;
    FSpeedBytes = received;
  } else if (now - FSpeedTick >= 1000) {
    FSpeed = (received - FSpeedBytes) * 1000 / std::int64_t(now - FSpeedTick);
    FSpeedTick = now;
    FSpeedBytes = received;
  }
  info.Speed = std::max<std::int64_t>(FSpeed, 0);
  info.Connections = FOpenConnections;
}

std::int64_t TXlTask::ReceivedLocked() const {
  std::int64_t sum = 0;
  for (const auto& s : FSegments) sum += s.Pos - s.Begin;
  return sum;
}

int TXlTask::Connections() const {
  const int n = FConfig.MaxConnections > 0 ? FConfig.MaxConnections : kDefaultConnections;
  return std::clamp(n, 1, kMaxConnections);
}

void TXlTask::SetRunStatus(std::uint32_t generation, std::uint8_t status, int failCode) {
  if (generation != FGeneration) return;
  if (FStatus != XL_STATUS_WAITING && FStatus != XL_STATUS_DOWNLOADING) return;
  if (status == XL_STATUS_FAILED) {
    // Not yet: whoever sees "failed" must not find a half-removed .part still there.
    if (!FFailing) FFailing = failCode ? failCode : XL_FAIL_NETWORK;
    return;
  }
  FStatus = status;
  FFailCode = failCode;
}

void TXlTask::FailPass(TPass& pass, int code) {
  {
    std::lock_guard<std::mutex> lock(FLock);
    if (!pass.FailCode) pass.FailCode = code;
  }
  pass.Stop.Cancel();
}

void TXlTask::Run(std::shared_ptr<TCancelToken> user, std::uint32_t generation) {
  try {
    RunTransfer(*user, generation);
  } catch (...) {
    // Out of memory or threads: the task fails, the engine lives on.
    std::lock_guard<std::mutex> lock(FLock);
    if (!user->Cancelled()) SetRunStatus(generation, XL_STATUS_FAILED, XL_FAIL_NETWORK);
  }
  std::lock_guard<std::mutex> lock(FLock);
  FOpenConnections = 0;
  if (!FFailing) return;
  const int failCode = FFailing;
  FFailing = 0;
  // Paused or restarted meanwhile: the failure is no longer this task's state.
  if (generation != FGeneration || (FStatus != XL_STATUS_WAITING && FStatus != XL_STATUS_DOWNLOADING)) return;
  // The run's files are closed now. A failure before any byte arrived (a 404, say) leaves no
  // empty .part behind; a later start claims it anew.
  if (ReceivedLocked() == 0 && DeleteFileW(LongPath(FPartPath).c_str())) {
    DeleteState(FPartPath);
    ReleasePart(FPartPath);
    FClaimed = false;
    FKnown = false;
    FSegments.clear();
  }
  FStatus = XL_STATUS_FAILED;
  FFailCode = failCode;
}

void TXlTask::RunTransfer(TCancelToken& user, std::uint32_t generation) {
  for (int restarts = 0;; ++restarts) {
    TPass pass;
    pass.Generation = generation;
    const int hook = user.AddHook([&pass] { pass.Stop.Cancel(); });
    if (!hook) return;
    struct THookGuard {
      TCancelToken& Token;
      int Id;
      ~THookGuard() { Token.RemoveHook(Id); }
    } guard{user, hook};

    bool known;
    {
      std::lock_guard<std::mutex> lock(FLock);
      if (FDone) {
        FStatus = XL_STATUS_COMPLETE;
        return;
      }
      known = FKnown;
    }
    if (!OpenPartFile(pass)) {
      std::lock_guard<std::mutex> lock(FLock);
      SetRunStatus(generation, XL_STATUS_FAILED, XL_FAIL_FILE);
      return;
    }
    {
      std::lock_guard<std::mutex> lock(FLock);
      known = FKnown;
    }
    std::vector<std::thread> helpers;
    // Whatever happens below, no helper outlives this pass (a joinable thread left to its
    // destructor would end the process).
    struct THelpersGuard {
      TPass& Pass;
      std::vector<std::thread>& Threads;
      ~THelpersGuard() {
        bool any = false;
        for (auto& t : Threads) any = any || t.joinable();
        if (any) Pass.Stop.Cancel();
        for (auto& t : Threads)
          if (t.joinable()) t.join();
      }
    } helpersGuard{pass, helpers};
    auto startHelpers = [&](int count) {
      for (int i = 0; i < count; ++i) {
        try {
          helpers.emplace_back(&TXlTask::Worker, this, &pass, nullptr, -1);
        } catch (...) {
          break;  // fewer connections, not a failure
        }
      }
    };
    if (!known) {
      std::unique_ptr<THttpStream> stream;
      if (Probe(pass, stream)) {
        bool ranges;
        {
          std::lock_guard<std::mutex> lock(FLock);
          ranges = FRangesOk;
        }
        if (ranges) startHelpers(Connections() - 1);
        const int first = stream ? 0 : -1;  // the probe's answer carries segment 0
        Worker(&pass, std::move(stream), first);
      }
    } else {
      bool ranges;
      {
        std::lock_guard<std::mutex> lock(FLock);
        ranges = FRangesOk;
      }
      if (ranges) startHelpers(Connections() - 1);
      Worker(&pass, nullptr, -1);
    }
    for (auto& t : helpers) t.join();  // all segments are done, failed, or given up

    SaveState(pass, true);
    if (user.Cancelled()) return;  // paused or shut down: segments, .part and its state stay
    bool restart = false;
    {
      std::lock_guard<std::mutex> lock(FLock);
      if (pass.Restart && !pass.FailCode) {
        if (restarts >= kMaxRestarts) {
          SetRunStatus(generation, XL_STATUS_FAILED, XL_FAIL_BAD_RESPONSE);
          return;
        }
        // The server changed the resource or stopped honouring ranges: begin again.
        FKnown = false;
        FRangesOk = false;
        FTotal = -1;
        FSegments.clear();
        FValidator.clear();
        DeleteState(FPartPath);  // before the data it describes goes
        restart = true;
      } else if (pass.FailCode) {
        SetRunStatus(generation, XL_STATUS_FAILED, pass.FailCode);
        return;
      } else {
        bool complete = FKnown;
        for (const auto& s : FSegments) complete = complete && s.Pos >= s.End;
        if (!complete) {
          SetRunStatus(generation, XL_STATUS_FAILED, XL_FAIL_NETWORK);
          return;
        }
      }
    }
    if (restart) {
      if (!pass.File.SetSize(0)) {
        std::lock_guard<std::mutex> lock(FLock);
        SetRunStatus(generation, XL_STATUS_FAILED, XL_FAIL_FILE);
        return;
      }
      continue;
    }
    Finalize(pass);
    return;
  }
}

bool TXlTask::OpenPartFile(TPass& pass) {
  std::wstring path;
  {
    std::lock_guard<std::mutex> lock(FLock);
    path = FPartPath;
  }
  if (pass.File.Open(path)) return true;
  if (GetLastError() != ERROR_FILE_NOT_FOUND && GetLastError() != ERROR_PATH_NOT_FOUND)
    return false;
  // Someone removed the .part while we were paused: what it held is gone, begin again.
  {
    std::lock_guard<std::mutex> lock(FLock);
    DeleteState(path);
    FResumePending = false;
    FKnown = false;
    FRangesOk = false;
    FTotal = -1;
    FSegments.clear();
  }
  std::error_code ec;
  std::filesystem::create_directories(std::filesystem::path(LongPath(FFolder)), ec);
  if (!pass.File.Create(path)) return false;
  std::lock_guard<std::mutex> lock(FLock);
  FClaimed = ClaimPart(path);
  return true;
}

int TXlTask::OpenFollowing(TPass& pass, TRequest request, std::unique_ptr<THttpStream>& stream,
                           TResponse& response, TUrl& finalUrl, bool& retryable) {
  TUrl url = request.Url;
  for (int hop = 0; hop <= kMaxRedirects; ++hop) {
    auto s = MakeStream(url, pass.Stop);
    request.Url = url;
    if (!s->Open(request, response)) {
      retryable = IsTransient(s->Error());
      return FailCodeOf(s->Error());
    }
    if (IsRedirect(response.Status) && !response.Location.empty()) {
      TUrl next;
      if (!ResolveUrl(url, response.Location, next)) {
        retryable = false;
        return XL_FAIL_REDIRECTS;
      }
      url = next;
      continue;
    }
    stream = std::move(s);
    finalUrl = url;
    return 0;
  }
  retryable = false;
  return XL_FAIL_REDIRECTS;
}

// The first answer decides the plan: size, ranges, and the segments. A task resuming what an
// earlier process left asks for the first missing range with If-Range instead, and keeps the
// saved plan only when the answer shows the same resource (same size and validators).
bool TXlTask::Probe(TPass& pass, std::unique_ptr<THttpStream>& stream) {
  TRequest request;
  std::vector<TRange> missing;
  bool resuming;
  {
    std::lock_guard<std::mutex> lock(FLock);
    request.Url = FUrl;
    if (!FRangesRefused) request.RangeFirst = 0;
    resuming = FResumePending;
    if (resuming && FResume.ETag.empty() && FResume.LastModified.empty()) {
      resuming = FResumePending = false;  // nothing to tell a changed resource by
    }
    if (resuming) {
      missing = MissingRanges(FResume.Done, FResume.Total);
      if (missing.empty()) {  // all there: only the rename was left undone
        InstallResumed(missing, FResume.ETag, FResume.LastModified, FUrl, false);
        SetRunStatus(pass.Generation, XL_STATUS_DOWNLOADING);
        return true;
      }
      request.RangeFirst = missing[0].Begin;
      request.RangeLast = missing[0].End - 1;
      request.IfRange = ValidatorOf(FResume.ETag, FResume.LastModified);
    }
  }
  if (!resuming) DeleteState(FPartPath);
  request.Referer = WideToUtf8(FConfig.Referer);
  for (int failures = 0;;) {
    if (pass.Stop.Cancelled()) return false;
    std::string retryAfter;
    TResponse r;
    TUrl finalUrl;
    bool retryable = false;
    int code = OpenFollowing(pass, request, stream, r, finalUrl, retryable);
    if (!code && resuming && (r.Status == 200 || r.Status == 206 || r.Status == 416)) {
      std::unique_lock<std::mutex> lock(FLock);
      if (r.Status == 206 && r.RangeFirst == request.RangeFirst && r.RangeTotal == FResume.Total &&
          r.ETag == FResume.ETag && r.LastModified == FResume.LastModified) {
        InstallResumed(missing, r.ETag, r.LastModified, finalUrl, true);
        SetRunStatus(pass.Generation, XL_STATUS_DOWNLOADING);
        return true;
      }
      // Changed, or no longer served in ranges: a fresh download into the same .part.
      FResumePending = resuming = false;
      lock.unlock();
      DeleteState(FPartPath);
      stream.reset();
      request.RangeFirst = 0;
      request.RangeLast = -1;
      request.IfRange.clear();
      continue;
    }
    std::int64_t total = -1;
    bool ranges = false;
    if (!code) {
      if (r.Status == 206) {
        if (r.RangeFirst != 0) {
          code = XL_FAIL_BAD_RESPONSE;
          retryable = false;
        } else {
          total = r.RangeTotal;
          ranges = total > 0;
        }
      } else if (r.Status == 416 && request.RangeFirst >= 0) {
        // A range from 0 is unsatisfiable only for an empty resource; a plain request tells.
        stream.reset();
        request.RangeFirst = -1;
        if (++failures > kMaxRetries) {
          FailPass(pass, r.Status);
          return false;
        }
        continue;
      } else if (r.Status >= 200 && r.Status < 300) {
        total = r.ResourceSize();
        ranges = r.AcceptRanges && total > 0 && request.RangeFirst >= 0;
      } else {
        code = r.Status;
        retryable = IsTransientStatus(r.Status);
        retryAfter = r.RetryAfter;
      }
    }
    if (!code) {
      const int connections = Connections();
      std::unique_lock<std::mutex> lock(FLock);
      FKnown = true;
      FTotal = total;
      FRangesOk = ranges && !FRangesRefused;
      FEffectiveUrl = finalUrl;
      FETag = r.ETag;
      FLastModified = r.LastModified;
      FValidator = ValidatorOf(r.ETag, r.LastModified);
      FSegments.clear();
      if (total == 0) stream.reset();  // nothing to read: no segment at all
      if (total != 0) {
        std::int64_t count = 1;
        if (FRangesOk) count = std::clamp<std::int64_t>(total / kMinSegment, 1, connections);
        if (total < 0) {
          FSegments.emplace_back();  // [0, open end)
        } else {
          for (const TRange& range : PlanSegments(total, count)) {
            TSegment s;
            s.Begin = s.Pos = range.Begin;
            s.End = range.End;
            FSegments.push_back(s);
          }
        }
        FSegments[0].Owned = stream != nullptr;
      }
      SetRunStatus(pass.Generation, XL_STATUS_DOWNLOADING);
      lock.unlock();
      if (total > 0 && !pass.File.SetSize(total)) {
        FailPass(pass, XL_FAIL_FILE);
        return false;
      }
      SaveState(pass, true);
      return true;
    }
    stream.reset();
    if (pass.Stop.Cancelled()) return false;
    if (!retryable || ++failures > kMaxRetries) {
      FailPass(pass, code);
      return false;
    }
    if (pass.Stop.Sleep(RetryDelay(failures, code, retryAfter))) return false;
  }
}

// Picks a segment nobody works on, or splits the one with the most left.
int TXlTask::Claim() {
  std::lock_guard<std::mutex> lock(FLock);
  for (std::size_t i = 0; i < FSegments.size(); ++i) {
    if (!FSegments[i].Owned && FSegments[i].Pos < FSegments[i].End) {
      FSegments[i].Owned = true;
      return int(i);
    }
  }
  if (!FRangesOk || FTotal <= 0) return -1;
  int best = -1;
  std::int64_t bestLeft = 0;
  for (std::size_t i = 0; i < FSegments.size(); ++i) {
    const auto& s = FSegments[i];
    const std::int64_t left = s.End - std::max(s.Pos, s.Writing);
    if (s.Owned && left > bestLeft) {
      best = int(i);
      bestLeft = left;
    }
  }
  if (best < 0 || bestLeft < 2 * kMinSegment) return -1;
  TSegment& old = FSegments[best];
  // Beyond what the owner is writing now, so its bytes in flight stay inside its own part.
  TSegment part;
  part.Begin = part.Pos = std::max(old.Pos, old.Writing) + bestLeft / 2;
  part.End = old.End;
  part.Owned = true;
  old.End = part.Begin;
  FSegments.push_back(part);
  return int(FSegments.size() - 1);
}

void TXlTask::Worker(TPass* pass, std::unique_ptr<THttpStream> stream, int segment) {
  try {
    std::vector<char> buffer(kBufferSize);
    for (;;) {
      if (pass->Stop.Cancelled()) break;
      if (segment < 0) segment = Claim();
      if (segment < 0) break;
      const ESegmentEnd end = RunSegment(*pass, segment, std::move(stream), buffer);
      {
        std::lock_guard<std::mutex> lock(FLock);
        if (std::size_t(segment) < FSegments.size()) FSegments[segment].Owned = false;
      }
      segment = -1;
      if (end == ESegmentEnd::Stop) break;
    }
  } catch (...) {
    if (segment >= 0) {
      std::lock_guard<std::mutex> lock(FLock);
      if (std::size_t(segment) < FSegments.size()) FSegments[segment].Owned = false;
    }
    FailPass(*pass, XL_FAIL_NETWORK);
  }
}

TXlTask::ESegmentEnd TXlTask::RunSegment(TPass& pass, int index, std::unique_ptr<THttpStream> stream,
                                         std::vector<char>& buffer) {
  const std::string referer = WideToUtf8(FConfig.Referer);
  bool counted = false;  // this connection is in FOpenConnections
  auto uncountLocked = [&] {  // with FLock held
    if (counted) --FOpenConnections;
    counted = false;
  };
  auto uncount = [&] {
    std::lock_guard<std::mutex> lock(FLock);
    uncountLocked();
  };
  if (stream) {
    std::lock_guard<std::mutex> lock(FLock);
    ++FOpenConnections;
    counted = true;
  }
  for (;;) {
    if (pass.Stop.Cancelled()) {
      uncount();
      return ESegmentEnd::Stop;
    }
    std::int64_t pos, end, total;
    bool ranges;
    TRequest request;
    {
      std::lock_guard<std::mutex> lock(FLock);
      TSegment& s = FSegments[index];
      ranges = FRangesOk;
      if (!ranges && s.Pos > 0 && !stream) s.Pos = 0;  // no ranges: only from the start
      pos = s.Pos;
      end = s.End;
      total = FTotal;
      request.Url = FEffectiveUrl;
      request.IfRange = FValidator;
    }
    if (pos >= end) {
      uncount();
      return ESegmentEnd::Done;
    }
    int failCode = 0;
    bool retryable = true;
    std::string retryAfter;
    if (!stream) {
      if (ranges) {
        request.RangeFirst = pos;
        request.RangeLast = end == kOpenEnd ? -1 : end - 1;
      }
      request.Referer = referer;
      TResponse r;
      TUrl finalUrl;
      failCode = OpenFollowing(pass, request, stream, r, finalUrl, retryable);
      if (!failCode) {
        if (ranges && r.Status == 206) {
          if (r.RangeFirst != pos || r.RangeTotal != total) {
            // Another size or another place: the resource changed under us.
            std::lock_guard<std::mutex> lock(FLock);
            pass.Restart = true;
          }
        } else if (ranges && r.Status == 200) {
          // The server ignores ranges now (or the validator no longer matches).
          std::lock_guard<std::mutex> lock(FLock);
          pass.Restart = true;
          FRangesRefused = true;
        } else if (!ranges && r.Status >= 200 && r.Status < 300) {
          std::lock_guard<std::mutex> lock(FLock);
          FTotal = r.ResourceSize();
          FSegments[index].End = FTotal >= 0 ? FTotal : kOpenEnd;
          end = FSegments[index].End;
        } else if (r.Status < 200 || r.Status >= 300) {
          failCode = r.Status;
          retryable = IsTransientStatus(r.Status);
          retryAfter = r.RetryAfter;
        }
        {
          std::lock_guard<std::mutex> lock(FLock);
          if (pass.Restart) {
            stream.reset();
            pass.Stop.Cancel();  // safe under our lock: the pass token's hooks do not take it
            return ESegmentEnd::Stop;
          }
        }
        if (failCode) stream.reset();
      }
      if (!failCode) {
        std::lock_guard<std::mutex> lock(FLock);
        ++FOpenConnections;
        counted = true;
        SetRunStatus(pass.Generation, XL_STATUS_DOWNLOADING);
      }
    }
    // Receive into the buffer and write at the segment's position, until its end.
    while (!failCode) {
      const int n = stream->Read(buffer.data(), int(buffer.size()));
      if (n < 0) {
        if (pass.Stop.Cancelled()) {
          uncount();
          return ESegmentEnd::Stop;
        }
        failCode = FailCodeOf(stream->Error());
        retryable = IsTransient(stream->Error());
        break;
      }
      std::int64_t at, len;
      {
        std::lock_guard<std::mutex> lock(FLock);
        TSegment& s = FSegments[index];
        if (n == 0) {
          if (s.End == kOpenEnd) {  // no length: the end of the body is the end of the file
            s.End = s.Pos;
            uncountLocked();
            return ESegmentEnd::Done;
          }
          if (s.Pos >= s.End) {
            uncountLocked();
            return ESegmentEnd::Done;
          }
          failCode = XL_FAIL_SIZE_MISMATCH;  // the body ended short of the segment
          break;
        }
        at = s.Pos;
        len = std::min<std::int64_t>(n, s.End - s.Pos);
        s.Writing = at + len;
      }
      if (len > 0 && !pass.File.WriteAt(at, buffer.data(), std::size_t(len))) {
        uncount();
        FailPass(pass, XL_FAIL_FILE);
        return ESegmentEnd::Stop;
      }
      {
        std::lock_guard<std::mutex> lock(FLock);
        TSegment& s = FSegments[index];
        s.Pos = at + len;
        if (s.Pos >= s.End) {  // reached its end, perhaps moved closer by a split
          uncountLocked();
          return ESegmentEnd::Done;
        }
      }
      SaveState(pass, false);
    }
    // This try failed: back off and try again, a bounded number of times.
    stream.reset();
    uncount();
    if (pass.Stop.Cancelled()) return ESegmentEnd::Stop;
    bool left;
    int failures;
    {
      std::lock_guard<std::mutex> lock(FLock);
      TSegment& s = FSegments[index];
      left = s.Tries.Fail(s.Pos, kMaxRetries);
      failures = s.Tries.Failed;
    }
    if (!retryable || !left) {
      FailPass(pass, failCode);
      return ESegmentEnd::Stop;
    }
    if (pass.Stop.Sleep(RetryDelay(failures, failCode, retryAfter))) return ESegmentEnd::Stop;
  }
}

void TXlTask::Finalize(TPass& pass) {
  std::int64_t total;
  std::wstring partPath, folder = FFolder;
  int firstNumber = 0;
  {
    std::lock_guard<std::mutex> lock(FLock);
    const std::int64_t received = ReceivedLocked();
    total = FTotal >= 0 ? FTotal : received;
    if (received != total) {
      SetRunStatus(pass.Generation, XL_STATUS_FAILED, XL_FAIL_SIZE_MISMATCH);
      return;
    }
    partPath = FPartPath;
    for (int n = 0; n < 10000; ++n)
      if (NumberedName(FConfig.FileName, n) == FSavedName) {
        firstNumber = n;
        break;
      }
  }
  if ((pass.File.Size() != total && !pass.File.SetSize(total)) || pass.File.Size() != total) {
    std::lock_guard<std::mutex> lock(FLock);
    SetRunStatus(pass.Generation, XL_STATUS_FAILED, XL_FAIL_FILE);
    return;
  }
  pass.File.ClearSparse();
  pass.File.Close();
  // Without MOVEFILE_REPLACE_EXISTING: a file that took the name meanwhile stays, we take the next.
  for (int n = firstNumber; n < 10000; ++n) {
    const std::wstring name = NumberedName(FConfig.FileName, n);
    const std::wstring final = folder + name;
    if (GetFileAttributesW(LongPath(final + L".part").c_str()) != INVALID_FILE_ATTRIBUTES &&
        final + L".part" != partPath)
      continue;  // another download is heading for that name
    if (MoveFileExW(LongPath(partPath).c_str(), LongPath(final).c_str(), 0)) {
      DeleteState(partPath);
      ReleasePart(partPath);
      std::lock_guard<std::mutex> lock(FLock);
      FClaimed = false;
      FDone = true;
      FSavedName = name;
      FTotal = total;
      FKnown = true;
      // Complete even when a pause came during the rename: the file is there.
      if (pass.Generation == FGeneration) {
        FStatus = XL_STATUS_COMPLETE;
        FFailCode = 0;
      }
      return;
    }
    const DWORD err = GetLastError();
    if (err != ERROR_ALREADY_EXISTS && err != ERROR_FILE_EXISTS) break;
  }
  std::lock_guard<std::mutex> lock(FLock);
  SetRunStatus(pass.Generation, XL_STATUS_FAILED, XL_FAIL_FILE);
}

}  // namespace xldl
