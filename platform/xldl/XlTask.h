#pragma once
// One download task: its state, guarded by one mutex, and the transfer that runs on worker
// threads. Start, Stop, Query, Cancel and Join are called on the engine's one calling thread.
#include <cstdint>
#include <memory>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

#include "app/DownloadSDKUnits.h"
#include "platform/xldl/XlFiles.h"
#include "platform/xldl/XlHttp.h"
#include "platform/xldl/XlNet.h"
#include "platform/xldl/XlPlan.h"
#include "platform/xldl/XlResume.h"

namespace xldl {

struct TTaskConfig {
  std::wstring Url, Referer, FileName, Folder;
  int MaxConnections = -1;  // <= 0: the engine's choice
};

// Connections per task when the caller leaves the choice to us (measured with bench/download).
constexpr int kDefaultConnections = 4;
constexpr int kMaxConnections = 16;

// Tasks of one process never hold the same .part: ClaimPart is false when one already does.
bool ClaimPart(const std::wstring& path);
void ReleasePart(const std::wstring& path);
// Removes the control file of a .part.
void DeleteState(const std::wstring& partPath);
// A validator for If-Range: a strong ETag, else the date.
std::string ValidatorOf(const std::string& etag, const std::string& lastModified);

class TXlTask {
public:
  explicit TXlTask(TTaskConfig config);
  ~TXlTask();
  TXlTask(const TXlTask&) = delete;
  TXlTask& operator=(const TXlTask&) = delete;

  bool Start();
  bool Stop();
  void Query(TXlTaskInfo& info);
  // Shutdown in two steps, so that many tasks stop at the same time.
  void Cancel();
  void Join();

private:
  static constexpr std::int64_t kOpenEnd = INT64_MAX;

  struct TSegment {
    std::int64_t Begin = 0, End = kOpenEnd, Pos = 0;
    std::int64_t Writing = 0;  // end of the bytes being written now, beyond Pos
    bool Owned = false;
    TTries Tries;
  };

  // One run of the transfer, from a start to its end, a pause or a failure.
  struct TPass {
    TCancelToken Stop;  // cancelled by a pause, a shutdown, a fatal error or a restart
    TPartFile File;
    std::uint32_t Generation = 0;
    int FailCode = 0;   // first fatal error; guarded by the task's lock
    bool Restart = false;
  };

  enum class ESegmentEnd { Done, Stop };

  bool PrepareFirstStart();
  bool Adopt(const std::wstring& partPath);
  void InstallResumed(const std::vector<TRange>& missing, const std::string& etag,
                      const std::string& lastModified, const TUrl& url, bool owned);
  // Writes the control file; unless forced, only when the last write is a while ago. Any thread.
  void SaveState(TPass& pass, bool force);
  void Run(std::shared_ptr<TCancelToken> user, std::uint32_t generation);
  void RunTransfer(TCancelToken& user, std::uint32_t generation);
  bool OpenPartFile(TPass& pass);
  bool Probe(TPass& pass, std::unique_ptr<THttpStream>& stream);
  void Worker(TPass* pass, std::unique_ptr<THttpStream> stream, int segment);
  ESegmentEnd RunSegment(TPass& pass, int segment, std::unique_ptr<THttpStream> stream,
                         std::vector<char>& buffer);
  int Claim();
  void Finalize(TPass& pass);
  // Opens the request, following redirects. 0, or a fail code; retryable tells whether another
  // try may succeed.
  int OpenFollowing(TPass& pass, TRequest request, std::unique_ptr<THttpStream>& stream,
                    TResponse& response, TUrl& finalUrl, bool& retryable);
  // Records a fatal error of this pass (the first one counts) and stops its other connections.
  void FailPass(TPass& pass, int code);
  // Sets the status when this run is still the task's current one and not paused.
  void SetRunStatus(std::uint32_t generation, std::uint8_t status, int failCode = 0);
  std::int64_t ReceivedLocked() const;
  int Connections() const;

  const TTaskConfig FConfig;
  TUrl FUrl;

  mutable std::mutex FLock;  // guards everything below
  std::uint8_t FStatus = XL_STATUS_CREATED;
  int FFailCode = 0;
  // The current run's failure, published by Run once the run's files are closed and cleaned up
  // (runs follow one another: only the current generation's run sets it).
  int FFailing = 0;
  std::uint32_t FGeneration = 0;
  std::shared_ptr<TCancelToken> FCancel;
  std::thread FRunner;
  std::wstring FFolder, FSavedName, FPartPath;
  bool FDone = false;           // the file is complete under its final name
  bool FClaimed = false;        // FPartPath is ours among this process's tasks
  bool FKnown = false;          // the server's first answer has been seen
  bool FRangesOk = false;
  bool FRangesRefused = false;  // the server once answered a Range request with everything
  std::int64_t FTotal = -1;
  TUrl FEffectiveUrl;
  std::string FValidator, FETag, FLastModified;
  TResumeState FResume;         // what an earlier process left, until the server confirms it
  bool FResumePending = false;
  std::uint64_t FSavedTick = 0;
  std::mutex FSaveLock;         // one control-file write at a time; taken before FLock
  std::vector<TSegment> FSegments;
  int FOpenConnections = 0;
  std::uint64_t FSpeedTick = 0;
  std::int64_t FSpeedBytes = 0, FSpeed = 0;
};

}  // namespace xldl
