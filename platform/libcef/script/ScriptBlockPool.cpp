#include "platform/libcef/script/ScriptBlockPool.h"

#include <cstdlib>
#include <cstring>

namespace standin::script {

namespace {

// Every block starts with a header that names its class, so that free and realloc, which get no
// size, know where the block goes. The header's size keeps the C heap's alignment for the caller.
constexpr size_t kHeader = 16;
constexpr uint32_t kLarge = 0xFFFFFFFFu;

struct THeader {
  uint32_t cls;   // size class, or kLarge for a block of the C heap sized to its request
  uint32_t size;  // a large block's usable size (up to 4 GiB less the header; larger are refused)
};
static_assert(sizeof(THeader) <= kHeader, "the header fits in front of the block");

THeader* HeaderOf(void* block) { return reinterpret_cast<THeader*>(static_cast<char*>(block) - kHeader); }
void* BlockOf(void* raw) { return static_cast<char*>(raw) + kHeader; }

size_t ClassOf(size_t size) { return size == 0 ? 0 : (size - 1) / TBlockPool::kGranule; }
size_t ClassBytes(size_t cls) { return (cls + 1) * TBlockPool::kGranule; }
size_t UsableBytes(const THeader* h) { return h->cls == kLarge ? h->size : ClassBytes(h->cls); }

}  // namespace

void* TBlockPool::Carve(size_t bytes) {
  if (FLeft < bytes) {
    // The rest of the old chunk is too small for this class; it stays unused.
    void* chunk = std::malloc(kChunkBytes);
    if (!chunk) return nullptr;
    try {
      FChunks.push_back(chunk);
    } catch (...) {
      std::free(chunk);
      return nullptr;
    }
    FCursor = static_cast<char*>(chunk);
    FLeft = kChunkBytes;
  }
  void* raw = FCursor;
  FCursor += bytes;
  FLeft -= bytes;
  return raw;
}

void* TBlockPool::Allocate(size_t size) {
  const size_t cls = ClassOf(size);
  if (cls < kClasses) {
    void* block = FFree[cls];
    if (block) {
      FFree[cls] = FFree[cls]->next;
    } else {
      void* raw = Carve(kHeader + ClassBytes(cls));
      if (!raw) return nullptr;
      *static_cast<THeader*>(raw) = {uint32_t(cls), 0};
      block = BlockOf(raw);
    }
    ++FInUse;
    return block;
  }
  if (size > 0xFFFFFFFFu - kHeader) return nullptr;
  void* raw = std::malloc(kHeader + size);
  if (!raw) return nullptr;
  *static_cast<THeader*>(raw) = {kLarge, uint32_t(size)};
  return BlockOf(raw);
}

void* TBlockPool::Reallocate(void* block, size_t size) {
  if (!block) return Allocate(size);
  THeader* h = HeaderOf(block);
  const size_t cls = ClassOf(size);
  if (h->cls != kLarge && h->cls == cls) return block;
  if (h->cls == kLarge && cls >= kClasses) {
    if (size > 0xFFFFFFFFu - kHeader) return nullptr;
    void* raw = std::realloc(h, kHeader + size);
    if (!raw) return nullptr;
    static_cast<THeader*>(raw)->size = uint32_t(size);
    return BlockOf(raw);
  }
  void* moved = Allocate(size);
  if (!moved) return nullptr;  // the old block stays as it was, as realloc leaves it
  const size_t keep = UsableBytes(h);
  std::memcpy(moved, block, keep < size ? keep : size);
  Free(block);
  return moved;
}

void TBlockPool::Free(void* block) {
  if (!block) return;
  THeader* h = HeaderOf(block);
  if (h->cls == kLarge) {
    std::free(h);
    return;
  }
  auto* b = static_cast<TFreeBlock*>(block);
  b->next = FFree[h->cls];
  FFree[h->cls] = b;
  --FInUse;
}

bool TBlockPool::Release() {
  if (FInUse) return false;
  for (void* chunk : FChunks) std::free(chunk);
  FChunks.clear();
  for (TFreeBlock*& f : FFree) f = nullptr;
  FCursor = nullptr;
  FLeft = 0;
  return true;
}

}  // namespace standin::script
