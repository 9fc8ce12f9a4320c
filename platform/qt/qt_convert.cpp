#include "platform/qt/qt_convert.h"

#include <QImage>
#include <QPixmap>

#include <cstdlib>

namespace kurvex::qt {

QColor ToQColor(TColor color) {
  const TColor c = ColorToRGB(color);
  return QColor(static_cast<int>(c & 0xFF), static_cast<int>((c >> 8) & 0xFF), static_cast<int>((c >> 16) & 0xFF));
}

QFont ToQFont(const TFont& font) {
  QFont f(QString::fromStdString(font.Name()));
  const int height = font.Height();
  // A cell height includes the internal leading, about a fifth of it for common faces.
  const int em = height < 0 ? -height : (height * 4 + 2) / 5;
  f.setPixelSize(em > 0 ? em : 1);
  f.setBold(font.Style().Contains(TFontStyle::fsBold));
  f.setItalic(font.Style().Contains(TFontStyle::fsItalic));
  f.setUnderline(font.Style().Contains(TFontStyle::fsUnderline));
  f.setStrikeOut(font.Style().Contains(TFontStyle::fsStrikeOut));
  return f;
}

QCursor ToQCursor(const CursorImage& image) {
  QImage art(CursorImage::kSize, CursorImage::kSize, QImage::Format_ARGB32);
  for (int y = 0; y < CursorImage::kSize; ++y) {
    auto* row = reinterpret_cast<QRgb*>(art.scanLine(y));
    for (int x = 0; x < CursorImage::kSize; ++x) {
      switch (image.At(x, y)) {
        case 1: row[x] = qRgba(0, 0, 0, 255); break;
        case 2: row[x] = qRgba(255, 255, 255, 255); break;
        default: row[x] = qRgba(0, 0, 0, 0); break;
      }
    }
  }
  return QCursor(QPixmap::fromImage(art), image.hot_x, image.hot_y);
}

QCursor ToQCursor(TCursor cursor) {
  if (cursor > 0) {
    if (const CursorImage* image = Screen().CursorImageOf(cursor)) return ToQCursor(*image);
    return QCursor(Qt::ArrowCursor);
  }
  switch (cursor) {
    case crNone: return QCursor(Qt::BlankCursor);
    case crCross: return QCursor(Qt::CrossCursor);
    case crIBeam: return QCursor(Qt::IBeamCursor);
    case crSizeNESW: return QCursor(Qt::SizeBDiagCursor);
    case crSizeNS: return QCursor(Qt::SizeVerCursor);
    case crSizeNWSE: return QCursor(Qt::SizeFDiagCursor);
    case crSizeWE: return QCursor(Qt::SizeHorCursor);
    case crUpArrow: return QCursor(Qt::UpArrowCursor);
    case crHourGlass: return QCursor(Qt::WaitCursor);
    case crNo: return QCursor(Qt::ForbiddenCursor);
    case crHandPoint: return QCursor(Qt::PointingHandCursor);
    case crSizeAll: return QCursor(Qt::SizeAllCursor);
    default: return QCursor(Qt::ArrowCursor);
  }
}

TMouseButton ToMouseButton(Qt::MouseButton button) {
  switch (button) {
    case Qt::RightButton: return TMouseButton::mbRight;
    case Qt::MiddleButton: return TMouseButton::mbMiddle;
    default: return TMouseButton::mbLeft;
  }
}

TShiftState ToModifiers(Qt::KeyboardModifiers modifiers) {
  TShiftState s;
  if (modifiers & Qt::ShiftModifier) s.Include(TShiftStateItem::ssShift);
  if (modifiers & Qt::ControlModifier) s.Include(TShiftStateItem::ssCtrl);
  if (modifiers & Qt::AltModifier) s.Include(TShiftStateItem::ssAlt);
  return s;
}

TShiftState ToButtons(Qt::MouseButtons buttons) {
  TShiftState s;
  if (buttons & Qt::LeftButton) s.Include(TShiftStateItem::ssLeft);
  if (buttons & Qt::RightButton) s.Include(TShiftStateItem::ssRight);
  if (buttons & Qt::MiddleButton) s.Include(TShiftStateItem::ssMiddle);
  return s;
}

void InstallFontSubstitutions() {
  for (const char* desktop : {"Arial", "MS Sans Serif", "Microsoft Sans Serif", "Helvetica"}) {
    QFont::insertSubstitution(desktop, "Liberation Sans");
  }
  QFont::insertSubstitution("Times New Roman", "Liberation Serif");
  QFont::insertSubstitution("Courier New", "Liberation Mono");
}

}  // namespace kurvex::qt
