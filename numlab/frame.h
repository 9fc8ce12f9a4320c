#pragma once
// The frame drawn around a value field: the numeric label's field and the scale control's
// frame share it.

#include "common/color.h"
#include "common/types.h"

namespace kurvex {

class TCanvas;

// Draws a frame with the corners (left, top) and (right, bottom), both included.
//  - fsNone draws nothing; fsSimple a one-line outline in `simple`.
//  - The shaded styles draw two nested outlines whose edges take four of the colours:
//                 outer left/top   outer right/bottom   inner left/top   inner right/bottom
//    fsLowered    darkGrey         light                dark             lightGrey
//    fsRaised     light            dark                 lightGrey        darkGrey
//    fsEmbossed   light            darkGrey             darkGrey         light
//    fsEngraved   darkGrey         light                light            darkGrey
// The integer form takes the style modulo 128 and draws nothing for a value that is not a
// style. The pen keeps the last colour used.
void DrawFrame(TCanvas& canvas, int style, int left, int top, int right, int bottom, TColor light,
               TColor lightGrey, TColor darkGrey, TColor dark, TColor simple);
void DrawFrame(TCanvas& canvas, TFrameStyle style, int left, int top, int right, int bottom, TColor light,
               TColor lightGrey, TColor darkGrey, TColor dark, TColor simple);

}  // namespace kurvex
