#include "workbench/CanvasView.h"

#include <QPainter>
#include <QResizeEvent>

namespace morvane {

namespace {

// Paints the canvas's picture at its own size.
class CanvasPicture final : public QWidget {
 public:
  CanvasPicture(const RasterCanvas& canvas, QWidget* parent) : QWidget(parent), m_canvas(canvas) {
    setAttribute(Qt::WA_OpaquePaintEvent);
  }

 protected:
  void paintEvent(QPaintEvent* event) override {
    QPainter painter(this);
    painter.drawImage(event->rect(), m_canvas.image(), event->rect());
  }

 private:
  const RasterCanvas& m_canvas;
};

}  // namespace

CanvasView::CanvasView(QWidget* parent) : QScrollArea(parent), m_picture(new CanvasPicture(m_canvas, this)) {
  setObjectName(QStringLiteral("Picture1"));
  setWidgetResizable(false);
  setBackgroundRole(QPalette::Base);
  setWidget(m_picture);
  // Centimetres and font points measure what they measure on this screen.
  m_canvas.setLogicalDpi(logicalDpiX());
  m_picture->resize(m_canvas.size());
  m_canvas.setChangeListener([this](PictureChange change) { pictureChanged(change); });
}

void CanvasView::pictureChanged(PictureChange change) {
  if (m_picture->size() != m_canvas.size()) m_picture->resize(m_canvas.size());
  m_picture->update();
  if (change == PictureChange::Drawn) Q_EMIT drawnOn();
}

void CanvasView::resizeEvent(QResizeEvent* event) {
  QScrollArea::resizeEvent(event);
  m_canvas.ensureSize(viewport()->size());
}

void CanvasView::enterEvent(QEnterEvent* event) {
  QScrollArea::enterEvent(event);
  Q_EMIT pointerEntered();
}

}  // namespace morvane
