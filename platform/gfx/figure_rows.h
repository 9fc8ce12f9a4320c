#pragma once
// Filled figures described row by row: a rectangle or an ellipse inscribed in the box
// left..right-1, top..bottom-1 (device pixels). A pixel belongs to the ellipse when its
// centre lies inside or on the ellipse that touches the outer edges of the box's pixels.

#include <cstdint>

namespace kurvex::raster {

struct FigureRows {
  bool ellipse = false;
  std::int64_t left = 0;
  std::int64_t top = 0;
  std::int64_t right = 0;   // exclusive
  std::int64_t bottom = 0;  // exclusive

  bool Empty() const { return left >= right || top >= bottom; }
  // The pixels of row y are l..r (inclusive); false when the row is empty.
  bool Row(std::int64_t y, std::int64_t* l, std::int64_t* r) const;
  // The row without the figure's 1-pixel outline: the pixels of row y whose four
  // neighbours all belong to the figure.
  bool InteriorRow(std::int64_t y, std::int64_t* l, std::int64_t* r) const;
};

}  // namespace kurvex::raster
