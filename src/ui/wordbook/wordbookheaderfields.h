#pragma once

#include <QString>
#include <QStringList>
#include <QWidget>

#include <functional>

class QComboBox;
class QGridLayout;
class QLineEdit;
class QPushButton;

namespace pelinor::ui {

/// The title, group and sound folder rows shared by the new-word-book and the property dialogs:
/// "■タイトル：", "■グループ：" (a drop-down without typing) and "■音声ﾌｫﾙﾀﾞ：" with "参照".
class WordBookHeaderFields : public QWidget {
    Q_OBJECT

public:
    /// Asks for a folder: caption and start folder; gives the folder, or empty on cancel.
    using ChooseFolder = std::function<QString(QWidget* parent, const QString& caption, const QString& start)>;

    WordBookHeaderFields(ChooseFolder chooseFolder, QWidget* parent = nullptr);

    QLineEdit* titleField() const { return m_title; }
    QComboBox* groupBox() const { return m_group; }
    QLineEdit* soundFolderField() const { return m_soundFolder; }
    QPushButton* browseButton() const { return m_browse; }
    QGridLayout* grid() const { return m_grid; }

    /// Fills the group choices and selects `selected` (-1: none, the box shows an empty text).
    void setGroups(const QStringList& names, qsizetype selected);
    /// The chosen group, or empty when none is chosen.
    QString group() const;
    /// The folder "参照" starts in.
    void setBrowseStart(const QString& folder) { m_browseStart = folder; }

private:
    void browse();

    ChooseFolder m_chooseFolder;
    QString m_browseStart;
    QGridLayout* m_grid = nullptr;
    QLineEdit* m_title = nullptr;
    QComboBox* m_group = nullptr;
    QLineEdit* m_soundFolder = nullptr;
    QPushButton* m_browse = nullptr;
};

} // namespace pelinor::ui
