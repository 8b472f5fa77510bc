#include "ui/tools/textfilecommands.h"

#include "core/common/usertextfile.h"

#include <QAction>
#include <QFileDialog>
#include <QFileInfo>
#include <QMessageBox>
#include <QPlainTextEdit>

namespace pelinor::ui {

TextFileCommands::TextFileCommands(QPlainTextEdit* area, const QString& textFolder, QWidget* window)
    : QObject(window)
    , m_area(area)
    , m_window(window)
    , m_textFolder(textFolder)
{
}

QString TextFileCommands::fileFilter() const
{
    return tr("（ユニコードテキスト）　*.txt") + QStringLiteral(" (*.txt)");
}

void TextFileCommands::remember(const QString& path)
{
    m_currentFile = path;
    m_textFolder = QFileInfo(path).absolutePath();
}

void TextFileCommands::open()
{
    QFileDialog dialog(m_window, QString(), m_textFolder, fileFilter());
    dialog.setObjectName(QStringLiteral("TextOpenDialog"));
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setFileMode(QFileDialog::ExistingFile);
    dialog.setDefaultSuffix(QStringLiteral("txt"));
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return;
    openFile(dialog.selectedFiles().constFirst());
}

bool TextFileCommands::openFile(const QString& path)
{
    const core::UserTextRead read = core::readUserTextFile(path);
    if (!read.ok) {
        QMessageBox::warning(m_window, QStringLiteral("Pelinor"), read.error, QMessageBox::Yes);
        return false;
    }
    remember(path);
    m_area->setPlainText(read.text);
    return true;
}

void TextFileCommands::save()
{
    if (m_currentFile.isEmpty())
        return;
    if (QFileInfo::exists(m_currentFile)) {
        const QString question = tr("すでに") + QLatin1Char('"') + QFileInfo(m_currentFile).fileName()
            + QLatin1Char('"') + tr("と名前が同じファイルが存在しますが、上書きしますか？");
        if (QMessageBox::question(m_window, QStringLiteral("Pelinor"), question, QMessageBox::Yes | QMessageBox::No)
            != QMessageBox::Yes)
            return;
    }
    saveFile(m_currentFile);
}

void TextFileCommands::saveAs()
{
    QFileDialog dialog(m_window, QString(), m_textFolder, fileFilter());
    dialog.setObjectName(QStringLiteral("TextSaveDialog"));
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setDefaultSuffix(QStringLiteral("txt"));
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return;
    saveFile(dialog.selectedFiles().constFirst());
}

bool TextFileCommands::saveFile(const QString& path)
{
    QString error;
    if (!core::writeUserTextFile(path, m_area->toPlainText(), &error)) {
        QMessageBox::warning(m_window, QStringLiteral("Pelinor"), error, QMessageBox::Yes);
        return false;
    }
    remember(path);
    return true;
}

void TextFileCommands::updateSaveAction(QAction* save) const
{
    save->setEnabled(!m_currentFile.isEmpty());
}

} // namespace pelinor::ui
