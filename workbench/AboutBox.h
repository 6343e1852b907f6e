#pragma once
// Form2, the About box: the product's name and version, the ownership
// notice and the warranty disclaimer.

#include <QDialog>

namespace morvane {

class AboutBox final : public QDialog {
  Q_OBJECT

 public:
  explicit AboutBox(QWidget* parent = nullptr);
};

}  // namespace morvane
