#pragma once
// What the workbench's Qt Test suites share: a temporary settings store,
// answering the modal boxes the code under test opens, and a workspace
// whose yields process Qt events as the application's do.

#include <functional>
#include <memory>
#include <vector>

#include <QAbstractButton>
#include <QApplication>
#include <QLineEdit>
#include <QSettings>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QWidget>

#include "exec/Workspace.h"
#include "workbench/EventLoopSystem.h"
#include "workbench/SettingsStore.h"

namespace morvane::testing {

// Settings in a fresh temporary directory, for the user's store and for a
// store of the test's own.
class TemporarySettings {
 public:
  TemporarySettings() {
    QStandardPaths::setTestModeEnabled(true);
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, m_dir.path());
    QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, m_dir.path());
  }
  QString iniFile(const QString& name) const { return m_dir.filePath(name + QStringLiteral(".ini")); }
  QString path() const { return m_dir.path(); }

 private:
  QTemporaryDir m_dir;
};

// The application's shared state as main() builds it.
struct Application {
  explicit Application(const QString& settingsFile) : settings(settingsFile), system(settings), workspace(system) {}
  SettingsStore settings;
  EventLoopSystem system;
  Workspace workspace;
};

// Runs `action` on the next modal dialog with this object name ("Form1"
// for the file dialog, "Form3" for the message box) as soon as it is shown:
// the code under test is then inside its exec(). Keeps looking for
// `timeoutMs`.
inline void whenModalShown(const QString& dialogName, std::function<void(QWidget*)> action, int timeoutMs = 10000) {
  auto* timer = new QTimer;
  auto elapsed = std::make_shared<int>(0);
  constexpr int Interval = 5;
  timer->setInterval(Interval);
  QObject::connect(timer, &QTimer::timeout, [timer, elapsed, dialogName, action = std::move(action), timeoutMs] {
    *elapsed += Interval;
    QWidget* modal = QApplication::activeModalWidget();
    const bool found = modal != nullptr && modal->isVisible() && modal->objectName() == dialogName;
    if (!found && *elapsed < timeoutMs) return;
    timer->stop();
    timer->deleteLater();
    if (found) action(modal);
  });
  timer->start();
}

// Presses the button with this object name in the next message box, and
// keeps the box's title and message for the test.
inline void answerNextBox(const char* button, QString* message = nullptr, QString* title = nullptr) {
  const QString name = QLatin1String(button);
  whenModalShown(QStringLiteral("Form3"), [name, message, title](QWidget* box) {
    if (message != nullptr) {
      if (auto* label = box->findChild<QWidget*>(QStringLiteral("Label1"))) *message = label->property("text").toString();
    }
    if (title != nullptr) *title = box->windowTitle();
    if (auto* b = box->findChild<QAbstractButton*>(name)) b->click();
  });
}

// Types a path into the next file dialog and confirms it.
inline void chooseInNextFileDialog(const QString& path) {
  whenModalShown(QStringLiteral("Form1"), [path](QWidget* dialog) {
    dialog->findChild<QLineEdit*>(QStringLiteral("Text1"))->setText(path);
    dialog->findChild<QAbstractButton*>(QStringLiteral("Command1"))->click();
  });
}

// Acts while a run is on the stack: the steps run one after the other, each
// as soon as its condition holds, from a timer that fires inside the
// executor's yields (the test's own code is blocked in the key press that
// started the run). A step that never comes to pass calls `rescue`, which
// must end the run, and is reported.
class DuringRun {
 public:
  using Condition = std::function<bool()>;
  using Action = std::function<void()>;

  explicit DuringRun(Action rescue, int stepTimeoutMs = 15000) : m_rescue(std::move(rescue)), m_timeoutMs(stepTimeoutMs) {
    m_timer.setInterval(Interval);
    QObject::connect(&m_timer, &QTimer::timeout, [this] { tick(); });
  }

  DuringRun& when(Condition condition, Action action) {
    m_steps.push_back({std::move(condition), std::move(action)});
    return *this;
  }
  void start() { m_timer.start(); }

  bool allDone() const { return m_next == m_steps.size(); }
  int stepsDone() const { return static_cast<int>(m_next); }

 private:
  static constexpr int Interval = 5;
  struct Step {
    Condition condition;
    Action action;
  };

  void tick() {
    if (m_busy) return;
    if (allDone()) {
      m_timer.stop();
      return;
    }
    m_waited += Interval;
    Step& step = m_steps[m_next];
    if (step.condition()) {
      m_waited = 0;
      ++m_next;
      // An action may press keys that run nested code: no second tick meanwhile.
      m_busy = true;
      step.action();
      m_busy = false;
    } else if (m_waited > m_timeoutMs) {
      m_timer.stop();
      m_busy = true;
      m_rescue();
      m_busy = false;
    }
  }

  std::vector<Step> m_steps;
  std::size_t m_next = 0;
  Action m_rescue;
  int m_timeoutMs;
  int m_waited = 0;
  bool m_busy = false;
  QTimer m_timer;
};

}  // namespace morvane::testing
