// Ref operations whose contract the call template does not cover, each with the reason.
#include "vorad/cef3/VoraD.Cef3.Ref.Misc.h"

// Counted out-array of structures, each adopted; sized by the chain size entry.
void TCefSslInfoRef::GetDerencodedIssuerChain(std::vector<rtl::TRef<ICefBinaryValue>>& chain) {
  cef_sslinfo_t* self_ = Data();
  if (!self_->get_derencoded_issuer_chain) return;
  size_t chainCount_ = self_->get_issuer_chain_size ? self_->get_issuer_chain_size(self_) : 0;
  std::vector<cef_binary_value_t*> chain_(chainCount_, nullptr);
  self_->get_derencoded_issuer_chain(self_, &chainCount_, chain_.data());
  chain.clear();
  for (size_t i = 0; i < chainCount_ && i < chain_.size(); ++i) chain.push_back(::UnWrap(chain_[i]));
}

// Counted out-array of structures, each adopted; sized by the chain size entry.
void TCefSslInfoRef::GetPemencodedIssuerChain(std::vector<rtl::TRef<ICefBinaryValue>>& chain) {
  cef_sslinfo_t* self_ = Data();
  if (!self_->get_pemencoded_issuer_chain) return;
  size_t chainCount_ = self_->get_issuer_chain_size ? self_->get_issuer_chain_size(self_) : 0;
  std::vector<cef_binary_value_t*> chain_(chainCount_, nullptr);
  self_->get_pemencoded_issuer_chain(self_, &chainCount_, chain_.data());
  chain.clear();
  for (size_t i = 0; i < chainCount_ && i < chain_.size(); ++i) chain.push_back(::UnWrap(chain_[i]));
}
