#pragma once

#include "core/wordbook/oldwordbookformat.h"

#include <QDialog>
#include <QString>
#include <QStringList>

#include <functional>

class QComboBox;
class QLineEdit;
class QListView;
class QPlainTextEdit;
class QPushButton;
class QStringListModel;

namespace pelinor::ui {

/// The conversion tool "単語帳変換ツール": turns every old word book of the chosen product in a source folder
/// into a word book of this program in a destination folder (see core/wordbook/wordbookconversion.h). The
/// dialog is accepted by "反映させ閉じる", after which the caller lists the current word book folder again,
/// and rejected by "閉じる".
class TConvertFrm : public QDialog {
    Q_OBJECT

public:
    /// Asks for a folder (caption, start folder); gives it, or empty on cancel.
    using ChooseFolderFunction
        = std::function<QString(QWidget* parent, const QString& caption, const QString& startFolder)>;

    /// `destinationFolder` starts the destination field (the current word book folder); the old products'
    /// folders lie below `driveFolder`. `chooseFolder` replaces the platform's folder chooser when set.
    TConvertFrm(const QString& destinationFolder, const QString& driveFolder, ChooseFolderFunction chooseFolder = {},
        QWidget* parent = nullptr);

    core::ConversionMode mode() const;
    /// Chooses a mode as the mode list does: its default source folder, its files listed.
    void selectMode(int index);
    QString sourceFolder() const { return m_sourceFolder; }
    /// The old files listed, without folder.
    QStringList sourceFiles() const;
    /// The word books made by the last "変換⇒", without folder.
    QStringList generatedFiles() const;

    /// Source "参照".
    void browseSourceFolder();
    /// Destination "参照".
    void browseDestinationFolder();
    /// "変換⇒": converts every listed file into the destination folder, creating it when the user agrees.
    void convert();

private:
    void buildControls();
    void listSourceFiles();
    /// The destination folder exists, or was created on the user's word; false when nothing may be converted.
    bool ensureDestinationFolder(const QString& folder);
    QString chooseFolder(const QString& caption, const QString& start);

    QString m_driveFolder;
    QString m_sourceFolder;
    ChooseFolderFunction m_chooseFolder;
    QComboBox* m_modeBox = nullptr;
    QLineEdit* m_sourceField = nullptr;
    QLineEdit* m_destinationField = nullptr;
    QPushButton* m_sourceButton = nullptr;
    QPushButton* m_destinationButton = nullptr;
    QListView* m_sourceList = nullptr;
    QStringListModel* m_sourceModel = nullptr;
    QPushButton* m_convertButton = nullptr;
    QListView* m_generatedList = nullptr;
    QStringListModel* m_generatedModel = nullptr;
    QPlainTextEdit* m_progressBox = nullptr;
    QPushButton* m_applyButton = nullptr;
    QPushButton* m_closeButton = nullptr;
};

} // namespace pelinor::ui
