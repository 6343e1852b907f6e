#include "workbench/ImageButton.h"

#include <QMouseEvent>

namespace morvane {

ImageButton::ImageButton(const QString& name, ToolbarPicture picture, QWidget* parent)
    : QLabel(parent), m_up(new QLabel(this)), m_down(new QLabel(this)) {
  setObjectName(name);
  m_up->setObjectName(name + QStringLiteral("Up"));
  m_down->setObjectName(name + QStringLiteral("Dn"));
  m_up->setPixmap(ToolbarButtonPicture(picture, ButtonLook::Raised));
  m_down->setPixmap(ToolbarButtonPicture(picture, ButtonLook::Pressed));
  m_up->hide();
  m_down->hide();
  setPixmap(m_up->pixmap());
  setFixedSize(m_up->pixmap().size());
}

void ImageButton::showPressed(bool pressed) {
  if (pressed == m_pressed) return;
  m_pressed = pressed;
  setPixmap((pressed ? m_down : m_up)->pixmap());
}

void ImageButton::mousePressEvent(QMouseEvent* event) {
  if (event->button() != Qt::LeftButton) return;
  m_held = true;
  showPressed(true);
}

void ImageButton::mouseMoveEvent(QMouseEvent* event) {
  if (m_held) showPressed(rect().contains(event->position().toPoint()));
}

void ImageButton::mouseReleaseEvent(QMouseEvent* event) {
  if (event->button() != Qt::LeftButton || !m_held) return;
  m_held = false;
  const bool inside = rect().contains(event->position().toPoint());
  showPressed(false);
  if (inside) Q_EMIT clicked();
}

}  // namespace morvane
