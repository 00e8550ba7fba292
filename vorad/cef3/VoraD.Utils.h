#pragma once
// Process helpers of the binding: messages to the window hosting a browser, waits that keep
// the main thread's messages flowing, GUID text, value conversions between TVariant and the
// runtime's list and script values, and the favicon getter.
#include <windows.h>

#include <functional>
#include <memory>
#include <string>

#include "rtl/Streams.h"
#include "rtl/Variant.h"
#include "vorad/cef3/VoraD.Cef3.Classes.h"

// The thread the binding treats as the main thread (the one that runs the window message loop).
// VoraDBindingStart records the calling thread; SetMainThreadId changes it.
DWORD MainThreadId();
void SetMainThreadId(DWORD threadId);

// The window that hosts the browser's own window (its parent): the page manager's window.
HWND BrowserParentWindow(const rtl::TRef<ICefBrowser>& browser);

// SendMessageW to BrowserParentWindow(browser) with wParam = the address of an
// rtl::TRef<ICefBrowser> holding the browser (valid during the call only; a receiver that keeps
// the browser copies the reference) and lParam unchanged. False exactly when the answer is 1.
bool SendToBrowserWindow(const rtl::TRef<ICefBrowser>& browser, UINT msg, LPARAM lParam);
// True while a SendToBrowserWindow with exactly these values waits for its answer: the
// receiver's check that a message is the component's own and its pointers can be trusted.
bool IsBrowserWindowSend(UINT msg, WPARAM wParam, LPARAM lParam);

// A new GUID as 38 characters: braces around 8-4-4-4-12 upper-case hexadecimal digits.
std::wstring NewGuidString();

// Removes and dispatches every queued message of the calling thread, a quit message included.
void ProcessPendingMessages();

enum class TWaitResult { wrSignaled = 0, wrTimeout = 1, wrAbandoned = 2, wrError = 3, wrIOCompletion = 4 };

// Waits for `event` at most `timeoutMs` in total. On the main thread it dispatches the
// thread's messages while it waits (so message handlers may re-enter the caller); on any other
// thread it is a plain wait. INFINITE waits without a limit.
TWaitResult WaitEventWithMessages(HANDLE event, DWORD timeoutMs);

// Stores `value` at `index`: integers (32-bit, 64-bit, unsigned) as integers when they fit in
// 32 bits and as doubles otherwise, doubles, Booleans and strings; other kinds store nothing.
void VariantToListValue(const rtl::TRef<ICefListValue>& list, int index, const rtl::TVariant& value);
// Boolean, integer, double or string elements; any other type leaves `value` unchanged.
void ListValueToVariant(rtl::TVariant& value, const rtl::TRef<ICefListValue>& list, int index);
// Script value to variant (render thread, inside the value's context). Raises rtl::Exception
// "指定的JavaScript变量无法转换为 Variant" for a kind it cannot represent, nested ones included.
// An array or object met a second time (a cycle included), nested more than 32 deep or past the
// first 1024 of one conversion becomes null.
void V8ValueToVariant(const rtl::TRef<ICefv8Value>& value, rtl::TVariant& result);

// Downloads one favicon through a runtime URL request and hands the bytes to a callback. The
// runtime calls back on the thread that created the getter (the main thread).
using TFaviconReady = std::function<void(const std::wstring& aUrl, rtl::TMemoryStream& aStream)>;

class TFaviconGetter : public TCefUrlrequestClientOwn {
public:
  // Starts the request; the getter lives while the runtime or the caller holds it.
  static rtl::TRef<TFaviconGetter> Create(const std::wstring& Url, TFaviconReady Callback);
  // No callback after this; the request is cancelled and let go of, the stream freed.
  void Cancel();

  void OnDownloadData(const rtl::TRef<ICefUrlRequest>& request, const void* data, size_t data_length) override;
  // On success (status 1) calls the callback with the request's URL and the bytes, rewound;
  // the stream is freed afterwards in every case. Exceptions from the callback are dropped.
  void OnRequestComplete(const rtl::TRef<ICefUrlRequest>& request) override;

  bool HasStream() const { return fStream != nullptr; }
  bool Started() const { return fUrlRequest != nullptr; }

private:
  TFaviconGetter() = default;
  // Leaves the running getters with the request (null when there was none).
  rtl::TRef<ICefUrlRequest> TakeRequest();

  TFaviconReady fCallback;
  std::unique_ptr<rtl::TMemoryStream> fStream;
  rtl::TRef<ICefUrlRequest> fUrlRequest;
};

// Cancels every getter whose request is still running (the runtime is about to shut down and
// would never complete them).
void CancelFaviconGetters();
