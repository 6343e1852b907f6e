#pragma once
// Picture2, the status strip of a document window: the caret's line
// (Label2), its column (Label4) and the text's length (Label6) under their
// captions (Label1, Label3, Label5), and the run lamp Shape1.

#include <QColor>
#include <QWidget>

#include "exec/Host.h"
#include "workbench/EditorText.h"

class QLabel;

namespace morvane {

// Shape1: a round lamp in the colour of the run state.
class RunLamp final : public QWidget {
  Q_OBJECT

 public:
  explicit RunLamp(QWidget* parent = nullptr);

  void setLamp(Lamp lamp);
  QColor colour() const { return m_colour; }
  QSize sizeHint() const override;

  // Green (0, 255, 0), yellow (255, 255, 0), red (255, 0, 0).
  static QColor colourOf(Lamp lamp);

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  QColor m_colour;
};

class StatusStrip final : public QWidget {
  Q_OBJECT

 public:
  explicit StatusStrip(QWidget* parent = nullptr);

  void showReadout(const StatusReadout& readout);
  RunLamp& lamp() { return *m_lamp; }

 private:
  QLabel* m_line;
  QLabel* m_column;
  QLabel* m_length;
  RunLamp* m_lamp;
};

}  // namespace morvane
