// Ref operations whose contract the call template does not cover, each with the reason.
#include "vorad/cef3/VoraD.Cef3.Ref.Request.h"

// Counted out-array of structures, each adopted; sized by the count entry.
void TCefPostDataRef::GetElements(std::vector<rtl::TRef<ICefPostDataElement>>& elements) {
  cef_post_data_t* self_ = Data();
  if (!self_->get_elements) return;
  size_t elementsCount_ = self_->get_element_count ? self_->get_element_count(self_) : 0;
  std::vector<cef_post_data_element_t*> elements_(elementsCount_, nullptr);
  self_->get_elements(self_, &elementsCount_, elements_.data());
  elements.clear();
  for (size_t i = 0; i < elementsCount_ && i < elements_.size(); ++i) elements.push_back(::UnWrap(elements_[i]));
}

// Out-string: the entry fills `error`, which is copied and cleared.
bool TCefRequestContextRef::SetPreference(const std::wstring& name,
    const rtl::TRef<ICefValue>& value, std::wstring& error) {
  cef_request_context_t* self_ = Data();
  if (!self_->set_preference) return false;
  const cef_string_t name_ = TCef3Helper::CefString(name);
  cef_string_t error_{};
  auto result_ = self_->set_preference(self_, &name_,
      static_cast<cef_value_t*>(TCef3Helper::CefGetData(value.Get())), &error_);
  error = TCef3Helper::CefStringClearAndGet(&error_);
  return result_ != 0;
}
