#include "workbench/DocumentLayout.h"

#include <algorithm>
#include <cmath>

namespace morvane {

namespace {

constexpr double HideProtocolBelow = 0.09;
constexpr double HideEditorAbove = 0.91;
constexpr double CanvasOnlyAtMost = 0.01;
constexpr double SmallestTextShare = 0.01;
constexpr double LargestTextShare = 0.99;
// A canvas narrower than this share of the window shows too little of a
// drawing; the text share that gives it half the window instead.
constexpr double NarrowCanvasShare = 0.1;
constexpr double RevealedTextShare = 0.5;

int rounded(double value) { return static_cast<int>(std::lround(value)); }

}  // namespace

PaneLayout DocumentLayout::arrange(QSize inner, const PaneLayout& previous) const {
  // 1. Nothing is laid out without an area.
  const int w = inner.width();
  const int h0 = inner.height();
  if (w <= 0 || h0 <= 0) return previous;
  PaneLayout out = previous;
  const double h = h0 - StatusHeight;
  const double fV = m_protocolShare;
  const double fH = m_textShare;

  // 2. The status strip along the bottom.
  out.status = QRect(0, h0 - StatusHeight, w, StatusHeight);

  // 3. The protocol at the top left.
  const int textWidth = rounded(w * fH - HalfGap);
  const int protocolHeight = rounded(h * fV - HalfGap);
  out.protocol.moveTopLeft(QPoint(0, 0));
  if (protocolHeight > 0) out.protocol.setHeight(protocolHeight);
  if (textWidth > HalfGap) out.protocol.setWidth(textWidth);

  // 4. The editor below it, as wide.
  const int editorTop = rounded(h * fV + HalfGap);
  const int editorHeight = rounded(h - (h * fV + HalfGap));
  out.editor.moveTopLeft(QPoint(0, editorTop));
  if (textWidth > HalfGap) out.editor.setWidth(textWidth);
  if (editorHeight > 0) out.editor.setHeight(editorHeight);

  // 5. The canvas on the right, the full height above the strip.
  const int canvasLeft = rounded(w * fH + HalfGap);
  const int canvasWidth = w - canvasLeft;
  out.canvas.moveTopLeft(QPoint(canvasLeft, 0));
  out.canvas.setHeight(std::max(rounded(h), 0));
  if (canvasWidth > 0) out.canvas.setWidth(canvasWidth);

  // 6. Which text panes show.
  if (fH <= CanvasOnlyAtMost) {
    out.protocolShown = false;
    out.editorShown = false;
  } else if (fV < HideProtocolBelow) {
    out.protocolShown = false;
    out.editorShown = true;
  } else if (fV > HideEditorAbove) {
    out.protocolShown = true;
    out.editorShown = false;
  } else {
    out.protocolShown = true;
    out.editorShown = true;
  }
  return out;
}

Splitter DocumentLayout::splitterAt(QSize inner, QPoint point) const {
  const double w = inner.width();
  const double h = inner.height() - StatusHeight;
  if (w <= 0 || h <= 0 || point.y() >= h) return Splitter::None;
  // The vertical gap itself wins; near both gaps, the nearer decides.
  const double textRight = w * m_textShare;
  const double dx = std::abs(point.x() - textRight);
  const double dy = std::abs(point.y() - h * m_protocolShare);
  if (dx <= HalfGap) return Splitter::BeforeCanvas;
  if (point.x() < textRight && dy <= GapTolerance) return Splitter::BetweenTexts;
  if (dx <= GapTolerance) return Splitter::BeforeCanvas;
  return Splitter::None;
}

bool DocumentLayout::drag(Splitter splitter, QSize inner, QPoint point) {
  const double w = inner.width();
  const double h = inner.height() - StatusHeight;
  if (w <= 0 || h <= 0) return false;
  switch (splitter) {
    case Splitter::BetweenTexts: {
      const double share = std::max(point.y(), 0) / h;
      if (share >= 1.0) return false;
      m_protocolShare = share;
      return true;
    }
    case Splitter::BeforeCanvas: {
      // Dragged to an edge, the share stops at 0.01 (only the canvas shows)
      // or at 0.99.
      const double share = std::clamp(point.x() / w, SmallestTextShare, LargestTextShare);
      m_textShare = share;
      m_canvasWidthSettled = true;
      return true;
    }
    case Splitter::None:
      return false;
  }
  return false;
}

bool DocumentLayout::revealCanvas(QSize inner) {
  const double w = inner.width();
  if (m_canvasWidthSettled || w <= 0) return false;
  const double canvasWidth = w - (w * m_textShare + HalfGap);
  if (canvasWidth >= w * NarrowCanvasShare) return false;
  m_textShare = RevealedTextShare;
  m_canvasWidthSettled = true;
  return true;
}

}  // namespace morvane
