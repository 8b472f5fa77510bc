#pragma once

#include "ui/tables/tabletoolscontext.h"

#include <QDialog>

class QComboBox;
class QLineEdit;
class QListWidget;
class QPlainTextEdit;
class QPushButton;

namespace pelinor::ui {

class GlyphPreview;

/// "記号DBの新規作成": writes a new symbol database into the table folder holding only its header (writing
/// system and display font) and its groups, and offers to open it in the editor.
class TNewSymDBFrm : public QDialog {
    Q_OBJECT

public:
    explicit TNewSymDBFrm(const TableToolsContext& context, QWidget* parent = nullptr);

    /// The database written and to be opened in the editor; empty when the user declined or cancelled.
    const QString& fileToOpen() const { return m_fileToOpen; }

private:
    void writingSystemChosen(int item);
    void updateSample();
    void updateCreateButton();
    void create();

    TableToolsContext m_context;
    QString m_fileToOpen;
    QString m_sampleGlyph;
    QComboBox* m_writingSystemBox = nullptr;
    QComboBox* m_fontBox = nullptr;
    GlyphPreview* m_sample = nullptr;
    QListWidget* m_fixedGroups = nullptr;
    QPlainTextEdit* m_extraGroups = nullptr;
    QListWidget* m_existing = nullptr;
    QLineEdit* m_nameField = nullptr;
    QPushButton* m_create = nullptr;
    QPushButton* m_cancel = nullptr;
};

} // namespace pelinor::ui
