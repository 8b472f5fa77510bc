// The small commands of the main window's menus: text files, word wrap and scroll bars, the code value
// checker, the phonetic font, help and the version dialog, and the settings dialog (F8).

#include "core/app/settings.h"
#include "core/common/codevaluetext.h"
#include "platform/shellopener.h"
#include "ui/app/inputpanel.h"
#include "ui/app/tmainfrm.h"
#include "ui/tools/textfilecommands.h"
#include "ui/tools/tversionfrm.h"

#include <QAction>
#include <QCheckBox>
#include <QDir>
#include <QFileInfo>
#include <QFontDialog>
#include <QGroupBox>
#include <QIntValidator>
#include <QLineEdit>
#include <QMenu>
#include <QMessageBox>
#include <QPlainTextEdit>

#include <algorithm>

namespace pelinor::ui {

using core::SettingKey;

namespace {

constexpr int kPhoneticFontSmallest = 8;
constexpr int kPhoneticFontLargest = 50;

// The font dialog offers sizes 8 to 50 only and no effects: Qt's own dialog has no options for either, so
// its size field is narrowed and its effects group hidden.
void narrowFontDialog(QFontDialog& dialog)
{
    for (QGroupBox* group : dialog.findChildren<QGroupBox*>()) {
        if (!group->findChildren<QCheckBox*>().isEmpty())
            group->hide();
    }
    for (QLineEdit* field : dialog.findChildren<QLineEdit*>()) {
        if (auto* validator = qobject_cast<QIntValidator*>(const_cast<QValidator*>(field->validator())))
            validator->setRange(kPhoneticFontSmallest, kPhoneticFontLargest);
    }
}

} // namespace

void TMainFrm::connectUtilities()
{
    m_textFiles = new TextFileCommands(m_foreignArea, m_folders.userTextFolder(), this);
    connect(m_menus.file, &QMenu::aboutToShow, this, [this] { m_textFiles->updateSaveAction(m_menus.save); });
    m_textFiles->updateSaveAction(m_menus.save);
    connect(m_menus.open, &QAction::triggered, m_textFiles, &TextFileCommands::open);
    connect(m_menus.save, &QAction::triggered, m_textFiles, &TextFileCommands::save);
    connect(m_menus.saveAs, &QAction::triggered, m_textFiles, [this] {
        m_textFiles->saveAs();
        m_textFiles->updateSaveAction(m_menus.save);
    });
    connect(m_menus.open, &QAction::triggered, this, [this] { m_textFiles->updateSaveAction(m_menus.save); });

    connect(m_menus.wordWrap, &QAction::triggered, this, [this] {
        const bool on = !m_settings.flag(SettingKey::WordWrapFlg);
        m_settings.setFlag(SettingKey::WordWrapFlg, on);
        m_inputPanel->setWordWrap(on);
    });
    connect(m_menus.scrollBars, &QAction::triggered, this, [this] {
        const bool on = !m_settings.flag(SettingKey::ScroBarsFlg);
        m_settings.setFlag(SettingKey::ScroBarsFlg, on);
        m_inputPanel->setScrollBars(on);
    });

    connect(m_menus.codeChecker, &QAction::triggered, this, &TMainFrm::checkCodeValues);
    connect(m_menus.helpContents, &QAction::triggered, this, &TMainFrm::openHelp);
    connect(m_menus.version, &QAction::triggered, this, &TMainFrm::showVersion);
    connect(m_menus.settings, &QAction::triggered, this, &TMainFrm::openSettings);
    connect(m_actions.option, &QAction::triggered, this, &TMainFrm::openSettings);

    // The phonetic area's context menu: the edit commands, then its font.
    m_phoneticArea->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(m_phoneticArea, &QWidget::customContextMenuRequested, this, [this](const QPoint& at) {
        QMenu* menu = m_phoneticArea->createStandardContextMenu();
        menu->setObjectName(QStringLiteral("PhoneticAreaMenu"));
        menu->setAttribute(Qt::WA_DeleteOnClose);
        menu->addSeparator();
        QAction* choose = menu->addAction(tr("発音記号フォントを変更する"), this, &TMainFrm::choosePhoneticFont);
        choose->setObjectName(QStringLiteral("PhoneticFontChoose"));
        QAction* reset = menu->addAction(tr("発音記号フォントを初期値に戻す"), this, &TMainFrm::resetPhoneticFont);
        reset->setObjectName(QStringLiteral("PhoneticFontReset"));
        menu->popup(m_phoneticArea->mapToGlobal(at));
    });
}

void TMainFrm::checkCodeValues()
{
    const QString codes = core::codeValueText(m_foreignArea->toPlainText());
    if (codes.isEmpty())
        return;
    QMessageBox::information(
        this, QStringLiteral("Pelinor"), tr("結果は発音記号入力エリアに表示します。"), QMessageBox::Ok);
    m_phoneticArea->setText(codes);
}

void TMainFrm::openHelp()
{
    // A compiled help file of the program's name comes first; the HTML help book is the one shipped.
    const QString folder = m_folders.helpFolder() + QLatin1Char('/');
    QString help = folder + QStringLiteral("Pelinor.chm");
    if (!QFileInfo(help).isFile())
        help = folder + QStringLiteral("Pelinor.html");
    if (!QFileInfo(help).isFile()) {
        QMessageBox::warning(this, QStringLiteral("Pelinor"),
            tr("ヘルプファイル「%1」が見つかりません。").arg(QDir::toNativeSeparators(help)), QMessageBox::Yes);
        return;
    }
    if (!m_shellOpener.openFile(help))
        QMessageBox::warning(this, QStringLiteral("Pelinor"),
            tr("ヘルプファイル「%1」を開くプログラムが見つかりません。").arg(QDir::toNativeSeparators(help)),
            QMessageBox::Yes);
}

void TMainFrm::showVersion()
{
    TVersionFrm dialog(this);
    dialog.exec();
}

void TMainFrm::choosePhoneticFont()
{
    QFont preset(m_settings.text(SettingKey::UsrSubFont));
    preset.setPointSize(m_settings.integer(SettingKey::UsrSubFontSize));
    QFontDialog dialog(preset, this);
    dialog.setObjectName(QStringLiteral("PhoneticFontDialog"));
    dialog.setOption(QFontDialog::DontUseNativeDialog);
    narrowFontDialog(dialog);
    if (dialog.exec() != QDialog::Accepted)
        return;
    const QFont chosen = dialog.selectedFont();
    applyPhoneticFont(chosen.family(),
        std::clamp(chosen.pointSize() > 0 ? chosen.pointSize() : m_settings.integer(SettingKey::UsrSubFontSize),
            kPhoneticFontSmallest, kPhoneticFontLargest));
}

void TMainFrm::resetPhoneticFont()
{
    applyPhoneticFont(QStringLiteral("Segoe UI"), 16);
}

void TMainFrm::applyPhoneticFont(const QString& family, int size)
{
    m_settings.setText(SettingKey::UsrSubFont, family);
    m_settings.setInteger(SettingKey::UsrSubFontSize, size);
    m_inputPanel->setPhoneticFont(family, size);
}

} // namespace pelinor::ui
