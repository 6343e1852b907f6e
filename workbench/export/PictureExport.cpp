#include "workbench/export/PictureExport.h"

#include <QDir>
#include <QFileInfo>
#include <QPainter>
#include <QSaveFile>
#include <QSvgGenerator>

#include "platform/RasterCanvas.h"
#include "workbench/FileDialog.h"
#include "workbench/MessageBox.h"
#include "workbench/ProgramFile.h"
#include "workbench/WorkbenchTexts.h"
#include "workbench/export/DrawingRecord.h"

namespace morvane {

namespace {

constexpr char SvgSuffix[] = "svg";
constexpr char PngSuffix[] = ".png";
constexpr char ExportPattern[] = "*.png;*.svg";

bool writePng(const QString& path, const RasterCanvas& picture) {
  // Written beside the file and put in its place only when complete.
  QSaveFile file(path);
  if (!file.open(QIODevice::WriteOnly)) return false;
  if (!picture.image().save(&file, "PNG")) {
    file.cancelWriting();
    return false;
  }
  return file.commit();
}

bool writeSvg(const QString& path, const DrawingRecord& record, const RasterCanvas& picture) {
  QSaveFile file(path);
  if (!file.open(QIODevice::WriteOnly)) return false;
  const QSize size = picture.size();
  QSvgGenerator generator;
  generator.setOutputDevice(&file);
  generator.setSize(size);
  generator.setViewBox(QRect(QPoint(0, 0), size));
  // Font points measure in the drawing what they measure on the canvas.
  generator.setResolution(qRound(picture.logicalDpi()));
  generator.setTitle(QFileInfo(path).completeBaseName());
  generator.setDescription(texts::tr(texts::SvgDescription));

  QPainter painter;
  if (!painter.begin(&generator)) {
    file.cancelWriting();
    return false;
  }
  switch (SvgContentFor(record, picture)) {
    case SvgContent::Vectors:
      painter.fillRect(QRect(QPoint(0, 0), size), Qt::white);
      // What lies beyond the canvas is cut off there too.
      painter.setClipRect(QRect(QPoint(0, 0), size));
      record.replay(painter);
      break;
    case SvgContent::Pixels:
      painter.drawImage(QPoint(0, 0), picture.image());
      break;
  }
  painter.end();
  return file.commit();
}

}  // namespace

PictureFormat PictureFormatOf(const QString& path) {
  return QFileInfo(path).suffix().compare(QLatin1String(SvgSuffix), Qt::CaseInsensitive) == 0 ? PictureFormat::Svg
                                                                                              : PictureFormat::Png;
}

SvgContent SvgContentFor(const DrawingRecord& record, const RasterCanvas& picture) {
  return record.complete() && !picture.hasBackground() ? SvgContent::Vectors : SvgContent::Pixels;
}

bool WritePicture(const QString& path, const DrawingRecord& record, const RasterCanvas& picture) {
  switch (PictureFormatOf(path)) {
    case PictureFormat::Png:
      return writePng(path, picture);
    case PictureFormat::Svg:
      return writeSvg(path, record, picture);
  }
  return false;
}

void ExportPicture(QWidget* parent, const DrawingRecord& record, const RasterCanvas& picture,
                   const QString& suggestedPath, int dialogFontSize) {
  const QFileInfo suggested(suggestedPath);
  FileDialogRequest request;
  request.title = texts::tr(texts::TitleExportPicture);
  request.directory = suggested.absolutePath();
  request.fileName = suggested.fileName();
  request.pattern = QLatin1String(ExportPattern);
  request.fontSize = dialogFontSize;
  FileDialog dialog(request, parent);
  dialog.exec();
  if (dialog.abbrechen()) return;
  QString chosen = dialog.filename();
  if (QFileInfo(chosen).suffix().isEmpty()) chosen += QLatin1String(PngSuffix);

  if (QFileInfo::exists(chosen)) {
    // Enter keeps the other file: Cancel is the default.
    const MessageBoxAnswer answer = MessageBox::ask(
        parent, {texts::tr(texts::TitleAttention), texts::fileExists(ShortenedName(chosen)),
                 {texts::tr(texts::ButtonOverwrite), texts::tr(texts::ButtonCancel)}, false, dialogFontSize,
                 BoxButton::Command2});
    if (answer.icommand != BoxButton::Command1) return;
  }
  if (!WritePicture(chosen, record, picture)) {
    MessageBox::ask(parent, {texts::tr(texts::TitleError), texts::unableToSave(ShortenedName(chosen)),
                             {texts::tr(texts::ButtonOk)}, false, dialogFontSize});
  }
}

}  // namespace morvane
