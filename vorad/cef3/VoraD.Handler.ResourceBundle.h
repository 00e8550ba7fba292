#pragma once
// The resource bundle handler the application object hands to the runtime. With no event set
// every operation answers false and the runtime uses its own resources. The runtime may call
// it from several of its threads; the events are set before the runtime starts.
#include <functional>
#include <string>

#include "vorad/cef3/VoraD.Cef3.Classes.h"
#include "vorad/cef3/VoraD.Handler.Events.h"

using TOnGetLocalizedString = std::function<void(int messageId, std::wstring& stringVal, bool& Cancel)>;
using TOnGetDataResource =
    std::function<void(int resourceId, void*& data, size_t& dataSize, bool& Cancel)>;
// The size is a reference (not a value) so that an event can report the size of what it supplies.
using TOnGetDataResourceForScale = std::function<void(int resourceId, cef_scale_factor_t scaleFactor,
                                                      void*& data, size_t& dataSize, bool& Cancel)>;

#define VORAD_RESOURCE_BUNDLE_EVENTS(X)          \
  X(TOnGetLocalizedString, OnGetLocalizedString) \
  X(TOnGetDataResource, OnGetDataResource)       \
  X(TOnGetDataResourceForScale, OnGetDataResourceForScale)

class IVoraDResourceBundleHandler : public virtual ICefResourceBundleHandler {
public:
  VORAD_RESOURCE_BUNDLE_EVENTS(VORAD_EVENT_ACCESSORS)
};

class TVoraDResourceBundleHandler : public TCefResourceBundleHandlerOwn,
                                    public IVoraDResourceBundleHandler {
public:
  // True when the event supplied the value (its Cancel set); the adapter then hands the text to
  // the runtime as an owned copy.
  bool GetLocalizedString(int string_id, std::wstring& string) override {
    string.clear();
    return RaiseForAnswer(FOnGetLocalizedString, string_id, string);
  }
  bool GetDataResource(int resource_id, void*& data, size_t& data_size) override {
    return RaiseForAnswer(FOnGetDataResource, resource_id, data, data_size);
  }
  bool GetDataResourceForScale(int resource_id, cef_scale_factor_t scale_factor, void*& data,
                               size_t& data_size) override {
    return RaiseForAnswer(FOnGetDataResourceForScale, resource_id, scale_factor, data, data_size);
  }

  VORAD_RESOURCE_BUNDLE_EVENTS(VORAD_EVENT_SLOT)

private:
  VORAD_RESOURCE_BUNDLE_EVENTS(VORAD_EVENT_FIELD)
};
