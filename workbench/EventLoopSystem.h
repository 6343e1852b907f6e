#pragma once
// The workbench's system services: a yield processes the Qt events that are
// pending (keys and menu commands of every window then run nested inside
// the executor), sleeping blocks the window as the language's WAIT expects,
// a tone goes to the sound device, and INPUTBOX asks in the message box.

#include <QPointer>
#include <QWidget>

#include "exec/Host.h"

namespace morvane {

class SettingsStore;

class EventLoopSystem final : public SystemHost {
 public:
  explicit EventLoopSystem(const SettingsStore& settings) : m_settings(settings) {}

  // The window the input box belongs to (the main frame).
  void setDialogOwner(QWidget* owner) { m_owner = owner; }

  void yield() override;
  void sleepMilliseconds(std::int32_t milliseconds) override;
  bool tone(std::int32_t frequency, std::int32_t milliseconds) override;
  std::string inputBox(std::string_view prompt, std::string_view caption) override;

 private:
  const SettingsStore& m_settings;
  QPointer<QWidget> m_owner;
};

}  // namespace morvane
