// The symbol database editor's window: toolbar, edit panel, list and property tabs, status bar. The
// commands are in tsymdbfrm_commands.cpp.

#include "ui/tables/tsymdbfrm.h"

#include "core/app/settings.h"
#include "core/tables/writingsystems.h"
#include "ui/common/fontfamilies.h"
#include "ui/tables/glyphpreview.h"
#include "ui/tables/symbollistdelegate.h"
#include "ui/tables/symbollistmodel.h"

#include <QComboBox>
#include <QFontDatabase>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QItemSelectionModel>
#include <QLabel>
#include <QLineEdit>
#include <QRegularExpressionValidator>
#include <QStatusBar>
#include <QStyle>
#include <QTabWidget>
#include <QTableView>
#include <QToolButton>
#include <QVBoxLayout>

namespace pelinor::ui {

namespace {

constexpr int kButtonWidth = 47;
constexpr int kButtonHeight = 62;
constexpr int kEditPanelHeight = 153;
constexpr int kPreviewSide = 42;

QLabel* label(const QString& text, QWidget* parent)
{
    return new QLabel(text, parent);
}

QLineEdit* field(const QString& objectName, QWidget* parent, bool inputMethod)
{
    auto* edit = new QLineEdit(parent);
    edit->setObjectName(objectName);
    edit->setAttribute(Qt::WA_InputMethodEnabled, inputMethod);
    return edit;
}

QStringList installedFamilies()
{
    QStringList families;
    for (const QString& family : QFontDatabase::families()) {
        if (!family.startsWith(u'@'))
            families.append(family);
    }
    return families;
}

} // namespace

TSymDBFrm::TSymDBFrm(const TableToolsContext& context, QWidget* parent)
    : QDialog(parent)
    , m_context(context)
{
    setObjectName(QStringLiteral("TSymDBFrm"));
    setWindowTitle(tr("記号データベース"));
    QFont font = fontOfFamily(tr("ＭＳ Ｐゴシック"));
    font.setPointSize(12);
    setFont(font);
    setMinimumSize(700, 640);
    resize(700, 640);
    // Before a file is opened the glyphs are drawn like the foreign-language area's text.
    m_document.setDisplayFont(m_context.settings.text(core::SettingKey::UsrMainFont));
    buildWindow();
    connectControls();
    reset();
}

TSymDBFrm::~TSymDBFrm() = default;

void TSymDBFrm::buildWindow()
{
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(buildToolBar());
    layout->addWidget(buildEditPanel());

    m_tabs = new QTabWidget(this);
    m_tabs->setObjectName(QStringLiteral("SymDBTabs"));
    m_model = new SymbolListModel(m_document, this);
    m_delegate = new SymbolListDelegate(this);
    m_list = new QTableView(m_tabs);
    m_list->setObjectName(QStringLiteral("SymbolList"));
    m_list->setModel(m_model);
    m_list->setItemDelegate(m_delegate);
    m_list->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_list->setSelectionMode(QAbstractItemView::SingleSelection);
    m_list->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_list->setShowGrid(false);
    m_list->setWordWrap(false);
    m_list->verticalHeader()->hide();
    m_list->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    m_list->verticalHeader()->setDefaultSectionSize(28);
    const int widths[] = {50, 80, 60, 180, 180, 60, 200};
    for (int column = 0; column < SymbolListModel::ColumnCount; ++column)
        m_list->setColumnWidth(column, widths[column]);
    m_tabs->addTab(m_list, tr("記号DB"));
    m_tabs->addTab(buildPropertyPage(), tr("プロパティ"));
    layout->addWidget(m_tabs, 1);

    auto* status = new QStatusBar(this);
    m_filePanel = new QLabel(status);
    m_filePanel->setObjectName(QStringLiteral("FilePanel"));
    m_filePanel->setMinimumWidth(200);
    m_folderPanel = new QLabel(status);
    m_folderPanel->setObjectName(QStringLiteral("FolderPanel"));
    m_folderPanel->setMinimumWidth(500);
    status->addWidget(m_filePanel);
    status->addWidget(m_folderPanel, 1);
    layout->addWidget(status);
}

QToolButton* TSymDBFrm::addCommand(
    QWidget* bar, const char* caption, const QString& objectName, int x, int pictureIndex)
{
    static const QStyle::StandardPixmap pictures[] = {QStyle::SP_DialogCloseButton, QStyle::SP_DialogOpenButton,
        QStyle::SP_DialogSaveButton, QStyle::SP_DriveFDIcon, QStyle::SP_FileIcon, QStyle::SP_TrashIcon,
        QStyle::SP_ArrowRight, QStyle::SP_FileDialogNewFolder};
    auto* button = new QToolButton(bar);
    button->setObjectName(objectName);
    button->setText(tr(caption));
    button->setIcon(style()->standardIcon(pictures[pictureIndex]));
    button->setIconSize(QSize(32, 32));
    button->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
    button->setAutoRaise(true);
    button->setGeometry(x, 2, kButtonWidth, kButtonHeight);
    return button;
}

QWidget* TSymDBFrm::buildToolBar()
{
    auto* bar = new QWidget(this);
    bar->setFixedHeight(kButtonHeight + 4);
    m_exit = addCommand(bar, "閉る", QStringLiteral("DBExit"), 6, 0);
    m_open = addCommand(bar, "開く", QStringLiteral("DBOpen"), 6 + 48, 1);
    m_overWrite = addCommand(bar, "上書", QStringLiteral("DBOverWrite"), 6 + 48 * 2, 2);
    m_save = addCommand(bar, "保存", QStringLiteral("DBSave"), 6 + 48 * 3, 3);
    m_new = addCommand(bar, "新規", QStringLiteral("DBNew"), 6 + 48 * 4, 4);
    m_delete = addCommand(bar, "削除", QStringLiteral("DBDelete"), 16 + 48 * 5, 5);
    m_insert = addCommand(bar, "挿入", QStringLiteral("DBInsert"), 16 + 48 * 6, 6);
    m_add = addCommand(bar, "追加", QStringLiteral("DBAdd"), 16 + 48 * 7, 7);

    auto* guide = new QLabel(bar);
    guide->setObjectName(QStringLiteral("SymDBGuide"));
    guide->setText(tr("【操作】") + u'\n' + tr("1. 「開く」からファイルを選択。") + u'\n'
        + tr("2. グループを指定します。") + u'\n' + tr("3. 「追加」で行を作り、データ入力"));
    QFont small = guide->font();
    small.setPointSize(8);
    guide->setFont(small);
    guide->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    guide->setGeometry(16 + 48 * 8 + 12, 0, 280, kButtonHeight + 4);
    return bar;
}

QWidget* TSymDBFrm::buildEditPanel()
{
    auto* panel = new QWidget(this);
    panel->setFixedHeight(kEditPanelHeight);
    auto* halves = new QHBoxLayout(panel);
    halves->setContentsMargins(6, 2, 6, 2);

    QFont tahoma = fontOfFamily(QStringLiteral("Tahoma"));
    tahoma.setPointSize(12);
    auto* left = new QGridLayout;
    left->addWidget(label(tr("[ 個別編集 ]"), panel), 0, 0, 1, 2);
    m_preview = new GlyphPreview(QColor(0, 0, 128), 1, 0, panel);
    m_preview->setObjectName(QStringLiteral("GlyphPreview"));
    m_preview->setFixedSize(kPreviewSide, kPreviewSide);
    left->addWidget(m_preview, 1, 0, 2, 1);
    left->addWidget(label(tr("No"), panel), 1, 1);
    m_numberField = field(QStringLiteral("NoField"), panel, false);
    m_numberField->setReadOnly(true);
    m_numberField->setAlignment(Qt::AlignRight);
    m_numberField->setFont(tahoma);
    m_numberField->setStyleSheet(QStringLiteral("QLineEdit { background: grey; color: white; }"));
    left->addWidget(m_numberField, 1, 2);
    left->addWidget(label(tr("■Unicode"), panel), 2, 1);
    m_codeField = field(QStringLiteral("CodeField"), panel, false);
    m_codeField->setMaxLength(4);
    m_codeField->setFont(tahoma);
    left->addWidget(m_codeField, 2, 2);
    left->addWidget(label(tr("■英語名"), panel), 3, 0, 1, 2);
    m_englishField = field(QStringLiteral("EnglishNameField"), panel, false);
    m_englishField->setFont(tahoma);
    left->addWidget(m_englishField, 3, 2);
    left->addWidget(label(tr("■日本語名"), panel), 4, 0, 1, 2);
    m_japaneseField = field(QStringLiteral("JapaneseNameField"), panel, true);
    left->addWidget(m_japaneseField, 4, 2);
    left->setColumnStretch(2, 1);

    auto* right = new QGridLayout;
    right->addWidget(label(tr("■グループ"), panel), 0, 0);
    m_groupBox = new QComboBox(panel);
    m_groupBox->setObjectName(QStringLiteral("GroupSelector"));
    m_groupBox->setMaxVisibleItems(16);
    right->addWidget(m_groupBox, 0, 1);
    right->addWidget(label(tr("■補　助"), panel), 1, 0);
    m_auxiliaryBox = new QComboBox(panel);
    m_auxiliaryBox->setObjectName(QStringLiteral("AuxiliarySelector"));
    m_auxiliaryBox->addItems(
        {tr("0: 単独で用いられる記号"), tr("1: 親文字に対する補助記号"), tr("2: 記号の間に置かれる記号")});
    right->addWidget(m_auxiliaryBox, 1, 1);
    right->addWidget(label(tr("■備　考"), panel), 2, 0);
    m_noteField = field(QStringLiteral("NoteField"), panel, true);
    // A double quote would end the stored field and lose the row at the next reading; English names store it
    // as its "#$" escape, the Japanese name and the note cannot hold it.
    auto* noQuote = new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[^\"]*")), this);
    m_japaneseField->setValidator(noQuote);
    m_noteField->setValidator(noQuote);
    right->addWidget(m_noteField, 2, 1);
    right->setColumnStretch(1, 1);
    right->setRowStretch(3, 1);

    halves->addLayout(left, 1);
    halves->addLayout(right, 1);
    return panel;
}

QWidget* TSymDBFrm::buildPropertyPage()
{
    auto* page = new QWidget(m_tabs);
    auto* layout = new QGridLayout(page);
    layout->addWidget(label(tr("※記号DBのユニコード（グリフ）の文字属性です。"), page), 0, 0, 1, 2);
    m_writingSystemBox = new QComboBox(page);
    m_writingSystemBox->setObjectName(QStringLiteral("WritingSystemBox"));
    m_writingSystemBox->setMaxVisibleItems(16);
    m_writingSystemBox->addItems(core::WritingSystems::editorNames());
    layout->addWidget(m_writingSystemBox, 1, 0);
    m_fontBox = new QComboBox(page);
    m_fontBox->setObjectName(QStringLiteral("DisplayFontBox"));
    m_fontBox->setMaxVisibleItems(20);
    m_fontBox->addItems(installedFamilies());
    layout->addWidget(m_fontBox, 1, 1);
    layout->setColumnStretch(2, 1);
    layout->setRowStretch(2, 1);
    return page;
}

void TSymDBFrm::connectControls()
{
    connect(m_exit, &QToolButton::clicked, this, &QDialog::reject);
    connect(m_open, &QToolButton::clicked, this, &TSymDBFrm::dbOpen);
    connect(m_overWrite, &QToolButton::clicked, this, &TSymDBFrm::dbOverWrite);
    connect(m_save, &QToolButton::clicked, this, &TSymDBFrm::dbSave);
    connect(m_new, &QToolButton::clicked, this, &TSymDBFrm::dbNew);
    connect(m_delete, &QToolButton::clicked, this, &TSymDBFrm::dbDelete);
    connect(m_insert, &QToolButton::clicked, this, &TSymDBFrm::dbInsert);
    connect(m_add, &QToolButton::clicked, this, &TSymDBFrm::dbAdd);
    // A click or the arrow keys: whichever makes a row current fills the edit panel.
    connect(m_list->selectionModel(), &QItemSelectionModel::currentRowChanged, this,
        [this](const QModelIndex& current) { rowChosen(current); });
    connect(m_codeField, &QLineEdit::textChanged, this, &TSymDBFrm::codeChanged);
    connect(m_englishField, &QLineEdit::textEdited, this, [this](const QString& text) {
        if (m_selected >= 0) {
            m_document.setEnglishName(m_selected, text);
            m_model->entryChanged(m_selected);
        }
    });
    connect(m_japaneseField, &QLineEdit::textEdited, this, [this](const QString& text) {
        if (m_selected >= 0) {
            m_document.setJapaneseName(m_selected, text);
            m_model->entryChanged(m_selected);
        }
    });
    connect(m_noteField, &QLineEdit::textEdited, this, [this](const QString& text) {
        if (m_selected >= 0) {
            m_document.setNote(m_selected, text);
            m_model->entryChanged(m_selected);
        }
    });
    connect(m_auxiliaryBox, &QComboBox::activated, this, [this](int item) {
        if (m_selected >= 0 && item >= 0) {
            m_document.setAuxiliary(m_selected, item);
            m_model->entryChanged(m_selected);
        }
    });
    connect(m_groupBox, &QComboBox::activated, this, &TSymDBFrm::groupChosen);
    connect(m_writingSystemBox, &QComboBox::activated, this, &TSymDBFrm::writingSystemChosen);
    connect(m_fontBox, &QComboBox::activated, this, &TSymDBFrm::displayFontChosen);
}

} // namespace pelinor::ui
