#pragma once

#include "core/tables/symboldatabasedocument.h"
#include "ui/tables/tabletoolscontext.h"

#include <QDialog>
#include <QPalette>

class QComboBox;
class QLabel;
class QLineEdit;
class QTableView;
class QTabWidget;
class QToolButton;

namespace pelinor::ui {

class GlyphPreview;
class SymbolListDelegate;
class SymbolListModel;

/// "記号データベース": opens one symbol database of the table folder, lists its symbols by group, edits
/// them row by row and writes the file back or under a new name. With system tables it opens and edits
/// but never writes.
class TSymDBFrm : public QDialog {
    Q_OBJECT

public:
    explicit TSymDBFrm(const TableToolsContext& context, QWidget* parent = nullptr);
    ~TSymDBFrm() override;

    /// The user answered the question after a write with Yes: the program is to end.
    bool endRequested() const { return m_endRequested; }
    /// Opens the symbol database at `path` as "開く" does after its file dialog.
    void openFile(const QString& path);
    const core::SymbolDatabaseDocument& document() const { return m_document; }

private:
    void buildWindow();
    QWidget* buildToolBar();
    QWidget* buildEditPanel();
    QWidget* buildPropertyPage();
    QToolButton* addCommand(QWidget* bar, const char* caption, const QString& objectName, int x, int pictureIndex);
    void connectControls();

    void reset();
    void fillWritingSystems(const QString& chosen);
    void setTextFieldsEnabled(bool enabled);
    void showFileStatus(const QString& folderPanel);

    void dbOpen();
    void dbOverWrite();
    void dbSave();
    void dbNew();
    void dbDelete();
    void dbInsert();
    void dbAdd();
    /// Writes the document to `path` after the question about rows that would be left out; asks about the
    /// restart after a successful write.
    bool writeTo(const QString& path);

    void rowChosen(const QModelIndex& index);
    void selectEntry(qsizetype entry);
    void fillPanel(qsizetype entry);
    void clearPanel();
    void codeChanged(const QString& text);
    void groupChosen(int item);
    void writingSystemChosen(int item);
    void displayFontChosen(int item);
    void afterRowsChanged();
    void applySpans();
    void setListBackground(QPalette::ColorRole role);
    void showGlyph(const QString& glyph);
    void askForRestart();
    bool readOnly() const;

    TableToolsContext m_context;
    core::SymbolDatabaseDocument m_document;
    qsizetype m_selected = -1;
    bool m_filling = false;
    bool m_endRequested = false;

    SymbolListModel* m_model = nullptr;
    SymbolListDelegate* m_delegate = nullptr;
    QToolButton* m_exit = nullptr;
    QToolButton* m_open = nullptr;
    QToolButton* m_overWrite = nullptr;
    QToolButton* m_save = nullptr;
    QToolButton* m_new = nullptr;
    QToolButton* m_delete = nullptr;
    QToolButton* m_insert = nullptr;
    QToolButton* m_add = nullptr;
    GlyphPreview* m_preview = nullptr;
    QLineEdit* m_numberField = nullptr;
    QLineEdit* m_codeField = nullptr;
    QLineEdit* m_englishField = nullptr;
    QLineEdit* m_japaneseField = nullptr;
    QLineEdit* m_noteField = nullptr;
    QComboBox* m_groupBox = nullptr;
    QComboBox* m_auxiliaryBox = nullptr;
    QComboBox* m_writingSystemBox = nullptr;
    QComboBox* m_fontBox = nullptr;
    QTabWidget* m_tabs = nullptr;
    QTableView* m_list = nullptr;
    QLabel* m_filePanel = nullptr;
    QLabel* m_folderPanel = nullptr;
};

} // namespace pelinor::ui
