// The candidate editor's window: its layout and the wiring of its controls. What the commands do is in
// tceditorfrm_commands.cpp.

#include "ui/tables/tceditorfrm.h"

#include "core/app/folders.h"
#include "core/app/settings.h"
#include "ui/common/fontfamilies.h"
#include "ui/tables/candidateglyphbox.h"
#include "ui/tables/symbolviewdelegate.h"
#include "ui/tables/symbolviewmodel.h"
#include "ui/tables/triggerkeyboard.h"

#include <QComboBox>
#include <QFileDialog>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>
#include <QRegularExpressionValidator>
#include <QStatusBar>
#include <QStyle>
#include <QTabWidget>
#include <QTableView>
#include <QToolButton>
#include <QVBoxLayout>

namespace pelinor::ui {

namespace {

constexpr int kWidth = 800;
constexpr int kHeight = 640;
constexpr int kRightTabsWidth = 450;
constexpr int kRowHeight = 30;

QFont pixelFont(const QString& family, int pixels)
{
    QFont font = fontOfFamily(family);
    font.setPixelSize(pixels);
    return font;
}

// The candidate file's "開く" is green, as the guide beside it says.
QIcon greenIcon(const QIcon& icon)
{
    QPixmap pixmap = icon.pixmap(32, 32);
    QPainter painter(&pixmap);
    painter.setCompositionMode(QPainter::CompositionMode_SourceAtop);
    painter.fillRect(pixmap.rect(), QColor(0, 160, 0, 170));
    painter.end();
    return QIcon(pixmap);
}

QLabel* guide(const QStringList& lines)
{
    auto* label = new QLabel(lines.join(u'\n'));
    label->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    return label;
}

// A read-only field in grey with white text.
QLineEdit* greyField(const QString& objectName)
{
    auto* field = new QLineEdit;
    field->setObjectName(objectName);
    field->setReadOnly(true);
    QPalette palette = field->palette();
    palette.setColor(QPalette::Base, Qt::gray);
    palette.setColor(QPalette::Text, Qt::white);
    field->setPalette(palette);
    return field;
}

} // namespace

TCEditorFrm::TCEditorFrm(CandidateEditorContext context, QWidget* parent)
    : QDialog(parent)
    , m_context(std::move(context))
    , m_displayFont(m_context.settings.text(core::SettingKey::UsrMainFont))
{
    setObjectName(QStringLiteral("TCEditorFrm"));
    if (!m_context.chooseOpenFile) {
        m_context.chooseOpenFile = [](QWidget* owner, const QString& startFolder, const QString& filter) {
            return QFileDialog::getOpenFileName(owner, QString(), startFolder, filter);
        };
    }
    if (!m_context.chooseSaveFile) {
        m_context.chooseSaveFile = [](QWidget* owner, const QString& startFolder, const QString& filter) {
            return QFileDialog::getSaveFileName(owner, QString(), startFolder, filter);
        };
    }
    setWindowTitle(tr("候補エディタ"));
    setModal(true);
    setFont(pixelFont(QStringLiteral("ＭＳ Ｐゴシック"), 16));
    resize(kWidth, kHeight);
    buildWindow();
    resetCandidatePart();
    m_ceNew->setEnabled(!systemTables());
    m_saveAndReload->setEnabled(!systemTables());
    showStatus();
}

TCEditorFrm::~TCEditorFrm() = default;

QToolButton* TCEditorFrm::toolButton(const QString& objectName, const QString& caption, const QIcon& icon)
{
    auto* button = new QToolButton;
    button->setObjectName(objectName);
    button->setText(caption);
    button->setIcon(icon);
    button->setIconSize(QSize(32, 32));
    button->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
    button->setFixedSize(47, 62);
    button->setAutoRaise(true);
    return button;
}

void TCEditorFrm::buildWindow()
{
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(4, 4, 4, 0);
    layout->addWidget(buildTopBar());
    auto* halves = new QHBoxLayout;
    halves->addWidget(buildLeftTabs(), 1);
    halves->addWidget(buildRightTabs());
    layout->addLayout(halves, 1);
    buildStatusBar(layout);

    connect(m_dbExit, &QToolButton::clicked, this, &TCEditorFrm::exitEditor);
    connect(m_dbOpen, &QToolButton::clicked, this, &TCEditorFrm::openSymbolDatabaseFile);
    connect(m_ceClose, &QToolButton::clicked, this, &TCEditorFrm::closeCandidateFile);
    connect(m_ceOpen, &QToolButton::clicked, this, &TCEditorFrm::openCandidateFileFromDialog);
    connect(m_ceOverWrite, &QToolButton::clicked, this, &TCEditorFrm::overwriteCandidateFile);
    connect(m_ceSave, &QToolButton::clicked, this, &TCEditorFrm::saveCandidateFileAs);
    connect(m_ceNew, &QToolButton::clicked, this, &TCEditorFrm::newCandidateFile);
    connect(m_register, &QPushButton::clicked, this, &TCEditorFrm::registerCandidates);
    connect(m_jump, &QPushButton::clicked, this, &TCEditorFrm::jumpToSymbol);
    connect(m_keyboard, &TriggerKeyboard::triggerChosen, this, &TCEditorFrm::chooseTrigger);
    connect(m_browsePairedDatabase, &QToolButton::clicked, this, &TCEditorFrm::choosePairedDatabase);
    connect(m_saveAndReload, &QToolButton::clicked, this, &TCEditorFrm::saveAndReload);
    for (std::size_t slot = 0; slot < SlotCount; ++slot)
        connect(m_fields[slot], &QLineEdit::textChanged, this, [this, slot] { showFieldGlyph(slot); });
}

QWidget* TCEditorFrm::buildTopBar()
{
    auto* bar = new QWidget;
    auto* layout = new QHBoxLayout(bar);
    layout->setContentsMargins(2, 0, 2, 0);
    layout->setSpacing(1);
    QStyle* s = style();
    m_dbExit = toolButton(QStringLiteral("DB2Exit"), tr("閉る"), s->standardIcon(QStyle::SP_DialogCloseButton));
    m_dbOpen = toolButton(QStringLiteral("DB2Open"), tr("開く"), s->standardIcon(QStyle::SP_DialogOpenButton));
    layout->addWidget(m_dbExit);
    layout->addWidget(m_dbOpen);
    layout->addSpacing(8);
    layout->addWidget(
        guide({tr("【最初にすること】"), tr("1. 緑の「開く」から候補ﾌｧｲﾙ選択"), tr("（記号DBも自動で呼ばれます）")}));
    layout->addStretch(1);

    m_ceClose = toolButton(QStringLiteral("CEClose"), tr("閉る"), s->standardIcon(QStyle::SP_DialogCloseButton));
    m_ceOpen
        = toolButton(QStringLiteral("CEOpen"), tr("開く"), greenIcon(s->standardIcon(QStyle::SP_DialogOpenButton)));
    m_ceOverWrite = toolButton(QStringLiteral("CEOverWrite"), tr("上書"), s->standardIcon(QStyle::SP_DialogSaveButton));
    m_ceSave = toolButton(QStringLiteral("CESave"), tr("保存"), s->standardIcon(QStyle::SP_DialogSaveButton));
    m_ceNew = toolButton(QStringLiteral("CENew"), tr("新規"), s->standardIcon(QStyle::SP_FileIcon));
    for (QToolButton* button : {m_ceClose, m_ceOpen, m_ceOverWrite, m_ceSave, m_ceNew})
        layout->addWidget(button);
    layout->addSpacing(8);
    layout->addWidget(guide({tr("【候補指定方法】"), tr("1. トリガーボタン押す"), tr("2. 記号DBのNoで候補指定")}));
    return bar;
}

QWidget* TCEditorFrm::buildLeftTabs()
{
    m_leftTabs = new QTabWidget;
    m_leftTabs->setObjectName(QStringLiteral("SymbolDatabaseTabs"));

    m_symbols = new SymbolViewModel(this);
    m_symbolView = new QTableView;
    m_symbolView->setObjectName(QStringLiteral("ListView1"));
    m_symbolView->setModel(m_symbols);
    m_symbolView->setItemDelegate(new SymbolViewDelegate(m_symbolView));
    m_symbolView->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_symbolView->setSelectionMode(QAbstractItemView::SingleSelection);
    m_symbolView->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_symbolView->setShowGrid(true);
    m_symbolView->setWordWrap(false);
    m_symbolView->verticalHeader()->hide();
    m_symbolView->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    m_symbolView->verticalHeader()->setDefaultSectionSize(kRowHeight);
    m_symbolView->horizontalHeader()->setHighlightSections(false);
    for (int column = 0; column < SymbolViewModel::ColumnCount; ++column)
        m_symbolView->setColumnWidth(column, SymbolViewModel::columnWidth(column));
    // Group header rows run across the whole row.
    connect(m_symbols, &QAbstractItemModel::modelReset, m_symbolView, [this] {
        m_symbolView->clearSpans();
        for (int row = 0; row < m_symbols->rowCount(); ++row) {
            if (m_symbols->numberOfRow(row) == 0)
                m_symbolView->setSpan(row, 0, 1, SymbolViewModel::ColumnCount);
        }
    });
    m_leftTabs->addTab(m_symbolView, tr("記号DB"));

    auto* properties = new QWidget;
    auto* layout = new QVBoxLayout(properties);
    m_writingSystemField = greyField(QStringLiteral("Edit1"));
    m_displayFontField = greyField(QStringLiteral("Edit2"));
    layout->addWidget(m_writingSystemField);
    layout->addWidget(m_displayFontField);
    layout->addWidget(new QLabel(tr("※変更は記号データベースでのみ可能です。")));
    layout->addStretch(1);
    m_leftTabs->addTab(properties, tr("プロパティ1"));
    return m_leftTabs;
}

QWidget* TCEditorFrm::buildRightTabs()
{
    m_rightTabs = new QTabWidget;
    m_rightTabs->setObjectName(QStringLiteral("CandidateTabs"));
    m_rightTabs->setFixedWidth(kRightTabsWidth);
    m_rightTabs->addTab(buildCandidatePage(), tr("候補エディタ"));
    m_rightTabs->addTab(buildPropertyPage(), tr("プロパティ2"));
    return m_rightTabs;
}

QWidget* TCEditorFrm::buildCandidatePage()
{
    auto* page = new QWidget;
    auto* layout = new QVBoxLayout(page);
    layout->setContentsMargins(4, 4, 4, 4);
    layout->addWidget(new QLabel(tr("■候補指定：")));

    auto* slotGrid = new QGridLayout;
    slotGrid->setHorizontalSpacing(4);
    const QFont numberFont = pixelFont(QStringLiteral("Tahoma"), 13);
    // Nos are digits only; the input method stays off.
    const QRegularExpression digits(QStringLiteral("[0-9]{0,9}"));
    for (std::size_t slot = 0; slot < SlotCount; ++slot) {
        const int column = static_cast<int>(slot);
        auto* number = new QLabel(QString::number(column + 1));
        number->setFont(numberFont);
        number->setAlignment(Qt::AlignCenter);
        m_glyphs[slot] = new CandidateGlyphBox;
        m_glyphs[slot]->setObjectName(QStringLiteral("CandidateGlyph%1").arg(column + 1));
        m_fields[slot] = new QLineEdit;
        m_fields[slot]->setObjectName(QStringLiteral("CandidateField%1").arg(column + 1));
        m_fields[slot]->setFixedWidth(40);
        m_fields[slot]->setAlignment(Qt::AlignRight);
        m_fields[slot]->setValidator(new QRegularExpressionValidator(digits, m_fields[slot]));
        m_fields[slot]->setAttribute(Qt::WA_InputMethodEnabled, false);
        m_fields[slot]->setAccessibleName(tr("候補%1").arg(column + 1));
        slotGrid->addWidget(number, 0, column, Qt::AlignHCenter);
        slotGrid->addWidget(m_glyphs[slot], 1, column, Qt::AlignHCenter);
        slotGrid->addWidget(m_fields[slot], 2, column, Qt::AlignHCenter);
    }
    layout->addLayout(slotGrid);

    auto* registerRow = new QHBoxLayout;
    m_register = new QPushButton(tr("登録"));
    m_register->setObjectName(QStringLiteral("CandidateRegister"));
    m_register->setFixedSize(110, 28);
    // Enter in a candidate field registers, the usual end of typing the Nos of a key.
    m_register->setDefault(true);
    registerRow->addStretch(1);
    registerRow->addWidget(m_register);
    registerRow->addWidget(guide({tr("候補を変更した場合"), tr("←トリガー毎に押します")}));
    registerRow->addStretch(1);
    layout->addLayout(registerRow);

    auto* jumpRow = new QHBoxLayout;
    m_jump = new QPushButton(tr("Jump"));
    m_jump->setObjectName(QStringLiteral("CandidateJump"));
    m_jump->setFixedSize(60, 28);
    // The field with the cursor keeps the focus while Jump is clicked: Jump reads its No.
    m_jump->setFocusPolicy(Qt::NoFocus);
    m_jump->setAutoDefault(false);
    jumpRow->addWidget(m_jump);
    jumpRow->addWidget(new QLabel(tr("カーソルのあるNoの、記号DBの行に飛びます")), 1);
    layout->addLayout(jumpRow);

    m_keyboard = new TriggerKeyboard;
    layout->addWidget(m_keyboard, 1);
    return page;
}

QWidget* TCEditorFrm::buildPropertyPage()
{
    auto* page = new QWidget;
    auto* layout = new QVBoxLayout(page);
    layout->addWidget(new QLabel(tr("※プロパティを変更した場合、下のボタンを押して下さい。")));
    layout->addSpacing(8);
    layout->addWidget(new QLabel(tr("・対になる記号DBファイル：")));
    auto* databaseRow = new QHBoxLayout;
    m_pairedDatabaseField = new QLineEdit;
    m_pairedDatabaseField->setObjectName(QStringLiteral("Edit3"));
    m_browsePairedDatabase = new QToolButton;
    m_browsePairedDatabase->setObjectName(QStringLiteral("SpeedButton1"));
    m_browsePairedDatabase->setText(tr("参照"));
    databaseRow->addWidget(m_pairedDatabaseField, 1);
    databaseRow->addWidget(m_browsePairedDatabase);
    layout->addLayout(databaseRow);
    layout->addSpacing(8);
    layout->addWidget(new QLabel(tr("・トリガーキーのモード指定：")));
    m_modeBox = new QComboBox;
    m_modeBox->setObjectName(QStringLiteral("ComboBox1"));
    m_modeBox->addItems({tr("アルファベット小文字"), tr("アルファベット大文字"), tr("アルファベット両方")});
    layout->addWidget(m_modeBox);
    layout->addSpacing(16);
    m_saveAndReload = new QToolButton;
    m_saveAndReload->setObjectName(QStringLiteral("SpeedButton2"));
    m_saveAndReload->setText(tr("保存後再読み込み"));
    layout->addWidget(m_saveAndReload, 0, Qt::AlignLeft);
    layout->addStretch(1);
    return page;
}

void TCEditorFrm::buildStatusBar(QVBoxLayout* layout)
{
    auto* bar = new QStatusBar;
    bar->setSizeGripEnabled(false);
    const char* names[] = {"SymbolDatabaseStatusPanel", "CandidateFileStatusPanel", "TableFolderStatusPanel"};
    const int widths[] = {180, 180, 500};
    for (std::size_t i = 0; i < m_statusPanels.size(); ++i) {
        auto* panel = new QLabel;
        panel->setObjectName(QString::fromLatin1(names[i]));
        panel->setFixedWidth(widths[i]);
        bar->addWidget(panel);
        m_statusPanels[i] = panel;
    }
    layout->addWidget(bar);
}

void TCEditorFrm::showStatus()
{
    const auto named = [](const QString& caption, const QString& name) {
        return name.isEmpty() ? QString() : caption + u'"' + name + u'"';
    };
    m_statusPanels[0]->setText(named(tr("記号DB："), m_symbolDatabaseName));
    m_statusPanels[1]->setText(named(tr("候補File："), m_candidateFile));
    m_statusPanels[2]->setText(tableFolder());
}

QString TCEditorFrm::tableFolder() const
{
    return m_context.folders.currentTableFolder();
}

bool TCEditorFrm::systemTables() const
{
    return m_context.settings.flag(core::SettingKey::SysTblFlg);
}

} // namespace pelinor::ui
