// cef_urlrequest_t: the transfer runs on a worker thread of its own; every client callback is
// posted to the thread that created the request, in order, ending with on_request_complete.
#include <atomic>

#include "Cef.Fetch.h"
#include "Cef.Parse.h"
#include "Cef.Request.h"
#include "Cef.Runtime.h"
#include "Cef.Threads.h"
#include "Cef.Trace.h"

namespace standin {

namespace {

class TUrlRequest : public TCefObject<TUrlRequest, cef_urlrequest_t> {
public:
  TUrlRequest(TRequestData request, TCRef<cef_urlrequest_client_t> client, std::shared_ptr<TTaskQueue> origin)
      : FRequest(std::move(request)), FClient(std::move(client)), FOrigin(std::move(origin)) {
    auto& s = FStruct;
    s.get_request = [](cef_urlrequest_t* self) CALLBACK -> cef_request_t* {
      return Guard<cef_request_t*>(nullptr, [&] {
        return NewRequest(std::make_shared<TRequestData>(From(self)->FRequest), true);
      });
    };
    s.get_client = [](cef_urlrequest_t* self) CALLBACK -> cef_urlrequest_client_t* { return From(self)->FClient.Wrap(); };
    s.get_request_status = [](cef_urlrequest_t* self) CALLBACK -> cef_urlrequest_status_t { return From(self)->FStatus.load(); };
    s.get_request_error = [](cef_urlrequest_t* self) CALLBACK -> cef_errorcode_t { return From(self)->FError.load(); };
    s.get_response = [](cef_urlrequest_t* self) CALLBACK -> cef_response_t* {
      return Guard<cef_response_t*>(nullptr, [&]() -> cef_response_t* {
        TUrlRequest* r = From(self);
        std::lock_guard<std::mutex> l(r->FLock);
        return r->FResponse ? NewResponse(std::make_shared<TResponseData>(*r->FResponse), true) : nullptr;
      });
    };
    s.cancel = [](cef_urlrequest_t* self) CALLBACK { From(self)->FCancelled = true; };
  }

  void Start() {
    AddRef();  // the worker's own reference
    StartDetached([this] {
      GuardVoid([this] { Run(); });
      Release();
    });
  }

private:
  // Posts a client call to the origin thread with a reference of its own on this request.
  template <class F>
  void ToOrigin(F&& call) {
    AddRef();
    TUrlRequest* self = this;
    if (!FOrigin->Post([self, call = std::forward<F>(call)] {
          GuardVoid([&] { call(self); });
          self->Release();
        }))
      Release();
  }

  void Run() {
    TFetchRequest rq;
    rq.url = FRequest.url;
    rq.method = FRequest.method.empty() ? L"GET" : FRequest.method;
    rq.headers = FRequest.headers;
    rq.body = FRequest.Body();
    if (BrowserSideUp()) rq.userAgent = Settings().userAgent;
    TUrlParts parts;
    if (ParseUrl(rq.url, parts)) {
      rq.username = FromUtf8(PercentDecodeBytes(ToUtf8(parts.username)));
      rq.password = FromUtf8(PercentDecodeBytes(ToUtf8(parts.password)));
    }
    const bool noData = (FRequest.flags & UR_FLAG_NO_DOWNLOAD_DATA) != 0;
    TFetchCallbacks cb;
    cb.cancelled = &FCancelled;
    cb.onResponse = [this](const TFetchResponse& resp) {
      auto data = std::make_shared<TResponseData>();
      data->status = resp.status;
      data->statusText = resp.statusText;
      data->mimeType = resp.mimeType;
      data->headers = resp.headers;
      std::lock_guard<std::mutex> l(FLock);
      FResponse = data;
      return true;
    };
    cb.onData = [this, noData](const char* bytes, size_t size, std::int64_t received, std::int64_t total) {
      if (!noData) {
        auto chunk = std::make_shared<std::string>(bytes, size);
        ToOrigin([chunk](TUrlRequest* self) {
          if (STANDIN_HAS(self->FClient.Get(), on_download_data))
            self->FClient->on_download_data(self->FClient.Get(), self->Wrap(), chunk->data(), chunk->size());
        });
      }
      ToOrigin([received, total](TUrlRequest* self) {
        if (STANDIN_HAS(self->FClient.Get(), on_download_progress))
          self->FClient->on_download_progress(self->FClient.Get(), self->Wrap(), received, total);
      });
      return true;
    };
    const cef_errorcode_t err = Fetch(rq, cb);
    const bool cancelled = FCancelled.load();
    FError = cancelled ? ERR_ABORTED : err;
    FStatus = cancelled ? UR_CANCELED : (err == ERR_NONE ? UR_SUCCESS : UR_FAILED);
    Trace("urlrequest", rq.url + L" status " + std::to_wstring(FStatus.load()) + L" error " + std::to_wstring(FError.load()));
    ToOrigin([](TUrlRequest* self) {
      if (STANDIN_HAS(self->FClient.Get(), on_request_complete))
        self->FClient->on_request_complete(self->FClient.Get(), self->Wrap());
    });
  }

  TRequestData FRequest;
  TCRef<cef_urlrequest_client_t> FClient;
  std::shared_ptr<TTaskQueue> FOrigin;
  std::atomic<cef_urlrequest_status_t> FStatus{UR_IO_PENDING};
  std::atomic<cef_errorcode_t> FError{ERR_NONE};
  std::atomic<bool> FCancelled{false};
  std::mutex FLock;
  std::shared_ptr<TResponseData> FResponse;
};

}  // namespace

}  // namespace standin

using namespace standin;

extern "C" cef_urlrequest_t* cef_urlrequest_create(cef_request_t* request, cef_urlrequest_client_t* client,
                                                   cef_request_context_t* request_context) {
  auto heldRequest = TCRef<cef_request_t>::Adopt(request);
  auto heldClient = TCRef<cef_urlrequest_client_t>::Adopt(client);
  auto heldContext = TCRef<cef_request_context_t>::Adopt(request_context);
  return Guard<cef_urlrequest_t*>(nullptr, [&]() -> cef_urlrequest_t* {
    // Callbacks go to the creating thread, which must be one of the runtime's.
    auto origin = CurrentQueue();
    TRequestData data;
    if (!origin || !client || !RequestDataOf(request, data)) return nullptr;
    auto* r = new TUrlRequest(std::move(data), heldClient, origin);
    r->Start();
    return r->Struct();
  });
}
