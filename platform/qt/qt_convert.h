#pragma once
// Conversions between the platform's values and Qt's: rectangles, colours, fonts,
// cursors, mouse buttons and modifier keys.

#include <QColor>
#include <QCursor>
#include <QFont>
#include <QRect>
#include <Qt>

#include "common/geometry.h"
#include "common/types.h"
#include "platform/application.h"
#include "platform/gfx/font.h"

namespace kurvex::qt {

inline QRect ToQRect(const TRect& r) { return QRect(r.Left, r.Top, r.Width(), r.Height()); }
inline TRect ToTRect(const QRect& r) { return Rect(r.left(), r.top(), r.left() + r.width(), r.top() + r.height()); }

QColor ToQColor(TColor color);
// Family, pixel height (a negative Height is the em height, a positive one the cell
// height), style; the colour is applied through palettes.
QFont ToQFont(const TFont& font);
// A cursor table image (0 transparent, 1 black, 2 white) with its hot spot.
QCursor ToQCursor(const CursorImage& image);
// A cursor number: built-in ones map to Qt shapes, table numbers to their images,
// anything unknown (and crDefault) to the arrow.
QCursor ToQCursor(TCursor cursor);

TMouseButton ToMouseButton(Qt::MouseButton button);
TShiftState ToModifiers(Qt::KeyboardModifiers modifiers);
// The buttons held, as ssLeft, ssRight, ssMiddle.
TShiftState ToButtons(Qt::MouseButtons buttons);

// Makes the desktop family names of stored layouts find the installed free families that
// share their metrics, as the canvas's fonts do.
void InstallFontSubstitutions();

}  // namespace kurvex::qt
