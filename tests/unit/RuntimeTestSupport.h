#pragma once
// Shared by the tests of the stand-in runtime: the runtime loaded at run time as the binding
// loads it, program-owned structures, string helpers and pumping the UI work.
#include <windows.h>

#include <gtest/gtest.h>

#include <atomic>
#include <functional>
#include <string>

#include "support/TestSupport.h"
#include "vorad/cef3/VoraD.Cef3.Api.h"

namespace {

// ---- the runtime, loaded as the binding loads it ----------------------------------------------

struct TCefApi {
  HMODULE lib = nullptr;
#define X(ret, name, params) name##_fn name = nullptr;
  VORAD_CEF3_EXPORTS(X)
#undef X
};

TCefApi& Cef() {
  static TCefApi api = [] {
    TCefApi a;
    a.lib = LoadLibraryW(L"libcef.dll");
    if (a.lib) {
#define X(ret, name, params) a.name = reinterpret_cast<name##_fn>(reinterpret_cast<void*>(GetProcAddress(a.lib, #name)));
      VORAD_CEF3_EXPORTS(X)
#undef X
    }
    return a;
  }();
  return api;
}

std::wstring Take(cef_string_userfree_t s) {
  std::wstring w = s && s->str ? std::wstring(s->str, s->length) : std::wstring();
  if (s) Cef().cef_string_userfree_utf16_free(s);
  return w;
}
std::wstring W(const cef_string_t& s) { return s.str ? std::wstring(s.str, s.length) : std::wstring(); }
cef_string_t View(const std::wstring& s) {
  cef_string_t v{};
  v.str = const_cast<cef_char_t*>(s.c_str());
  v.length = s.size();
  return v;
}

template <class T>
void Release(T* p) {
  if (p) p->base.release(&p->base);
}
// The references a callback received, all at once.
template <class T, class... Rest>
void Release(T* p, Rest*... rest) {
  Release(p);
  Release(rest...);
}
template <class T>
T* AddRef(T* p) {
  p->base.add_ref(&p->base);
  return p;
}

// A program-owned structure, as the binding's Own objects are: the C structure first, then a
// counter. `destroyed` counts the objects whose last reference went.
std::atomic<int> gOwnDestroyed{0};

template <class T>
struct TOwn {
  T s{};
  std::atomic<int> refs{1};
  std::function<void()> fn;

  TOwn() {
    s.base.size = sizeof(T);
    s.base.add_ref = [](cef_base_t* b) CEF_CALLBACK { ++Of(b)->refs; };
    s.base.release = [](cef_base_t* b) CEF_CALLBACK -> int {
      if (--Of(b)->refs == 0) {
        delete Of(b);
        ++gOwnDestroyed;
        return 1;
      }
      return 0;
    };
    s.base.has_one_ref = [](cef_base_t* b) CEF_CALLBACK -> int { return Of(b)->refs == 1; };
  }
  static TOwn* Of(void* p) { return reinterpret_cast<TOwn*>(p); }
  T* Wrap() {
    ++refs;
    return &s;
  }
};

// A task that runs `fn`; the runtime receives the only reference.
[[maybe_unused]] cef_task_t* NewTask(std::function<void()> fn) {
  auto* t = new TOwn<cef_task_t>();
  t->fn = std::move(fn);
  t->s.execute = [](cef_task_t* self) CEF_CALLBACK { TOwn<cef_task_t>::Of(self)->fn(); };
  return &t->s;
}

// Pumps the runtime's UI work (as the client handler's timer does) until cond holds.
bool PumpUntil(const std::function<bool()>& cond, DWORD ms = 20000) {
  return testing_support::WaitFor(
      [&] {
        Cef().cef_do_message_loop_work();
        return cond();
      },
      std::chrono::milliseconds(ms));
}

}  // namespace
