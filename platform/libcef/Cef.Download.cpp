#include "Cef.Download.h"

#include <shlobj.h>

#include <atomic>

#include "Cef.Fetch.h"
#include "Cef.Parse.h"
#include "Cef.Threads.h"
#include "Cef.Trace.h"
#include "rtl/Handles.h"

namespace standin {

namespace {

std::atomic<std::uint32_t> gNextDownload{1};

struct TDownloadData {
  std::uint32_t id = 0;
  std::wstring url, suggested, disposition, mime, fullPath;
  std::int64_t total = -1, received = 0, speed = 0;
  bool inProgress = false, complete = false, canceled = false;
};

struct TDownload {
  std::mutex lock;
  TDownloadData data;
  std::atomic<bool> cancel{false};
  std::atomic<bool> started{false};
  bool freeName = false;  // the name is ours, not the application's: never replace a file
  std::weak_ptr<TBrowserState> browser;
  TDownloadData Snapshot() {
    std::lock_guard<std::mutex> l(lock);
    return data;
  }
};

cef_time_t Now() {
  SYSTEMTIME t;
  GetSystemTime(&t);
  cef_time_t c{};
  c.year = t.wYear;
  c.month = t.wMonth;
  c.day_of_week = t.wDayOfWeek;
  c.day_of_month = t.wDay;
  c.hour = t.wHour;
  c.minute = t.wMinute;
  c.second = t.wSecond;
  c.millisecond = t.wMilliseconds;
  return c;
}

class TDownloadItem : public TCefObject<TDownloadItem, cef_download_item_t> {
public:
  explicit TDownloadItem(TDownloadData d) : FData(std::move(d)) {
    auto& s = FStruct;
    s.is_valid = [](cef_download_item_t*) CALLBACK -> int { return 1; };
    s.is_in_progress = [](cef_download_item_t* self) CALLBACK -> int { return From(self)->FData.inProgress; };
    s.is_complete = [](cef_download_item_t* self) CALLBACK -> int { return From(self)->FData.complete; };
    s.is_canceled = [](cef_download_item_t* self) CALLBACK -> int { return From(self)->FData.canceled; };
    s.get_current_speed = [](cef_download_item_t* self) CALLBACK -> int64_t { return From(self)->FData.speed; };
    s.get_percent_complete = [](cef_download_item_t* self) CALLBACK -> int {
      const auto& d = From(self)->FData;
      if (d.complete) return 100;
      return d.total > 0 ? static_cast<int>(d.received * 100 / d.total) : -1;
    };
    s.get_total_bytes = [](cef_download_item_t* self) CALLBACK -> int64_t { return From(self)->FData.total; };
    s.get_received_bytes = [](cef_download_item_t* self) CALLBACK -> int64_t { return From(self)->FData.received; };
    s.get_start_time = [](cef_download_item_t*) CALLBACK -> cef_time_t { return Now(); };
    s.get_end_time = [](cef_download_item_t*) CALLBACK -> cef_time_t { return Now(); };
    s.get_full_path = [](cef_download_item_t* self) CALLBACK -> cef_string_userfree_t { return NewUserFree(From(self)->FData.fullPath); };
    s.get_id = [](cef_download_item_t* self) CALLBACK -> uint32_t { return From(self)->FData.id; };
    s.get_url = [](cef_download_item_t* self) CALLBACK -> cef_string_userfree_t { return NewUserFree(From(self)->FData.url); };
    s.get_original_url = [](cef_download_item_t* self) CALLBACK -> cef_string_userfree_t { return NewUserFree(From(self)->FData.url); };
    s.get_suggested_file_name = [](cef_download_item_t* self) CALLBACK -> cef_string_userfree_t {
      return NewUserFree(From(self)->FData.suggested);
    };
    s.get_content_disposition = [](cef_download_item_t* self) CALLBACK -> cef_string_userfree_t {
      return NewUserFree(From(self)->FData.disposition);
    };
    s.get_mime_type = [](cef_download_item_t* self) CALLBACK -> cef_string_userfree_t { return NewUserFree(From(self)->FData.mime); };
  }
  TDownloadData FData;
};

class TItemCallback : public TCefObject<TItemCallback, cef_download_item_callback_t> {
public:
  explicit TItemCallback(std::shared_ptr<TDownload> d) : FDownload(std::move(d)) {
    FStruct.cancel = [](cef_download_item_callback_t* self) CALLBACK { From(self)->FDownload->cancel = true; };
    FStruct.pause = [](cef_download_item_callback_t*) CALLBACK {};
    FStruct.resume = [](cef_download_item_callback_t*) CALLBACK {};
  }
  std::shared_ptr<TDownload> FDownload;
};

void Updated(const std::shared_ptr<TDownload>& d) {
  PostTo(TID_UI, [d] {
    auto st = d->browser.lock();
    if (!st || st->closed) return;
    auto handler = HandlerOf(st->client, &cef_client_t::get_download_handler);
    if (!STANDIN_HAS(handler.Get(), on_download_updated)) return;
    handler->on_download_updated(handler.Get(), NewBrowserStruct(st), (new TDownloadItem(d->Snapshot()))->Struct(),
                                 (new TItemCallback(d))->Struct());
  });
}

std::wstring DefaultFolder() {
  wchar_t buf[MAX_PATH] = {};
  if (SUCCEEDED(SHGetFolderPathW(nullptr, CSIDL_PERSONAL, nullptr, 0, buf))) return std::wstring(buf) + L"\\Downloads";
  GetTempPathW(MAX_PATH, buf);
  return buf;
}

bool Exists(const std::wstring& path) { return GetFileAttributesW(path.c_str()) != INVALID_FILE_ATTRIBUTES; }

// The path itself, or "name (n).ext" beside it: the first whose file and partial file are both
// absent. Empty when none of the first thousands is free.
std::wstring FreePath(const std::wstring& path) {
  const size_t slash = path.find_last_of(L"\\/");
  const std::wstring folder = path.substr(0, slash + 1), name = path.substr(slash + 1);
  for (int n = 0; n < 10000; ++n) {
    const std::wstring candidate = folder + NumberedName(name, n);
    if (!Exists(candidate) && !Exists(candidate + L".part")) return candidate;
  }
  return {};
}

// Moves the finished partial file to its name. A name of ours never replaces a file: when one
// appeared there meanwhile, the next free name is taken.
bool Finish(const std::shared_ptr<TDownload>& d, const std::wstring& part, std::wstring target) {
  if (!d->freeName) return MoveFileExW(part.c_str(), target.c_str(), MOVEFILE_REPLACE_EXISTING) != 0;
  for (int attempt = 0; attempt < 100 && !target.empty(); ++attempt) {
    if (MoveFileExW(part.c_str(), target.c_str(), 0)) {
      std::lock_guard<std::mutex> l(d->lock);
      d->data.fullPath = target;
      return true;
    }
    const DWORD error = GetLastError();
    if (error != ERROR_ALREADY_EXISTS && error != ERROR_FILE_EXISTS) return false;
    target = FreePath(target);
  }
  return false;
}

void Transfer(std::shared_ptr<TDownload> d) {
  const TDownloadData start = d->Snapshot();
  const std::wstring part = start.fullPath + L".part";
  rtl::TFileHandle file(CreateFileW(part.c_str(), GENERIC_WRITE, 0, nullptr, d->freeName ? CREATE_NEW : CREATE_ALWAYS,
                                    FILE_ATTRIBUTE_NORMAL, nullptr));
  bool ok = file.Valid();
  ULONGLONG lastReport = 0;
  if (ok) {
    TFetchRequest rq;
    rq.url = start.url;
    TFetchCallbacks cb;
    cb.cancelled = &d->cancel;
    cb.onResponse = [&](const TFetchResponse& r) {
      std::lock_guard<std::mutex> l(d->lock);
      if (r.contentLength >= 0) d->data.total = r.contentLength;
      if (!r.mimeType.empty()) d->data.mime = r.mimeType;
      return r.status < 400;
    };
    cb.onData = [&](const char* data, size_t n, std::int64_t received, std::int64_t) {
      DWORD written = 0;
      if (!WriteFile(file.Get(), data, static_cast<DWORD>(n), &written, nullptr) || written != n) return false;
      {
        std::lock_guard<std::mutex> l(d->lock);
        d->data.received = received;
      }
      const ULONGLONG now = GetTickCount64();
      if (now - lastReport >= 100) {
        lastReport = now;
        Updated(d);
      }
      return true;
    };
    ok = Fetch(rq, cb) == ERR_NONE;
    file.Reset();  // before the rename
    if (ok) ok = Finish(d, part, start.fullPath);
    if (!ok) DeleteFileW(part.c_str());
  }
  {
    std::lock_guard<std::mutex> l(d->lock);
    d->data.inProgress = false;
    d->data.complete = ok;
    d->data.canceled = !ok;
    if (ok && d->data.total < 0) d->data.total = d->data.received;
  }
  Trace("download", start.url + (ok ? L" saved to " + d->Snapshot().fullPath : L" failed"));
  Updated(d);
}

class TBeforeCallback : public TCefObject<TBeforeCallback, cef_before_download_callback_t> {
public:
  explicit TBeforeCallback(std::shared_ptr<TDownload> d) : FDownload(std::move(d)) {
    FStruct.cont = [](cef_before_download_callback_t* self, const cef_string_t* path, int) CALLBACK {
      GuardVoid([&] { From(self)->Continue(ToW(path)); });
    };
  }
  void Continue(std::wstring path) {
    auto d = FDownload;
    if (d->started.exchange(true)) return;
    std::unique_lock<std::mutex> l(d->lock);
    // No path, or a folder: the suggested name, which then never replaces a file there.
    if (path.empty()) {
      path = DefaultFolder() + L"\\" + d->data.suggested;
      d->freeName = true;
    } else if (const DWORD attrs = GetFileAttributesW(path.c_str());
               attrs != INVALID_FILE_ATTRIBUTES && (attrs & FILE_ATTRIBUTE_DIRECTORY)) {
      path += L"\\" + d->data.suggested;
      d->freeName = true;
    }
    const size_t slash = path.find_last_of(L"\\/");
    if (IsDeviceName(path.substr(slash == std::wstring::npos ? 0 : slash + 1))) {
      Trace("download", L"refused: a device name: " + path);
      d->data.canceled = true;
      l.unlock();
      Updated(d);
      return;
    }
    if (slash != std::wstring::npos) SHCreateDirectoryExW(nullptr, path.substr(0, slash).c_str(), nullptr);
    if (d->freeName) path = FreePath(path);
    d->data.fullPath = path;
    d->data.inProgress = !path.empty();
    d->data.canceled = path.empty();
    l.unlock();
    Updated(d);
    if (!path.empty()) StartDetached([d] { Transfer(d); });
  }
  std::shared_ptr<TDownload> FDownload;
};

}  // namespace

bool IsDeviceName(const std::wstring& name) {
  // A device stays a device whatever extension follows and however it is cased.
  std::wstring stem = name.substr(0, name.find(L'.'));
  while (!stem.empty() && stem.back() == L' ') stem.pop_back();
  for (auto& c : stem) c = static_cast<wchar_t>(towupper(c));
  for (const wchar_t* device : {L"CON", L"PRN", L"AUX", L"NUL", L"CONIN$", L"CONOUT$"})
    if (stem == device) return true;
  // COM1-9 and LPT1-9, and with a superscript digit (U+00B9, U+00B2, U+00B3).
  return stem.size() == 4 && (stem.compare(0, 3, L"COM") == 0 || stem.compare(0, 3, L"LPT") == 0) &&
         ((stem[3] >= L'1' && stem[3] <= L'9') || stem[3] == 0xB9 || stem[3] == 0xB2 || stem[3] == 0xB3);
}

std::wstring NumberedName(const std::wstring& name, int n) {
  if (n <= 0) return name;
  const size_t dot = name.rfind(L'.');
  const std::wstring suffix = L" (" + std::to_wstring(n) + L")";
  if (dot == std::wstring::npos || dot == 0) return name + suffix;
  return name.substr(0, dot) + suffix + name.substr(dot);
}

std::wstring SuggestedName(const std::wstring& disposition, const std::wstring& url) {
  std::wstring name;
  const std::wstring lower = [&] {
    std::wstring s = disposition;
    for (auto& c : s) c = static_cast<wchar_t>(towlower(c));
    return s;
  }();
  const size_t f = lower.find(L"filename=");
  if (f != std::wstring::npos) {
    name = disposition.substr(f + 9);
    if (!name.empty() && name[0] == L'"') name = name.substr(1, name.find(L'"', 1) - 1);
    else name = name.substr(0, name.find(L';'));
  }
  if (name.empty()) {
    TUrlParts p;
    if (ParseUrl(url, p)) {
      const std::wstring path = p.path;
      name = FromUtf8(PercentDecodeBytes(ToUtf8(path.substr(path.find_last_of(L'/') + 1))));
    }
  }
  // Only a plain file name: no folders, nothing Windows refuses.
  const size_t sep = name.find_last_of(L"\\/");
  if (sep != std::wstring::npos) name = name.substr(sep + 1);
  for (auto& c : name)
    if (c < 0x20 || wcschr(L"<>:\"|?*", c)) c = L'_';
  while (!name.empty() && (name.back() == L'.' || name.back() == L' ')) name.pop_back();
  return name.empty() ? L"download" : name;
}

void StartDownload(const std::shared_ptr<TBrowserState>& st, const std::wstring& url, const std::wstring& disposition,
                   const std::wstring& mime, std::int64_t total) {
  auto d = std::make_shared<TDownload>();
  d->browser = st;
  d->data.id = gNextDownload++;
  d->data.url = url;
  d->data.disposition = disposition;
  d->data.mime = mime;
  d->data.total = total;
  d->data.suggested = SuggestedName(disposition, url);
  auto handler = HandlerOf(st->client, &cef_client_t::get_download_handler);
  if (!STANDIN_HAS(handler.Get(), on_before_download)) {
    Trace("download", L"no download handler: " + url);
    return;  // without a handler a download does not happen
  }
  const std::wstring suggested = d->data.suggested;
  cef_string_t s = ViewOf(suggested);
  Trace("callback", L"on_before_download " + suggested);
  handler->on_before_download(handler.Get(), NewBrowserStruct(st), (new TDownloadItem(d->Snapshot()))->Struct(), &s,
                              (new TBeforeCallback(d))->Struct());
}

}  // namespace standin
