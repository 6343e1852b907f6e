#pragma once
// Picture1, the canvas pane: the window's canvas picture in a scroll area. The
// canvas is always at least as large as the pane; when drawing makes it
// larger, the pane scrolls so that the whole picture can be seen. Programs
// draw through the record of their calls, kept beside the picture.

#include <QScrollArea>

#include "platform/RasterCanvas.h"
#include "workbench/export/DrawingRecord.h"

namespace morvane {

class CanvasView final : public QScrollArea {
  Q_OBJECT

 public:
  explicit CanvasView(QWidget* parent = nullptr);

  RasterCanvas& canvas() { return m_canvas; }
  // What the window's programs draw on: the picture, through the record of
  // the calls that Export Picture replays.
  DrawingRecord& drawing() { return m_drawing; }

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
  DrawingRecord m_drawing{m_canvas};
  QWidget* m_picture;
};

}  // namespace morvane
