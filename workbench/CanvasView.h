#pragma once
// Picture1, the canvas pane: the window's canvas picture in a scroll area. The
// canvas is always at least as large as the pane; when drawing makes it
// larger, the pane scrolls so that the whole picture can be seen.

#include <QScrollArea>

#include "platform/RasterCanvas.h"

namespace morvane {

class CanvasView final : public QScrollArea {
  Q_OBJECT

 public:
  explicit CanvasView(QWidget* parent = nullptr);

  RasterCanvas& canvas() { return m_canvas; }

 Q_SIGNALS:
  // The pointer entered the canvas (the window's pointer returns to normal).
  void pointerEntered();
  // A drawing call painted on the canvas.
  void drawnOn();

 protected:
  void resizeEvent(QResizeEvent* event) override;
  void enterEvent(QEnterEvent* event) override;

 private:
  void pictureChanged(PictureChange change);

  RasterCanvas m_canvas;
  QWidget* m_picture;
};

}  // namespace morvane
