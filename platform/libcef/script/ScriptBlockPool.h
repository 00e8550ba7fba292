#pragma once
// The memory of the render thread's script heap. Reading a published global builds a fresh
// object with a function per member, so script that calls the program in a loop allocates and
// frees hundreds of small blocks per call; the process heap takes a lock and searches its free
// lists for every one of them. Small blocks therefore come from chunks of the pool's own, and a
// freed one waits on the free list of its size class for the next request of that size; larger
// blocks go to the C heap. The chunks are given back when the script heap is gone; until then the
// pool holds, per size class, what the script heap held of that class at its peak.
//
// Not thread-safe: the script heap runs on one thread, and so do its allocation functions.
#include <cstddef>
#include <cstdint>
#include <vector>

namespace standin::script {

class TBlockPool {
public:
  static constexpr size_t kGranule = 16;            // class n holds blocks of (n + 1) * kGranule bytes
  static constexpr size_t kClasses = 32;            // up to 512 bytes
  static constexpr size_t kChunkBytes = 64 * 1024;  // what the pool takes from the C heap at a time

  TBlockPool() = default;
  ~TBlockPool() { Release(); }
  TBlockPool(const TBlockPool&) = delete;
  TBlockPool& operator=(const TBlockPool&) = delete;

  // The C heap's contract, except that a size of 0 counts as 1: null only when memory runs out.
  void* Allocate(size_t size);
  void* Reallocate(void* block, size_t size);
  void Free(void* block);
  // Gives the chunks back to the C heap once no small block is in use; false (and nothing done)
  // while one is.
  bool Release();

  size_t BlocksInUse() const { return FInUse; }
  size_t Chunks() const { return FChunks.size(); }

  // Duktape's allocation functions over a pool passed as their user data.
  static void* DukAlloc(void* pool, size_t size) { return static_cast<TBlockPool*>(pool)->Allocate(size); }
  static void* DukRealloc(void* pool, void* block, size_t size) {
    return static_cast<TBlockPool*>(pool)->Reallocate(block, size);
  }
  static void DukFree(void* pool, void* block) { static_cast<TBlockPool*>(pool)->Free(block); }

private:
  struct TFreeBlock {
    TFreeBlock* next;
  };
  void* Carve(size_t bytes);

  TFreeBlock* FFree[kClasses] = {};
  std::vector<void*> FChunks;
  char* FCursor = nullptr;  // the unused rest of the newest chunk
  size_t FLeft = 0;
  size_t FInUse = 0;        // small blocks handed out and not yet freed
};

}  // namespace standin::script
