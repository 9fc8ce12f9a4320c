// The compact item store must be indistinguishable from a plain array of records: every
// field of every record, counts and capacities, across chunk boundaries and copies.

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <limits>
#include <random>
#include <stdexcept>
#include <string>
#include <vector>

#include "chart/model/item_store.h"

namespace kurvex {
namespace {

constexpr std::size_t kChunk = TKxItemContainer::kChunkSize;

TkxChartItem RandomItem(std::mt19937_64& rng, const TkxChartItem& previous) {
  std::uniform_int_distribution<int> pick(0, 99);
  TkxChartItem item = previous;
  // Usually keep the attributes (long runs), sometimes change one or several fields.
  const int change = pick(rng);
  if (change < 8) item.Color = static_cast<TColor>(rng() & 0xFFFFFF);
  if (change >= 8 && change < 12) item.Kind = static_cast<std::uint8_t>(pick(rng) % 25);
  if (change >= 12 && change < 14) item.ShortText.Set(std::string(pick(rng) % 20, 'a' + pick(rng) % 26));
  if (change == 14) item.Param1 = static_cast<std::int32_t>(rng());
  if (change == 15) item.Layer = 1 + pick(rng) % 16;
  if (change == 16) item.Hollow = !item.Hollow;
  if (change == 17) item.CoordMode = static_cast<std::uint8_t>(pick(rng) % 6);
  if (change == 18) item.PenStyle = static_cast<TPenStyle>(pick(rng) % 7);
  if (change == 19) item.LineWidth = pick(rng);
  if (change == 20) item.MarkType = pick(rng) - 50;
  if (change == 21) item.FrameStyle = static_cast<std::uint8_t>(pick(rng) % 6);
  if (change == 22) item.Reserved = pick(rng);
  if (change == 23) item.ShadeColor = static_cast<TColor>(rng());
  if (change == 24) item.HiliteColor = static_cast<TColor>(rng());
  if (change == 25) item.ClassNo = static_cast<std::uint8_t>(rng());
  if (change == 26) item.Param2 = static_cast<std::int32_t>(rng());
  if (change == 27) item.FillColor = static_cast<TColor>(rng());
  std::normal_distribution<double> value(0.0, 1e6);
  item.X1 = value(rng);
  item.Y1 = value(rng);
  // Second points are rare and sometimes special values.
  const int second = pick(rng);
  item.X2 = second < 3 ? value(rng) : second == 3 ? -0.0 : 0.0;
  item.Y2 = second < 2 ? value(rng) : second == 4 ? std::numeric_limits<double>::infinity() : 0.0;
  return item;
}

TEST(ItemStore, NewListIsEmptyAndReadsNothing) {
  TKxItemContainer items;
  EXPECT_EQ(items.Count(), 0u);
  EXPECT_EQ(items.Capacity(), 0u);
  EXPECT_THROW(items.At(0), std::out_of_range);
}

TEST(ItemStore, CapacityGrowsInAllocSizeStepsAndSlotsAboveCountReadZero) {
  TKxItemContainer items;
  TkxChartItem attrs;
  attrs.Kind = ItemKind::LineTo;
  const std::uint32_t id = items.InternAttrs(attrs);
  for (int i = 0; i < 1000; ++i) items.AppendPoint(id, i, -i, 1000);
  EXPECT_EQ(items.Capacity(), 1000u);
  items.AppendPoint(id, 1000, -1000, 1000);
  EXPECT_EQ(items.Count(), 1001u);
  EXPECT_EQ(items.Capacity(), 2000u);
  EXPECT_EQ(items.At(1999), TkxChartItem{});
  EXPECT_THROW(items.At(2000), std::out_of_range);
  EXPECT_EQ(items.At(1000).X1, 1000.0);
  EXPECT_EQ(items.At(1000).Kind, ItemKind::LineTo);
}

TEST(ItemStore, StepOfOneAndChunkBoundaries) {
  TKxItemContainer items;
  const std::uint32_t id = items.InternAttrs(TkxChartItem{});
  for (std::size_t i = 0; i < kChunk + 3; ++i) items.AppendPoint(id, static_cast<double>(i), 0.5, 1);
  EXPECT_EQ(items.Capacity(), kChunk + 3);
  EXPECT_EQ(items.At(kChunk - 1).X1, static_cast<double>(kChunk - 1));
  EXPECT_EQ(items.At(kChunk).X1, static_cast<double>(kChunk));
  EXPECT_EQ(items.At(kChunk + 2).Y1, 0.5);
}

TEST(ItemStore, RandomAppendsMatchPlainRecordArray) {
  std::mt19937_64 rng(20240611);
  for (int round = 0; round < 3; ++round) {
    TKxItemContainer items;
    std::vector<TkxChartItem> reference;
    TkxChartItem previous;
    std::uniform_int_distribution<std::size_t> step_pick(1, 5000);
    const std::size_t step = step_pick(rng);
    const std::size_t n = kChunk + 40000 * static_cast<std::size_t>(round);
    for (std::size_t i = 0; i < n; ++i) {
      previous = RandomItem(rng, previous);
      reference.push_back(previous);
      if (rng() % 2 == 0) {
        items.Append(previous, step);
      } else if (TkxChartItem::SameBits(previous.X2, 0) && TkxChartItem::SameBits(previous.Y2, 0)) {
        items.AppendPoint(items.InternAttrs(previous), previous.X1, previous.Y1, step);
      } else {
        items.Append(previous, step);
      }
    }
    ASSERT_EQ(items.Count(), reference.size());
    EXPECT_EQ(items.Capacity(), (n + step - 1) / step * step);
    for (std::size_t i = 0; i < n; ++i) ASSERT_EQ(items.At(i), reference[i]) << "index " << i;
    std::array<std::size_t, 256> kinds{};
    for (const TkxChartItem& item : reference) ++kinds[item.Kind];
    for (int k = 0; k < 256; ++k) ASSERT_EQ(items.KindCount(k), kinds[static_cast<std::size_t>(k)]) << "kind " << k;

    // The run cursor covers every item once, in order, with equal attributes per run.
    std::size_t next = 0;
    TItemRun run;
    auto cursor = items.Runs();
    while (cursor.Next(run)) {
      ASSERT_EQ(run.First, next);
      ASSERT_GT(run.Count, 0u);
      for (std::size_t k = 0; k < run.Count; ++k) ASSERT_EQ(run.Item(k), reference[next + k]);
      next += run.Count;
    }
    EXPECT_EQ(next, n);

    // A copy is equal record for record and independent of the original.
    TKxItemContainer copy;
    copy.CopyFrom(items, n + 7);
    EXPECT_EQ(copy.Capacity(), n + 7);
    for (std::size_t i = 0; i < n; i += 97) ASSERT_EQ(copy.At(i), reference[i]);
    copy.Append(reference[0], 1);
    EXPECT_EQ(items.Count(), n);
    EXPECT_EQ(copy.At(n), reference[0]);
  }
}

TEST(ItemStore, PolylineWithConstantAttributesIsOneRunPerChunk) {
  TKxItemContainer items;
  TkxChartItem move;
  move.Kind = ItemKind::MoveTo;
  TkxChartItem line = move;
  line.Kind = ItemKind::LineTo;
  line.FillColor = clSilver;
  items.AppendPoint(items.InternAttrs(move), 0, 0, 1000);
  const std::uint32_t id = items.InternAttrs(line);
  for (std::size_t i = 1; i <= 2 * kChunk; ++i) items.AppendPoint(id, static_cast<double>(i), 1, 1000);
  std::vector<std::size_t> counts;
  TItemRun run;
  for (auto cursor = items.Runs(); cursor.Next(run);) counts.push_back(run.Count);
  EXPECT_EQ(counts, (std::vector<std::size_t>{1, kChunk - 1, kChunk, 1}));
  EXPECT_EQ(items.AttrSetCount(), 2u);
  // A cursor over a sub-range starts and ends where asked.
  auto part = items.Runs(10, 20);
  ASSERT_TRUE(part.Next(run));
  EXPECT_EQ(run.First, 10u);
  EXPECT_EQ(run.Count, 10u);
  EXPECT_EQ(run.X1[0], 10.0);
  EXPECT_FALSE(part.Next(run));
}

// The summary a block of points must have: extremes, last y and where the y extremes first
// occur, or unusable with any NaN or infinity among them.
TBlockSummary Expected(const double* xs, const double* ys, std::size_t n) {
  TBlockSummary s;
  s.XMin = s.XMax = xs[0];
  s.YMin = s.YMax = ys[0];
  for (std::size_t i = 0; i < n; ++i) {
    if (!std::isfinite(xs[i]) || !std::isfinite(ys[i])) return TBlockSummary{};
    s.XMin = std::min(s.XMin, xs[i]);
    s.XMax = std::max(s.XMax, xs[i]);
    s.YMin = std::min(s.YMin, ys[i]);
    s.YMax = std::max(s.YMax, ys[i]);
  }
  s.YLast = ys[n - 1];
  s.YMinAt = static_cast<std::uint32_t>(std::find(ys, ys + n, s.YMin) - ys);
  s.YMaxAt = static_cast<std::uint32_t>(std::find(ys, ys + n, s.YMax) - ys);
  return s;
}

void ExpectSameSummary(const TBlockSummary& got, const TBlockSummary& want, const std::string& where) {
  ASSERT_EQ(got.Usable(), want.Usable()) << where;
  if (!want.Usable()) return;
  EXPECT_EQ(got.XMin, want.XMin) << where;
  EXPECT_EQ(got.XMax, want.XMax) << where;
  EXPECT_EQ(got.YMin, want.YMin) << where;
  EXPECT_EQ(got.YMax, want.YMax) << where;
  EXPECT_EQ(got.YLast, want.YLast) << where;
  EXPECT_EQ(got.YMinAt, want.YMinAt) << where;
  EXPECT_EQ(got.YMaxAt, want.YMaxAt) << where;
}

// Checks every summary the runs of a list offer against its points.
void ExpectSummariesMatchPoints(const TKxItemContainer& items, const std::vector<double>& xs,
                                const std::vector<double>& ys) {
  constexpr std::size_t kBlock = TBlockSummary::kBlockSize;
  constexpr std::size_t kGroup = kBlock * TBlockSummary::kBlocksPerGroup;
  TItemRun run;
  for (auto cursor = items.Runs(); cursor.Next(run);) {
    const std::size_t complete = items.Count() / kBlock;  // blocks whose last item exists
    const std::size_t chunk_blocks = run.ChunkStart / kBlock;
    EXPECT_EQ(run.BlocksDone, std::min(complete - std::min(complete, chunk_blocks), TKxItemContainer::kBlocksPerChunk));
    for (std::size_t b = 0; b < run.BlocksDone; ++b) {
      const std::size_t first = run.ChunkStart + b * kBlock;
      ExpectSameSummary(run.Blocks[b], Expected(&xs[first], &ys[first], kBlock), "block at " + std::to_string(first));
      if ((b + 1) % TBlockSummary::kBlocksPerGroup == 0) {
        const std::size_t g = b / TBlockSummary::kBlocksPerGroup;
        const std::size_t start = run.ChunkStart + g * kGroup;
        ExpectSameSummary(run.Groups[g], Expected(&xs[start], &ys[start], kGroup), "group at " + std::to_string(start));
      }
    }
    if (run.BlocksDone == TKxItemContainer::kBlocksPerChunk) {
      ExpectSameSummary(*run.Whole, Expected(&xs[run.ChunkStart], &ys[run.ChunkStart], kChunk), "chunk");
    }
  }
}

TEST(ItemStore, BlockSummariesFollowAppendsCopiesAndClears) {
  std::mt19937_64 rng(5);
  std::normal_distribution<double> value(0, 1e3);
  std::uniform_int_distribution<int> pct(0, 99999);
  const double odd[] = {std::nan(""), INFINITY, -INFINITY};
  TKxItemContainer items;
  std::vector<double> xs, ys;
  TkxChartItem attrs;
  attrs.Kind = ItemKind::LineTo;
  // Appends of single points and of whole records, with a step that is no block multiple,
  // and attribute changes that split blocks into runs; checked along the way.
  for (const std::size_t n : {std::size_t{300}, std::size_t{5000}, 2 * kChunk + 777}) {
    while (xs.size() < n) {
      const int r = pct(rng);
      // Few distinct y values: extremes repeat, and the first occurrence counts.
      double x = value(rng), y = std::round(value(rng) / 300);
      if (r < 3) x = odd[r];
      if (r >= 10 && r < 13) y = odd[r - 10];
      if (r >= 20 && r < 40) attrs.Color = static_cast<TColor>(r);
      xs.push_back(x);
      ys.push_back(y);
      if (r % 2 == 0) {
        items.AppendPoint(items.InternAttrs(attrs), x, y, 999);
      } else {
        TkxChartItem item = attrs;
        item.X1 = x;
        item.Y1 = y;
        items.Append(item, 999);
      }
    }
    ExpectSummariesMatchPoints(items, xs, ys);
  }
  TKxItemContainer copy;
  copy.CopyFrom(items, items.Count());
  ExpectSummariesMatchPoints(copy, xs, ys);
  // A cleared list reuses chunks whose old summaries must not show through.
  items.Clear();
  xs.assign(kChunk + 10, 1.0);
  ys.assign(kChunk + 10, 2.0);
  for (std::size_t i = 0; i < xs.size(); ++i) items.AppendPoint(items.InternAttrs(attrs), xs[i], ys[i], 1000);
  ExpectSummariesMatchPoints(items, xs, ys);
}

TEST(ItemStore, ClearReleasesEverything) {
  TKxItemContainer items;
  TkxChartItem item;
  item.X2 = 3;
  for (int i = 0; i < 10; ++i) items.Append(item, 4);
  items.Clear();
  EXPECT_EQ(items.Count(), 0u);
  EXPECT_EQ(items.Capacity(), 0u);
  EXPECT_EQ(items.AttrSetCount(), 0u);
  items.Append(item, 4);
  EXPECT_EQ(items.At(0).X2, 3.0);
  EXPECT_EQ(items.Capacity(), 4u);
}

TEST(ItemStore, ShortTextKeepsAtMost17Characters) {
  TShortString17 s;
  s.Set("0123456789abcdefghij");
  EXPECT_EQ(s.Get(), "0123456789abcdefg");
  s.Set("ab");
  TShortString17 t;
  t.Set("ab");
  EXPECT_EQ(s, t);  // the characters of the longer text are cleared
}

}  // namespace
}  // namespace kurvex
