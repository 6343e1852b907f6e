#pragma once
// The Variables pane of a document window: one row per variable, the
// globals first, then the locals of the level that stands still, with the
// name, the type and its suffix, the value as the protocol shows it and an
// array's bounds. It shows what the window's DebugSession last read; it is
// never refreshed while a program runs freely.

#include <QTableWidget>

namespace morvane {

struct VariablesSnapshot;

class VariablesView final : public QTableWidget {
  Q_OBJECT

 public:
  // The columns, left to right.
  enum class Column : int { Scope = 0, Name, Type, Value, Bounds };

  explicit VariablesView(QWidget* parent = nullptr);

  void showVariables(const VariablesSnapshot& snapshot);

  // The text of a cell (tests, and whoever wants to read the table back).
  QString cell(int row, Column column) const;
};

}  // namespace morvane
