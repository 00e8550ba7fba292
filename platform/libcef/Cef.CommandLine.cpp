#include "Cef.CommandLine.h"

#include <shellapi.h>

#include <algorithm>
#include <memory>

#include "Cef.Parse.h"
#include "rtl/Handles.h"

namespace standin {

namespace {

// "--name=value", "-name" and "/name" are switches; "--" alone ends them.
bool SplitSwitch(const std::wstring& arg, std::wstring& name, std::wstring& value) {
  size_t start = 0;
  if (arg.rfind(L"--", 0) == 0) start = 2;
  else if (!arg.empty() && (arg[0] == L'-' || arg[0] == L'/')) start = 1;
  else return false;
  if (arg.size() <= start) return false;
  const size_t eq = arg.find(L'=', start);
  name = Lower(arg.substr(start, eq == std::wstring::npos ? std::wstring::npos : eq - start));
  value = eq == std::wstring::npos ? std::wstring() : arg.substr(eq + 1);
  return !name.empty();
}

// A switch given with its prefix ("--name", "-name", "/name") names the same switch, as in the
// real runtime, which adds "--" only to a bare name.
std::wstring SwitchKey(std::wstring name) {
  size_t prefix = name.rfind(L"--", 0) == 0 ? 2 : (!name.empty() && (name[0] == L'-' || name[0] == L'/')) ? 1 : 0;
  return Lower(name.substr(prefix));
}

class TCommandLine : public TCefObject<TCommandLine, cef_command_line_t> {
public:
  TCommandLine(std::shared_ptr<TCommandLineData> data, std::shared_ptr<std::mutex> lock, bool global)
      : FData(std::move(data)), FLock(std::move(lock)), FGlobal(global) {
    auto& s = FStruct;
    s.is_valid = [](cef_command_line_t*) CALLBACK -> int { return 1; };
    s.is_read_only = [](cef_command_line_t* self) CALLBACK -> int { return From(self)->ReadOnly() ? 1 : 0; };
    s.copy = [](cef_command_line_t* self) CALLBACK -> cef_command_line_t* {
      return Guard<cef_command_line_t*>(nullptr, [&] {
        TCommandLine* c = From(self);
        std::lock_guard<std::mutex> lock(*c->FLock);
        return (new TCommandLine(std::make_shared<TCommandLineData>(*c->FData), std::make_shared<std::mutex>(), false))
            ->Struct();
      });
    };
    s.init_from_argv = [](cef_command_line_t* self, int argc, const char* const* argv) CALLBACK {
      GuardVoid([&] {
        std::vector<std::wstring> args;
        for (int k = 0; argv && k < argc; ++k) {
          const char* a = argv[k] ? argv[k] : "";
          const int n = MultiByteToWideChar(CP_ACP, 0, a, -1, nullptr, 0);
          std::wstring w(n > 0 ? static_cast<size_t>(n - 1) : 0, L'\0');
          if (n > 1) MultiByteToWideChar(CP_ACP, 0, a, -1, w.data(), n);
          args.push_back(w);
        }
        From(self)->Change([&](TCommandLineData& d) { d.Parse(args); });
      });
    };
    s.init_from_string = [](cef_command_line_t* self, const cef_string_t* commandLine) CALLBACK {
      GuardVoid([&] {
        const std::wstring text = ToW(commandLine);
        std::vector<std::wstring> args;
        int argc = 0;
        if (!text.empty()) {
          const rtl::TLocalMemory<LPWSTR*> argv(CommandLineToArgvW(text.c_str(), &argc));
          if (argv) args.assign(argv.Get(), argv.Get() + argc);
        }
        From(self)->Change([&](TCommandLineData& d) { d.Parse(args); });
      });
    };
    s.reset = [](cef_command_line_t* self) CALLBACK {
      GuardVoid([&] {
        From(self)->Change([](TCommandLineData& d) {
          d.switches.clear();
          d.arguments.clear();
        });
      });
    };
    s.get_argv = [](cef_command_line_t* self, cef_string_list_t argv) CALLBACK {
      GuardVoid([&] {
        for (const auto& a : From(self)->Snapshot().Argv()) {
          cef_string_t v = ViewOf(a);
          cef_string_list_append(argv, &v);
        }
      });
    };
    s.get_command_line_string = [](cef_command_line_t* self) CALLBACK -> cef_string_userfree_t {
      return Guard<cef_string_userfree_t>(nullptr, [&] { return NewUserFree(From(self)->Snapshot().ToString()); });
    };
    s.get_program = [](cef_command_line_t* self) CALLBACK -> cef_string_userfree_t {
      return Guard<cef_string_userfree_t>(nullptr, [&] { return NewUserFree(From(self)->Snapshot().program); });
    };
    s.set_program = [](cef_command_line_t* self, const cef_string_t* program) CALLBACK {
      GuardVoid([&] { From(self)->Change([&](TCommandLineData& d) { d.program = ToW(program); }); });
    };
    s.has_switches = [](cef_command_line_t* self) CALLBACK -> int {
      return Guard(0, [&] { return From(self)->Snapshot().switches.empty() ? 0 : 1; });
    };
    s.has_switch = [](cef_command_line_t* self, const cef_string_t* name) CALLBACK -> int {
      return Guard(0, [&] { return From(self)->Snapshot().Has(Lower(ToW(name))) ? 1 : 0; });
    };
    s.get_switch_value = [](cef_command_line_t* self, const cef_string_t* name) CALLBACK -> cef_string_userfree_t {
      return Guard<cef_string_userfree_t>(nullptr, [&] {
        return NewUserFree(From(self)->Snapshot().Value(Lower(ToW(name))));
      });
    };
    s.get_switches = [](cef_command_line_t* self, cef_string_map_t switches) CALLBACK {
      GuardVoid([&] {
        for (const auto& [k, v] : From(self)->Snapshot().switches) {
          cef_string_t ks = ViewOf(k), vs = ViewOf(v);
          cef_string_map_append(switches, &ks, &vs);
        }
      });
    };
    s.append_switch = [](cef_command_line_t* self, const cef_string_t* name) CALLBACK {
      GuardVoid([&] { From(self)->Change([&](TCommandLineData& d) { d.Set(SwitchKey(ToW(name)), L""); }); });
    };
    s.append_switch_with_value = [](cef_command_line_t* self, const cef_string_t* name, const cef_string_t* value) CALLBACK {
      GuardVoid([&] { From(self)->Change([&](TCommandLineData& d) { d.Set(SwitchKey(ToW(name)), ToW(value)); }); });
    };
    s.has_arguments = [](cef_command_line_t* self) CALLBACK -> int {
      return Guard(0, [&] { return From(self)->Snapshot().arguments.empty() ? 0 : 1; });
    };
    s.get_arguments = [](cef_command_line_t* self, cef_string_list_t arguments) CALLBACK {
      GuardVoid([&] {
        for (const auto& a : From(self)->Snapshot().arguments) {
          cef_string_t v = ViewOf(a);
          cef_string_list_append(arguments, &v);
        }
      });
    };
    s.append_argument = [](cef_command_line_t* self, const cef_string_t* argument) CALLBACK {
      GuardVoid([&] { From(self)->Change([&](TCommandLineData& d) { d.arguments.push_back(ToW(argument)); }); });
    };
    s.prepend_wrapper = [](cef_command_line_t* self, const cef_string_t* wrapper) CALLBACK {
      GuardVoid([&] {
        // The wrapper's words go before the program; its first word becomes the program.
        const std::wstring text = ToW(wrapper);
        int argc = 0;
        std::vector<std::wstring> words;
        if (!text.empty()) {
          const rtl::TLocalMemory<LPWSTR*> argv(CommandLineToArgvW(text.c_str(), &argc));
          if (argv) words.assign(argv.Get(), argv.Get() + argc);
        }
        if (words.empty()) return;
        From(self)->Change([&](TCommandLineData& d) {
          std::vector<std::wstring> rest(words.begin() + 1, words.end());
          rest.push_back(d.program);
          d.arguments.insert(d.arguments.begin(), rest.begin(), rest.end());
          d.program = words[0];
        });
      });
    };
  }

  bool ReadOnly() const;
  TCommandLineData Snapshot() const {
    std::lock_guard<std::mutex> lock(*FLock);
    return *FData;
  }
  template <class F>
  void Change(F&& f) {
    if (ReadOnly()) return;
    std::lock_guard<std::mutex> lock(*FLock);
    f(*FData);
  }

  std::shared_ptr<TCommandLineData> FData;
  std::shared_ptr<std::mutex> FLock;
  bool FGlobal;
};

struct TGlobal {
  std::shared_ptr<TCommandLineData> data = std::make_shared<TCommandLineData>();
  std::shared_ptr<std::mutex> lock = std::make_shared<std::mutex>();
  std::atomic<bool> frozen{false};
  TGlobal() {
    int argc = 0;
    const rtl::TLocalMemory<LPWSTR*> argv(CommandLineToArgvW(GetCommandLineW(), &argc));
    if (argv) data->Parse(std::vector<std::wstring>(argv.Get(), argv.Get() + argc));
  }
};

TGlobal& Global() {
  static TGlobal g;
  return g;
}

bool TCommandLine::ReadOnly() const { return FGlobal && Global().frozen.load(); }

}  // namespace

void TCommandLineData::Parse(const std::vector<std::wstring>& argv) {
  program.clear();
  switches.clear();
  arguments.clear();
  if (argv.empty()) return;
  program = argv[0];
  bool switchesDone = false;
  for (size_t k = 1; k < argv.size(); ++k) {
    const std::wstring& a = argv[k];
    std::wstring name, value;
    if (!switchesDone && a == L"--") {
      switchesDone = true;
    } else if (!switchesDone && SplitSwitch(a, name, value)) {
      Set(name, value);
    } else {
      arguments.push_back(a);
    }
  }
}

bool TCommandLineData::Has(const std::wstring& name) const {
  return std::any_of(switches.begin(), switches.end(), [&](const auto& s) { return s.first == name; });
}
std::wstring TCommandLineData::Value(const std::wstring& name) const {
  for (const auto& s : switches)
    if (s.first == name) return s.second;
  return {};
}
void TCommandLineData::Set(const std::wstring& name, const std::wstring& value) {
  for (auto& s : switches)
    if (s.first == name) {
      s.second = value;
      return;
    }
  switches.emplace_back(name, value);
}
std::vector<std::wstring> TCommandLineData::Argv() const {
  std::vector<std::wstring> out;
  out.push_back(program);
  for (const auto& [k, v] : switches) out.push_back(v.empty() ? L"--" + k : L"--" + k + L"=" + v);
  // Arguments that look like switches need the separator to stay arguments.
  bool needSeparator = false;
  for (const auto& a : arguments) {
    std::wstring n, v;
    if (a == L"--" || SplitSwitch(a, n, v)) needSeparator = true;
  }
  if (needSeparator && !arguments.empty()) out.push_back(L"--");
  out.insert(out.end(), arguments.begin(), arguments.end());
  return out;
}
std::wstring TCommandLineData::ToString() const {
  std::wstring s;
  for (const auto& a : Argv()) {
    if (!s.empty()) s += L' ';
    s += QuoteArgument(a);
  }
  return s;
}

std::wstring QuoteArgument(const std::wstring& arg) {
  if (!arg.empty() && arg.find_first_of(L" \t\"") == std::wstring::npos) return arg;
  // CommandLineToArgvW rules: backslashes are literal unless a quote follows them; then each
  // is doubled and the quote escaped.
  std::wstring out = L"\"";
  size_t slashes = 0;
  for (wchar_t c : arg) {
    if (c == L'\\') {
      ++slashes;
      out += c;
    } else if (c == L'"') {
      out.append(slashes + 1, L'\\');
      out += c;
      slashes = 0;
    } else {
      slashes = 0;
      out += c;
    }
  }
  out.append(slashes, L'\\');
  out += L'"';
  return out;
}

TCommandLineData GlobalCommandLine() {
  std::lock_guard<std::mutex> lock(*Global().lock);
  return *Global().data;
}

cef_command_line_t* GlobalCommandLineStruct() {
  return (new TCommandLine(Global().data, Global().lock, true))->Struct();
}

void FreezeGlobalCommandLine() { Global().frozen = true; }

}  // namespace standin

using namespace standin;

extern "C" {

cef_command_line_t* cef_command_line_create(void) {
  return Guard<cef_command_line_t*>(nullptr, [] {
    return (new TCommandLine(std::make_shared<TCommandLineData>(), std::make_shared<std::mutex>(), false))->Struct();
  });
}

cef_command_line_t* cef_command_line_get_global(void) {
  return Guard<cef_command_line_t*>(nullptr, [] { return GlobalCommandLineStruct(); });
}

}  // extern "C"
