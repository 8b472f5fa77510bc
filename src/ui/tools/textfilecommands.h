#pragma once

#include <QObject>
#include <QString>

class QAction;
class QPlainTextEdit;
class QWidget;

namespace pelinor::ui {

/// "開く", "上書き保存" and "名前を付けて保存" of the "ファイル" menu: the foreign-language input area as a
/// Unicode text file (UTF-16 LE with its mark, CR LF). The current text file and the folder the dialogs
/// open in last for the run; the folder starts as the user text folder.
class TextFileCommands : public QObject {
    Q_OBJECT

public:
    TextFileCommands(QPlainTextEdit* area, const QString& textFolder, QWidget* window);

    /// The file last opened or saved; empty until then.
    QString currentFile() const { return m_currentFile; }
    QString textFolder() const { return m_textFolder; }

    /// Asks for a file and puts its text into the area. A file that is no text, too large or unreadable is
    /// refused with a message, and the area keeps its text.
    void open();
    /// Opens `path` without asking for it; false (with the message shown) when it was refused.
    bool openFile(const QString& path);
    /// Writes the area into the current file after asking whether to replace it. A current file that has
    /// gone since is written again without the question, so that the text is not lost.
    void save();
    /// Asks for a file name and writes the area into it.
    void saveAs();
    /// Writes the area into `path` and makes it the current file; a failure is shown and the old file stays.
    bool saveFile(const QString& path);

    /// "上書き保存" is enabled only while there is a current file.
    void updateSaveAction(QAction* save) const;

private:
    void remember(const QString& path);
    QString fileFilter() const;

    QPlainTextEdit* m_area;
    QWidget* m_window;
    QString m_textFolder;
    QString m_currentFile;
};

} // namespace pelinor::ui
