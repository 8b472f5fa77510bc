#include "ui/tools/utilitycommands.h"

#include "core/app/folders.h"
#include "core/app/settings.h"
#include "core/common/codevaluetext.h"
#include "platform/shellopener.h"
#include "ui/app/inputpanel.h"
#include "ui/app/mainmenus.h"
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

UtilityCommands::UtilityCommands(UtilityCommandsContext context, QObject* parent)
    : QObject(parent)
    , m_context(context)
    , m_textFiles(new TextFileCommands(
          m_context.inputPanel.foreignArea(), m_context.folders.userTextFolder(), m_context.mainWindow))
{
    // The phonetic area's context menu: the edit commands, then its font.
    QLineEdit* phoneticArea = m_context.inputPanel.phoneticArea();
    phoneticArea->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(phoneticArea, &QWidget::customContextMenuRequested, this, &UtilityCommands::showPhoneticAreaMenu);
}

void UtilityCommands::connectMenus(const MainMenus& menus)
{
    QAction* save = menus.save;
    connect(menus.file, &QMenu::aboutToShow, this, [this, save] { m_textFiles->updateSaveAction(save); });
    m_textFiles->updateSaveAction(save);
    connect(menus.open, &QAction::triggered, m_textFiles, &TextFileCommands::open);
    connect(menus.save, &QAction::triggered, m_textFiles, &TextFileCommands::save);
    connect(menus.saveAs, &QAction::triggered, m_textFiles, [this, save] {
        m_textFiles->saveAs();
        m_textFiles->updateSaveAction(save);
    });
    connect(menus.open, &QAction::triggered, this, [this, save] { m_textFiles->updateSaveAction(save); });

    connect(menus.wordWrap, &QAction::triggered, this, &UtilityCommands::toggleWordWrap);
    connect(menus.scrollBars, &QAction::triggered, this, &UtilityCommands::toggleScrollBars);
    connect(menus.codeChecker, &QAction::triggered, this, &UtilityCommands::checkCodeValues);
    connect(menus.helpContents, &QAction::triggered, this, &UtilityCommands::openHelp);
    connect(menus.version, &QAction::triggered, this, &UtilityCommands::showVersion);
}

void UtilityCommands::toggleWordWrap()
{
    const bool on = !m_context.settings.flag(SettingKey::WordWrapFlg);
    m_context.settings.setFlag(SettingKey::WordWrapFlg, on);
    m_context.inputPanel.setWordWrap(on);
}

void UtilityCommands::toggleScrollBars()
{
    const bool on = !m_context.settings.flag(SettingKey::ScroBarsFlg);
    m_context.settings.setFlag(SettingKey::ScroBarsFlg, on);
    m_context.inputPanel.setScrollBars(on);
}

void UtilityCommands::checkCodeValues()
{
    const QString codes = core::codeValueText(m_context.inputPanel.foreignArea()->toPlainText());
    if (codes.isEmpty())
        return;
    QMessageBox::information(
        m_context.mainWindow, QStringLiteral("Pelinor"), tr("結果は発音記号入力エリアに表示します。"), QMessageBox::Ok);
    m_context.inputPanel.phoneticArea()->setText(codes);
}

void UtilityCommands::openHelp()
{
    // A compiled help file of the program's name comes first; the HTML help book is the one shipped.
    const QString folder = m_context.folders.helpFolder() + QLatin1Char('/');
    QString help = folder + QStringLiteral("Pelinor.chm");
    if (!QFileInfo(help).isFile())
        help = folder + QStringLiteral("Pelinor.html");
    if (!QFileInfo(help).isFile()) {
        QMessageBox::warning(m_context.mainWindow, QStringLiteral("Pelinor"),
            tr("ヘルプファイル「%1」が見つかりません。").arg(QDir::toNativeSeparators(help)), QMessageBox::Yes);
        return;
    }
    if (!m_context.shellOpener.openFile(help))
        QMessageBox::warning(m_context.mainWindow, QStringLiteral("Pelinor"),
            tr("ヘルプファイル「%1」を開くプログラムが見つかりません。").arg(QDir::toNativeSeparators(help)),
            QMessageBox::Yes);
}

void UtilityCommands::showVersion()
{
    TVersionFrm dialog(m_context.mainWindow);
    dialog.exec();
}

void UtilityCommands::showPhoneticAreaMenu(const QPoint& at)
{
    QLineEdit* phoneticArea = m_context.inputPanel.phoneticArea();
    QMenu* menu = phoneticArea->createStandardContextMenu();
    menu->setObjectName(QStringLiteral("PhoneticAreaMenu"));
    menu->setAttribute(Qt::WA_DeleteOnClose);
    menu->addSeparator();
    QAction* choose = menu->addAction(tr("発音記号フォントを変更する"), this, &UtilityCommands::choosePhoneticFont);
    choose->setObjectName(QStringLiteral("PhoneticFontChoose"));
    QAction* reset = menu->addAction(tr("発音記号フォントを初期値に戻す"), this, &UtilityCommands::resetPhoneticFont);
    reset->setObjectName(QStringLiteral("PhoneticFontReset"));
    menu->popup(phoneticArea->mapToGlobal(at));
}

void UtilityCommands::choosePhoneticFont()
{
    core::Settings& settings = m_context.settings;
    QFont preset(settings.text(SettingKey::UsrSubFont));
    preset.setPointSize(settings.integer(SettingKey::UsrSubFontSize));
    QFontDialog dialog(preset, m_context.mainWindow);
    dialog.setObjectName(QStringLiteral("PhoneticFontDialog"));
    dialog.setOption(QFontDialog::DontUseNativeDialog);
    narrowFontDialog(dialog);
    if (dialog.exec() != QDialog::Accepted)
        return;
    const QFont chosen = dialog.selectedFont();
    applyPhoneticFont(chosen.family(),
        std::clamp(chosen.pointSize() > 0 ? chosen.pointSize() : settings.integer(SettingKey::UsrSubFontSize),
            kPhoneticFontSmallest, kPhoneticFontLargest));
}

void UtilityCommands::resetPhoneticFont()
{
    applyPhoneticFont(QStringLiteral("Segoe UI"), 16);
}

void UtilityCommands::applyPhoneticFont(const QString& family, int size)
{
    m_context.settings.setText(SettingKey::UsrSubFont, family);
    m_context.settings.setInteger(SettingKey::UsrSubFontSize, size);
    m_context.inputPanel.setPhoneticFont(family, size);
}

} // namespace pelinor::ui
