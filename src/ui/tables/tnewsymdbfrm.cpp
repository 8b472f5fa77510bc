#include "ui/tables/tnewsymdbfrm.h"

#include "core/app/folders.h"
#include "core/common/textfile.h"
#include "core/tables/newsymboldatabase.h"
#include "core/tables/writingsystems.h"
#include "ui/tables/glyphpreview.h"

#include <QComboBox>
#include <QDir>
#include <QFileInfo>
#include <QFontDatabase>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QStatusBar>
#include <QVBoxLayout>

namespace pelinor::ui {

namespace {

QLabel* label(const QString& text, QWidget* parent)
{
    return new QLabel(text, parent);
}

void greyBackground(QWidget* widget)
{
    QPalette palette = widget->palette();
    palette.setColor(QPalette::Base, QColor(0xC0, 0xC0, 0xC0));
    widget->setPalette(palette);
}

} // namespace

TNewSymDBFrm::TNewSymDBFrm(const TableToolsContext& context, QWidget* parent)
    : QDialog(parent)
    , m_context(context)
{
    setObjectName(QStringLiteral("TNewSymDBFrm"));
    setWindowTitle(tr("記号DBの新規作成"));
    setFixedSize(600, 580);
    auto* layout = new QVBoxLayout(this);
    auto* grid = new QGridLayout;
    layout->addLayout(grid, 1);

    grid->addWidget(label(tr("１．使用文字とフォントを指定します。"), this), 0, 0, 1, 3);
    m_writingSystemBox = new QComboBox(this);
    m_writingSystemBox->setObjectName(QStringLiteral("WritingSystemBox"));
    m_writingSystemBox->setMaxVisibleItems(16);
    for (const core::WritingSystem& system : core::WritingSystems::known())
        m_writingSystemBox->addItem(system.name);
    grid->addWidget(m_writingSystemBox, 1, 0);
    m_fontBox = new QComboBox(this);
    m_fontBox->setObjectName(QStringLiteral("DisplayFontBox"));
    m_fontBox->setMaxVisibleItems(20);
    for (const QString& family : QFontDatabase::families()) {
        if (!family.startsWith(u'@'))
            m_fontBox->addItem(family);
    }
    grid->addWidget(m_fontBox, 1, 1);
    m_sample = new GlyphPreview(Qt::gray, 2, 24, this);
    m_sample->setObjectName(QStringLiteral("SampleGlyph"));
    m_sample->setFixedSize(50, 50);
    grid->addWidget(m_sample, 1, 2);

    grid->addWidget(label(tr("２．グループに追加があれば入力します。"), this), 2, 0, 1, 3);
    m_fixedGroups = new QListWidget(this);
    m_fixedGroups->setObjectName(QStringLiteral("FixedGroups"));
    m_fixedGroups->addItems(core::NewSymbolDatabase::fixedGroupNames());
    greyBackground(m_fixedGroups);
    grid->addWidget(m_fixedGroups, 3, 0);
    m_extraGroups = new QPlainTextEdit(this);
    m_extraGroups->setObjectName(QStringLiteral("ExtraGroups"));
    grid->addWidget(m_extraGroups, 3, 1, 1, 2);
    grid->addWidget(
        label(tr("※グループは、ユニコード（記号や文字）の候補指定をしやすくするためのものです。"), this), 4, 0, 1, 3);
    grid->addWidget(label(tr("※追加するグループは、グループ毎に改行します。"), this), 5, 0, 1, 3);

    grid->addWidget(label(tr("３．記号DBファイル名を入力し、「作成」ボタンを押します。"), this), 6, 0, 1, 3);
    grid->addWidget(label(tr("・既存の記号DBファイル　（重複注意）"), this), 7, 0);
    m_existing = new QListWidget(this);
    m_existing->setObjectName(QStringLiteral("ExistingDatabases"));
    m_existing->addItems(
        QDir(m_context.folders.currentTableFolder()).entryList({QStringLiteral("DB*.csv")}, QDir::Files, QDir::Name));
    greyBackground(m_existing);
    grid->addWidget(m_existing, 8, 0, 3, 1);
    m_nameField = new QLineEdit(this);
    m_nameField->setObjectName(QStringLiteral("NameField"));
    m_nameField->setAttribute(Qt::WA_InputMethodEnabled, false);
    grid->addWidget(m_nameField, 8, 1, 1, 2);
    grid->addWidget(label(tr("（語頭はDB、拡張子はcsvです）"), this), 9, 1, 1, 2);
    m_create = new QPushButton(tr("作る"), this);
    m_create->setObjectName(QStringLiteral("CreateButton"));
    m_cancel = new QPushButton(tr("ｷｬﾝｾﾙ"), this);
    m_cancel->setObjectName(QStringLiteral("CancelButton"));
    m_create->setAutoDefault(false);
    m_cancel->setAutoDefault(false);
    grid->addWidget(m_create, 10, 1);
    grid->addWidget(m_cancel, 10, 2);

    auto* status = new QStatusBar(this);
    status->setSizeGripEnabled(false);
    status->addWidget(label(tr("■ﾃｰﾌﾞﾙﾌｫﾙﾀﾞ：") + m_context.folders.currentTableFolder(), status));
    layout->addWidget(status);

    connect(m_writingSystemBox, &QComboBox::currentIndexChanged, this, &TNewSymDBFrm::writingSystemChosen);
    connect(m_fontBox, &QComboBox::currentIndexChanged, this, [this] {
        updateSample();
        updateCreateButton();
    });
    connect(m_nameField, &QLineEdit::textChanged, this, &TNewSymDBFrm::updateCreateButton);
    connect(m_nameField, &QLineEdit::returnPressed, this, [this] {
        if (m_create->isEnabled())
            create();
    });
    connect(m_create, &QPushButton::clicked, this, &TNewSymDBFrm::create);
    connect(m_cancel, &QPushButton::clicked, this, &QDialog::reject);

    m_writingSystemBox->setCurrentIndex(0);
    writingSystemChosen(0);
    m_nameField->setFocus();
}

void TNewSymDBFrm::writingSystemChosen(int item)
{
    if (item < 0 || item >= core::WritingSystems::known().size())
        return;
    const core::WritingSystem& system = core::WritingSystems::known().at(item);
    m_sampleGlyph = system.sampleGlyph;
    int font = m_fontBox->findText(system.defaultFont);
    if (font < 0)
        font = m_fontBox->findText(QStringLiteral("Times New Roman"));
    if (font < 0) {
        // The desktop knows neither by name; the program's font substitutes still draw the default one.
        m_fontBox->insertItem(0, system.defaultFont);
        font = 0;
    }
    m_fontBox->setCurrentIndex(font);
    updateSample();
    updateCreateButton();
}

void TNewSymDBFrm::updateSample()
{
    m_sample->showGlyph(m_sampleGlyph, m_fontBox->currentText());
}

void TNewSymDBFrm::updateCreateButton()
{
    m_create->setEnabled(!m_nameField->text().trimmed().isEmpty() && m_writingSystemBox->currentIndex() >= 0
        && m_fontBox->currentIndex() >= 0);
}

void TNewSymDBFrm::create()
{
    const QString name = m_nameField->text();
    const QString folder = m_context.folders.currentTableFolder();
    if (const std::optional<QString> problem = core::NewSymbolDatabase::nameProblem(name, folder)) {
        QMessageBox::warning(this, windowTitle(), *problem, QMessageBox::Yes);
        return;
    }
    // One group per line of the text area; a final line break adds none.
    const QStringList extraGroups = core::splitLines(m_extraGroups->toPlainText());
    const core::SymbolDatabase database
        = core::NewSymbolDatabase::build(m_writingSystemBox->currentText(), m_fontBox->currentText(), extraGroups);
    const QString path = QDir(folder).filePath(name);
    QString error;
    if (!database.write(path, &error)) {
        QMessageBox::warning(this, windowTitle(), error, QMessageBox::Yes);
        return;
    }
    const QString question
        = tr("空の記号DBファイル") + u'"' + name + u'"' + tr("を生成しました。記号DBで読み込みますか？");
    if (QMessageBox::question(this, windowTitle(), question, QMessageBox::Yes | QMessageBox::No) == QMessageBox::Yes)
        m_fileToOpen = path;
    accept();
}

} // namespace pelinor::ui
