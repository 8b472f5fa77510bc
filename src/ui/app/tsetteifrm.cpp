#include "ui/app/tsetteifrm.h"

#include "core/app/folders.h"
#include "core/app/settings.h"
#include "core/app/userfilecleanup.h"
#include "ui/app/fontboxes.h"
#include "ui/common/fontfamilies.h"
#include "ui/common/qtcolours.h"

#include <QCheckBox>
#include <QColorDialog>
#include <QComboBox>
#include <QFileDialog>
#include <QFileInfo>
#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QSlider>
#include <QTabWidget>
#include <QVBoxLayout>

namespace pelinor::ui {

using core::SettingKey;

namespace {

constexpr std::array<SettingKey, 4> kAppearanceKeys{
    SettingKey::LVLineHeight, SettingKey::TnMainFontSize, SettingKey::TnSubFontSize, SettingKey::TnJpFontSize};
constexpr std::array<int, 4> kAppearanceResets{28, 15, 14, 12};

void showFontIn(QComboBox* box, const QString& name, const QString& missing)
{
    if (!selectFontInBox(box, name))
        box->setEditText(missing);
}

} // namespace

TSetteiFrm::TSetteiFrm(core::Settings& settings, const core::Folders& folders, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowCloseButtonHint | Qt::WindowTitleHint)
    , m_settings(settings)
    , m_folders(folders)
{
    setObjectName(QStringLiteral("SetteiFrm"));
    setWindowTitle(tr("設定"));
    QFont windowFont = fontOfFamily(QStringLiteral("ＭＳ Ｐゴシック"));
    windowFont.setPixelSize(16);
    setFont(windowFont);

    m_pages = new QTabWidget;
    m_pages->setObjectName(QStringLiteral("SettingsPages"));
    m_pages->addTab(buildWordBookPage(), tr("単語帳"));
    m_pages->addTab(buildGeneralPage(), tr("全般"));
    m_pages->addTab(buildFontPage(), tr("フォント"));
    m_pages->addTab(buildFilePage(), tr("ファイル"));
    m_pages->addTab(buildColourPage(), tr("色"));
    m_pages->addTab(buildTimerPage(), tr("タイマー設定"));
    m_pages->setCurrentIndex(0);

    auto* ok = new QPushButton(tr("OK"));
    ok->setObjectName(QStringLiteral("OkButton"));
    ok->setDefault(true);
    auto* cancel = new QPushButton(tr("ｷｬﾝｾﾙ"));
    cancel->setObjectName(QStringLiteral("CancelButton"));
    cancel->setAutoDefault(false);
    for (QPushButton* b : {ok, cancel})
        b->setFixedSize(100, 32);
    connect(ok, &QPushButton::clicked, this, &TSetteiFrm::accept);
    connect(cancel, &QPushButton::clicked, this, &TSetteiFrm::reject);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(ok);
    buttons->addWidget(cancel);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(20, 20, 20, 12);
    layout->addWidget(m_pages, 1);
    layout->addLayout(buttons);

    fillFromSettings();
    // Japanese labels in a proportional font need more room than the original design; the size stays fixed.
    resize(sizeHint().expandedTo(QSize(580, 525)));
    setFixedSize(size());
}

void TSetteiFrm::fillFromSettings()
{
    const core::SettingsDialogValues v = core::SettingsDialogValues::fromSettings(m_settings);
    const bool wordBookFlags[] = {v.resetInput, v.lastVisible, v.regCopy, v.regClear, v.noSample};
    for (size_t i = 0; i < m_wordBookBoxes.size(); ++i)
        m_wordBookBoxes[i]->setChecked(wordBookFlags[i]);
    for (size_t i = 0; i < m_appearance.size(); ++i) {
        const QSignalBlocker blocker(m_appearance[i].bar);
        m_appearance[i].bar->setValue(m_settings.integer(kAppearanceKeys[i]));
        m_appearance[i].value->setNum(m_appearance[i].bar->value());
    }
    const bool generalFlags[] = {v.transClear, v.autoTrans, v.systemTables, v.mediaPlayer, v.replaceTables};
    for (size_t i = 0; i < m_generalBoxes.size(); ++i)
        m_generalBoxes[i]->setChecked(generalFlags[i]);

    m_scriptFontsOnlyBox->setChecked(v.scriptFontsOnly);
    showFontIn(m_phoneticFontBox, v.phoneticFont, QStringLiteral("Segoe UI"));
    m_phoneticSizeBox->setEditText(v.phoneticSize);
    for (size_t i = 0; i < m_scriptFontBoxes.size(); ++i)
        showFontIn(m_scriptFontBoxes[i], v.scriptFonts[i], QStringLiteral("Times New Roman"));
    m_fixedSizesBox->setChecked(v.fixedSizes);
    for (QWidget* w : m_fixedSizeControls)
        w->setEnabled(v.fixedSizes);
    m_fixedMainSizeBox->setEditText(v.fixedMainSize);
    m_fixedSubSizeBox->setEditText(v.fixedSubSize);

    for (size_t i = 0; i < m_tableFiles.size(); ++i)
        m_tableFiles[i]->setText(v.tableFiles[i]);
    for (size_t i = 0; i < m_colours.size(); ++i)
        showColour(i, v.colours[i]);
    m_timers[0].bar->setValue(v.searchTimer);
    m_timers[1].bar->setValue(v.pasteTimer);
    for (const TimerControls& t : m_timers)
        t.value->setNum(t.bar->value());
}

core::SettingsDialogValues TSetteiFrm::values() const
{
    core::SettingsDialogValues v;
    v.resetInput = m_wordBookBoxes[0]->isChecked();
    v.lastVisible = m_wordBookBoxes[1]->isChecked();
    v.regCopy = m_wordBookBoxes[2]->isChecked();
    v.regClear = m_wordBookBoxes[3]->isChecked();
    v.noSample = m_wordBookBoxes[4]->isChecked();
    v.transClear = m_generalBoxes[0]->isChecked();
    v.autoTrans = m_generalBoxes[1]->isChecked();
    v.systemTables = m_generalBoxes[2]->isChecked();
    v.mediaPlayer = m_generalBoxes[3]->isChecked();
    v.replaceTables = m_generalBoxes[4]->isChecked();
    v.scriptFontsOnly = m_scriptFontsOnlyBox->isChecked();
    v.phoneticFont = m_phoneticFontBox->currentText();
    v.phoneticSize = m_phoneticSizeBox->currentText();
    v.fixedSizes = m_fixedSizesBox->isChecked();
    v.fixedMainSize = m_fixedMainSizeBox->currentText();
    v.fixedSubSize = m_fixedSubSizeBox->currentText();
    for (size_t i = 0; i < m_scriptFontBoxes.size(); ++i)
        v.scriptFonts[i] = m_scriptFontBoxes[i]->currentText();
    for (size_t i = 0; i < m_tableFiles.size(); ++i)
        v.tableFiles[i] = m_tableFiles[i]->text();
    v.colours = m_sampleColours;
    v.searchTimer = m_timers[0].bar->value();
    v.pasteTimer = m_timers[1].bar->value();
    return v;
}

void TSetteiFrm::appearanceBarMoved(size_t index, int value)
{
    m_appearance[index].value->setNum(value);
    if (!m_appearanceBox->isChecked())
        return;
    // These act at once and stay even when the dialog is cancelled.
    m_settings.setInteger(kAppearanceKeys[index], value);
    Q_EMIT wordListAppearanceChanged();
}

void TSetteiFrm::resetAppearance()
{
    for (size_t i = 0; i < m_appearance.size(); ++i) {
        const QSignalBlocker blocker(m_appearance[i].bar);
        m_appearance[i].bar->setValue(kAppearanceResets[i]);
        m_appearance[i].value->setNum(kAppearanceResets[i]);
        m_settings.setInteger(kAppearanceKeys[i], kAppearanceResets[i]);
    }
    Q_EMIT wordListAppearanceChanged();
}

void TSetteiFrm::floorPhoneticSize()
{
    const int size
        = core::sizeFromText(m_phoneticSizeBox->currentText(), m_settings.integer(SettingKey::UsrSubFontSize));
    if (size < core::kPhoneticSizeFloor)
        m_phoneticSizeBox->setEditText(QString::number(core::kPhoneticSizeFloor));
}

void TSetteiFrm::browseTableFile(size_t field)
{
    const bool database = field % 2 == 0;
    const QString filter = database ? tr("記号データベース(DB*.csv)") : tr("候補ファイル(Cand*.csv)");
    const QString chosen = QFileDialog::getOpenFileName(this, QString(), m_folders.currentTableFolder(), filter);
    if (!chosen.isEmpty())
        m_tableFiles[field]->setText(QFileInfo(chosen).fileName());
}

void TSetteiFrm::chooseColour(size_t row)
{
    const QColor chosen = QColorDialog::getColor(toQColor(m_settings.colour(core::colourRows()[row].key)), this);
    if (chosen.isValid())
        showColour(row, toColourRgb(chosen));
}

void TSetteiFrm::showColour(size_t row, core::ColourRgb colour)
{
    m_sampleColours[row] = colour;
    QPalette palette = m_colours[row].sample->palette();
    palette.setColor(QPalette::Window, toQColor(colour));
    m_colours[row].sample->setPalette(palette);
    const QString code = core::colourCode(colour);
    if (m_colours[row].field->text() != code)
        m_colours[row].field->setText(code);
}

void TSetteiFrm::colourTyped(size_t row, const QString& text)
{
    // Until the code is complete the sample keeps its colour, and so does OK.
    if (const std::optional<core::ColourRgb> colour = core::parseColourCode(text))
        showColour(row, *colour);
}

void TSetteiFrm::accept()
{
    m_changes = core::applySettingsDialog(m_settings, values());
    QDialog::accept();
}

void TSetteiFrm::resetSettingsFile()
{
    const auto answer = QMessageBox::question(this, windowTitle(),
        tr("一旦終了しますので、再起動して下さい。\nすべてを初期値に戻す場合「はい」を選んで下さい。"),
        QMessageBox::Yes | QMessageBox::No, QMessageBox::No);
    if (answer != QMessageBox::Yes)
        return;
    core::removeSettingsFile(m_folders);
    m_settings.setDiscardSettings(true);
    m_endsProgram = true;
    reject();
}

void TSetteiFrm::removeAllFiles()
{
    const auto answer = QMessageBox::question(this, windowTitle(),
        tr("　ファイルを削除後、終了しますので、「コントロールパネル」の「プログラムのアンインストール」からアンインス"
           "トー"
           "ルを行なって下さい。\n　なお再起動するとファイルが生成されるので、完全にアンインストールする場合は再起動し"
           "ない"
           "で下さい。\n　削除をはじめますがよろしいですか？"),
        QMessageBox::Yes | QMessageBox::No, QMessageBox::No);
    if (answer != QMessageBox::Yes)
        return;
    core::removeFilesBeforeUninstall(m_folders, m_settings.versionMarkerName());
    m_settings.setDiscardSettings(true);
    m_endsProgram = true;
    reject();
}

} // namespace pelinor::ui
