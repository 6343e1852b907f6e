#pragma once
// Form3, the workbench's own message box: a message (Label1), an optional
// input box (Text1) and up to three buttons (Command1 to Command3). Every
// question and error of the workbench is asked through it, and INPUTBOX
// uses it with the input box.

#include <QDialog>
#include <QStringList>

class QLabel;
class QLineEdit;
class QPushButton;

namespace morvane {

// The button pressed: Command1 to Command3, or none when the box was closed
// otherwise.
enum class BoxButton : int { None = 0, Command1 = 1, Command2 = 2, Command3 = 3 };

struct MessageBoxRequest {
  QString title;
  QString message;
  QStringList buttons;     // the captions of Command1, Command2, Command3
  bool inputBox = false;   // the input box shows, and takes the focus
  int fontSize = 12;       // the settings' "Size"
  // The button Enter presses. A question whose first button destroys
  // something (Delete, Overwrite) makes the harmless one the default.
  BoxButton defaultButton = BoxButton::Command1;
};

struct MessageBoxAnswer {
  BoxButton icommand = BoxButton::None;
  // The input box's text when Command1 was pressed.
  QString text1text;
};

class MessageBox final : public QDialog {
  Q_OBJECT

 public:
  explicit MessageBox(const MessageBoxRequest& request, QWidget* parent = nullptr);

  const MessageBoxAnswer& answer() const { return m_answer; }

  // Shows the box modally and answers what the user did.
  static MessageBoxAnswer ask(QWidget* parent, const MessageBoxRequest& request);

 private:
  void press(BoxButton button);

  MessageBoxAnswer m_answer;
  QLabel* m_message;
  QLineEdit* m_input;
};

}  // namespace morvane
