#include "workbench/recovery/RecoveryKeeper.h"

#include "exec/Workspace.h"
#include "workbench/MainWindow.h"
#include "workbench/MessageBox.h"
#include "workbench/SettingsStore.h"
#include "workbench/WorkbenchTexts.h"
#include "workbench/recovery/RecoveryStore.h"

namespace morvane {

namespace {
constexpr char WindowKeyPrefix[] = "window-";
}

RecoveryKeeper::RecoveryKeeper(MainWindow& frame, RecoveryStore& store) : m_frame(frame), m_store(store) {
  m_timer.setInterval(IntervalMilliseconds);
  connect(&m_timer, &QTimer::timeout, this, &RecoveryKeeper::keepNow);
  connect(&m_frame, &MainWindow::closedCleanly, this, [this] {
    m_timer.stop();
    m_store.endSession();
  });
  if (m_store.isActive()) m_timer.start();
}

void RecoveryKeeper::keepNow() {
  QList<QPair<QString, RecoveredText>> texts;
  for (DocumentWindow* d : m_frame.documents()) {
    if (!d->document().changed) continue;
    texts.append({QLatin1String(WindowKeyPrefix) + QString::number(d->slot()),
                  {d->caption(), d->hasFile(), d->programToKeep(), d->fileFormat()}});
  }
  m_store.keep(texts);
}

void RecoveryKeeper::offerLeftBehind() {
  const QList<RecoveredText> texts = m_store.claimLeftBehind();
  if (texts.isEmpty()) {
    // Folders without texts (a crash before anything was typed) just go.
    m_store.discardClaimed();
    return;
  }
  const MessageBoxAnswer answer = MessageBox::ask(
      &m_frame, {texts::tr(texts::TitleRecovery), texts::recoveryOffer(static_cast<int>(texts.size())),
                 {texts::tr(texts::ButtonRestore), texts::tr(texts::ButtonLater), texts::tr(texts::ButtonDiscard)},
                 false, m_frame.dialogFontSize()});
  switch (answer.icommand) {
    case BoxButton::Command1:  // Restore
      for (const RecoveredText& text : texts) {
        m_frame.newDocument()->restoreText(text.caption, text.hasFile, text.text, text.format);
      }
      // Kept at once under this run, before the crashed run's copies go.
      keepNow();
      m_store.discardClaimed();
      break;
    case BoxButton::Command3:  // Discard
      m_store.discardClaimed();
      break;
    case BoxButton::Command2:  // Later
    case BoxButton::None:
      m_store.releaseClaimed();
      break;
  }
}

}  // namespace morvane
