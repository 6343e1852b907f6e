#include "workbench/EventLoopSystem.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QThread>

#include "platform/Tone.h"
#include "workbench/CodePage.h"
#include "workbench/MainWindow.h"
#include "workbench/MessageBox.h"
#include "workbench/SettingsStore.h"
#include "workbench/WorkbenchTexts.h"

namespace morvane {

void EventLoopSystem::setFrame(MainWindow* frame) { m_frame = frame; }

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
  const MessageBoxAnswer answer = MessageBox::ask(m_frame, request);
  return EncodeCodePage(answer.text1text);
}

std::int32_t EventLoopSystem::openDocumentWindow(const std::string& path, WindowLayout layout) {
  if (m_frame == nullptr) return 0;
  // The interpreter's names are in the code page; a relative one is found
  // from the current directory.
  const QString name = QFileInfo(DecodeCodePage(path)).absoluteFilePath();
  DocumentWindow* window = m_frame->openDocumentFromPath(name, layout);
  return window != nullptr ? window->slot() : 0;
}

void EventLoopSystem::unloadDocumentWindow(std::int32_t windowIndex) {
  if (m_frame != nullptr) m_frame->unloadDocument(windowIndex);
}

}  // namespace morvane
