#include "workbench/debug/VariablesView.h"

#include <QHeaderView>

#include "workbench/CodePage.h"
#include "workbench/WorkbenchTexts.h"
#include "workbench/debug/DebugSession.h"

namespace morvane {

namespace {

QString typeText(const VariableEntry& entry) {
  return DecodeCodePage(entry.type) + QStringLiteral(" (") + QLatin1Char(entry.suffix) + QLatin1Char(')');
}

}  // namespace

VariablesView::VariablesView(QWidget* parent) : QTableWidget(parent) {
  setObjectName(QStringLiteral("VariablesView"));
  setColumnCount(5);
  setHorizontalHeaderLabels({texts::tr(texts::VariablesScope), texts::tr(texts::VariablesName),
                             texts::tr(texts::VariablesType), texts::tr(texts::VariablesValue),
                             texts::tr(texts::VariablesBounds)});
  setEditTriggers(QAbstractItemView::NoEditTriggers);
  setSelectionBehavior(QAbstractItemView::SelectRows);
  verticalHeader()->setVisible(false);
  verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 4);
  horizontalHeader()->setStretchLastSection(true);
  setWordWrap(false);
}

void VariablesView::showVariables(const VariablesSnapshot& snapshot) {
  setRowCount(0);
  const QString globalScope = texts::tr(texts::VariablesGlobal);
  const QString localScope = texts::variablesLocal(snapshot.level);
  const auto addRows = [this](const std::vector<VariableEntry>& entries, const QString& scope) {
    for (const VariableEntry& entry : entries) {
      const int row = rowCount();
      insertRow(row);
      const QString cells[] = {scope, DecodeCodePage(entry.name), typeText(entry), DecodeCodePage(entry.value),
                               DecodeCodePage(entry.bounds)};
      for (int column = 0; column < 5; ++column) setItem(row, column, new QTableWidgetItem(cells[column]));
    }
  };
  addRows(snapshot.globals, globalScope);
  addRows(snapshot.locals, localScope);
  resizeColumnsToContents();
}

QString VariablesView::cell(int row, Column column) const {
  const QTableWidgetItem* found = item(row, static_cast<int>(column));
  return found != nullptr ? found->text() : QString();
}

}  // namespace morvane
