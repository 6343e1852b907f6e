#include "workbench/Pictures.h"

#include <QPainter>
#include <QPainterPath>

namespace morvane {

namespace {

constexpr int ButtonSize = 26;
constexpr int SymbolSize = 20;

// A page with a folded corner.
void drawPage(QPainter& p, QRectF r) {
  const double fold = r.width() * 0.3;
  QPainterPath page;
  page.moveTo(r.topLeft());
  page.lineTo(r.right() - fold, r.top());
  page.lineTo(r.right(), r.top() + fold);
  page.lineTo(r.bottomRight());
  page.lineTo(r.bottomLeft());
  page.closeSubpath();
  p.setBrush(Qt::white);
  p.drawPath(page);
  p.drawLine(QPointF(r.right() - fold, r.top()), QPointF(r.right() - fold, r.top() + fold));
  p.drawLine(QPointF(r.right() - fold, r.top() + fold), QPointF(r.right(), r.top() + fold));
}

void drawSymbol(QPainter& p, ToolbarPicture picture) {
  p.setPen(QPen(QColor(40, 40, 40), 1.2));
  switch (picture) {
    case ToolbarPicture::New:
      drawPage(p, QRectF(4, 2, 12, 16));
      break;
    case ToolbarPicture::Open: {
      p.setBrush(QColor(240, 200, 90));
      p.drawRect(QRectF(2, 6, 15, 11));
      p.drawRect(QRectF(2, 4, 6, 2));
      QPainterPath flap;
      flap.moveTo(4, 9);
      flap.lineTo(19, 9);
      flap.lineTo(17, 17);
      flap.lineTo(2, 17);
      flap.closeSubpath();
      p.setBrush(QColor(250, 220, 130));
      p.drawPath(flap);
      break;
    }
    case ToolbarPicture::Cut:
      p.setBrush(Qt::NoBrush);
      p.drawLine(QPointF(6, 2), QPointF(13, 13));
      p.drawLine(QPointF(14, 2), QPointF(7, 13));
      p.drawEllipse(QPointF(6, 15.5), 3, 3);
      p.drawEllipse(QPointF(14, 15.5), 3, 3);
      break;
    case ToolbarPicture::Copy:
      drawPage(p, QRectF(2, 2, 10, 13));
      drawPage(p, QRectF(8, 6, 10, 13));
      break;
    case ToolbarPicture::Paste:
      p.setBrush(QColor(190, 150, 100));
      p.drawRect(QRectF(3, 4, 13, 15));
      p.setBrush(QColor(200, 200, 200));
      p.drawRect(QRectF(6, 2, 7, 4));
      drawPage(p, QRectF(9, 8, 9, 11));
      break;
  }
}

}  // namespace

QPixmap ToolbarButtonPicture(ToolbarPicture picture, ButtonLook look) {
  QPixmap pixmap(ButtonSize, ButtonSize);
  pixmap.fill(Qt::transparent);
  QPainter p(&pixmap);
  p.setRenderHint(QPainter::Antialiasing);
  // A bevel: light above and left when raised, dark when pressed.
  const QColor light(255, 255, 255);
  const QColor dark(128, 128, 128);
  const bool pressed = look == ButtonLook::Pressed;
  p.fillRect(pixmap.rect(), pressed ? QColor(215, 215, 215) : QColor(232, 232, 232));
  p.setPen(pressed ? dark : light);
  p.drawLine(0, 0, ButtonSize - 1, 0);
  p.drawLine(0, 0, 0, ButtonSize - 1);
  p.setPen(pressed ? light : dark);
  p.drawLine(ButtonSize - 1, 0, ButtonSize - 1, ButtonSize - 1);
  p.drawLine(0, ButtonSize - 1, ButtonSize - 1, ButtonSize - 1);
  // The pressed symbol sits one pixel lower and further right.
  const double inset = (ButtonSize - SymbolSize) / 2.0 + (pressed ? 1 : 0);
  p.translate(inset, inset);
  drawSymbol(p, picture);
  return pixmap;
}

QIcon ApplicationIcon() {
  QIcon icon;
  for (int size : {16, 32, 48, 64, 128}) {
    QPixmap pixmap(size, size);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(size / 64.0, size / 64.0);
    // A dark blue window with a page of program text and the run lamp.
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(30, 60, 120));
    p.drawRoundedRect(QRectF(2, 2, 60, 60), 10, 10);
    p.setBrush(Qt::white);
    p.drawRect(QRectF(10, 10, 30, 40));
    p.setPen(QPen(QColor(30, 60, 120), 3));
    for (int line = 0; line < 4; ++line) p.drawLine(QPointF(15, 18 + line * 8), QPointF(line % 2 ? 29 : 35, 18 + line * 8));
    p.setPen(QPen(Qt::black, 1.5));
    p.setBrush(QColor(0, 255, 0));
    p.drawEllipse(QPointF(50, 46), 7, 7);
    p.end();
    icon.addPixmap(pixmap);
  }
  return icon;
}

}  // namespace morvane
