#pragma once

#include <QDialog>
#include <QString>

class QButtonGroup;
class QLineEdit;
class QListWidget;
class QPushButton;

namespace pelinor::ui {

/// "候補ファイルの新規作成": creates a candidate file in the table folder that holds only its header, the
/// paired symbol database and the trigger mode chosen here, and offers to load it into the editor.
class NewCandidateFileDialog : public QDialog {
    Q_OBJECT

public:
    explicit NewCandidateFileDialog(const QString& tableFolder, QWidget* parent = nullptr);

    /// The name of the file created, when the user asked to load it into the editor; else empty.
    const QString& loadRequested() const { return m_loadRequested; }

private:
    void updateCreateButton();
    void create();

    QString m_tableFolder;
    QString m_loadRequested;
    QButtonGroup* m_modes = nullptr;
    QListWidget* m_databases = nullptr;
    QListWidget* m_candidateFiles = nullptr;
    QLineEdit* m_databaseField = nullptr;
    QLineEdit* m_nameField = nullptr;
    QPushButton* m_create = nullptr;
};

} // namespace pelinor::ui
