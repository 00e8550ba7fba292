// The pipe between the runtime's processes, linked in directly: its name cannot be guessed or
// taken first, and only the current user can open it.
#include <windows.h>
#include <aclapi.h>

#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>

#include "platform/libcef/Cef.Channel.h"

using standin::TChannel;

namespace {

std::vector<unsigned char> CurrentUserSid() {
  HANDLE token = nullptr;
  if (!OpenProcessToken(GetCurrentProcess(), TOKEN_QUERY, &token)) return {};
  unsigned char buf[sizeof(TOKEN_USER) + SECURITY_MAX_SID_SIZE];
  DWORD size = 0;
  const BOOL ok = GetTokenInformation(token, TokenUser, buf, sizeof buf, &size);
  CloseHandle(token);
  if (!ok) return {};
  const PSID sid = reinterpret_cast<TOKEN_USER*>(buf)->User.Sid;
  const auto* bytes = static_cast<const unsigned char*>(sid);
  return {bytes, bytes + GetLengthSid(sid)};
}

}  // namespace

TEST(RuntimeChannel, NamesCarry128RandomBits) {
  const std::wstring prefix = L"\\\\.\\pipe\\standin-cef-";
  std::set<std::wstring> names;
  std::vector<std::set<wchar_t>> seen(32);
  for (int i = 0; i < 50; ++i) {
    const std::wstring name = TChannel::NewName();
    ASSERT_EQ(prefix.size() + 32, name.size());
    ASSERT_EQ(0, name.compare(0, prefix.size(), prefix));
    for (size_t k = 0; k < 32; ++k) {
      const wchar_t c = name[prefix.size() + k];
      ASSERT_TRUE((c >= L'0' && c <= L'9') || (c >= L'a' && c <= L'f'));
      seen[k].insert(c);
    }
    names.insert(name);
  }
  EXPECT_EQ(50u, names.size());
  // A process id, a clock or a counter would keep some digits fixed across quick calls.
  for (size_t k = 0; k < 32; ++k) EXPECT_GT(seen[k].size(), 1u) << "digit " << k << " never changes";
}

TEST(RuntimeChannel, OnlyTheCurrentUserMayOpenThePipeAndNobodyTakesItsName) {
  const std::wstring name = TChannel::NewName();
  auto server = TChannel::Listen(name);
  ASSERT_TRUE(server);
  // A second server end of the same name (someone squatting on it) is refused.
  EXPECT_FALSE(TChannel::Listen(name));

  HANDLE client = CreateFileW(name.c_str(), GENERIC_READ | GENERIC_WRITE | READ_CONTROL, 0, nullptr, OPEN_EXISTING, 0,
                              nullptr);
  ASSERT_NE(INVALID_HANDLE_VALUE, client) << GetLastError();
  PACL dacl = nullptr;
  PSECURITY_DESCRIPTOR descriptor = nullptr;
  ASSERT_EQ(ERROR_SUCCESS, GetSecurityInfo(client, SE_KERNEL_OBJECT, DACL_SECURITY_INFORMATION, nullptr, nullptr,
                                           &dacl, nullptr, &descriptor));
  ASSERT_NE(nullptr, dacl);  // a null DACL would let everyone in
  ASSERT_EQ(1, dacl->AceCount);
  void* ace = nullptr;
  ASSERT_TRUE(GetAce(dacl, 0, &ace));
  const auto* allowed = static_cast<const ACCESS_ALLOWED_ACE*>(ace);
  EXPECT_EQ(ACCESS_ALLOWED_ACE_TYPE, allowed->Header.AceType);
  const std::vector<unsigned char> user = CurrentUserSid();
  ASSERT_FALSE(user.empty());
  EXPECT_TRUE(EqualSid(const_cast<DWORD*>(&allowed->SidStart), const_cast<unsigned char*>(user.data())));
  LocalFree(descriptor);
  CloseHandle(client);
  server->Close();
}
