#include "ui/tables/tmakehtmlfrm.h"

#include "core/app/folders.h"
#include "core/app/settings.h"
#include "core/common/colourcode.h"
#include "core/tables/candidatefile.h"
#include "core/tables/candidatelistpage.h"
#include "platform/shellopener.h"
#include "ui/common/qtcolours.h"

#include <QColorDialog>
#include <QComboBox>
#include <QDir>
#include <QFileInfo>
#include <QFontDatabase>
#include <QFrame>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QStatusBar>
#include <QStyle>
#include <QTabWidget>
#include <QToolButton>
#include <QVBoxLayout>

namespace pelinor::ui {

namespace {

constexpr int kButtonWidth = 47;
constexpr int kButtonHeight = 62;

QToolButton* command(
    QWidget* bar, const QString& caption, const QString& objectName, int i, QStyle::StandardPixmap picture)
{
    auto* button = new QToolButton(bar);
    button->setObjectName(objectName);
    button->setText(caption);
    button->setIcon(bar->style()->standardIcon(picture));
    button->setIconSize(QSize(32, 32));
    button->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
    button->setAutoRaise(true);
    button->setGeometry(6 + 48 * i, 2, kButtonWidth, kButtonHeight);
    return button;
}

// The families a font box offers, with `wanted` added when the desktop only knows it as a substitute.
QStringList familiesWith(const QStringList& families, const QString& wanted)
{
    QStringList list = families;
    if (!wanted.isEmpty() && !list.contains(wanted))
        list.prepend(wanted);
    return list;
}

void chooseText(QComboBox* box, const QString& text)
{
    const int item = box->findText(text);
    if (item >= 0)
        box->setCurrentIndex(item);
}

} // namespace

TMakeHtmlFrm::TMakeHtmlFrm(const TableToolsContext& context, QWidget* parent)
    : QDialog(parent)
    , m_context(context)
{
    setObjectName(QStringLiteral("TMakeHtmlFrm"));
    setWindowTitle(tr("一覧HTML作成ツール"));
    setFixedSize(640, 640);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);

    auto* bar = new QWidget(this);
    bar->setFixedHeight(kButtonHeight + 4);
    m_exit = command(bar, tr("閉る"), QStringLiteral("HMExit"), 0, QStyle::SP_DialogCloseButton);
    m_make = command(bar, tr("作る"), QStringLiteral("HMMake"), 1, QStyle::SP_FileIcon);
    m_save = command(bar, tr("保存"), QStringLiteral("HMSave"), 2, QStyle::SP_DialogSaveButton);
    m_show = command(bar, tr("見る"), QStringLiteral("HMShow"), 3, QStyle::SP_FileDialogContentsView);
    auto* guide = new QLabel(tr("■トリガーキーと候補の表をHTML形式で作るツールです。") + u'\n'
            + tr("・候補ファイルを指定し「作る」「保存」「見る」を順に押します。"),
        bar);
    guide->setGeometry(6 + 48 * 4 + 12, 2, 420, kButtonHeight);
    layout->addWidget(bar);
    layout->addWidget(buildInputs());

    auto* tabs = new QTabWidget(this);
    m_pageText = new QPlainTextEdit(tabs);
    m_pageText->setObjectName(QStringLiteral("PageText"));
    m_pageText->setLineWrapMode(QPlainTextEdit::NoWrap);
    m_pageText->setAttribute(Qt::WA_InputMethodEnabled, false);
    tabs->addTab(m_pageText, tr("HTML（自由に編集できます）"));
    layout->addWidget(tabs, 1);

    auto* status = new QStatusBar(this);
    status->setSizeGripEnabled(false);
    auto* folderPanel = new QLabel(tr("■テーブルフォルダ： ") + tableFolder(), status);
    folderPanel->setObjectName(QStringLiteral("FolderPanel"));
    status->addWidget(folderPanel, 1);
    layout->addWidget(status);

    m_make->setEnabled(false);
    m_save->setEnabled(false);
    m_show->setEnabled(false);
    connect(m_exit, &QToolButton::clicked, this, &QDialog::reject);
    connect(m_make, &QToolButton::clicked, this, &TMakeHtmlFrm::hmMake);
    connect(m_save, &QToolButton::clicked, this, &TMakeHtmlFrm::hmSave);
    connect(m_show, &QToolButton::clicked, this, &TMakeHtmlFrm::hmShow);
    connect(m_candidateFileBox, &QComboBox::activated, this, &TMakeHtmlFrm::candidateFileChosen);
    connect(m_chooseColour, &QToolButton::clicked, this, &TMakeHtmlFrm::chooseBackground);
    connect(m_backgroundField, &QLineEdit::textChanged, this, &TMakeHtmlFrm::updateSwatch);
    updateSwatch();
}

QWidget* TMakeHtmlFrm::buildInputs()
{
    auto* inputs = new QWidget(this);
    auto* grid = new QGridLayout(inputs);
    grid->setContentsMargins(8, 4, 8, 4);
    int row = 0;
    const auto step = [&](const QString& text) { grid->addWidget(new QLabel(text, inputs), row++, 0, 1, 4); };

    step(tr("１．対象とする候補ファイルを選ぶ"));
    m_candidateFileBox = new QComboBox(inputs);
    m_candidateFileBox->setObjectName(QStringLiteral("CandidateFileBox"));
    m_candidateFileBox->setMaxVisibleItems(12);
    m_candidateFileBox->addItems(QDir(tableFolder()).entryList({QStringLiteral("Cand*.csv")}, QDir::Files, QDir::Name));
    m_candidateFileBox->setCurrentIndex(-1);
    grid->addWidget(m_candidateFileBox, row++, 0, 1, 2);

    step(tr("２．出力するHTMLファイル名を確定する"));
    m_outputNameField = new QLineEdit(inputs);
    m_outputNameField->setObjectName(QStringLiteral("OutputNameField"));
    m_outputNameField->setAttribute(Qt::WA_InputMethodEnabled, false);
    grid->addWidget(m_outputNameField, row++, 0, 1, 2);

    step(tr("３．HTMLファイルのタイトルを入力する"));
    m_titleField = new QLineEdit(inputs);
    m_titleField->setObjectName(QStringLiteral("TitleField"));
    grid->addWidget(m_titleField, row++, 0, 1, 2);

    step(tr("４．タイトルの日本語フォントを指定する"));
    m_titleFontBox = new QComboBox(inputs);
    m_titleFontBox->setObjectName(QStringLiteral("TitleFontBox"));
    m_titleFontBox->setMaxVisibleItems(20);
    QStringList japanese;
    for (const QString& family : QFontDatabase::families(QFontDatabase::Japanese)) {
        if (!family.startsWith(u'@') && !family.startsWith(u'$') && QFontDatabase::isScalable(family))
            japanese.append(family);
    }
    const QString gothic = tr("ＭＳ Ｐゴシック");
    m_titleFontBox->addItems(familiesWith(japanese, gothic));
    chooseText(m_titleFontBox, gothic);
    grid->addWidget(m_titleFontBox, row++, 0, 1, 2);

    step(tr("５．候補のフォントと文字サイズ(%)を指定する"));
    m_candidateFontBox = new QComboBox(inputs);
    m_candidateFontBox->setObjectName(QStringLiteral("CandidateFontBox"));
    m_candidateFontBox->setMaxVisibleItems(20);
    QStringList families;
    for (const QString& family : QFontDatabase::families()) {
        if (!family.startsWith(u'@'))
            families.append(family);
    }
    m_candidateFontBox->addItems(familiesWith(families, QStringLiteral("Times New Roman")));
    chooseText(m_candidateFontBox, QStringLiteral("Times New Roman"));
    grid->addWidget(m_candidateFontBox, row, 0, 1, 2);
    m_sizeBox = new QComboBox(inputs);
    m_sizeBox->setObjectName(QStringLiteral("CandidateSizeBox"));
    m_sizeBox->setEditable(true);
    m_sizeBox->setMaxVisibleItems(12);
    for (int size = 120; size <= 250; size += 10)
        m_sizeBox->addItem(QString::number(size));
    m_sizeBox->setCurrentText(QStringLiteral("160"));
    grid->addWidget(m_sizeBox, row++, 2);

    step(tr("６．背景の色を指定する"));
    m_backgroundField = new QLineEdit(QStringLiteral("#0099DD"), inputs);
    m_backgroundField->setObjectName(QStringLiteral("BackgroundField"));
    grid->addWidget(m_backgroundField, row, 0);
    m_swatch = new QFrame(inputs);
    m_swatch->setObjectName(QStringLiteral("BackgroundSwatch"));
    m_swatch->setFixedSize(40, 22);
    m_swatch->setFrameShape(QFrame::Box);
    m_swatch->setAutoFillBackground(true);
    grid->addWidget(m_swatch, row, 1);
    m_chooseColour = new QToolButton(inputs);
    m_chooseColour->setObjectName(QStringLiteral("ChooseBackground"));
    m_chooseColour->setText(tr("参照"));
    grid->addWidget(m_chooseColour, row++, 2);
    grid->setColumnStretch(3, 1);
    return inputs;
}

bool TMakeHtmlFrm::readOnly() const
{
    return m_context.settings.flag(core::SettingKey::SysTblFlg);
}

QString TMakeHtmlFrm::tableFolder() const
{
    // Pages are read, written and shown in the one folder the tool lists, the current table folder.
    return m_context.folders.currentTableFolder();
}

void TMakeHtmlFrm::candidateFileChosen(int item)
{
    if (item < 0)
        return;
    const QString name = m_candidateFileBox->itemText(item);
    m_outputNameField->setText(QFileInfo(name).completeBaseName() + QStringLiteral(".html"));
    const core::CandidateListPage::Defaults defaults = core::CandidateListPage::defaultsFor(m_context.settings, name);
    m_titleField->setText(defaults.title);
    chooseText(m_candidateFontBox, defaults.candidateFont);
    m_sizeBox->setCurrentText(QStringLiteral("160"));
    m_pageText->clear();
    m_make->setEnabled(!readOnly());
    m_show->setEnabled(true);
    m_save->setEnabled(false);
}

void TMakeHtmlFrm::updateSwatch()
{
    const std::optional<core::ColourRgb> colour = core::parseColourCode(m_backgroundField->text());
    if (!colour)
        return;
    QPalette palette = m_swatch->palette();
    palette.setColor(QPalette::Window, toQColor(*colour));
    m_swatch->setPalette(palette);
}

void TMakeHtmlFrm::chooseBackground()
{
    const QColor start = m_swatch->palette().color(QPalette::Window);
    const QColor chosen
        = m_context.chooseColour ? m_context.chooseColour(this, start) : QColorDialog::getColor(start, this, QString());
    if (chosen.isValid())
        m_backgroundField->setText(core::colourCode(toColourRgb(chosen)));
}

void TMakeHtmlFrm::hmMake()
{
    if (readOnly() || m_candidateFileBox->currentIndex() < 0)
        return;
    const QString name = m_candidateFileBox->currentText();
    const QString path = QDir(tableFolder()).filePath(name);
    if (QFileInfo::exists(path)) {
        const core::CandidateFile file = core::CandidateFile::read(path);
        if (!file.readError().isEmpty()) {
            QMessageBox::warning(this, windowTitle(), file.readError(), QMessageBox::Yes);
            return;
        }
        const core::CandidateListPage::Options options{m_titleField->text(), m_backgroundField->text(),
            m_titleFontBox->currentText(), m_candidateFontBox->currentText(), m_sizeBox->currentText(), name};
        m_pageText->setPlainText(core::CandidateListPage::lines(options, file.lines()).join(u'\n'));
    }
    m_save->setEnabled(true);
}

void TMakeHtmlFrm::hmSave()
{
    if (readOnly())
        return;
    const QString name = m_outputNameField->text().trimmed();
    if (name.isEmpty()) {
        QMessageBox::warning(this, windowTitle(), tr("保存するファイル名(*.html)を入力して下さい。"), QMessageBox::Yes);
        return;
    }
    if (name.contains(u'/') || name.contains(u'\\')) {
        QMessageBox::warning(this, windowTitle(), tr("ファイル名に\"/\"や\"\\\"は使えません。"), QMessageBox::Yes);
        return;
    }
    QString error;
    if (!core::CandidateListPage::write(QDir(tableFolder()).filePath(name), m_pageText->toPlainText(), &error)) {
        QMessageBox::warning(this, windowTitle(), error, QMessageBox::Yes);
        return;
    }
    QMessageBox::information(
        this, windowTitle(), tr("ファイル ") + u'"' + name + u'"' + tr(" を保存しました。"), QMessageBox::Yes);
}

void TMakeHtmlFrm::hmShow()
{
    const QString name = m_outputNameField->text();
    const QString path = QDir(tableFolder()).filePath(name);
    if (name.trimmed().isEmpty() || !QFileInfo(path).isFile()) {
        QMessageBox::warning(this, windowTitle(),
            tr("ファイル ") + u'"' + name + u'"' + tr(" が存在しません。") + QStringLiteral("\r\n")
                + tr(
                    "一度、「作る」ボタンと「保存」ボタンを押し、ファイルを作成してから「見る」ボタンを押して下さい。"),
            QMessageBox::Yes);
        return;
    }
    m_context.shellOpener.openFile(path);
}

} // namespace pelinor::ui
