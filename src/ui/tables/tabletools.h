#pragma once

#include "ui/tables/tabletoolscontext.h"

#include <QObject>

namespace pelinor::ui {

/// Opens the table tools of the menu "ツール (&T)": the symbol database editor and the HTML list tool.
/// Each runs modally with the user's own keyboard layout; with system tables the user is told first what
/// the tool cannot do there. After a table was saved and the user agreed, the program ends so that the
/// next start loads it.
class TableTools : public QObject {
    Q_OBJECT

public:
    explicit TableTools(TableToolsContext context, QObject* parent = nullptr);

    void openSymbolDatabaseEditor();
    void openHtmlListTool();

private:
    /// The user's own layout while a tool is open, the script's layout again after it.
    void beforeTool();
    void afterTool();

    TableToolsContext m_context;
};

} // namespace pelinor::ui
