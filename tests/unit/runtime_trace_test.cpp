// The stand-in's trace file, which every process of a runtime appends to.
#include <windows.h>

#include <gtest/gtest.h>

#include <map>
#include <sstream>
#include <string>
#include <vector>

#include "platform/libcef/Cef.Trace.h"
#include "rtl/Handles.h"
#include "support/TestSupport.h"

using namespace testing_support;

namespace {

constexpr int kLinesPerWriter = 1500;

// Traces kLinesPerWriter lines into the file args[0] once the event named args[1] is set, so
// that the writers run side by side.
TAVLO_CHILD(trace_writer) {
  SetEnvironmentVariableW(L"STANDIN_CEF_TRACE", args.at(0).c_str());
  const rtl::TUniqueHandle go(OpenEventW(SYNCHRONIZE, FALSE, args.at(1).c_str()));
  if (!go || WaitForSingleObject(go.Get(), 30000) != WAIT_OBJECT_0) return 2;
  for (int i = 0; i < kLinesPerWriter; ++i) standin::Trace("test", "line " + std::to_string(i) + " of a writer");
  return 0;
}

}  // namespace

TEST(StandinTrace, WritersInSeveralProcessesLoseAndTearNoLine) {
  TTempDir dir;
  const std::wstring path = dir.Path() + L"trace.txt";
  const std::wstring goName = L"Local\\tavlo-trace-test-" + std::to_wstring(GetCurrentProcessId());
  const rtl::TUniqueHandle go(CreateEventW(nullptr, TRUE, FALSE, goName.c_str()));
  ASSERT_TRUE(go);
  std::vector<TChildProcess> writers;
  for (int i = 0; i < 3; ++i) writers.push_back(StartChild(L"trace_writer", {path, goName}));
  SetEvent(go.Get());
  for (auto& w : writers) ASSERT_EQ(0, w.Wait(60000));

  std::istringstream text(ReadFileBytes(path));
  std::map<std::string, int> nextByWriter;
  int torn = 0;
  for (std::string line; std::getline(text, line);) {
    // "<pid> browser test line <i> of a writer", each writer's lines in order
    const size_t space = line.find(' ');
    const std::string pid = line.substr(0, space);
    int& next = nextByWriter[pid];
    if (line != pid + " browser test line " + std::to_string(next) + " of a writer") {
      ++torn;
      continue;
    }
    ++next;
  }
  EXPECT_EQ(0, torn);
  ASSERT_EQ(3u, nextByWriter.size());
  for (const auto& [pid, next] : nextByWriter) EXPECT_EQ(kLinesPerWriter, next) << "writer " << pid;
}
