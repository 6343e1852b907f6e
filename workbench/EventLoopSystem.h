#pragma once
// The workbench's system services: a yield processes the Qt events that are
// pending (keys and menu commands of every window then run nested inside
// the executor), sleeping blocks the window as the language's WAIT expects,
// a tone goes to the sound device, INPUTBOX asks in the message box, and
// the statements that open and close windows reach the main frame.

#include <QPointer>
#include <QWidget>

#include "exec/Host.h"

namespace morvane {

class MainWindow;
class SettingsStore;

class EventLoopSystem final : public SystemHost {
 public:
  explicit EventLoopSystem(const SettingsStore& settings) : m_settings(settings) {}

  // The main frame: it owns the input box and the document windows.
  void setFrame(MainWindow* frame);

  void yield() override;
  void sleepMilliseconds(std::int32_t milliseconds) override;
  bool tone(std::int32_t frequency, std::int32_t milliseconds) override;
  std::string inputBox(std::string_view prompt, std::string_view caption) override;
  std::int32_t openDocumentWindow(const std::string& path, WindowLayout layout) override;
  void unloadDocumentWindow(std::int32_t windowIndex) override;

 private:
  const SettingsStore& m_settings;
  QPointer<MainWindow> m_frame;
};

}  // namespace morvane
