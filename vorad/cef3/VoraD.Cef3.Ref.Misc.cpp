// Ref operations whose contract the call template does not cover, each with the reason.
#include "vorad/cef3/VoraD.Cef3.Ref.Misc.h"

namespace {

// Counted out-array of structures, each adopted; sized by the chain size entry, and the entry
// reports how many it wrote.
template <auto Entry>
void ReadIssuerChain(cef_sslinfo_t* self, std::vector<rtl::TRef<ICefBinaryValue>>& chain) {
  if (!(self->*Entry)) return;
  size_t count = self->get_issuer_chain_size ? self->get_issuer_chain_size(self) : 0;
  std::vector<cef_binary_value_t*> items(count, nullptr);
  (self->*Entry)(self, &count, items.data());
  chain.clear();
  for (size_t i = 0; i < count && i < items.size(); ++i) chain.push_back(::UnWrap(items[i]));
}

}  // namespace

void TCefSslInfoRef::GetDerencodedIssuerChain(std::vector<rtl::TRef<ICefBinaryValue>>& chain) {
  ReadIssuerChain<&cef_sslinfo_t::get_derencoded_issuer_chain>(Data(), chain);
}

void TCefSslInfoRef::GetPemencodedIssuerChain(std::vector<rtl::TRef<ICefBinaryValue>>& chain) {
  ReadIssuerChain<&cef_sslinfo_t::get_pemencoded_issuer_chain>(Data(), chain);
}
