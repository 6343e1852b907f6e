#pragma once
// The per-user settings of the workbench: application "Morvane", section
// "Font" with the editor font's "Name" and "Size", section "Recent Files"
// with "RecentFile1" to "RecentFile9", section "Protocol" with "WordWrap". A missing setting is never an error:
// the caller's default applies. The store is QSettings in its native format,
// which on Linux is $XDG_CONFIG_HOME/Morvane/Morvane.conf.

#include <memory>

#include <QString>

class QSettings;

namespace morvane {

enum class SettingsSection { Font, RecentFiles, Editor, Protocol };

// The keys of the settings store, defined once.
namespace settings {
inline constexpr char Application[] = "Morvane";
inline constexpr char FontSection[] = "Font";
inline constexpr char RecentFilesSection[] = "Recent Files";
inline constexpr char FontName[] = "Name";
inline constexpr char FontSize[] = "Size";
inline constexpr char RecentFilePrefix[] = "RecentFile";
inline constexpr char EditorSection[] = "Editor";
inline constexpr char SyntaxColouring[] = "SyntaxColouring";
inline constexpr char ProtocolSection[] = "Protocol";
inline constexpr char WordWrap[] = "WordWrap";
inline constexpr char DefaultFontName[] = "Courier New";
inline constexpr int DefaultFontSize = 12;
}  // namespace settings

class SettingsStore {
 public:
  // The user's store.
  SettingsStore();
  // A store in the given INI file (tests, tools).
  explicit SettingsStore(const QString& iniFile);
  ~SettingsStore();
  SettingsStore(const SettingsStore&) = delete;
  SettingsStore& operator=(const SettingsStore&) = delete;

  // Read, save and delete one setting of the application.
  QString read(SettingsSection section, const QString& key, const QString& fallback = QString()) const;
  void save(SettingsSection section, const QString& key, const QString& value);
  void remove(SettingsSection section, const QString& key);

  // The font of the document windows: the stored name, or "Courier New"
  // when none is stored; the stored size, or 12.
  QString fontName() const;
  int fontSize() const;
  void saveFontName(const QString& name);
  void saveFontSize(int points);

  // Whether the editor colours the program (on unless switched off).
  bool syntaxColouring() const;
  void saveSyntaxColouring(bool on);
  // Whether the protocol wraps long lines (off unless stored).
  bool protocolWordWrap() const;
  void saveProtocolWordWrap(bool wrap);

  // The key of recent file k (1-based): "RecentFile" followed by k.
  static QString recentFileKey(int k);

  // Writes everything to the medium now.
  void sync();

 private:
  std::unique_ptr<QSettings> m_settings;
};

}  // namespace morvane
