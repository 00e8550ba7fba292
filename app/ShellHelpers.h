#pragma once
// The shell's operating-system helpers: special folders, the file version of an
// executable, directory creation, opening an address or a folder with the desktop shell.
// SlashesToBackslashes is pure and lives in app/LinkDecode.h.
// All run on the calling thread (the user-interface thread in the program).
#include <array>
#include <cstdint>
#include <string>

// The path of a special folder (a CSIDL number), or an empty text when the shell has none.
std::wstring GetSpecialFolderPath(int csidl);

// The four numbers of a file's version resource (file version, not product version): major,
// minor, release, build. Zeros when the file does not exist or has no readable version resource.
using TFileVersionNumbers = std::array<uint16_t, 4>;
TFileVersionNumbers GetFileVersionNumbers(const std::wstring& path);
// "%d.%d.%d.%d" of GetFileVersionNumbers ("0.0.0.0" without a version resource).
std::wstring GetFileVersionText(const std::wstring& path);

// Creates a folder and every missing parent; true if the folder exists afterwards. An empty path
// gives false; one trailing separator is ignored; paths shorter than 3 characters, existing
// folders and paths that are their own parent give true without creating anything.
bool CreateDirectoryTree(const std::wstring& path);
// The path up to and including its last "\" or ":" (empty when it has neither).
std::wstring ExtractFilePath(const std::wstring& path);

// Opens the text with the desktop shell's default action (address, document or program), shown
// normally. Reports nothing; a failed start is silent.
void OpenUrlInShell(const std::wstring& text);

// Explorer by its full path in the Windows folder (never searched for: the program's own
// folder and the current folder come first in that search). Empty when the Windows folder is
// unknown.
std::wstring ExplorerProgramPath();
// "<ExplorerProgramPath>" /e, "<path>": the folder in Explorer's folder-tree view, quoted by the
// rules the C runtime splits a command line by (the backslashes before the closing quote
// doubled, so a folder ending in "\" stays one argument). Empty for an empty folder or one that
// holds '"' or a control character: no quoting carries those safely.
std::wstring ExplorerCommandLine(const std::wstring& path);
// Starts `program` (a full path, not searched for) with the command line (the program's name
// first, by convention), window shown normally, in UTF-16 (CreateProcessW) so that no character
// is lost to the ANSI code page. True when the program started; it is not waited for.
bool StartProgram(const std::wstring& program, const std::wstring& commandLine);

// Starts ExplorerCommandLine(path) with StartProgram: the command line stays UTF-16 instead of
// being converted to the ANSI code page for WinExec, because the default folder's name is not
// ASCII and that conversion breaks it on every machine whose code page lacks its characters.
// Reports nothing; a folder ExplorerCommandLine refuses opens nothing.
void OpenFolderInExplorer(const std::wstring& path);
