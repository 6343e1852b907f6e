#pragma once
// A picture button of the toolbar (imgCopyButton and its kin). It shows the
// picture of one of two hidden companions, the raised one (suffix "Up") or
// the pressed one (suffix "Dn"): pressed while the left button is held over
// it, raised otherwise. Releasing over it clicks.

#include <QLabel>

#include "workbench/Pictures.h"

namespace morvane {

class ImageButton final : public QLabel {
  Q_OBJECT

 public:
  ImageButton(const QString& name, ToolbarPicture picture, QWidget* parent = nullptr);

  bool isPressed() const { return m_pressed; }

 Q_SIGNALS:
  void clicked();

 protected:
  void mousePressEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;

 private:
  void showPressed(bool pressed);

  QLabel* m_up;
  QLabel* m_down;
  bool m_held = false;
  bool m_pressed = false;
};

}  // namespace morvane
