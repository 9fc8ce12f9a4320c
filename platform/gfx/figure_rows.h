#pragma once
// Filled figures described row by row: a rectangle or an ellipse inscribed in the box
// left..right-1, top..bottom-1 (device pixels).
//
// The ellipse runs through the centres of the box's edge pixels. In doubled coordinates
// about the centre of the box (X = 2x + 1 - (left + right), Y likewise) it is
// b²X² + a²Y² = a²b² with a = width - 1 and b = height - 1. Its outline is a thin
// 8-connected curve: each column where the curve is flat and each row where it is steep
// takes the pixel nearest the curve, "nearest" measured by |b²X² + a²Y² - a²b²| (a tie
// goes outwards). The figure is that outline and everything inside it, so a row is one run
// of pixels, symmetric about the centre, and the outline touches all four sides of the box.

#include <cstdint>

namespace kurvex::raster {

// The reach of the ellipse on one row: the largest |X| of its pixels (doubled units, with
// the parity of a) on the row at doubled distance k from the centre (k with the parity of
// b, 0 <= k <= b).
std::int64_t EllipseReach(std::int64_t a, std::int64_t b, std::int64_t k);

struct FigureRows {
  bool ellipse = false;
  std::int64_t left = 0;
  std::int64_t top = 0;
  std::int64_t right = 0;   // exclusive
  std::int64_t bottom = 0;  // exclusive

  bool Empty() const { return left >= right || top >= bottom; }
  friend bool operator==(const FigureRows&, const FigureRows&) = default;
  // The pixels of row y are l..r (inclusive); false when the row is empty.
  bool Row(std::int64_t y, std::int64_t* l, std::int64_t* r) const;
};

// Rows of a figure taken in order from top to bottom, each computed once: the current row
// with its neighbours above and below, which is what the outline of a row depends on.
class RowWalker {
 public:
  RowWalker(const FigureRows& figure, std::int64_t first_row);
  // Moves to the next row.
  void Advance();
  std::int64_t Y() const { return y_; }
  bool Row(std::int64_t* l, std::int64_t* r) const;
  // The row without the figure's 1-pixel outline: the pixels whose four neighbours all
  // belong to the figure.
  bool InteriorRow(std::int64_t* l, std::int64_t* r) const;

 private:
  struct Span {
    bool any = false;
    std::int64_t l = 0, r = 0;
  };
  Span Fetch(std::int64_t y) const;
  const FigureRows& figure_;
  std::int64_t y_;
  Span above_, row_, below_;
};

}  // namespace kurvex::raster
