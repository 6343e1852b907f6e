#include "workbench/EventLoopSystem.h"

#include <QCoreApplication>
#include <QThread>

#include "platform/Tone.h"
#include "workbench/CodePage.h"
#include "workbench/MessageBox.h"
#include "workbench/SettingsStore.h"
#include "workbench/WorkbenchTexts.h"

namespace morvane {

void EventLoopSystem::yield() { QCoreApplication::processEvents(QEventLoop::AllEvents); }

void EventLoopSystem::sleepMilliseconds(std::int32_t milliseconds) {
  if (milliseconds > 0) QThread::msleep(static_cast<unsigned long>(milliseconds));
}

bool EventLoopSystem::tone(std::int32_t frequency, std::int32_t milliseconds) {
  return PlayTone(frequency, milliseconds);
}

std::string EventLoopSystem::inputBox(std::string_view prompt, std::string_view caption) {
  // The interpreter's texts are in the code page; so is the answer.
  MessageBoxRequest request;
  request.title = DecodeCodePage(caption);
  request.message = DecodeCodePage(prompt);
  request.buttons = {texts::tr(texts::ButtonOk)};
  request.inputBox = true;
  request.fontSize = m_settings.fontSize();
  const MessageBoxAnswer answer = MessageBox::ask(m_owner, request);
  return EncodeCodePage(answer.text1text);
}

}  // namespace morvane
