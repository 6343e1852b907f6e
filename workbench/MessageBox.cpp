#include "workbench/MessageBox.h"

#include <QFontMetrics>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "workbench/WorkbenchTexts.h"

namespace morvane {

namespace {
constexpr int MaxButtons = 3;
}

MessageBox::MessageBox(const MessageBoxRequest& request, QWidget* parent)
    : QDialog(parent), m_message(new QLabel(this)), m_input(new QLineEdit(this)) {
  setObjectName(QStringLiteral("Form3"));
  setWindowTitle(request.title.isEmpty() ? texts::tr(texts::MessageBoxTitle) : request.title);
  setModal(true);
  QFont boxFont = font();
  boxFont.setPointSize(request.fontSize);
  setFont(boxFont);

  // The message is sized to its text; the input box stands beside it at the
  // same top and height.
  m_message->setObjectName(QStringLiteral("Label1"));
  m_message->setText(request.message);
  m_message->setTextFormat(Qt::PlainText);
  const QSize textSize = QFontMetrics(boxFont).size(0, request.message);
  m_message->setMinimumSize(textSize);
  m_input->setObjectName(QStringLiteral("Text1"));
  m_input->setVisible(request.inputBox);
  m_input->setFixedHeight(std::max(textSize.height(), m_input->sizeHint().height()));

  auto* messageRow = new QHBoxLayout;
  messageRow->addWidget(m_message, 0, Qt::AlignTop);
  if (request.inputBox) {
    messageRow->addWidget(m_input, 1, Qt::AlignTop);
    m_input->setMinimumWidth(QFontMetrics(boxFont).horizontalAdvance(QLatin1Char('M')) * 16);
  }

  auto* buttonRow = new QHBoxLayout;
  buttonRow->addStretch(1);
  QPushButton* chosen = nullptr;
  for (int i = 0; i < MaxButtons; ++i) {
    auto* button = new QPushButton(this);
    button->setObjectName(QStringLiteral("Command%1").arg(i + 1));
    button->setAutoDefault(false);
    if (i < request.buttons.size()) {
      button->setText(request.buttons[i]);
      buttonRow->addWidget(button);
    } else {
      button->hide();
    }
    const auto pressed = static_cast<BoxButton>(i + 1);
    connect(button, &QPushButton::clicked, this, [this, pressed] { press(pressed); });
    const bool shown = i < request.buttons.size();
    if (i == 0 || (shown && pressed == request.defaultButton)) chosen = button;
  }

  auto* column = new QVBoxLayout(this);
  column->addLayout(messageRow);
  column->addSpacing(8);
  column->addLayout(buttonRow);
  column->setSizeConstraint(QLayout::SetFixedSize);

  // In input mode the input box takes the focus and Enter confirms;
  // otherwise the default button (the first, unless the caller chose
  // another) has the focus.
  chosen->setDefault(true);
  if (request.inputBox) {
    m_input->setFocus(Qt::OtherFocusReason);
  } else {
    chosen->setFocus(Qt::OtherFocusReason);
  }
}

void MessageBox::press(BoxButton button) {
  m_answer.icommand = button;
  if (button == BoxButton::Command1) m_answer.text1text = m_input->text();
  accept();
}

MessageBoxAnswer MessageBox::ask(QWidget* parent, const MessageBoxRequest& request) {
  MessageBox box(request, parent);
  box.exec();
  return box.answer();
}

}  // namespace morvane
