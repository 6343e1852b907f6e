#pragma once
// Where the panes of a document window go: the protocol above the editor on
// the left, the canvas on the right, the status strip along the bottom. Two
// fractions decide it: the protocol's share of the height and the text
// panes' share of the width. Dragging the gaps between the panes changes
// them; a protocol share below 0.09 hides the protocol, one above 0.91 the
// editor, and a text share of 0.01 or less leaves only the canvas. A new
// window's canvas is a narrow strip; the first drawing on it widens it to
// half the window, unless the user has set its width.

#include <QPoint>
#include <QRect>
#include <QSize>

namespace morvane {

// Which gap the pointer is over, or is dragging.
enum class Splitter { None, BetweenTexts, BeforeCanvas };

struct PaneLayout {
  QRect protocol;
  QRect editor;
  QRect canvas;
  QRect status;
  bool protocolShown = true;
  bool editorShown = true;
};

class DocumentLayout {
 public:
  // Window units are pixels.
  static constexpr int StatusHeight = 50;
  static constexpr int HalfGap = 10;
  static constexpr int GapTolerance = 30;

  static constexpr double InitialProtocolShare = 0.35;
  static constexpr double InitialTextShare = 0.98;

  DocumentLayout() = default;
  DocumentLayout(double protocolShare, double textShare) : m_protocolShare(protocolShare), m_textShare(textShare) {}

  double protocolShare() const { return m_protocolShare; }
  double textShare() const { return m_textShare; }

  // The panes for a window of this inner size. A size that would not be
  // positive keeps the pane's previous value, as do all panes while the
  // window has no area.
  PaneLayout arrange(QSize inner, const PaneLayout& previous) const;

  // The gap at this point (within the tolerance), for the pointer's shape.
  Splitter splitterAt(QSize inner, QPoint point) const;

  // Moves the dragged gap to the pointer. False when the fraction would
  // leave its range and nothing changed.
  bool drag(Splitter splitter, QSize inner, QPoint point);

  // Something was drawn on the canvas. A canvas narrower than a tenth of the
  // window would hide it, so the canvas gap moves to the middle. This
  // happens once: afterwards, as after the user dragged the gap, the width
  // stays as it is. True when the layout changed.
  bool revealCanvas(QSize inner);
  bool canvasWidthSettled() const { return m_canvasWidthSettled; }

 private:
  double m_protocolShare = InitialProtocolShare;
  double m_textShare = InitialTextShare;
  bool m_canvasWidthSettled = false;
};

}  // namespace morvane
