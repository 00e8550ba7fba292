#include "vorad/cef3/VoraD.Handler.ResourceBundle.h"

bool TVoraDResourceBundleHandler::GetLocalizedString(int string_id, std::wstring& string) {
  string.clear();
  bool result = false;
  if (FOnGetLocalizedString) FOnGetLocalizedString(string_id, string, result);
  return result;
}

bool TVoraDResourceBundleHandler::GetDataResource(int resource_id, void*& data, size_t& data_size) {
  bool result = false;
  if (FOnGetDataResource) FOnGetDataResource(resource_id, data, data_size, result);
  return result;
}

bool TVoraDResourceBundleHandler::GetDataResourceForScale(int resource_id, cef_scale_factor_t scale_factor,
                                                          void*& data, size_t& data_size) {
  bool result = false;
  if (FOnGetDataResourceForScale) FOnGetDataResourceForScale(resource_id, scale_factor, data, data_size, result);
  return result;
}
