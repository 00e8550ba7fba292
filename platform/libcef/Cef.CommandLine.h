#pragma once
// Command lines: the program, switches ("--name" or "--name=value", names lower-case as on
// Windows) in the order they were added, then the arguments.
#include <mutex>
#include <string>
#include <utility>
#include <vector>

#include "Cef.Common.h"

namespace standin {

struct TCommandLineData {
  std::wstring program;
  std::vector<std::pair<std::wstring, std::wstring>> switches;
  std::vector<std::wstring> arguments;

  void Parse(const std::vector<std::wstring>& argv);  // argv[0] is the program
  bool Has(const std::wstring& name) const;
  std::wstring Value(const std::wstring& name) const;
  void Set(const std::wstring& name, const std::wstring& value);  // replaces an earlier value
  std::vector<std::wstring> Argv() const;
  std::wstring ToString() const;
};

// Quotes one argument for CreateProcess when it needs it.
std::wstring QuoteArgument(const std::wstring& arg);

// The process's global command line (parsed from GetCommandLineW at first use). It can be
// changed until cef_initialize has processed it; after that it is read-only.
TCommandLineData GlobalCommandLine();
cef_command_line_t* GlobalCommandLineStruct();  // with one reference
void FreezeGlobalCommandLine();

}  // namespace standin
