#pragma once

#include "ui/tables/tabletoolscontext.h"

#include <QDialog>

class QComboBox;
class QFrame;
class QLineEdit;
class QPlainTextEdit;
class QToolButton;

namespace pelinor::ui {

/// "一覧HTML作成ツール": builds the HTML page that lists a candidate file's triggers and candidates, lets
/// the user edit it, saves it beside the tables and shows it in the browser. With system tables it only
/// shows pages that exist.
class TMakeHtmlFrm : public QDialog {
    Q_OBJECT

public:
    explicit TMakeHtmlFrm(const TableToolsContext& context, QWidget* parent = nullptr);

private:
    QWidget* buildInputs();
    void candidateFileChosen(int item);
    void chooseBackground();
    void updateSwatch();
    void hmMake();
    void hmSave();
    void hmShow();
    bool readOnly() const;
    QString tableFolder() const;

    TableToolsContext m_context;
    QToolButton* m_exit = nullptr;
    QToolButton* m_make = nullptr;
    QToolButton* m_save = nullptr;
    QToolButton* m_show = nullptr;
    QComboBox* m_candidateFileBox = nullptr;
    QLineEdit* m_outputNameField = nullptr;
    QLineEdit* m_titleField = nullptr;
    QComboBox* m_titleFontBox = nullptr;
    QComboBox* m_candidateFontBox = nullptr;
    QComboBox* m_sizeBox = nullptr;
    QLineEdit* m_backgroundField = nullptr;
    QFrame* m_swatch = nullptr;
    QToolButton* m_chooseColour = nullptr;
    QPlainTextEdit* m_pageText = nullptr;
};

} // namespace pelinor::ui
