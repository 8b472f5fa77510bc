#include "ui/wordbook/tsearchfrm.h"

#include "core/app/settings.h"
#include "core/input/combiningmarkreplacement.h"
#include "core/wordbook/wordbookescapes.h"
#include "core/wordbook/wordsearchrun.h"
#include "ui/common/fontfamilies.h"
#include "ui/common/qtcolours.h"
#include "ui/wordbook/wordbookmessages.h"
#include "ui/wordbook/wordsearchmodel.h"

#include <QAction>
#include <QCloseEvent>
#include <QComboBox>
#include <QFormLayout>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QTableView>
#include <QVBoxLayout>

namespace pelinor::ui {

namespace {

constexpr int kFieldCount = 6;
constexpr int kRowHeight = 30;
constexpr int kSmallButtonWidth = 50;
constexpr int kSmallButtonHeight = 26;
const QString kJapaneseFamily = QStringLiteral("ＭＳ Ｐゴシック");

QLineEdit* detailField(QWidget* parent, const char* objectName)
{
    auto* field = new QLineEdit(parent);
    field->setObjectName(QLatin1StringView(objectName));
    field->setReadOnly(true);
    field->setFixedWidth(450);
    return field;
}

} // namespace

TSearchFrm::TSearchFrm(core::Settings& settings, SearchWindowSetup setup, QWidget* parent)
    : QWidget(parent, Qt::Dialog)
    , m_settings(settings)
    , m_setup(std::move(setup))
{
    setObjectName(QStringLiteral("TSearchFrm"));
    setWindowTitle(tr("単語帳検索"));
    setAttribute(Qt::WA_DeleteOnClose);
    QFont windowFont = fontOfFamily(kJapaneseFamily);
    windowFont.setPixelSize(19);
    setFont(windowFont);

    m_run = new core::WordSearchRun(this);
    m_model = new WordSearchModel(this);
    m_model->setLanguageName(m_setup.languageName);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(4, 4, 4, 4);
    auto* topBar = new QWidget(this);
    buildTopBar(topBar);
    layout->addWidget(topBar);

    auto* pages = new QTabWidget(this);
    pages->setObjectName(QStringLiteral("SearchPages"));
    auto* resultPage = new QWidget(pages);
    auto* resultLayout = new QVBoxLayout(resultPage);
    resultLayout->setContentsMargins(0, 0, 0, 0);
    m_resultList = new QTableView(resultPage);
    m_resultList->setObjectName(QStringLiteral("SearchResultList"));
    m_resultList->setModel(m_model);
    m_delegate = new WordListDelegate(m_resultList);
    m_delegate->setStyle(m_setup.listStyle);
    m_resultList->setItemDelegate(m_delegate);
    m_resultList->setShowGrid(true);
    m_resultList->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_resultList->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_resultList->setSelectionMode(QAbstractItemView::SingleSelection);
    m_resultList->verticalHeader()->hide();
    m_resultList->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    m_resultList->verticalHeader()->setDefaultSectionSize(kRowHeight);
    m_resultList->horizontalHeader()->setHighlightSections(false);
    const int widths[] = {150, 150, 100, 50, 135};
    for (int column = 0; column < WordSearchModel::kShownColumns; ++column)
        m_resultList->setColumnWidth(column, widths[column]);
    for (int column = WordSearchModel::kShownColumns; column < WordSearchModel::ColumnCount; ++column)
        m_resultList->setColumnHidden(column, true);
    resultLayout->addWidget(m_resultList, 1);
    m_details = buildDetails();
    resultLayout->addWidget(m_details);
    pages->addTab(resultPage, tr("検索結果"));
    layout->addWidget(pages, 1);

    auto* bottomBar = new QHBoxLayout;
    m_inputButton = new QPushButton(tr("この単語を入力する"), this);
    m_inputButton->setObjectName(QStringLiteral("SearchInputButton"));
    m_editButton = new QPushButton(tr("この単語を編集する"), this);
    m_editButton->setObjectName(QStringLiteral("SearchEditButton"));
    m_closeButton = new QPushButton(tr("閉じる"), this);
    m_closeButton->setObjectName(QStringLiteral("SearchCloseButton"));
    for (QPushButton* button : {m_inputButton, m_editButton, m_closeButton})
        button->setAutoDefault(false);
    bottomBar->addWidget(m_inputButton);
    bottomBar->addWidget(m_editButton);
    bottomBar->addStretch(1);
    bottomBar->addWidget(m_closeButton);
    layout->addLayout(bottomBar);

    m_inputButton->setEnabled(false);
    m_editButton->setEnabled(false);

    connect(m_searchButton, &QPushButton::clicked, this, &TSearchFrm::search);
    connect(m_searchBox, &QLineEdit::returnPressed, this, &TSearchFrm::search);
    connect(m_clearButton, &QPushButton::clicked, this, &TSearchFrm::clearSearch);
    if (m_replaceButton)
        connect(m_replaceButton, &QPushButton::clicked, this, &TSearchFrm::replaceAccents);
    connect(m_currentScope, &QRadioButton::clicked, this,
        [this] { m_settings.setFlag(core::SettingKey::DicSearchFlg, false); });
    connect(m_dictionaryScope, &QRadioButton::clicked, this,
        [this] { m_settings.setFlag(core::SettingKey::DicSearchFlg, true); });
    connect(m_fieldChooser, &QComboBox::activated, this, &TSearchFrm::fieldChosen);
    connect(m_resultList, &QTableView::clicked, this, &TSearchFrm::resultClicked);
    connect(m_resultList->selectionModel(), &QItemSelectionModel::currentRowChanged, this, &TSearchFrm::resultClicked);
    connect(m_inputButton, &QPushButton::clicked, this, &TSearchFrm::inputWord);
    connect(m_editButton, &QPushButton::clicked, this, &TSearchFrm::editWord);
    connect(m_closeButton, &QPushButton::clicked, this, &QWidget::close);
    // Escape closes it as it closes a dialog.
    auto* escape = new QAction(this);
    escape->setShortcut(QKeySequence(Qt::Key_Escape));
    escape->setShortcutContext(Qt::WindowShortcut);
    addAction(escape);
    connect(escape, &QAction::triggered, this, &QWidget::close);
    connect(m_run, &core::WordSearchRun::bookSearched, this, [this](const QList<core::WordSearchHit>& hits) {
        m_model->addHits(hits);
        m_found = true;
    });
    connect(m_run, &core::WordSearchRun::finished, this, &TSearchFrm::searchFinished);
    connect(m_run, &core::WordSearchRun::failed, this, &TSearchFrm::searchFailed);
    m_searchBox->installEventFilter(this);

    styleSearchBox();
    resize(kWidth, kHeight);
    if (m_setup.restoreStartupLayout)
        m_setup.restoreStartupLayout();
}

TSearchFrm::~TSearchFrm() = default;

void TSearchFrm::buildTopBar(QWidget* bar)
{
    auto* row = new QHBoxLayout(bar);
    row->setContentsMargins(0, 0, 0, 0);
    m_fieldChooser = new QComboBox(bar);
    m_fieldChooser->setObjectName(QStringLiteral("SearchFieldChooser"));
    m_fieldChooser->setToolTip(tr("項目指定ボックス"));
    m_fieldChooser->addItems(
        {m_setup.languageName, tr("発音記号"), tr("発音カナ"), tr("日本語"), tr("備考"), tr("音声ﾌｧｲﾙ")});
    m_fieldChooser->setCurrentIndex(qBound(0, m_settings.integer(core::SettingKey::SearchIndex), kFieldCount - 1));
    row->addWidget(m_fieldChooser);

    m_searchBox = new QLineEdit(bar);
    m_searchBox->setObjectName(QStringLiteral("SearchBox"));
    m_searchBox->setAccessibleName(tr("検索"));
    row->addWidget(m_searchBox, 1);

    m_searchButton = new QPushButton(tr("検索"), bar);
    m_searchButton->setObjectName(QStringLiteral("SearchButton"));
    m_searchButton->setAutoDefault(false);
    row->addWidget(m_searchButton);

    m_clearButton = new QPushButton(tr("ｸﾘｱ"), bar);
    m_clearButton->setObjectName(QStringLiteral("SearchClearButton"));
    m_clearButton->setAutoDefault(false);
    if (m_setup.inputMode == core::InputMode::GreekRomaji) {
        // Greek typed with romaji needs the accent replacement; it shares the place of "ｸﾘｱ".
        auto* column = new QVBoxLayout;
        column->setSpacing(0);
        m_clearButton->setFixedSize(kSmallButtonWidth, kSmallButtonHeight);
        m_replaceButton = new QPushButton(tr("置換"), bar);
        m_replaceButton->setObjectName(QStringLiteral("SearchReplaceButton"));
        m_replaceButton->setAutoDefault(false);
        m_replaceButton->setFixedSize(kSmallButtonWidth, kSmallButtonHeight);
        column->addWidget(m_clearButton);
        column->addWidget(m_replaceButton);
        row->addLayout(column);
    } else {
        row->addWidget(m_clearButton);
    }

    m_currentScope = new QRadioButton(tr("ｶﾚﾝﾄ"), bar);
    m_currentScope->setObjectName(QStringLiteral("SearchScopeCurrent"));
    m_dictionaryScope = new QRadioButton(tr("辞書"), bar);
    m_dictionaryScope->setObjectName(QStringLiteral("SearchScopeDictionary"));
    const bool dictionary = m_settings.flag(core::SettingKey::DicSearchFlg);
    m_dictionaryScope->setChecked(dictionary);
    m_currentScope->setChecked(!dictionary);
    row->addWidget(m_currentScope);
    row->addWidget(m_dictionaryScope);
}

QWidget* TSearchFrm::buildDetails()
{
    auto* panel = new QWidget(this);
    panel->setObjectName(QStringLiteral("SearchDetails"));
    auto* grid = new QGridLayout(panel);
    grid->setContentsMargins(8, 8, 8, 8);
    m_detailForeign = detailField(panel, "SearchDetailForeign");
    m_detailPhonetic = detailField(panel, "SearchDetailPhonetic");
    m_detailKana = detailField(panel, "SearchDetailKana");
    m_detailJapanese = detailField(panel, "SearchDetailJapanese");
    m_detailNote = new QPlainTextEdit(panel);
    m_detailNote->setObjectName(QStringLiteral("SearchDetailNote"));
    m_detailNote->setReadOnly(true);
    m_detailNote->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    m_detailNote->setFixedSize(475, 88);

    QFont foreignFont = m_setup.listStyle.foreignFont;
    foreignFont.setPointSize(17);
    m_detailForeign->setFont(foreignFont);
    QFont phoneticFont = m_setup.listStyle.phoneticFont;
    phoneticFont.setPointSize(15);
    m_detailPhonetic->setFont(phoneticFont);

    const QString labels[] = {QStringLiteral("■") + m_setup.languageName + QStringLiteral("："), tr("■発音記号："),
        tr("■発音カナ："), tr("■日本語："), tr("■備考：")};
    QWidget* fields[] = {m_detailForeign, m_detailPhonetic, m_detailKana, m_detailJapanese, m_detailNote};
    for (int row = 0; row < 5; ++row) {
        auto* label = new QLabel(labels[row], panel);
        label->setBuddy(fields[row]);
        grid->addWidget(label, row, 0, Qt::AlignTop);
        grid->addWidget(fields[row], row, 1, Qt::AlignLeft | Qt::AlignTop);
    }
    grid->setColumnMinimumWidth(0, 112);
    grid->setColumnStretch(2, 1);
    // The fields show the button face until a result fills them.
    for (QWidget* field : fields) {
        QPalette face = field->palette();
        face.setColor(QPalette::Base, face.color(QPalette::Button));
        field->setPalette(face);
    }
    // Collapsed until a result is clicked.
    panel->setFixedHeight(1);
    panel->setVisible(false);
    return panel;
}

core::WordField TSearchFrm::searchField() const
{
    return static_cast<core::WordField>(qBound(0, m_fieldChooser->currentIndex(), kFieldCount - 1));
}

bool TSearchFrm::isSearching() const
{
    return m_run->isRunning();
}

bool TSearchFrm::isLayoutFieldMode() const
{
    return searchField() == core::WordField::ForeignWord && core::isLayoutMode(m_setup.inputMode);
}

void TSearchFrm::styleSearchBox()
{
    const core::WordField field = searchField();
    const int windowSize = font().pointSize() > 0 ? font().pointSize() : QFontInfo(font()).pointSize();
    QFont boxFont = fontOfFamily(kJapaneseFamily);
    boxFont.setPointSize(qMax(1, windowSize));
    QPalette palette = m_searchBox->palette();
    palette.setColor(QPalette::Base, this->palette().color(QPalette::Base));
    bool inputMethod = true;
    if (field == core::WordField::ForeignWord) {
        boxFont = fontOfFamily(m_settings.text(core::SettingKey::UsrMainFont));
        boxFont.setPointSize(windowSize + 1);
        inputMethod = false;
    } else if (field == core::WordField::Phonetic) {
        boxFont = fontOfFamily(m_settings.text(core::SettingKey::UsrSubFont));
        boxFont.setPointSize(windowSize + 1);
        palette.setColor(QPalette::Base, toQColor(m_settings.colour(core::SettingKey::CandBg)));
        inputMethod = false;
    }
    m_searchBox->setFont(boxFont);
    m_searchBox->setPalette(palette);
    m_searchBox->setAttribute(Qt::WA_InputMethodEnabled, inputMethod);
    m_settings.setInteger(core::SettingKey::SearchIndex, m_fieldChooser->currentIndex());
    chooseKeyboardLayout();
    Q_EMIT searchFieldChanged(field);
}

// The foreign fields in the keyboard-layout modes type with the script's own layout; the others with the
// layout the user had at start.
void TSearchFrm::chooseKeyboardLayout()
{
    if (isLayoutFieldMode()) {
        if (m_setup.selectScriptLayout)
            m_setup.selectScriptLayout();
    } else if (m_setup.restoreStartupLayout) {
        m_setup.restoreStartupLayout();
    }
}

void TSearchFrm::fieldChosen(int index)
{
    Q_UNUSED(index)
    styleSearchBox();
    m_searchBox->clear();
    m_searchBox->setFocus();
}

bool TSearchFrm::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == m_searchBox && event->type() == QEvent::FocusIn && searchField() == core::WordField::ForeignWord)
        chooseKeyboardLayout();
    return QWidget::eventFilter(watched, event);
}

void TSearchFrm::search()
{
    m_run->cancel();
    m_model->clear();
    m_found = false;
    const QString text = m_searchBox->text();
    if (text.isEmpty())
        return;
    const QString folder = m_dictionaryScope->isChecked() ? m_setup.dictionaryFolder() : m_setup.currentFolder();
    m_run->start(folder, core::WordSearchQuery::fromUserText(searchField(), text));
}

void TSearchFrm::searchFinished()
{
    if (!m_found)
        m_model->showNothingFound();
}

void TSearchFrm::searchFailed(const QString& message)
{
    showWordBookWarning(this, message);
}

void TSearchFrm::clearSearch()
{
    m_run->cancel();
    m_model->clear();
    for (QLineEdit* field : {m_detailForeign, m_detailPhonetic, m_detailKana, m_detailJapanese})
        field->clear();
    m_detailNote->clear();
    if (m_details->height() >= kDetailsHeight) {
        m_details->setFixedHeight(1);
        m_details->setVisible(false);
        resize(width(), height() - (kDetailsHeight - 1));
    }
    m_searchBox->clear();
    m_searchBox->setFocus();
}

void TSearchFrm::replaceAccents()
{
    const core::CombiningMarkReplacement result = core::replaceCombiningMarks(m_searchBox->text());
    m_searchBox->setFocus();
    m_searchBox->setText(result.text);
    m_searchBox->end(false);
    showWordBookInformation(this, core::combiningMarkReplacementReport(result.count));
}

const core::WordSearchHit* TSearchFrm::selectedHit() const
{
    if (!m_found)
        return nullptr;
    const QModelIndexList rows = m_resultList->selectionModel()->selectedRows();
    return rows.isEmpty() ? nullptr : m_model->hit(rows.first().row());
}

void TSearchFrm::resultClicked()
{
    const core::WordSearchHit* hit = selectedHit();
    if (!hit)
        return;
    if (m_details->height() < kDetailsHeight) {
        m_details->setVisible(true);
        m_details->setFixedHeight(kDetailsHeight);
        resize(width(), height() + kDetailsHeight - 1);
    }
    m_inputButton->setEnabled(true);
    m_editButton->setEnabled(true);
    const core::WordEntry& entry = hit->entry;
    for (QWidget* field :
        std::initializer_list<QWidget*>{m_detailForeign, m_detailKana, m_detailJapanese, m_detailNote})
        field->setPalette(palette());
    QPalette phonetic = palette();
    phonetic.setColor(QPalette::Base, toQColor(m_settings.colour(core::SettingKey::CandBg)));
    m_detailPhonetic->setPalette(phonetic);
    m_detailForeign->setText(entry.foreignWord);
    m_detailPhonetic->setText(entry.phonetic);
    m_detailKana->setText(entry.kana);
    m_detailJapanese->setText(entry.japanese);
    m_detailNote->setPlainText(core::decodePlainTextLineBreaks(entry.note));
}

void TSearchFrm::inputWord()
{
    if (const core::WordSearchHit* hit = selectedHit())
        Q_EMIT inputRequested(hit->entry.phonetic, core::decodePlainTextLineBreaks(hit->entry.foreignWord));
    close();
}

void TSearchFrm::editWord()
{
    const core::WordSearchHit* hit = selectedHit();
    if (!hit)
        return;
    // The hit is copied: the receiver may close this window, which empties the list.
    const core::WordSearchHit chosen = *hit;
    Q_EMIT editRequested(chosen, m_dictionaryScope->isChecked());
}

void TSearchFrm::closeEvent(QCloseEvent* event)
{
    m_run->cancel();
    // The window's own area, not its frame's corner: Qt's measure of the frame can be the one it took while
    // the window manager was still framing the window, and the window would move at every opening.
    Q_EMIT closing(geometry().topLeft());
    if (core::isLayoutMode(m_setup.inputMode) && m_setup.selectScriptLayout)
        m_setup.selectScriptLayout();
    QWidget::closeEvent(event);
}

} // namespace pelinor::ui
