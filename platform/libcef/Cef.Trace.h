#pragma once
// The stand-in's trace: when STANDIN_CEF_TRACE names a file, one line per notable event is
// appended to it ("<pid> <role> <kind> <text>"), so tests can see what a page and the runtime did.
#include <string>

namespace standin {

bool TraceEnabled();
// kind: one word, e.g. "script", "console", "dialog", "message", "callback", "process".
void Trace(const char* kind, const std::wstring& text);
void Trace(const char* kind, const std::string& utf8Text);
// The role named in every line: "browser", "renderer" or another process type.
void SetTraceRole(const std::string& role);

}  // namespace standin
