#include "workbench/AboutBox.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "workbench/Pictures.h"
#include "workbench/WorkbenchTexts.h"

namespace morvane {

AboutBox::AboutBox(QWidget* parent) : QDialog(parent) {
  setObjectName(QStringLiteral("Form2"));
  setWindowTitle(texts::tr(texts::TitleAbout));

  auto* icon = new QLabel(this);
  icon->setPixmap(ApplicationIcon().pixmap(64, 64));
  auto* name = new QLabel(QString::fromLatin1(texts::ProductName), this);
  name->setObjectName(QStringLiteral("Label1"));
  QFont large = name->font();
  large.setPointSizeF(large.pointSizeF() * 1.8);
  large.setBold(true);
  name->setFont(large);
  auto* version = new QLabel(texts::tr(texts::ProductVersion), this);
  version->setObjectName(QStringLiteral("Label2"));
  auto* ownership = new QLabel(texts::tr(texts::Ownership), this);
  ownership->setObjectName(QStringLiteral("Label3"));
  auto* disclaimer = new QPlainTextEdit(texts::tr(texts::Disclaimer), this);
  disclaimer->setObjectName(QStringLiteral("Text1"));
  disclaimer->setReadOnly(true);

  auto* ok = new QPushButton(texts::tr(texts::ButtonOk), this);
  ok->setObjectName(QStringLiteral("Command1"));
  ok->setDefault(true);
  connect(ok, &QPushButton::clicked, this, &QDialog::accept);

  auto* layout = new QVBoxLayout(this);
  auto* heading = new QHBoxLayout;
  heading->addWidget(icon);
  auto* words = new QVBoxLayout;
  words->addWidget(name);
  words->addWidget(version);
  words->addWidget(ownership);
  heading->addLayout(words, 1);
  layout->addLayout(heading);
  layout->addWidget(disclaimer, 1);
  auto* buttons = new QHBoxLayout;
  buttons->addStretch(1);
  buttons->addWidget(ok);
  layout->addLayout(buttons);
  resize(460, 320);
}

}  // namespace morvane
