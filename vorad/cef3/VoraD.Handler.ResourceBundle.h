#pragma once
// The resource bundle handler the application object hands to the runtime. With no event set
// every operation answers false and the runtime uses its own resources. The runtime may call
// it from several of its threads; the events are set before the runtime starts.
#include <functional>
#include <string>

#include "vorad/cef3/VoraD.Cef3.Classes.h"

using TOnGetLocalizedString = std::function<void(int messageId, std::wstring& stringVal, bool& Cancel)>;
using TOnGetDataResource =
    std::function<void(int resourceId, void*& data, size_t& dataSize, bool& Cancel)>;
// The size is a reference (not a value) so that an event can report the size of what it supplies.
using TOnGetDataResourceForScale = std::function<void(int resourceId, cef_scale_factor_t scaleFactor,
                                                      void*& data, size_t& dataSize, bool& Cancel)>;

class IVoraDResourceBundleHandler : public virtual ICefResourceBundleHandler {
public:
  virtual TOnGetLocalizedString GetOnGetLocalizedString() const = 0;
  virtual void SetOnGetLocalizedString(TOnGetLocalizedString v) = 0;
  virtual TOnGetDataResource GetOnGetDataResource() const = 0;
  virtual void SetOnGetDataResource(TOnGetDataResource v) = 0;
  virtual TOnGetDataResourceForScale GetOnGetDataResourceForScale() const = 0;
  virtual void SetOnGetDataResourceForScale(TOnGetDataResourceForScale v) = 0;
};

class TVoraDResourceBundleHandler : public TCefResourceBundleHandlerOwn,
                                    public IVoraDResourceBundleHandler {
public:
  // True when the event supplied the value (its Cancel set); the adapter then hands the text to
  // the runtime as an owned copy.
  bool GetLocalizedString(int string_id, std::wstring& string) override;
  bool GetDataResource(int resource_id, void*& data, size_t& data_size) override;
  bool GetDataResourceForScale(int resource_id, cef_scale_factor_t scale_factor, void*& data,
                               size_t& data_size) override;

  TOnGetLocalizedString GetOnGetLocalizedString() const override { return FOnGetLocalizedString; }
  void SetOnGetLocalizedString(TOnGetLocalizedString v) override { FOnGetLocalizedString = std::move(v); }
  TOnGetDataResource GetOnGetDataResource() const override { return FOnGetDataResource; }
  void SetOnGetDataResource(TOnGetDataResource v) override { FOnGetDataResource = std::move(v); }
  TOnGetDataResourceForScale GetOnGetDataResourceForScale() const override { return FOnGetDataResourceForScale; }
  void SetOnGetDataResourceForScale(TOnGetDataResourceForScale v) override { FOnGetDataResourceForScale = std::move(v); }

private:
  TOnGetLocalizedString FOnGetLocalizedString;
  TOnGetDataResource FOnGetDataResource;
  TOnGetDataResourceForScale FOnGetDataResourceForScale;
};
