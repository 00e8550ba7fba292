// The download engine through its six calls, as the program uses them, against the local test
// server; and the engine's pure HTTP pieces directly.
#include <gtest/gtest.h>

#include <atomic>
#include <cstring>
#include <set>
#include <sstream>

#include "app/DownloadSDKUnits.h"
#include "platform/xldl/XlFiles.h"
#include "platform/xldl/XlHttp.h"
#include "platform/xldl/XlNet.h"
#include "platform/xldl/XlPlan.h"
#include "platform/xldl/XlResume.h"
#include "support/TestSupport.h"

using namespace testing_support;
using namespace std::chrono_literals;

namespace {

std::string Pattern(std::int64_t size) {
  std::string out(std::size_t(size), '\0');
  for (std::int64_t i = 0; i < size; ++i) out[std::size_t(i)] = char((i * 131 + i / 65536) & 255);
  return out;
}

template <std::size_t N>
void SetText(wchar_t (&area)[N], const std::wstring& text) {
  ASSERT_LT(text.size(), N);
  std::memcpy(area, text.c_str(), (text.size() + 1) * sizeof(wchar_t));
}

// Filled as the program fills it: zeros, the three texts, 0 and -1 in their places.
TXlTaskParam MakeParam(const std::wstring& url, const std::wstring& folder, const std::wstring& name) {
  TXlTaskParam p;
  std::memset(&p, 0, sizeof p);
  SetText(p.TaskUrl, url);
  SetText(p.FileName, name);
  SetText(p.SavePath, folder);
  p.MaxConnections = -1;
  return p;
}

TXlTaskInfo Query(TXlTaskHandle task) {
  TXlTaskInfo info;
  std::memset(&info, 0xCC, sizeof info);  // the caller does not initialise it
  EXPECT_TRUE(XL_QueryTaskInfoEx(task, &info));
  return info;
}

// A unique query suffix, so that per-path server state (drop once) and log lines stay apart.
std::wstring Unique() {
  static int n = 0;
  return L"u=" + std::to_wstring(GetCurrentProcessId()) + L"-" + std::to_wstring(++n) + L"x";
}

bool WaitStatus(TXlTaskHandle task, std::uint8_t status, std::chrono::milliseconds timeout = 60s) {
  return WaitFor([&] { return Query(task).Status == status; }, timeout, false);
}

// GET of a path of the test server through the engine's own client: the body.
std::string ServerGet(const std::string& path) {
  xldl::TCancelToken cancel;
  xldl::TRequest request;
  EXPECT_TRUE(xldl::ParseUrl("http://127.0.0.1:" + std::to_string(HttpServerPort()) + path, request.Url));
  auto stream = xldl::MakeStream(request.Url, cancel);
  xldl::TResponse response;
  std::string body;
  if (stream->Open(request, response)) {
    char buf[65536];
    for (int n; (n = stream->Read(buf, sizeof buf)) > 0;) body.append(buf, std::size_t(n));
  }
  return body;
}

// The server's request log (each line led by the time of the request in seconds, when asked).
std::vector<std::string> ServerLog(const std::string& filter, bool times = false) {
  std::vector<std::string> lines;
  std::istringstream in(ServerGet(times ? "/log?times=1" : "/log"));
  for (std::string line; std::getline(in, line);)
    if (line.find(filter) != std::string::npos) lines.push_back(line);
  return lines;
}

std::string Narrow(const std::wstring& s) { return std::string(s.begin(), s.end()); }

class Engine : public ::testing::Test {
protected:
  void SetUp() override {
    ASSERT_NE(HttpServerPort(), 0) << "the local HTTP test server is not running";
    ASSERT_TRUE(XL_Init());
    xldl::NetStartup();
  }
  void TearDown() override {
    XL_UnInit();
    xldl::NetCleanup();
  }

  // Creates and starts a task for a path of the test server.
  TXlTaskHandle Download(const std::wstring& path, const std::wstring& name) {
    const TXlTaskParam p = MakeParam(HttpUrl(path), FDir.Path(), name);
    const TXlTaskHandle task = XL_CreateTask(&p);
    EXPECT_NE(task, 0u);
    EXPECT_TRUE(XL_StartTask(task));
    return task;
  }

  // Downloads to completion and checks the file against the pattern.
  void ExpectDownload(const std::wstring& path, std::int64_t size, const std::wstring& name) {
    const TXlTaskHandle task = Download(path, name);
    ASSERT_TRUE(WaitStatus(task, XL_STATUS_COMPLETE)) << Narrow(path) << " status " << int(Query(task).Status);
    const TXlTaskInfo info = Query(task);
    EXPECT_EQ(info.TotalSize, size) << Narrow(path);
    EXPECT_EQ(info.Received, size) << Narrow(path);
    EXPECT_EQ(std::wstring(info.SavedName), name);
    EXPECT_TRUE(ReadFileBytes(FDir.Path() + name) == Pattern(size)) << Narrow(path);
    EXPECT_FALSE(FileExists(FDir.Path() + name + L".part"));
  }

  TTempDir FDir;
};

}  // namespace

TEST(XlHttp, ParsesAddresses) {
  xldl::TUrl u;
  ASSERT_TRUE(xldl::ParseUrl("HTTP://Example.COM", u));
  EXPECT_EQ(u.Host, "example.com");
  EXPECT_EQ(u.Port, 80);
  EXPECT_EQ(u.Target, "/");
  ASSERT_TRUE(xldl::ParseUrl("https://user:pw@[::1]:8443/a b/%41\xe7\x94\xb5.mp4?x=1 2#frag", u));
  EXPECT_TRUE(u.Secure);
  EXPECT_TRUE(u.HostIsIPv6);
  EXPECT_EQ(u.Host, "::1");
  EXPECT_EQ(u.Port, 8443);
  EXPECT_EQ(u.Target, "/a%20b/%41%E7%94%B5.mp4?x=1%202");
  EXPECT_EQ(u.HostHeader(), "[::1]:8443");
  ASSERT_TRUE(xldl::ParseUrl("http://h/a/./b/../c?q=/../", u));
  EXPECT_EQ(u.Target, "/a/c?q=/../");
  for (const char* bad : {"ftp://h/x", "http://", "http://:80/", "http://h:0/", "http://h:65536/",
                          "http://h:8x/", "h/x", "", "http://[::1/",
                          // a host with a colon, an empty port: rebuilt, they would read differently
                          "http://a:b:80/", "http://h:/x", "http://[::1]:/x", "http://u@a:b:81/"})
    EXPECT_FALSE(xldl::ParseUrl(bad, u)) << bad;
}

TEST(XlHttp, ResolvesRedirectTargets) {
  xldl::TUrl base, out;
  ASSERT_TRUE(xldl::ParseUrl("http://h:81/dir/file?q=1", base));
  const std::pair<const char*, const char*> cases[] = {
      {"https://other/x", "https://other/x"},
      {"//other:82/y", "http://other:82/y"},
      {"/abs?z", "http://h:81/abs?z"},
      {"rel", "http://h:81/dir/rel"},
      {"../up/./x", "http://h:81/up/x"},
      {"?q=2", "http://h:81/dir/file?q=2"},
  };
  for (const auto& [location, expected] : cases) {
    ASSERT_TRUE(xldl::ResolveUrl(base, location, out)) << location;
    EXPECT_EQ(out.Text(), expected) << location;
  }
  EXPECT_FALSE(xldl::ResolveUrl(base, "ftp://h/x", out));
  EXPECT_FALSE(xldl::ResolveUrl(base, "javascript:alert(1)", out));
  EXPECT_FALSE(xldl::ResolveUrl(base, "", out));
}

TEST(XlHttp, ReadsResponseHeads) {
  xldl::TResponse r;
  ASSERT_TRUE(xldl::ParseResponseHead(
      "HTTP/1.1 206 Partial Content\r\nContent-Length: 10\r\ncontent-range: bytes 5-14/100\r\n"
      "Accept-Ranges: bytes\r\nETag: \"abc\"\r\n\r\n", r));
  EXPECT_EQ(r.Status, 206);
  EXPECT_EQ(r.BodyLength(), 10);
  EXPECT_EQ(r.RangeFirst, 5);
  EXPECT_EQ(r.RangeLast, 14);
  EXPECT_EQ(r.ResourceSize(), 100);
  EXPECT_TRUE(r.AcceptRanges);
  EXPECT_EQ(r.ETag, "\"abc\"");
  ASSERT_TRUE(xldl::ParseResponseHead("HTTP/1.1 200 OK\r\nTransfer-Encoding: chunked\r\nContent-Length: 5\r\n\r\n", r));
  EXPECT_TRUE(r.Chunked);
  EXPECT_EQ(r.BodyLength(), -1);
  ASSERT_TRUE(xldl::ParseResponseHead("HTTP/1.0 200 OK\nServer: x\n\n", r));
  EXPECT_TRUE(r.CloseDelimited);
  EXPECT_EQ(r.ResourceSize(), -1);
  EXPECT_FALSE(xldl::ParseResponseHead("HTTP/1.1 200 OK\r\nContent-Length: 5\r\nContent-Length: 6\r\n\r\n", r));
  EXPECT_FALSE(xldl::ParseResponseHead("HTTP/1.1 206 OK\r\nContent-Range: bytes 9-3/10\r\n\r\n", r));
  EXPECT_FALSE(xldl::ParseResponseHead("ICY 200 OK\r\n\r\n", r));
  EXPECT_FALSE(xldl::ParseResponseHead("HTTP/1.1 200 OK\r\nno colon\r\n\r\n", r));
  EXPECT_EQ(xldl::FindHeadEnd("HTTP/1.1 200 OK\r\nA: b\r\n\r\nbody", 29), 25u);
  EXPECT_EQ(xldl::FindHeadEnd("HTTP/1.1 200 OK\r\nA: b\r\n", 23), 0u);
}

TEST(XlHttp, DecodesChunkedBodiesInAnyPieces) {
  const std::string wire = "4;ext=1\r\nWiki\r\n5\r\npedia\r\nE\r\n in\r\n\r\nchunks.\r\n0\r\nTrailer: x\r\n\r\nNEXT";
  for (std::size_t piece : {std::size_t(1), std::size_t(3), std::size_t(7), wire.size()}) {
    xldl::TChunkedDecoder d;
    std::string out;
    for (std::size_t i = 0; i < wire.size() && !d.Done(); i += piece) {
      std::string part = wire.substr(i, piece);
      out.append(part.data(), d.Decode(part.data(), part.size()));
    }
    EXPECT_TRUE(d.Done()) << piece;
    EXPECT_EQ(out, "Wikipedia in\r\n\r\nchunks.") << piece;
  }
  for (std::string bad : {"zz\r\n", "4\r\nWikiX\r\n", "FFFFFFFFFFFFFFFF\r\n"}) {
    xldl::TChunkedDecoder d;
    d.Decode(bad.data(), bad.size());
    EXPECT_TRUE(d.Failed()) << bad;
  }
}

TEST(XlHttp, RetryAfterValues) {
  const std::int64_t now = 1796810400;  // Mon, 09 Dec 2026 10:00:00 GMT
  EXPECT_EQ(xldl::RetryAfterMs("2", now), 2000);
  EXPECT_EQ(xldl::RetryAfterMs(" 0 ", now), 0);
  EXPECT_EQ(xldl::RetryAfterMs("3600", now), 60000);  // capped at a minute
  EXPECT_EQ(xldl::RetryAfterMs("Wed, 09 Dec 2026 10:00:05 GMT", now), 5000);
  EXPECT_EQ(xldl::RetryAfterMs("Wed, 09 Dec 2026 09:00:00 GMT", now), 0);  // already past
  EXPECT_EQ(xldl::RetryAfterMs("Thu, 10 Dec 2026 10:00:00 GMT", now), 60000);
  EXPECT_EQ(xldl::RetryAfterMs("Sun, 01 Mar 2026 00:00:00 GMT", 1772323200 - 3), 3000);
  for (const char* bad : {"", "-1", "soon", "Wed, 09 Dex 2026 10:00:05 GMT", "Wed, 09 Dec 2026 10:00:05"})
    EXPECT_EQ(xldl::RetryAfterMs(bad, now), -1) << bad;
}

// The segment plan: even cuts for any size (no overflow near the 64-bit limit), and done ranges
// joined.
TEST(XlPlan, CutsAndJoins) {
  using xldl::TRange;
  EXPECT_EQ(xldl::PlanSegments(10, 3), (std::vector<TRange>{{0, 3}, {3, 6}, {6, 10}}));
  EXPECT_EQ(xldl::PlanSegments(0, 1), (std::vector<TRange>{{0, 0}}));
  for (std::int64_t total : {INT64_MAX, INT64_MAX / 3, std::int64_t(1) << 62, std::int64_t(999999937)}) {
    for (std::int64_t count : {1, 10, 16}) {
      const auto plan = xldl::PlanSegments(total, count);
      ASSERT_EQ(plan.size(), std::size_t(count));
      EXPECT_EQ(plan.front().Begin, 0);
      EXPECT_EQ(plan.back().End, total);
      for (std::size_t i = 0; i < plan.size(); ++i) {
        EXPECT_LT(plan[i].Begin, plan[i].End) << total << " " << count;
        if (i > 0) {
          EXPECT_EQ(plan[i].Begin, plan[i - 1].End);
        }
        EXPECT_LE(plan[i].End - plan[i].Begin - total / count, 1);
      }
    }
  }
  EXPECT_EQ(xldl::MergeRanges({{8, 9}, {0, 2}, {5, 5}, {2, 4}, {3, 6}}),
            (std::vector<TRange>{{0, 6}, {8, 9}}));
  EXPECT_EQ(xldl::MissingRanges({{0, 6}, {8, 9}}, 12), (std::vector<TRange>{{6, 8}, {9, 12}}));
  EXPECT_EQ(xldl::MissingRanges({{2, 12}}, 12), (std::vector<TRange>{{0, 2}}));
  EXPECT_TRUE(xldl::MissingRanges({{0, 12}}, 12).empty());
  EXPECT_TRUE(xldl::MissingRanges({{4, 6}}, 0).empty());  // an empty file misses nothing

  // A try that gets no further than an earlier one uses up the budget; new ground refills it.
  xldl::TTries tries;
  EXPECT_TRUE(tries.Fail(100, 2));
  EXPECT_TRUE(tries.Fail(100, 2));
  EXPECT_FALSE(tries.Fail(50, 2));
  EXPECT_TRUE(tries.Fail(101, 2));
  EXPECT_EQ(tries.Failed, 1);
}

// The control file: read back as written; anything cut short, inconsistent or foreign is not
// taken for a plan.
TEST(XlResume, ControlFileText) {
  xldl::TResumeState state;
  state.Url = "http://h/a b.mp4?x=1";
  state.Total = 1000;
  state.ETag = "\"v 1\"";
  state.Done = {{0, 100}, {500, 1000}};
  const std::string text = xldl::FormatResumeState(state);
  xldl::TResumeState back;
  ASSERT_TRUE(xldl::ParseResumeState(text, back));
  EXPECT_EQ(back.Url, state.Url);
  EXPECT_EQ(back.Total, 1000);
  EXPECT_EQ(back.ETag, state.ETag);
  EXPECT_EQ(back.LastModified, "");
  EXPECT_EQ(back.Done, state.Done);
  for (std::size_t cut = 0; cut < text.size(); ++cut)
    EXPECT_FALSE(xldl::ParseResumeState(text.substr(0, cut), back)) << cut;
  auto replaced = [&](const std::string& from, const std::string& to) {
    std::string t = text;
    t.replace(t.find(from), from.size(), to);
    return t;
  };
  for (const std::string& bad : {replaced("done 500 1000", "done 500 1001"), replaced("done 0 100", "done 100 0"),
                                 replaced("total 1000", "total 0"), replaced("total 1000", "total x"),
                                 replaced("xldl-resume 1", "xldl-resume 2"), text + "more\n",
                                 replaced("etag", "tag")})
    EXPECT_FALSE(xldl::ParseResumeState(bad, back)) << bad;
}

TEST(XlFiles, NameRules) {
  for (const wchar_t* ok : {L"movie.mp4", L"电影 1080p.mkv", L".hidden", L"a..b", L"icon.txt"})
    EXPECT_TRUE(xldl::IsValidFileName(ok)) << Narrow(ok);
  for (const wchar_t* bad : {L"", L"a/b", L"a\\b", L"a:b", L"a?", L"x.", L"x ", L"CON", L"nul.txt",
                             L"COM1.log", L"lpt9", L"tab\there", L"COM\u00B9", L"com\u00B2.txt",
                             L"LPT\u00B3"})
    EXPECT_FALSE(xldl::IsValidFileName(bad)) << Narrow(bad);
  for (const wchar_t* ok : {L"C:\\", L"c:/down", L"D:\\下载\\", L"\\\\server\\share\\x"})
    EXPECT_TRUE(xldl::IsValidFolder(ok)) << Narrow(ok);
  for (const wchar_t* bad : {L"", L"down\\", L"C:", L"C:down", L"\\\\server", L"\\\\server\\", L"C:\\a|b"})
    EXPECT_FALSE(xldl::IsValidFolder(bad)) << Narrow(bad);
  EXPECT_TRUE(xldl::IsValidFileName(L"COM\u2074"));  // only 1 to 3 have superscript devices
  EXPECT_EQ(xldl::NumberedName(L"a.tar.gz", 2), L"a.tar (2).gz");
  EXPECT_EQ(xldl::NumberedName(L"README", 1), L"README (1)");
  EXPECT_EQ(xldl::NumberedName(L".bashrc", 1), L".bashrc (1)");
  EXPECT_EQ(xldl::NumberedName(L"x.mp4", 0), L"x.mp4");
}

// The WinHTTP stream (what https uses) against the plain local server: the body arrives whole,
// and a cancellation ends a read that is waiting on a slow server.
TEST_F(Engine, WinHttpStreamReadsAndCancels) {
  xldl::TCancelToken cancel;
  xldl::TRequest request;
  ASSERT_TRUE(xldl::ParseUrl(Narrow(HttpUrl(L"/bytes/300000?chunked=1&" + Unique())), request.Url));
  auto stream = xldl::MakeStream(request.Url, cancel, true);
  xldl::TResponse response;
  ASSERT_TRUE(stream->Open(request, response));
  EXPECT_EQ(response.Status, 200);
  std::string body;
  char buf[65536];
  for (int n; (n = stream->Read(buf, sizeof buf)) > 0;) body.append(buf, std::size_t(n));
  EXPECT_TRUE(body == Pattern(300000));

  ASSERT_TRUE(xldl::ParseUrl(Narrow(HttpUrl(L"/bytes/10000000?throttle=1&" + Unique())), request.Url));
  stream = xldl::MakeStream(request.Url, cancel, true);
  ASSERT_TRUE(stream->Open(request, response));
  std::atomic<bool> done{false};
  std::thread reader([&] {
    while (stream->Read(buf, sizeof buf) > 0) {}
    done = true;
  });
  Sleep(300);
  const auto t0 = std::chrono::steady_clock::now();
  cancel.Cancel();
  EXPECT_TRUE(WaitFor([&] { return done.load(); }, 10s, false));
  reader.join();
  EXPECT_LT(std::chrono::steady_clock::now() - t0, 5s);
}

TEST_F(Engine, DownloadsAreCompleteAndIdentical) {
  const std::wstring u = Unique();
  ExpectDownload(L"/bytes/6000000?" + u, 6000000, L"segmented.bin");
  // Several connections took part, each with its own range.
  std::set<std::string> ranges;
  for (const auto& line : ServerLog(Narrow(u))) ranges.insert(line.substr(line.rfind(' ') + 1));
  EXPECT_GE(ranges.size(), 3u);
  EXPECT_TRUE(ranges.count("bytes=0-"));

  ExpectDownload(L"/bytes/1000?" + Unique(), 1000, L"small.bin");
  ExpectDownload(L"/bytes/0?" + Unique(), 0, L"empty.bin");
  ExpectDownload(L"/bytes/3000000?chunked=1&" + Unique(), 3000000, L"chunked.bin");
  ExpectDownload(L"/bytes/2500000?norange=1&" + Unique(), 2500000, L"norange.bin");
  ExpectDownload(L"/bytes/2000000?redirect=3&" + Unique(), 2000000, L"redirected.bin");
  ExpectDownload(L"/bytes/4000000?nolength=1&" + Unique(), 4000000, L"ranges-nolength.bin");
}

TEST_F(Engine, ServerWithoutLengthShowsUnknownTotalThenCompletes) {
  const std::int64_t size = 1500000;
  const TXlTaskHandle task = Download(L"/bytes/1500000?nolength=1&norange=1&throttle=1000000&" + Unique(), L"nolength.bin");
  bool sawUnknown = false;
  ASSERT_TRUE(WaitFor([&] {
    const TXlTaskInfo info = Query(task);
    if (info.Status == XL_STATUS_DOWNLOADING && info.TotalSize <= 0 && info.Received > 0) sawUnknown = true;
    return info.Status == XL_STATUS_COMPLETE || info.Status == XL_STATUS_FAILED;
  }, 30s, false));
  EXPECT_TRUE(sawUnknown);
  const TXlTaskInfo info = Query(task);
  ASSERT_EQ(info.Status, XL_STATUS_COMPLETE);
  EXPECT_EQ(info.TotalSize, size);
  EXPECT_TRUE(ReadFileBytes(FDir.Path() + L"nolength.bin") == Pattern(size));
}

TEST_F(Engine, PauseKeepsDataAndResumeContinuesWithRanges) {
  const std::int64_t size = 8000000;
  const std::wstring u = Unique();
  const TXlTaskHandle task = Download(L"/bytes/8000000?throttle=1000000&" + u, L"paused.bin");
  ASSERT_TRUE(WaitFor([&] { return Query(task).Received > 1000000; }, 30s, false));
  ASSERT_TRUE(XL_StopTask(task));
  EXPECT_EQ(Query(task).Status, XL_STATUS_PAUSED);
  // Within a short time every connection has closed, and nothing arrives after that.
  EXPECT_TRUE(WaitFor([&] { return Query(task).Connections == 0; }, 3s, false));
  const std::int64_t kept = Query(task).Received;
  Sleep(600);
  EXPECT_EQ(Query(task).Received, kept);
  EXPECT_LT(kept, size);
  EXPECT_FALSE(FileExists(FDir.Path() + L"paused.bin"));
  EXPECT_TRUE(FileExists(FDir.Path() + L"paused.bin.part"));
  EXPECT_TRUE(XL_StopTask(task));  // pausing a paused task is harmless

  const std::size_t before = ServerLog(Narrow(u)).size();
  ASSERT_TRUE(XL_StartTask(task));
  ASSERT_TRUE(WaitStatus(task, XL_STATUS_COMPLETE));
  EXPECT_TRUE(ReadFileBytes(FDir.Path() + L"paused.bin") == Pattern(size));
  EXPECT_EQ(Query(task).Received, size);
  // The resumed requests continue where the data stopped: all ranged, none from the start.
  const auto log = ServerLog(Narrow(u));
  ASSERT_GT(log.size(), before);
  for (std::size_t i = before; i < log.size(); ++i) {
    EXPECT_NE(log[i].find(" bytes="), std::string::npos) << log[i];
    EXPECT_EQ(log[i].find(" bytes=0-"), std::string::npos) << log[i];
  }
  EXPECT_FALSE(XL_StopTask(task));   // complete: nothing to pause
  EXPECT_FALSE(XL_StartTask(task));  // nor to start
}

TEST_F(Engine, ResumeWithoutRangeSupportStartsOver) {
  const std::int64_t size = 3000000;
  const std::wstring u = Unique();
  const TXlTaskHandle task = Download(L"/bytes/3000000?norange=1&throttle=1500000&" + u, L"whole.bin");
  ASSERT_TRUE(WaitFor([&] { return Query(task).Received > 300000; }, 30s, false));
  ASSERT_TRUE(XL_StopTask(task));
  Sleep(300);
  ASSERT_TRUE(XL_StartTask(task));
  ASSERT_TRUE(WaitStatus(task, XL_STATUS_COMPLETE));
  EXPECT_TRUE(ReadFileBytes(FDir.Path() + L"whole.bin") == Pattern(size));
  const auto log = ServerLog(Narrow(u));
  ASSERT_EQ(log.size(), 2u);
  EXPECT_EQ(log[1].substr(log[1].rfind(' ') + 1), "-");  // the second asks for everything
}

TEST_F(Engine, DroppedConnectionsAreRetried) {
  ExpectDownload(L"/bytes/5000000?drop=700000&" + Unique(), 5000000, L"dropped.bin");
  ExpectDownload(L"/bytes/2000000?drop=500000&norange=1&" + Unique(), 2000000, L"dropped-whole.bin");
  ExpectDownload(L"/bytes/2000000?drop=600000&chunked=1&" + Unique(), 2000000, L"dropped-chunked.bin");
}

TEST_F(Engine, ServerErrorsEndInFailure) {
  const TXlTaskHandle missing = Download(L"/bytes/1000?status=404&" + Unique(), L"missing.bin");
  ASSERT_TRUE(WaitStatus(missing, XL_STATUS_FAILED, 20s));
  EXPECT_EQ(Query(missing).FailCode, 404);
  const TXlTaskHandle loop = Download(L"/bytes/1000?redirect=loop&" + Unique(), L"loop.bin");
  ASSERT_TRUE(WaitStatus(loop, XL_STATUS_FAILED, 20s));
  EXPECT_EQ(Query(loop).FailCode, XL_FAIL_REDIRECTS);
  EXPECT_FALSE(FileExists(FDir.Path() + L"missing.bin"));
  EXPECT_FALSE(FileExists(FDir.Path() + L"missing.bin.part"));  // nothing came: nothing kept
  EXPECT_FALSE(FileExists(FDir.Path() + L"loop.bin"));
  EXPECT_FALSE(XL_StopTask(missing));
}

// A server that ignores Range and cuts every body short: each try starts again from byte 0, so
// only a try that gets further than all before it earns new tries; then the task fails, keeps
// its .part, and a new start is a fresh budget.
TEST_F(Engine, BodiesCutShortWithoutRangesFailAfterTheirRetries) {
  const std::pair<std::wstring, std::string> cases[] = {
      {L"/bytes/3000000?norange=1&drop=400000&dropall=1&", "short"},
      {L"/bytes/3000000?norange=1&chunked=1&nolast=1&", "no last chunk"},
  };
  for (const auto& [path, what] : cases) {
    const std::wstring u = Unique();
    const TXlTaskHandle task = Download(path + u, L"cut.bin");
    ASSERT_TRUE(WaitStatus(task, XL_STATUS_FAILED, 90s)) << what << " status " << int(Query(task).Status);
    EXPECT_EQ(Query(task).FailCode, XL_FAIL_NETWORK) << what;
    EXPECT_TRUE(FileExists(FDir.Path() + L"cut.bin.part")) << what;
    EXPECT_FALSE(FileExists(FDir.Path() + L"cut.bin")) << what;
    const std::size_t tries = ServerLog(Narrow(u)).size();
    EXPECT_GE(tries, 3u) << what;
    EXPECT_LE(tries, 20u) << what;

    ASSERT_TRUE(XL_StartTask(task)) << what;
    ASSERT_TRUE(WaitStatus(task, XL_STATUS_FAILED, 90s)) << what;
    EXPECT_GE(ServerLog(Narrow(u)).size(), tries + 3) << what << ": a new start has tries of its own";
    DeleteFileW((FDir.Path() + L"cut.bin.part").c_str());
  }
}

// Runs in a process whose stall timeout is 1 s (STANDIN_XLDL_STALL_MS): a body that stalls part
// way ends the try. With ranges the next try goes on where it stalled and the file completes;
// without them every try starts again from byte 0 and stalls at the same point, so the task
// fails after its retries, keeping its .part.
TAVLO_CHILD(xldl_stalled_bodies) {
  TTempDir dir;
  if (!XL_Init()) return 11;
  xldl::NetStartup();
  auto start = [&](const std::wstring& url, const wchar_t* name) {
    const TXlTaskParam p = MakeParam(url, dir.Path(), name);
    const TXlTaskHandle task = XL_CreateTask(&p);
    return task && XL_StartTask(task) ? task : 0;
  };
  int code = 0;
  const TXlTaskHandle resumed = start(args.at(0), L"resumed.bin");
  const TXlTaskHandle looping = start(args.at(1), L"stalled.bin");
  if (!resumed || !looping) code = 12;
  else if (!WaitStatus(resumed, XL_STATUS_COMPLETE, 90s)) code = 13;
  else if (ReadFileBytes(dir.Path() + L"resumed.bin") != Pattern(3000000)) code = 14;
  else if (!WaitStatus(looping, XL_STATUS_FAILED, 90s)) code = 15;
  else if (Query(looping).FailCode != XL_FAIL_NETWORK) code = 16;
  else if (!FileExists(dir.Path() + L"stalled.bin.part") || FileExists(dir.Path() + L"stalled.bin")) code = 17;
  XL_UnInit();
  xldl::NetCleanup();
  return code;
}

TEST_F(Engine, StalledBodiesResumeOrFailAfterTheirRetries) {
  const std::wstring u = Unique();
  const std::wstring resumed = HttpUrl(L"/bytes/3000000?stall=700000&r" + u);
  const std::wstring looping = HttpUrl(L"/bytes/3000000?stall=400000&norange=1&" + u);
  ASSERT_TRUE(SetEnvironmentVariableW(L"STANDIN_XLDL_STALL_MS", L"1000"));
  const int code = RunChild(L"xldl_stalled_bodies", {resumed, looping}, 150000);
  SetEnvironmentVariableW(L"STANDIN_XLDL_STALL_MS", nullptr);
  EXPECT_EQ(code, 0) << "12 not started, 13 the ranged one not complete, 14 other bytes, 15 the other "
                        "not failed, 16 another fail code, 17 no .part or a final file";
  const std::size_t tries = ServerLog("norange=1&" + Narrow(u)).size();
  EXPECT_GE(tries, 3u);
  EXPECT_LE(tries, 20u);
}

// A body without a length that a reset cuts is a failure, never a complete file.
TEST_F(Engine, ResetCutsABodyWithoutLength) {
  xldl::TCancelToken cancel;
  xldl::TRequest request;
  ASSERT_TRUE(xldl::ParseUrl(Narrow(HttpUrl(L"/bytes/3000000?nolength=1&drop=100000&reset=1&" + Unique())),
                             request.Url));
  auto stream = xldl::MakeStream(request.Url, cancel);
  xldl::TResponse response;
  // The reset may come before the head is read; then the open fails.
  if (stream->Open(request, response)) {
    ASSERT_TRUE(response.CloseDelimited);
    char buf[65536];
    int n, rounds = 0;
    while ((n = stream->Read(buf, sizeof buf)) > 0 && ++rounds < 1000) {}
    EXPECT_LT(n, 0);
  }

  const TXlTaskHandle task =
      Download(L"/bytes/3000000?nolength=1&norange=1&drop=100000&reset=1&dropall=1&" + Unique(), L"reset.bin");
  ASSERT_TRUE(WaitStatus(task, XL_STATUS_FAILED, 90s)) << "status " << int(Query(task).Status);
  EXPECT_EQ(Query(task).FailCode, XL_FAIL_NETWORK);
  EXPECT_FALSE(FileExists(FDir.Path() + L"reset.bin"));
}

// A busy server's Retry-After, in seconds or as a date, is waited for before the next try.
TEST_F(Engine, BusyServersAreGivenTheTimeTheyAskFor) {
  const std::pair<std::wstring, double> cases[] = {
      {L"/bytes/100000?busy=503&retryafter=2&", 1.9},
      {L"/bytes/100000?busy=429&retryafter=date%2B3&", 1.9},  // the date has whole seconds
  };
  for (const auto& [path, gap] : cases) {
    const std::wstring u = Unique();
    ExpectDownload(path + u, 100000, L"busy" + u + L".bin");
    std::vector<double> times;
    for (const auto& line : ServerLog(Narrow(u), true)) times.push_back(std::atof(line.c_str()));
    ASSERT_GE(times.size(), 2u) << Narrow(path);
    EXPECT_GE(times[1] - times[0], gap) << Narrow(path);
  }
}

// Interim answers are skipped, but an endless stream of them is a bad answer, not a hang.
TEST_F(Engine, InterimAnswersAreBounded) {
  ExpectDownload(L"/bytes/5000?interim=3&" + Unique(), 5000, L"interim.bin");
  const TXlTaskHandle task = Download(L"/bytes/5000?interim=forever&" + Unique(), L"endless.bin");
  ASSERT_TRUE(WaitStatus(task, XL_STATUS_FAILED, 60s));
  EXPECT_EQ(Query(task).FailCode, XL_FAIL_BAD_RESPONSE);
}

// Downloads until killed: the process a crash or a power cut ends mid-download.
TAVLO_CHILD(xldl_killed_mid_download) {
  if (!XL_Init()) return 11;
  xldl::NetStartup();
  const TXlTaskParam p = MakeParam(args.at(0), args.at(1), args.at(2));
  const TXlTaskHandle task = XL_CreateTask(&p);
  if (!task || !XL_StartTask(task)) return 12;
  WaitStatus(task, XL_STATUS_COMPLETE, 120s);
  return 13;  // not killed in time
}

// The ranges of a log line's Range header "bytes=a-b" (b -1 when open).
bool LoggedRange(const std::string& line, std::int64_t& first, std::int64_t& last) {
  const std::size_t at = line.rfind(" bytes=");
  if (at == std::string::npos) return false;
  first = std::atoll(line.c_str() + at + 7);
  const std::size_t dash = line.find('-', at);
  last = dash + 1 < line.size() ? std::atoll(line.c_str() + dash + 1) : -1;
  return true;
}

// A process killed mid-download leaves the .part and its control file; the next process that
// creates the task for the same address, folder and name goes on from there: never asking for
// a range already done, ending with the same bytes. When the server's validators changed (or it
// never gave any) it downloads afresh into the same file instead.
TEST_F(Engine, ResumesWhatAKilledProcessLeft) {
  constexpr std::int64_t kSize = 20000000;  // about 8 s at the throttle, killed after 1
  enum { kSame, kChanged, kNoValidators };
  for (int change : {kSame, kChanged, kNoValidators}) {
    const std::wstring u = Unique();
    const std::wstring tag = L"t" + std::to_wstring(GetCurrentProcessId()) + L"-" + std::to_wstring(change);
    std::wstring path = L"/bytes/20000000?throttle=600000&" + u;
    if (change != kNoValidators) path += L"&etag=" + tag;
    const std::wstring url = HttpUrl(path), part = FDir.Path() + L"film.bin.part";
    const std::wstring control = xldl::ResumePath(part);
    xldl::TResumeState saved;
    auto doneBytes = [&] {
      std::int64_t sum = 0;
      for (const auto& r : saved.Done) sum += r.End - r.Begin;
      return sum;
    };
    {
      TChildProcess child = StartChild(L"xldl_killed_mid_download", {url, FDir.Path(), L"film.bin"});
      ASSERT_TRUE(child.Valid());
      ASSERT_TRUE(WaitFor([&] { return xldl::LoadResumeState(control, saved) && doneBytes() > 2000000; },
                          60s, false)) << change;
      TerminateProcess(child.Handle(), 9);
      EXPECT_EQ(child.Wait(10000), 9);
    }
    ASSERT_TRUE(xldl::LoadResumeState(control, saved)) << change;
    ASSERT_LT(doneBytes(), kSize) << change;
    EXPECT_EQ(saved.Url, Narrow(url));
    EXPECT_EQ(saved.Total, kSize);
    const std::size_t before = ServerLog(Narrow(u)).size();
    if (change == kChanged) ServerGet("/etag/" + Narrow(tag) + "/bump");

    const TXlTaskParam p = MakeParam(url, FDir.Path(), L"film.bin");
    const TXlTaskHandle task = XL_CreateTask(&p);
    ASSERT_TRUE(XL_StartTask(task));
    ASSERT_TRUE(WaitStatus(task, XL_STATUS_COMPLETE, 90s)) << change << " status " << int(Query(task).Status);
    EXPECT_EQ(std::wstring(Query(task).SavedName), L"film.bin") << change;
    EXPECT_TRUE(ReadFileBytes(FDir.Path() + L"film.bin") == Pattern(kSize)) << change;
    EXPECT_FALSE(FileExists(part));
    EXPECT_FALSE(FileExists(control)) << change;
    const auto log = ServerLog(Narrow(u));
    ASSERT_GT(log.size(), before) << change;
    bool fromStart = false;
    for (std::size_t i = before; i < log.size(); ++i) {
      std::int64_t first, last;
      ASSERT_TRUE(LoggedRange(log[i], first, last)) << log[i];
      fromStart = fromStart || (first == 0 && last < 0);
      if (change != kSame) continue;
      EXPECT_GE(last, first) << log[i];  // a closed range, inside what is missing
      for (const auto& done : saved.Done)
        EXPECT_TRUE(last < done.Begin || first >= done.End) << log[i] << " asks again for " << done.Begin;
    }
    EXPECT_EQ(fromStart, change != kSame) << change;
    DeleteFileW((FDir.Path() + L"film.bin").c_str());
  }
}

// An https server whose certificate nobody trusts: a failure, never a file.
TEST_F(Engine, UntrustedHttpsServersFail) {
  ASSERT_NE(HttpsServerPort(), 0);
  const TXlTaskParam p = MakeParam(HttpsUrl(L"/bytes/1000?" + Unique()), FDir.Path(), L"secure.bin");
  const TXlTaskHandle task = XL_CreateTask(&p);
  ASSERT_NE(task, 0u);
  ASSERT_TRUE(XL_StartTask(task));
  ASSERT_TRUE(WaitStatus(task, XL_STATUS_FAILED, 60s)) << "status " << int(Query(task).Status);
  EXPECT_EQ(Query(task).FailCode, XL_FAIL_NETWORK);
  EXPECT_FALSE(FileExists(FDir.Path() + L"secure.bin"));
  EXPECT_FALSE(FileExists(FDir.Path() + L"secure.bin.part"));
}

// Over https from a server the machine trusts: the whole file, the same bytes, WinHTTP's path.
// In a process of its own: the trusted roots are read once per process, at the first TLS use.
TAVLO_CHILD(xldl_https_trusted) {
  if (!TrustTestCertificate()) return 10;
  TTempDir dir;
  if (!XL_Init()) return 11;
  xldl::NetStartup();
  const TXlTaskParam p = MakeParam(args.at(0), dir.Path(), L"secure.bin");
  const TXlTaskHandle task = XL_CreateTask(&p);
  int code = 0;
  if (!task || !XL_StartTask(task)) code = 12;
  else if (!WaitStatus(task, XL_STATUS_COMPLETE, 60s)) code = 13;
  else if (ReadFileBytes(dir.Path() + L"secure.bin") != Pattern(700000)) code = 14;
  else if (FileExists(dir.Path() + L"secure.bin.part")) code = 15;
  XL_UnInit();
  xldl::NetCleanup();
  return code;
}

TEST(EngineHttps, DownloadsFromATrustedServer) {
  ASSERT_NE(HttpsServerPort(true), 0);
  EXPECT_EQ(RunChild(L"xldl_https_trusted", {HttpsUrl(L"/bytes/700000?" + Unique(), true)}, 90000), 0)
      << "10 not trusted, 11 no engine, 12 not started, 13 not complete, 14 other bytes, 15 .part left";
}

TEST_F(Engine, TwoTasksAtOnceStayApart) {
  const TXlTaskHandle a = Download(L"/bytes/4000000?throttle=2000000&" + Unique(), L"first.bin");
  const TXlTaskHandle b = Download(L"/bytes/3000000?throttle=2000000&chunked=1&" + Unique(), L"second.bin");
  ASSERT_TRUE(WaitStatus(a, XL_STATUS_COMPLETE));
  ASSERT_TRUE(WaitStatus(b, XL_STATUS_COMPLETE));
  EXPECT_TRUE(ReadFileBytes(FDir.Path() + L"first.bin") == Pattern(4000000));
  EXPECT_TRUE(ReadFileBytes(FDir.Path() + L"second.bin") == Pattern(3000000));
}

TEST_F(Engine, ExistingFilesAreNeverOverwritten) {
  WriteFileBytes(FDir.Path() + L"keep.bin", "precious");
  WriteFileBytes(FDir.Path() + L"keep (1).bin.part", "someone else's");
  const TXlTaskHandle task = Download(L"/bytes/100000?" + Unique(), L"keep.bin");
  ASSERT_TRUE(WaitStatus(task, XL_STATUS_COMPLETE));
  EXPECT_EQ(std::wstring(Query(task).SavedName), L"keep (2).bin");
  EXPECT_EQ(ReadFileBytes(FDir.Path() + L"keep.bin"), "precious");
  EXPECT_EQ(ReadFileBytes(FDir.Path() + L"keep (1).bin.part"), "someone else's");
  EXPECT_TRUE(ReadFileBytes(FDir.Path() + L"keep (2).bin") == Pattern(100000));

  // A folder given without its separator still means that folder.
  std::wstring folder = FDir.Path();
  folder.pop_back();
  const TXlTaskParam p = MakeParam(HttpUrl(L"/bytes/5000?" + Unique()), folder, L"nosep.bin");
  const TXlTaskHandle t2 = XL_CreateTask(&p);
  ASSERT_TRUE(XL_StartTask(t2));
  ASSERT_TRUE(WaitStatus(t2, XL_STATUS_COMPLETE));
  EXPECT_TRUE(ReadFileBytes(FDir.Path() + L"nosep.bin") == Pattern(5000));
}

TEST_F(Engine, UnInitDuringTransferIsPromptAndLeavesNoHalfFile) {
  const TXlTaskHandle task = Download(L"/bytes/20000000?throttle=500000&" + Unique(), L"cut.bin");
  const TXlTaskParam idleParam = MakeParam(HttpUrl(L"/bytes/10"), FDir.Path(), L"idle.bin");
  const TXlTaskHandle idle = XL_CreateTask(&idleParam);
  ASSERT_NE(idle, 0u);
  ASSERT_TRUE(WaitFor([&] { return Query(task).Received > 0; }, 30s, false));
  const auto t0 = std::chrono::steady_clock::now();
  XL_UnInit();
  EXPECT_LT(std::chrono::steady_clock::now() - t0, 3s);
  EXPECT_FALSE(FileExists(FDir.Path() + L"cut.bin"));
  EXPECT_TRUE(FileExists(FDir.Path() + L"cut.bin.part"));
  TXlTaskInfo info;
  EXPECT_FALSE(XL_QueryTaskInfoEx(task, &info));  // every handle is gone
  EXPECT_FALSE(XL_StartTask(idle));
  ASSERT_TRUE(XL_Init());
  EXPECT_FALSE(XL_StartTask(task));
}

TEST_F(Engine, RefusesWhatCannotWork) {
  // A text that fills its area without a terminator.
  for (int field = 0; field < 4; ++field) {
    TXlTaskParam p = MakeParam(HttpUrl(L"/bytes/10"), FDir.Path(), L"x.bin");
    if (field == 0) std::fill(std::begin(p.TaskUrl), std::end(p.TaskUrl), L'a');
    if (field == 1) std::fill(std::begin(p.RefUrl), std::end(p.RefUrl), L'a');
    if (field == 2) std::fill(std::begin(p.FileName), std::end(p.FileName), L'a');
    if (field == 3) std::fill(std::begin(p.SavePath), std::end(p.SavePath), L'a');
    EXPECT_EQ(XL_CreateTask(&p), 0u) << field;
  }
  EXPECT_EQ(XL_CreateTask(nullptr), 0u);
  // The longest texts that do fit are accepted.
  TXlTaskParam longest = MakeParam(HttpUrl(L"/bytes/10?" + std::wstring(2000, L'q')), FDir.Path(), L"x.bin");
  EXPECT_NE(XL_CreateTask(&longest), 0u);

  TXlTaskInfo info;
  for (TXlTaskHandle h : {0u, 0x7FFFFFFFu}) {
    EXPECT_FALSE(XL_StartTask(h));
    EXPECT_FALSE(XL_StopTask(h));
    EXPECT_FALSE(XL_QueryTaskInfoEx(h, &info));
  }
  const std::pair<std::wstring, std::wstring> refused[] = {
      {L"ftp://127.0.0.1/x", L"a.bin"}, {L"", L"a.bin"}, {L"not an address", L"a.bin"},
      {HttpUrl(L"/bytes/10"), L""},      // what a link ending in "/" yields
      {HttpUrl(L"/bytes/10"), L"a/b"},   {HttpUrl(L"/bytes/10"), L"nul"},
  };
  for (const auto& [url, name] : refused) {
    const TXlTaskParam p = MakeParam(url, FDir.Path(), name);
    const TXlTaskHandle task = XL_CreateTask(&p);
    ASSERT_NE(task, 0u);
    EXPECT_FALSE(XL_StartTask(task)) << Narrow(url) << " " << Narrow(name);
    EXPECT_EQ(Query(task).Status, XL_STATUS_CREATED);
  }
  for (const wchar_t* folder : {L"", L"relative\\dir\\", L"C:"}) {
    const TXlTaskParam p = MakeParam(HttpUrl(L"/bytes/10"), folder, L"a.bin");
    EXPECT_FALSE(XL_StartTask(XL_CreateTask(&p))) << Narrow(folder);
  }
  XL_UnInit();
  const TXlTaskParam p = MakeParam(HttpUrl(L"/bytes/10"), FDir.Path(), L"a.bin");
  EXPECT_EQ(XL_CreateTask(&p), 0u);  // the engine is not ready
  ASSERT_TRUE(XL_Init());
}
