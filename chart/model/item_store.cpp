#include "chart/model/item_store.h"

#include <algorithm>
#include <atomic>
#include <cstdlib>
#include <cstring>
#include <functional>
#include <mutex>
#include <new>
#include <stdexcept>
#include <string>

namespace kurvex {

namespace {

struct FreeDeleter {
  void operator()(void* p) const { std::free(p); }
};

// Memory that is not touched until written: a fresh chunk of a long list costs address
// space only, and the pages become resident as items are appended.
template <typename T>
std::unique_ptr<T[], FreeDeleter> AllocateUntouched(std::size_t n) {
  void* p = std::malloc(n * sizeof(T));
  if (p == nullptr) throw std::bad_alloc();
  return std::unique_ptr<T[], FreeDeleter>(static_cast<T*>(p));
}

template <typename T>
std::unique_ptr<T[], FreeDeleter> AllocateZeroed(std::size_t n) {
  void* p = std::calloc(n, sizeof(T));
  if (p == nullptr) throw std::bad_alloc();
  return std::unique_ptr<T[], FreeDeleter>(static_cast<T*>(p));
}

bool HasSecondPoint(const TkxChartItem& item) {
  return !TkxChartItem::SameBits(item.X2, 0.0) || !TkxChartItem::SameBits(item.Y2, 0.0);
}

TkxChartItem WithoutCoordinates(TkxChartItem item) {
  item.X1 = item.Y1 = item.X2 = item.Y2 = 0;
  return item;
}

}  // namespace

struct TKxItemContainer::Chunk {
  // The X1 and Y1 columns share one block. The Y1 column starts 264 doubles (2112 bytes)
  // after the end of the X1 column: two columns a whole number of pages apart would put
  // x[k] and y[k] in the same cache set, and appending, which writes both, runs about a
  // quarter slower then.
  static constexpr std::size_t kColumnGap = 264;
  std::unique_ptr<double[], FreeDeleter> block = AllocateUntouched<double>(2 * kChunkSize + kColumnGap);
  double* x = block.get();
  double* y = block.get() + kChunkSize + kColumnGap;
  // Created zero-filled on the first item of the chunk with a second point.
  std::unique_ptr<double[], FreeDeleter> x2;
  std::unique_ptr<double[], FreeDeleter> y2;
  // Valid for the blocks below the list's summarized count; whole once all blocks are.
  std::array<TBlockSummary, kBlocksPerChunk> blocks;
  std::array<TBlockSummary, kGroupsPerChunk> groups;
  TBlockSummary whole;

  void EnsureSecondPoints() {
    if (x2) return;
    auto nx = AllocateZeroed<double>(kChunkSize);
    auto ny = AllocateZeroed<double>(kChunkSize);
    x2 = std::move(nx);
    y2 = std::move(ny);
  }
};

namespace {
std::uint64_t NextGeneration() {
  static std::atomic<std::uint64_t> counter{0};
  return ++counter;
}
}  // namespace

namespace {

// Chunks of emptied lists are kept for reuse, up to 240 chunks (about 256 MB, the items of
// 15.7 million points): a chart that is cleared and filled again (every "Start" of a speed
// test, a refill of live data) then writes into memory that is already resident instead of
// faulting in fresh pages for every item, which costs more than the appends themselves.
// Memory beyond the bound goes back to the system at once.
class ChunkPool {
 public:
  static constexpr std::size_t kMaxChunks = 240;

  std::unique_ptr<TKxItemContainer::Chunk> Take();
  void Give(std::unique_ptr<TKxItemContainer::Chunk> chunk);

 private:
  std::mutex mutex_;
  std::vector<std::unique_ptr<TKxItemContainer::Chunk>> free_;
};

ChunkPool& Pool() {
  static ChunkPool* pool = new ChunkPool();  // never destroyed: lists may outlive statics
  return *pool;
}

}  // namespace

std::unique_ptr<TKxItemContainer::Chunk> ChunkPool::Take() {
  {
    std::lock_guard<std::mutex> lock(mutex_);
    if (!free_.empty()) {
      auto chunk = std::move(free_.back());
      free_.pop_back();
      return chunk;
    }
  }
  return std::make_unique<TKxItemContainer::Chunk>();
}

void ChunkPool::Give(std::unique_ptr<TKxItemContainer::Chunk> chunk) {
  chunk->x2.reset();
  chunk->y2.reset();
  std::lock_guard<std::mutex> lock(mutex_);
  if (free_.size() < kMaxChunks) free_.push_back(std::move(chunk));
}

TKxItemContainer::TKxItemContainer() : generation_(NextGeneration()) {}

TKxItemContainer::~TKxItemContainer() { ReleaseChunks(); }

void TKxItemContainer::ReleaseChunks() {
  for (auto& chunk : chunks_) Pool().Give(std::move(chunk));
  chunks_.clear();
  chunks_.shrink_to_fit();
}

std::size_t TKxItemContainer::AttrHash::operator()(const TkxChartItem& a) const {
  // FNV-1a over the attribute fields (the coordinates are always zero in keys).
  std::uint64_t h = 1469598103934665603ull;
  auto mix = [&h](std::uint64_t v) {
    h ^= v;
    h *= 1099511628211ull;
  };
  mix(a.Color);
  mix(a.FillColor);
  mix(a.ShadeColor);
  mix(a.HiliteColor);
  mix(static_cast<std::uint64_t>(a.PenStyle));
  mix(static_cast<std::uint32_t>(a.Reserved));
  mix(static_cast<std::uint32_t>(a.LineWidth));
  mix(a.ClassNo | (std::uint64_t{a.Kind} << 8) | (std::uint64_t{a.Hollow} << 16) |
      (std::uint64_t{a.FrameStyle} << 24) | (std::uint64_t{a.CoordMode} << 32));
  mix(static_cast<std::uint32_t>(a.Layer));
  mix(static_cast<std::uint32_t>(a.Param1));
  mix(static_cast<std::uint32_t>(a.Param2));
  mix(static_cast<std::uint32_t>(a.MarkType));
  mix(std::hash<std::string_view>()(a.ShortText.Get()));
  return static_cast<std::size_t>(h);
}

bool TKxItemContainer::AttrEqual::operator()(const TkxChartItem& a, const TkxChartItem& b) const { return a == b; }

std::uint32_t TKxItemContainer::InternAttrs(const TkxChartItem& attrs) {
  const TkxChartItem key = WithoutCoordinates(attrs);
  if (!attr_sets_.empty() && attr_sets_[last_attr_id_] == key) return last_attr_id_;
  auto found = attr_index_.find(key);
  if (found != attr_index_.end()) {
    last_attr_id_ = found->second;
    return last_attr_id_;
  }
  if (attr_sets_.size() >= kNoAttr) throw std::length_error("Too many distinct chart item attribute sets");
  const auto id = static_cast<std::uint32_t>(attr_sets_.size());
  attr_sets_.push_back(key);
  try {
    attr_index_.emplace(key, id);
  } catch (...) {
    attr_sets_.pop_back();
    throw;
  }
  last_attr_id_ = id;
  return id;
}

void TKxItemContainer::MakeRoom(std::size_t alloc_step) {
  if (count_ > summarized_ && (count_ & TBlockSummary::kBlockMask) == 0) SummarizeLastBlock();
  // Allocate first, so that running out of memory leaves the list unchanged.
  if ((count_ & kChunkMask) == 0 && chunks_.size() == count_ >> kChunkShift) {
    chunks_.push_back(Pool().Take());
  }
  if (count_ == capacity_) capacity_ += std::max<std::size_t>(alloc_step, 1);
  UpdateTail();
}

void TKxItemContainer::UpdateTail() {
  if (chunks_.empty()) {
    tail_x_ = tail_y_ = nullptr;
    chunk_start_ = 0;
    limit_ = 0;
    return;
  }
  // The chunk that receives item count_ (or the last one when it is exactly full).
  const std::size_t ci = std::min(count_ >> kChunkShift, chunks_.size() - 1);
  Chunk& c = *chunks_[ci];
  tail_x_ = c.x;
  tail_y_ = c.y;
  chunk_start_ = ci << kChunkShift;
  // The end of the block that receives item count_; a chunk that is exactly full (the next
  // one not allocated yet) stops appends at once.
  limit_ = std::min({capacity_, chunk_start_ + kChunkSize, (count_ | TBlockSummary::kBlockMask) + 1});
}

void TKxItemContainer::SummarizeLastBlock() {
  const std::size_t first = count_ - TBlockSummary::kBlockSize;
  Chunk& c = ChunkFor(first);
  const std::size_t k = first & kChunkMask;
  const std::size_t b = k >> TBlockSummary::kBlockShift;
  c.blocks[b] = SummarizePoints(c.x + k, c.y + k, TBlockSummary::kBlockSize);
  constexpr std::size_t per_group = TBlockSummary::kBlocksPerGroup;
  if ((b + 1) % per_group == 0) {
    c.groups[b / per_group] =
        SummarizeBlocks(c.blocks.data() + (b + 1 - per_group), per_group, TBlockSummary::kBlockSize);
  }
  if (b + 1 == kBlocksPerChunk) {
    c.whole = SummarizeBlocks(c.groups.data(), kGroupsPerChunk, TBlockSummary::kBlockSize * per_group);
  }
  summarized_ = count_;
}

TKxItemContainer::Chunk& TKxItemContainer::ChunkFor(std::size_t index) { return *chunks_[index >> kChunkShift]; }

void TKxItemContainer::Append(const TkxChartItem& item, std::size_t alloc_step) {
  const std::uint32_t id = InternAttrs(item);
  if (count_ == limit_) MakeRoom(alloc_step);
  const bool second = HasSecondPoint(item);
  if (second) ChunkFor(count_).EnsureSecondPoints();
  AppendPoint(id, item.X1, item.Y1, alloc_step);
  if (second) {
    // Written only once the item exists: a failed append leaves no stale second point.
    const std::size_t k = (count_ - 1) & kChunkMask;
    Chunk& c = ChunkFor(count_ - 1);
    c.x2[k] = item.X2;
    c.y2[k] = item.Y2;
  }
}

TkxChartItem TKxItemContainer::At(std::size_t index) const {
  if (index >= capacity_) {
    throw std::out_of_range("Chart item index " + std::to_string(index) + " is out of range (capacity " +
                            std::to_string(capacity_) + ")");
  }
  if (index >= count_) return TkxChartItem{};
  const Chunk& c = *chunks_[index >> kChunkShift];
  const std::size_t k = index & kChunkMask;
  TkxChartItem item = attr_sets_[runs_[RunOf(index)].Id];
  item.X1 = c.x[k];
  item.Y1 = c.y[k];
  if (c.x2) {
    item.X2 = c.x2[k];
    item.Y2 = c.y2[k];
  }
  return item;
}

void TKxItemContainer::Clear() {
  ReleaseChunks();
  attr_sets_.clear();
  attr_sets_.shrink_to_fit();
  attr_index_ = {};
  last_attr_id_ = 0;
  runs_.clear();
  runs_.shrink_to_fit();
  closed_kind_counts_.fill(0);
  tail_attr_ = kNoAttr;
  generation_ = NextGeneration();
  count_ = 0;
  capacity_ = 0;
  summarized_ = 0;
  UpdateTail();
}

void TKxItemContainer::CopyFrom(const TKxItemContainer& source, std::size_t capacity) {
  if (&source == this) {
    capacity_ = std::max(capacity, count_);
    return;
  }
  // Build the copy aside so that running out of memory leaves this list as it was.
  std::vector<std::unique_ptr<Chunk>> chunks;
  chunks.reserve(source.chunks_.size());
  for (std::size_t ci = 0; ci < source.chunks_.size(); ++ci) {
    const Chunk& from = *source.chunks_[ci];
    const std::size_t used = std::min(kChunkSize, source.count_ - ci * kChunkSize);
    auto to = Pool().Take();
    std::memcpy(to->x, from.x, used * sizeof(double));
    std::memcpy(to->y, from.y, used * sizeof(double));
    if (from.x2) {
      to->EnsureSecondPoints();
      std::memcpy(to->x2.get(), from.x2.get(), used * sizeof(double));
      std::memcpy(to->y2.get(), from.y2.get(), used * sizeof(double));
    }
    to->blocks = from.blocks;
    to->groups = from.groups;
    to->whole = from.whole;
    chunks.push_back(std::move(to));
  }
  std::vector<TkxChartItem> attr_sets = source.attr_sets_;
  auto attr_index = source.attr_index_;
  std::vector<Run> runs = source.runs_;

  ReleaseChunks();
  chunks_ = std::move(chunks);
  attr_sets_ = std::move(attr_sets);
  attr_index_ = std::move(attr_index);
  last_attr_id_ = source.last_attr_id_;
  runs_ = std::move(runs);
  closed_kind_counts_ = source.closed_kind_counts_;
  tail_attr_ = source.tail_attr_;
  generation_ = NextGeneration();
  count_ = source.count_;
  capacity_ = std::max(capacity, count_);
  summarized_ = source.summarized_;
  UpdateTail();
}

std::size_t TKxItemContainer::MemoryBytes() const {
  std::size_t bytes = chunks_.capacity() * sizeof(void*);
  for (const auto& c : chunks_) {
    bytes += sizeof(Chunk) + kChunkSize * 2 * sizeof(double);
    if (c->x2) bytes += 2 * kChunkSize * sizeof(double);
  }
  bytes += runs_.capacity() * sizeof(Run);
  bytes += attr_sets_.capacity() * sizeof(TkxChartItem);
  bytes += attr_index_.size() * (sizeof(TkxChartItem) + 4 * sizeof(void*));
  return bytes;
}

void TKxItemContainer::StartRun(std::uint32_t attr_id) {
  runs_.push_back(Run{count_, attr_id});
  if (runs_.size() > 1) {
    const Run& closed = runs_[runs_.size() - 2];
    closed_kind_counts_[attr_sets_[closed.Id].Kind] += count_ - closed.Start;
  }
  tail_attr_ = attr_id;
}

std::size_t TKxItemContainer::KindCount(int kind) const {
  if (kind < 0 || kind > 255) return 0;
  std::size_t n = closed_kind_counts_[static_cast<std::size_t>(kind)];
  if (!runs_.empty() && attr_sets_[runs_.back().Id].Kind == kind) n += count_ - runs_.back().Start;
  return n;
}

std::size_t TKxItemContainer::RunOf(std::size_t index) const {
  // The last run whose start is at or before index.
  auto after = std::upper_bound(runs_.begin(), runs_.end(), index,
                                [](std::size_t i, const Run& r) { return i < r.Start; });
  return static_cast<std::size_t>(after - runs_.begin()) - 1;
}

TKxItemContainer::RunCursor::RunCursor(const TKxItemContainer& items, std::size_t begin, std::size_t end)
    : items_(&items), next_(begin), end_(std::min(end, items.count_)), run_(0) {
  if (next_ < end_) run_ = items.RunOf(next_);
}

bool TKxItemContainer::RunCursor::Next(TItemRun& run) {
  if (next_ >= end_) return false;
  const auto& runs = items_->runs_;
  while (run_ + 1 < runs.size() && runs[run_ + 1].Start <= next_) ++run_;
  const Chunk& c = *items_->chunks_[next_ >> kChunkShift];
  const std::size_t chunk_start = next_ & ~kChunkMask;
  const std::size_t first = next_ - chunk_start;
  std::size_t stop = std::min(end_, chunk_start + kChunkSize);
  if (run_ + 1 < runs.size()) stop = std::min(stop, runs[run_ + 1].Start);

  run.First = next_;
  run.Count = stop - next_;
  run.Attrs = &items_->attr_sets_[runs[run_].Id];
  run.X1 = c.x + first;
  run.Y1 = c.y + first;
  run.X2 = c.x2 ? c.x2.get() + first : nullptr;
  run.Y2 = c.y2 ? c.y2.get() + first : nullptr;
  run.Blocks = c.blocks.data();
  run.Groups = c.groups.data();
  run.Whole = &c.whole;
  run.ChunkStart = chunk_start;
  const std::size_t done = items_->summarized_ > chunk_start ? items_->summarized_ - chunk_start : 0;
  run.BlocksDone = std::min(done >> TBlockSummary::kBlockShift, kBlocksPerChunk);
  next_ = stop;
  return true;
}

}  // namespace kurvex
