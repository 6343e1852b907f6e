#include "workbench/SettingsStore.h"

#include <QSettings>

namespace morvane {

namespace {

QString sectionName(SettingsSection section) {
  switch (section) {
    case SettingsSection::Font:
      return QString::fromLatin1(settings::FontSection);
    case SettingsSection::RecentFiles:
      return QString::fromLatin1(settings::RecentFilesSection);
    case SettingsSection::Editor:
      return QString::fromLatin1(settings::EditorSection);
    case SettingsSection::Protocol:
      return QString::fromLatin1(settings::ProtocolSection);
  }
  return {};
}

QString fullKey(SettingsSection section, const QString& key) { return sectionName(section) + QLatin1Char('/') + key; }

}  // namespace

SettingsStore::SettingsStore()
    : m_settings(std::make_unique<QSettings>(QSettings::NativeFormat, QSettings::UserScope,
                                             QString::fromLatin1(settings::Application),
                                             QString::fromLatin1(settings::Application))) {}

SettingsStore::SettingsStore(const QString& iniFile)
    : m_settings(std::make_unique<QSettings>(iniFile, QSettings::IniFormat)) {}

SettingsStore::~SettingsStore() = default;

QString SettingsStore::read(SettingsSection section, const QString& key, const QString& fallback) const {
  return m_settings->value(fullKey(section, key), fallback).toString();
}

void SettingsStore::save(SettingsSection section, const QString& key, const QString& value) {
  m_settings->setValue(fullKey(section, key), value);
}

void SettingsStore::remove(SettingsSection section, const QString& key) { m_settings->remove(fullKey(section, key)); }

QString SettingsStore::fontName() const {
  const QString name = read(SettingsSection::Font, QString::fromLatin1(settings::FontName));
  return name.isEmpty() ? QString::fromLatin1(settings::DefaultFontName) : name;
}

int SettingsStore::fontSize() const {
  bool ok = false;
  const int size = read(SettingsSection::Font, QString::fromLatin1(settings::FontSize)).toInt(&ok);
  return ok && size > 0 ? size : settings::DefaultFontSize;
}

void SettingsStore::saveFontName(const QString& name) {
  save(SettingsSection::Font, QString::fromLatin1(settings::FontName), name);
}

void SettingsStore::saveFontSize(int points) {
  save(SettingsSection::Font, QString::fromLatin1(settings::FontSize), QString::number(points));
}

QString SettingsStore::recentFileKey(int k) { return QString::fromLatin1(settings::RecentFilePrefix) + QString::number(k); }

void SettingsStore::sync() { m_settings->sync(); }

bool SettingsStore::syntaxColouring() const {
  return read(SettingsSection::Editor, QString::fromLatin1(settings::SyntaxColouring), QStringLiteral("1")) !=
         QLatin1String("0");
}

void SettingsStore::saveSyntaxColouring(bool on) {
  save(SettingsSection::Editor, QString::fromLatin1(settings::SyntaxColouring), on ? QStringLiteral("1") : QStringLiteral("0"));
}

bool SettingsStore::protocolWordWrap() const {
  return read(SettingsSection::Protocol, QString::fromLatin1(settings::WordWrap)) == QLatin1String("1");
}

void SettingsStore::saveProtocolWordWrap(bool wrap) {
  save(SettingsSection::Protocol, QString::fromLatin1(settings::WordWrap), wrap ? QStringLiteral("1") : QStringLiteral("0"));
}

}  // namespace morvane
