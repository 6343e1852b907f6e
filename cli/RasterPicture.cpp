// The picture module: loaded by the runner (cli/PictureModule.cpp) when a
// program draws or a picture is asked for. It alone brings Qt in.

#include <cstdio>
#include <cstdlib>
#include <string>

#include <QGuiApplication>
#include <QtGlobal>

#include "cli/Picture.h"
#include "platform/RasterCanvas.h"

namespace morvane {

namespace {

// Qt's messages go to standard error as usual, but for its remark that the
// desktop session's run-time directory is not set: the runner needs none,
// and the remark would only clutter the program's error output.
void quietHandler(QtMsgType type, const QMessageLogContext& context, const QString& message) {
  if (type == QtWarningMsg && message.startsWith(QStringLiteral("QStandardPaths: XDG_RUNTIME_DIR not set"))) return;
  std::fprintf(stderr, "%s\n", qPrintable(qFormatLogMessage(type, context, message)));
}

class RasterPicture final : public Picture {
 public:
  RasterPicture(PixelSize size, const char* programName)
      : m_programName(programName),
        m_arguments{m_programName.data(), nullptr},
        m_application(m_argumentCount, m_arguments),
        m_canvas(QSize(size.width, size.height), DefaultLogicalDpi) {}

  Canvas& canvas() override { return m_canvas; }
  bool save(const std::string& path) override {
    return m_canvas.image().save(QString::fromLocal8Bit(path.c_str()), "PNG");
  }

 private:
  // The application sees the program's name only: the runner's own options
  // are no business of Qt's.
  std::string m_programName;
  int m_argumentCount = 1;
  char* m_arguments[2];
  QGuiApplication m_application;
  RasterCanvas m_canvas;
};

}  // namespace

}  // namespace morvane

// The picture module's entry point (cli/Picture.h).
extern "C" __attribute__((visibility("default"))) morvane::Picture* morvane_create_picture(int width, int height,
                                                                                          const char* programName) {
  // No window system is needed: the picture is only saved.
  setenv("QT_QPA_PLATFORM", "offscreen", 0);
  qInstallMessageHandler(morvane::quietHandler);
  return new morvane::RasterPicture(morvane::PixelSize{width, height}, programName);
}
