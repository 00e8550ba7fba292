#pragma once
// Cross-process script access. Browser side: TVoraDJsExtention sends read, write, test and run
// requests for a page's global script variables to the page's render process and delivers the
// answers to the procedure registered for each request. Render side: HandleJsRequest answers
// them against the main frame's script context, HandleRunInRender runs a procedure object there
// (single-process mode only).
//
// Threads: requests may be started on any thread; answers are delivered on the main thread (the
// page manager's window). The blocking forms wait while dispatching the main thread's messages,
// so they must be called from ordinary main-thread code (not from inside runtime work) or from
// another thread. The render side runs on the render thread.
#include <windows.h>

#include <cstdint>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "rtl/Handles.h"
#include "rtl/Interfaces.h"
#include "rtl/Variant.h"
#include "vorad/cef3/VoraD.Cef3.Interfaces.h"
#include "vorad/cef3/VoraD.Utils.h"

// Called with the answer of one request: the value (empty when none) and the error text (empty
// on success).
class TJsExtentionProc : public virtual rtl::IInterface {
public:
  virtual void Invoke(const rtl::TVariant& value, const std::wstring& errorText) = 0;
};

// A procedure run inside the render side of a page (single-process mode only), with the page,
// the script context of the main frame of the page that received the request, and the caller's
// data pointer.
class TRenderProcessCallbackA : public virtual rtl::IInterface {
public:
  virtual void Invoke(const rtl::TRef<ICefBrowser>& browser, const rtl::TRef<ICefv8Context>& context,
                      void* data) = 0;
};

// Request kinds: integer argument 1 of "@voradbrowser_torender_jsextention".
enum TJsRequestKind : int32_t { jrkRead = 0, jrkWrite = 1, jrkDefined = 2, jrkScript = 3 };

// The error text of a request whose page closed or whose render process ended before it was
// answered.
inline constexpr wchar_t kJsRequestPageGone[] = L"页面已关闭或其渲染进程已结束，脚本请求没有结果";

class TVoraDJsExtention : public rtl::TInterfacedObject {
public:
  TVoraDJsExtention();
  // Frees the event, then the pending procedures (none of them called).
  ~TVoraDJsExtention() override;

  // ---- non-blocking forms: the procedure gets the answer on the main thread. Without a
  // browser nothing is sent and the procedure stays registered, never called.
  void GetExecuteScriptResultProc(const rtl::TRef<ICefBrowser>& aBrowser, const std::wstring& aScript,
                                  const rtl::TRef<TJsExtentionProc>& aPorc);
  void GetDefinedProc(const rtl::TRef<ICefBrowser>& aBrowser, const std::wstring& aName,
                      const rtl::TRef<TJsExtentionProc>& aPorc);
  void GetAsBooleanProc(const rtl::TRef<ICefBrowser>& aBrowser, const std::wstring& aName,
                        const rtl::TRef<TJsExtentionProc>& aPorc);
  void GetAsFloatProc(const rtl::TRef<ICefBrowser>& aBrowser, const std::wstring& aName,
                      const rtl::TRef<TJsExtentionProc>& aPorc);
  void GetAsIntegerProc(const rtl::TRef<ICefBrowser>& aBrowser, const std::wstring& aName,
                        const rtl::TRef<TJsExtentionProc>& aPorc);
  void GetAsStringProc(const rtl::TRef<ICefBrowser>& aBrowser, const std::wstring& aName,
                       const rtl::TRef<TJsExtentionProc>& aPorc);
  void SetAsBooleanProc(const rtl::TRef<ICefBrowser>& aBrowser, const std::wstring& aName, bool Value,
                        const rtl::TRef<TJsExtentionProc>& aPorc);
  void SetAsFloatProc(const rtl::TRef<ICefBrowser>& aBrowser, const std::wstring& aName, double Value,
                      const rtl::TRef<TJsExtentionProc>& aPorc);
  // A value outside the 32-bit range travels as a double (exact up to 2^53) and reaches the page
  // as that number; inside the range it is an integer.
  void SetAsIntegerProc(const rtl::TRef<ICefBrowser>& aBrowser, const std::wstring& aName, int64_t Value,
                        const rtl::TRef<TJsExtentionProc>& aPorc);
  void SetAsStringProc(const rtl::TRef<ICefBrowser>& aBrowser, const std::wstring& aName,
                       const std::wstring& Value, const rtl::TRef<TJsExtentionProc>& aPorc);

  // ---- blocking forms: wait for the answer (dispatching messages on the main thread) and
  // return it converted; an empty answer gives false, 0, 0.0 or "". Without a browser, or when
  // the request cannot be sent, they return that empty result at once. An error text of the
  // answer, or a value that does not convert to the result type, is raised from the reply
  // procedure after the caller has been released (the page manager reports it).
  rtl::TVariant GetExecuteScriptResult(const rtl::TRef<ICefBrowser>& aBrowser, const std::wstring& aScript);
  bool GetDefined(const rtl::TRef<ICefBrowser>& aBrowser, const std::wstring& aName);
  bool GetAsBoolean(const rtl::TRef<ICefBrowser>& aBrowser, const std::wstring& aName);
  double GetAsFloat(const rtl::TRef<ICefBrowser>& aBrowser, const std::wstring& aName);
  int32_t GetAsInteger(const rtl::TRef<ICefBrowser>& aBrowser, const std::wstring& aName);
  std::wstring GetAsString(const rtl::TRef<ICefBrowser>& aBrowser, const std::wstring& aName);
  void SetAsBoolean(const rtl::TRef<ICefBrowser>& aBrowser, const std::wstring& aName, bool Value);
  void SetAsFloat(const rtl::TRef<ICefBrowser>& aBrowser, const std::wstring& aName, double Value);
  void SetAsInteger(const rtl::TRef<ICefBrowser>& aBrowser, const std::wstring& aName, int64_t Value);
  void SetAsString(const rtl::TRef<ICefBrowser>& aBrowser, const std::wstring& aName, const std::wstring& Value);

  // Under JsExtentionLocker; a second registration of an id replaces the first. pageId: the
  // page the request went to (-1: none).
  void RegisterHandler(const std::wstring& id, const rtl::TRef<TJsExtentionProc>& proc, int32_t pageId = -1);
  // Main thread. Calls the procedure registered for the id (ids compare exactly) and forgets
  // it; an unknown id is ignored. An error raised by the procedure propagates after the locker
  // is left; the entry is gone all the same.
  void UnRegisterHandler(const std::wstring& aId, const std::wstring& aExpStr, const rtl::TVariant& aValue);
  size_t PendingCount() const;
  // Main thread. Answers every request pending for the page (every request sent to a page, for
  // -1) with kJsRequestPageGone: each procedure once, outside the locker. A procedure's error
  // (a blocking form's, after its caller was released) is reported as the page manager reports
  // errors unless reportErrors is false (the page manager is being destroyed), and the other
  // requests are answered all the same.
  void AbandonPageRequests(int32_t pageId, bool reportErrors = true);

private:
  template <class TResult, class TConvert>
  friend class TBlockingReply;
  friend void JsExtentionPageGone(int32_t pageId);

  // Moves the procedures of the page's pending requests (every page's, for -1) into `taken`.
  void TakePageRequests(int32_t pageId, std::vector<rtl::TRef<TJsExtentionProc>>& taken);
  static void AnswerPageGone(const std::vector<rtl::TRef<TJsExtentionProc>>& abandoned, bool reportErrors);

  static void RaiseScriptError(const std::wstring& text);
  TWaitResult WaitForReply(DWORD timeoutMs);
  void SignalReply();
  // True when the request went out.
  bool SendReadRequest(const rtl::TRef<ICefBrowser>& browser, int32_t kind, const std::wstring& name,
                       const std::wstring& id);
  bool SendWriteRequest(const rtl::TRef<ICefBrowser>& browser, int32_t kind, const rtl::TVariant& value,
                        const std::wstring& name, const std::wstring& id);
  // New id, registration, send. Give the id; `sent` tells whether the message went out.
  std::wstring RequestRead(const rtl::TRef<TJsExtentionProc>& proc, const rtl::TRef<ICefBrowser>& browser,
                           const std::wstring& name, int32_t kind, bool* sent = nullptr);
  std::wstring RequestWrite(const rtl::TRef<TJsExtentionProc>& proc, const rtl::TRef<ICefBrowser>& browser,
                            const rtl::TVariant& value, const std::wstring& name, int32_t kind,
                            bool* sent = nullptr);
  // Blocking request: the reply procedure's slot after the answer (or at once when unsent).
  template <class TResult, class TConvert>
  TResult Wait(const rtl::TRef<ICefBrowser>& browser, const std::wstring& name, int32_t kind,
               const rtl::TVariant* value);

  struct TPendingRequest {
    rtl::TRef<TJsExtentionProc> proc;
    int32_t pageId;
  };
  rtl::TUniqueHandle FEvent;  // auto-reset, unnamed
  std::map<std::wstring, TPendingRequest> FHandlers;
};

// Main thread (the runtime's UI thread): a page closed or its render process ended. Every
// extention of the process answers the requests pending for it, as AbandonPageRequests does.
void JsExtentionPageGone(int32_t pageId);

// The extention of the most recent blocking call (process-wide).
extern TVoraDJsExtention* CurrentJsExtention;

// ---- render side (render thread, inside the runtime's message delivery)

// Answers one "@voradbrowser_torender_jsextention" request of `browser` with
// "@voradbrowser_tobrowser_jsextention". Kinds 0 to 3 always get an answer (empty without a
// script context); nothing raised while answering leaves here: it becomes the error text.
void HandleJsRequest(const rtl::TRef<ICefBrowser>& browser, const rtl::TRef<ICefProcessMessage>& message);
// Runs the procedure object of a "@voradbrowser_runinrender" message with the page it names.
// The addresses are only meaningful inside the browser process, so in a render sub-process the
// message is ignored.
void HandleRunInRender(const rtl::TRef<ICefBrowser>& browser, const rtl::TRef<ICefProcessMessage>& message);

// ---- browser side of "@voradbrowser_runinrender" (single-process mode)

// Sends the page's and the procedure's addresses and the data pointer to the page's render
// side, with one reference on the page and one on the procedure that the receiver adopts: both
// stay alive until the procedure has run, even when the page closes meanwhile. When the message
// does not go out, both references are given back at once. True when it went out.
bool SendRunInRender(const rtl::TRef<ICefBrowser>& page, const rtl::TRef<TRenderProcessCallbackA>& proc, void* data);

// Unit initialisation: routes the render-process handler's two requests here (every process,
// before the runtime starts). Finalisation removes the routes.
void InitVoraDCoreJsExtention();
void FinalVoraDCoreJsExtention();
