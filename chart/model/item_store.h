#pragma once
// TKxItemContainer: a growable list of chart items that behaves like an array of
// TkxChartItem records but keeps them compactly.
//
// Layout. Items live in chunks of 65536. Each chunk holds the X1 and Y1 columns; X2/Y2
// columns are added to a chunk only when one of its items has a non-zero X2 or Y2. An
// attribute set is a record with every field except the four coordinates; sets are kept
// once each in a table, and a list of runs says from which index on which set applies.
// A polyline drawn with unchanging attributes therefore costs 16 bytes per item. Growing
// allocates one chunk at a time and never copies the items already stored. Each complete
// block of 256 items gets its summary (block_summary.h) as its last item is appended.
//
// Capacity is the logical length of the array: it grows by the caller's step (AllocSize)
// when an append finds the list full, and reads of indices at or above the item count but
// below the capacity give zero records, as a zero-filled array would.

#include <array>
#include <cstddef>
#include <cstdint>
#include <memory>
#include <unordered_map>
#include <vector>

#include "chart/model/block_summary.h"
#include "chart/model/chart_item.h"

namespace kurvex {

class TKxItemContainer;

// A stretch of consecutive items that share one attribute set and lie in one chunk: the
// renderer's fast path. Coordinates are plain arrays; X2/Y2 are nullptr when all zero.
struct TItemRun {
  std::size_t First = 0;               // index of the first item of the run
  std::size_t Count = 0;               // number of items
  const TkxChartItem* Attrs = nullptr;  // the shared fields (coordinates zero here)
  const double* X1 = nullptr;
  const double* Y1 = nullptr;
  const double* X2 = nullptr;
  const double* Y2 = nullptr;
  // Summaries of the chunk that holds the run: Blocks[b] covers the 256 items from
  // ChunkStart + 256 b and is valid for b < BlocksDone; Groups[g] covers blocks 16 g ..
  // 16 g + 15 and Whole the chunk, each valid when all of its blocks are.
  const TBlockSummary* Blocks = nullptr;
  const TBlockSummary* Groups = nullptr;
  const TBlockSummary* Whole = nullptr;
  std::size_t ChunkStart = 0;
  std::size_t BlocksDone = 0;

  // The full record of item First + k.
  TkxChartItem Item(std::size_t k) const {
    TkxChartItem item = *Attrs;
    item.X1 = X1[k];
    item.Y1 = Y1[k];
    if (X2 != nullptr) {
      item.X2 = X2[k];
      item.Y2 = Y2[k];
    }
    return item;
  }
};

class TKxItemContainer {
 public:
  static constexpr unsigned kChunkShift = 16;
  static constexpr std::size_t kChunkSize = std::size_t{1} << kChunkShift;
  static constexpr std::size_t kChunkMask = kChunkSize - 1;
  static constexpr std::size_t kBlocksPerChunk = kChunkSize / TBlockSummary::kBlockSize;
  static constexpr std::size_t kGroupsPerChunk = kBlocksPerChunk / TBlockSummary::kBlocksPerGroup;

  TKxItemContainer();
  ~TKxItemContainer();
  TKxItemContainer(const TKxItemContainer&) = delete;
  TKxItemContainer& operator=(const TKxItemContainer&) = delete;

  std::size_t Count() const { return count_; }
  std::size_t Capacity() const { return capacity_; }
  // Changes (to a value no other list has had) whenever attribute ids become void, so that
  // callers can cache ids.
  std::uint64_t Generation() const { return generation_; }

  // The record at index (0 <= index < Capacity; zero at and above Count). Throws
  // std::out_of_range for indices at or above the capacity.
  TkxChartItem At(std::size_t index) const;

  // Returns the id of an attribute set (the coordinates of attrs are ignored), adding it
  // to the table when it is new. Ids stay valid until Clear.
  std::uint32_t InternAttrs(const TkxChartItem& attrs);
  const TkxChartItem& AttrsOf(std::uint32_t id) const { return attr_sets_[id]; }
  // Number of items of a kind (0..255) in the list.
  std::size_t KindCount(int kind) const;
  std::size_t AttrSetCount() const { return attr_sets_.size(); }

  // Appends an item with attribute set attr_id at (x, y), X2 = Y2 = 0. When the list is
  // full its capacity first grows by alloc_step. This is the drawing commands' hot path.
  void AppendPoint(std::uint32_t attr_id, double x, double y, std::size_t alloc_step) {
    if (count_ == limit_) MakeRoom(alloc_step);
    if (attr_id != tail_attr_) StartRun(attr_id);
    const std::size_t k = count_ - chunk_start_;
    tail_x_[k] = x;
    tail_y_[k] = y;
    ++count_;
  }

  // The common case of AppendPoint alone: the point continues the last run and fits the
  // capacity. Returns false, appending nothing, otherwise. Reading count_ once into a local
  // keeps the loop free of reloads after the stores.
  bool TryAppendToRun(std::uint32_t attr_id, double x, double y) {
    const std::size_t n = count_;
    if (n == limit_ || attr_id != tail_attr_) [[unlikely]] return false;
    const std::size_t k = n - chunk_start_;
    tail_x_[k] = x;
    tail_y_[k] = y;
    count_ = n + 1;
    return true;
  }

  // Appends a whole record (every field as given).
  void Append(const TkxChartItem& item, std::size_t alloc_step);

  // Empties the list and releases its memory: count and capacity 0, attribute ids void.
  void Clear();

  // Makes this list an exact copy of source's items with the given capacity (at least the
  // source's count).
  void CopyFrom(const TKxItemContainer& source, std::size_t capacity);

  // Visits [begin, end) as runs of items with equal attribute sets within one chunk.
  class RunCursor {
   public:
    RunCursor(const TKxItemContainer& items, std::size_t begin, std::size_t end);
    // Fills run with the next run; false when none is left.
    bool Next(TItemRun& run);

   private:
    const TKxItemContainer* items_;
    std::size_t next_;
    std::size_t end_;
    std::size_t run_;  // index into items_->runs_ of the run that holds next_
  };
  RunCursor Runs() const { return RunCursor(*this, 0, count_); }
  RunCursor Runs(std::size_t begin, std::size_t end) const { return RunCursor(*this, begin, end); }

  // Bytes of heap memory held (chunks, attribute table), for tests and benchmarks.
  std::size_t MemoryBytes() const;

 public:
  struct Chunk;  // the columns of 65536 items (item_store.cpp)

 private:
  struct AttrHash {
    std::size_t operator()(const TkxChartItem& a) const;
  };
  struct AttrEqual {
    bool operator()(const TkxChartItem& a, const TkxChartItem& b) const;
  };

  // Called when count_ reaches limit_: adds a chunk and/or grows the capacity.
  void MakeRoom(std::size_t alloc_step);
  void UpdateTail();
  void ReleaseChunks();
  void StartRun(std::uint32_t attr_id);
  // Summarizes the block that ends at count_ (count_ a multiple of the block size).
  void SummarizeLastBlock();
  // Index into runs_ of the run that holds item index (index < count_).
  std::size_t RunOf(std::size_t index) const;

  // From Start on, items use attribute set Id (up to the next run's start).
  struct Run {
    std::size_t Start;
    std::uint32_t Id;
  };
  Chunk& ChunkFor(std::size_t index);

  std::vector<std::unique_ptr<Chunk>> chunks_;
  std::size_t count_ = 0;
  std::size_t capacity_ = 0;

  // Write position: the last chunk's columns, the index of its first item, and limit_,
  // the count at which a block is complete or the capacity is reached (whichever is first).
  double* tail_x_ = nullptr;
  double* tail_y_ = nullptr;
  std::size_t chunk_start_ = 0;
  std::size_t limit_ = 0;
  // Items whose blocks have their summaries (a multiple of the block size).
  std::size_t summarized_ = 0;

  std::vector<Run> runs_;
  // Items per kind in every run but the last (the last one is counted on reading).
  std::array<std::size_t, 256> closed_kind_counts_{};
  // The attribute set of the last run (kNoAttr when there is none).
  static constexpr std::uint32_t kNoAttr = 0xFFFFFFFFu;
  std::uint32_t tail_attr_ = kNoAttr;

  std::vector<TkxChartItem> attr_sets_;
  std::unordered_map<TkxChartItem, std::uint32_t, AttrHash, AttrEqual> attr_index_;
  std::uint32_t last_attr_id_ = 0;  // valid when attr_sets_ is not empty
  std::uint64_t generation_;
};

}  // namespace kurvex
