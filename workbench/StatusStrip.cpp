#include "workbench/StatusStrip.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPainter>

#include "workbench/WorkbenchTexts.h"

namespace morvane {

namespace {

QLabel* label(const char* name, const QString& text, QWidget* parent) {
  auto* l = new QLabel(text, parent);
  l->setObjectName(QLatin1String(name));
  return l;
}

// A read-out wide enough for five digits, so the strip does not jump.
QLabel* readout(const char* name, QWidget* parent) {
  QLabel* l = label(name, QStringLiteral("0"), parent);
  l->setMinimumWidth(l->fontMetrics().horizontalAdvance(QStringLiteral("000000")));
  return l;
}

}  // namespace

RunLamp::RunLamp(QWidget* parent) : QWidget(parent), m_colour(colourOf(Lamp::Green)) {
  setObjectName(QStringLiteral("Shape1"));
  setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
}

QColor RunLamp::colourOf(Lamp lamp) {
  switch (lamp) {
    case Lamp::Green:
      return QColor(0, 255, 0);
    case Lamp::Yellow:
      return QColor(255, 255, 0);
    case Lamp::Red:
      return QColor(255, 0, 0);
  }
  return QColor(0, 255, 0);
}

void RunLamp::setLamp(Lamp lamp) {
  const QColor colour = colourOf(lamp);
  if (colour == m_colour) return;
  m_colour = colour;
  update();
}

QSize RunLamp::sizeHint() const { return QSize(22, 22); }

void RunLamp::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  painter.setRenderHint(QPainter::Antialiasing);
  painter.setPen(QPen(Qt::black, 1));
  painter.setBrush(m_colour);
  painter.drawEllipse(QRectF(rect()).adjusted(1.5, 1.5, -1.5, -1.5));
}

StatusStrip::StatusStrip(QWidget* parent)
    : QWidget(parent),
      m_line(readout("Label2", this)),
      m_column(readout("Label4", this)),
      m_length(readout("Label6", this)),
      m_lamp(new RunLamp(this)) {
  setObjectName(QStringLiteral("Picture2"));
  auto* row = new QHBoxLayout(this);
  row->setContentsMargins(8, 4, 8, 4);
  row->addWidget(label("Label1", texts::tr(texts::StatusLine), this));
  row->addWidget(m_line);
  row->addSpacing(12);
  row->addWidget(label("Label3", texts::tr(texts::StatusColumn), this));
  row->addWidget(m_column);
  row->addSpacing(12);
  row->addWidget(label("Label5", texts::tr(texts::StatusLength), this));
  row->addWidget(m_length);
  row->addStretch(1);
  row->addWidget(m_lamp);
}

void StatusStrip::showReadout(const StatusReadout& readout) {
  m_line->setText(QString::number(readout.line));
  m_column->setText(QString::number(readout.column));
  m_length->setText(QString::number(readout.length));
}

}  // namespace morvane
