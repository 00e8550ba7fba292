// Load-error descriptions.
#include <gtest/gtest.h>

#include <set>

#include "vorad/core/VoraD.Core.CefErr.h"

TEST(CefErr, NameNotResolved) {
  TCefErrorManager m;
  std::wstring name, description;
  EXPECT_TRUE(m.GetErrorDescription(-105, name, description));
  EXPECT_EQ(name, L"NET_ERROR_NAME_NOT_RESOLVED");
  EXPECT_EQ(description, L"The host name could not be resolved.");
}

TEST(CefErr, IoPendingHasThreeCarriageReturnsAndNoLineFeed) {
  TCefErrorManager m;
  std::wstring name, description;
  ASSERT_TRUE(m.GetErrorDescription(-1, name, description));
  EXPECT_EQ(name, L"NET_ERROR_IO_PENDING");
  EXPECT_EQ(description,
            L"An asynchronous IO operation is not yet complete.  This usually does not\r"
            L"indicate a fatal error.  Typically this error will be generated as a\r"
            L"notification to wait for some external notification that the IO operation\r"
            L"finally completed.");
  EXPECT_EQ(std::count(description.begin(), description.end(), L'\r'), 3);
  EXPECT_EQ(description.find(L'\n'), std::wstring::npos);
}

TEST(CefErr, AbortedIsInTheTableButCountsAsUserAborted) {
  TCefErrorManager m;
  std::wstring name, description;
  EXPECT_TRUE(m.GetErrorDescription(-3, name, description));
  EXPECT_EQ(name, L"NET_ERROR_ABORTED");
  EXPECT_EQ(description, L"An operation was aborted (due to user action).");
  EXPECT_TRUE(m.IsUserAborted(-3));
  for (int code : {0, -1, -2, 3, -105, -300}) EXPECT_FALSE(m.IsUserAborted(code)) << code;
}

TEST(CefErr, UnknownCodesLeaveTheOutputsUntouched) {
  TCefErrorManager m;
  for (int code : {-144, 0, 1, 105, -132, -209, -23, -99, -807, -1000}) {
    std::wstring name = L"keep-name", description = L"keep-description";
    EXPECT_FALSE(m.GetErrorDescription(code, name, description)) << code;
    EXPECT_EQ(name, L"keep-name");
    EXPECT_EQ(description, L"keep-description");
  }
}

TEST(CefErr, TheEightWrittenOutDescriptions) {
  TCefErrorManager m;
  const struct { int code; const wchar_t* name; const wchar_t* description; } rows[] = {
      {-2, L"NET_ERROR_FAILED", L"A generic failure occurred."},
      {-106, L"NET_ERROR_INTERNET_DISCONNECTED", L"The Internet connection has been lost."},
      {-145, L"NET_ERROR_WS_PROTOCOL_ERROR",
       L"Error -144 was removed (LIMIT_VIOLATION).\rWebsocket protocol error. Indicates that we are terminating the connection\rdue to a malformed frame or other protocol violation."},
      {-200, L"NET_ERROR_CERT_COMMON_NAME_INVALID",
       L"Certificate error codes\rThe values of certificate error codes must be consecutive.\rThe server responded with a certificate whose common name did not match\rthe host name.  This could mean:\r1. An attacker has redirected our traffic to his server and is\r   presenting a certificate for which he knows the private key.\r2. The server is misconfigured and responding with the wrong cert.\r3. The user is on a wireless network and is being redirected to the\r   network's login page.\r4. The OS has used a DNS search suffix and the server doesn't have\r   a certificate for the abbreviated name in the address bar."},
      {-800, L"NET_ERROR_DNS_MALFORMED_RESPONSE", L"DNS error codes.\rDNS resolver received a malformed response."},
  };
  for (const auto& row : rows) {
    std::wstring name, description;
    ASSERT_TRUE(m.GetErrorDescription(row.code, name, description)) << row.code;
    EXPECT_EQ(name, row.name);
    EXPECT_EQ(description, row.description);
  }
}

TEST(CefErr, TableHas164EntriesInTheListedOrder) {
  const auto entries = CefErrorEntries();
  ASSERT_EQ(entries.size(), 164u);
  std::set<int> codes;
  for (size_t i = 0; i < entries.size(); ++i) {
    const TCefErrorEntry& e = entries[i];
    codes.insert(e.Code);
    EXPECT_LT(e.Code, 0);
    if (i > 0) {
      EXPECT_LT(e.Code, entries[i - 1].Code) << "listed order, at " << e.Code;
    }
    const std::wstring name = e.Name, description = e.Description;
    EXPECT_EQ(name.rfind(L"NET_ERROR_", 0), 0u) << e.Code;
    EXPECT_FALSE(description.empty()) << e.Code;
    EXPECT_EQ(description.find(L'\n'), std::wstring::npos) << e.Code;
    EXPECT_NE(description.back(), L'\r') << e.Code;
  }
  EXPECT_EQ(codes.size(), 164u);
  EXPECT_EQ(entries.front().Code, -1);
  EXPECT_EQ(entries.back().Code, -806);
  for (int skipped : {-132, -144, -209}) EXPECT_EQ(codes.count(skipped), 0u) << skipped;
  // The group boundaries of the list.
  for (int code : {-22, -100, -152, -200, -212, -300, -356, -400, -406, -501, -503, -601, -607, -701, -712, -800})
    EXPECT_EQ(codes.count(code), 1u) << code;
}

TEST(CefErr, TableIsBuiltLazilyOnTheFirstLookup) {
  TCefErrorManager m;
  EXPECT_FALSE(m.IsTableBuilt());
  EXPECT_TRUE(m.IsUserAborted(-3));
  EXPECT_FALSE(m.IsTableBuilt());  // IsUserAborted never builds it
  std::wstring name, description;
  m.GetErrorDescription(0, name, description);
  EXPECT_TRUE(m.IsTableBuilt());
  EXPECT_EQ(m.EntryCount(), 164u);
}

TEST(CefErr, ProcessWideInstanceByInitAndFinal) {
  EXPECT_EQ(CefErrorManager, nullptr);
  InitVoraDCoreCefErr();
  ASSERT_NE(CefErrorManager, nullptr);
  EXPECT_FALSE(CefErrorManager->IsTableBuilt());  // not built by the initialisation
  std::wstring name, description;
  EXPECT_TRUE(CefErrorManager->GetErrorDescription(-7, name, description));
  EXPECT_EQ(name, L"NET_ERROR_TIMED_OUT");
  FinalVoraDCoreCefErr();
  EXPECT_EQ(CefErrorManager, nullptr);
}
