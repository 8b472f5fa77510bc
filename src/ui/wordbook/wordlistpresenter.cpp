#include "ui/wordbook/wordlistpresenter.h"

#include "core/app/folders.h"
#include "core/app/settings.h"
#include "core/wordbook/wordbook.h"
#include "core/wordbook/wordbookescapes.h"
#include "platform/shellopener.h"
#include "ui/common/fontfamilies.h"
#include "ui/common/qtcolours.h"
#include "ui/wordbook/wordbookmessages.h"
#include "ui/wordbook/wordlistdelegate.h"
#include "ui/wordbook/wordlistmodel.h"
#include "ui/wordbook/wordlistview.h"

#include <QDir>
#include <QFileInfo>
#include <QHeaderView>
#include <QLineEdit>
#include <QPlainTextEdit>

namespace pelinor::ui {

namespace {

constexpr int kStoredColumnCount = 7;

// Stored column widths by position, LVCol1Width to LVCol7Width.
constexpr std::array<core::SettingKey, kStoredColumnCount> kColumnWidthKeys{core::SettingKey::LVCol1Width,
    core::SettingKey::LVCol2Width, core::SettingKey::LVCol3Width, core::SettingKey::LVCol4Width,
    core::SettingKey::LVCol5Width, core::SettingKey::LVCol6Width, core::SettingKey::LVCol7Width};

} // namespace

WordListPresenter::WordListPresenter(WordBookContext context, QWidget* viewParent, QObject* parent)
    : QObject(parent)
    , m_context(std::move(context))
    , m_languageName(m_context.settings.scriptName())
{
    m_model = new WordListModel(m_context.wordBook, this);
    m_model->setLanguageName(m_languageName);
    m_model->setForeignFirst(m_context.settings.flag(core::SettingKey::EiwaFlg));
    m_delegate = new WordListDelegate(this);
    m_view = new WordListView(m_model, m_delegate, viewParent);
    m_view->setEnabled(false);
    constexpr std::array<int, kStoredColumnCount> defaultWidths{150, 50, 150, 150, 150, 150, 100};
    for (int column = 0; column < kStoredColumnCount; ++column)
        m_view->setColumnWidthAt(column, defaultWidths[static_cast<size_t>(column)]);

    connect(m_view->horizontalHeader(), &QHeaderView::sectionClicked, this, &WordListPresenter::sortByColumn);
    connect(m_view, &WordListView::doubleClicked, this, [this](const QModelIndex& index) {
        if (index.isValid() && m_view->selectedRow() >= 0)
            useEntry(index.row());
    });
    connect(m_view->selectionModel(), &QItemSelectionModel::selectionChanged, this, [this] {
        if (m_view->selectedRow() >= 0)
            Q_EMIT entrySelected();
    });
}

void WordListPresenter::reportError(const QString& message) const
{
    showWordBookWarning(m_context.dialogParent(), message);
}

void WordListPresenter::setLanguageName(const QString& name)
{
    m_languageName = name;
}

void WordListPresenter::showBook(bool shown)
{
    m_model->showBook(shown);
    m_view->setEnabled(shown);
}

void WordListPresenter::applyDirection()
{
    m_model->setForeignFirst(m_context.settings.flag(core::SettingKey::EiwaFlg));
    m_model->setLanguageName(m_languageName);
    if (!m_context.wordBook.isOpen())
        return;
    const int selected = m_view->selectedRow();
    QString error;
    const core::WordBook& book = m_context.wordBook;
    switch (m_context.wordBook.readWordBook(book.folder(), book.fileName(), &error)) {
    case core::WordBookReadStatus::Read:
        m_model->showBook(true);
        if (selected >= 0 && selected < m_model->rowCount())
            m_view->selectEntryRow(selected);
        break;
    case core::WordBookReadStatus::NotAWordBook:
        Q_EMIT bookLost();
        break;
    case core::WordBookReadStatus::Unreadable:
        reportError(error);
        break;
    case core::WordBookReadStatus::Missing:
        break;
    }
}

void WordListPresenter::setForeignFirst(bool foreignFirst)
{
    if (m_context.settings.flag(core::SettingKey::EiwaFlg) == foreignFirst)
        return;
    const int first = m_view->columnWidth(WordListModel::FirstColumn);
    const int fifth = m_view->columnWidth(WordListModel::FifthColumn);
    m_view->setColumnWidthAt(WordListModel::FirstColumn, fifth);
    m_view->setColumnWidthAt(WordListModel::FifthColumn, first);
    m_context.settings.setFlag(core::SettingKey::EiwaFlg, foreignFirst);
    applyDirection();
}

void WordListPresenter::sortByColumn(int column)
{
    if (!m_context.wordBook.isOpen() || column < 0 || column >= WordListModel::ColumnCount)
        return;
    const std::optional<core::WordField> field = m_model->fieldOfColumn(column);
    if (!field)
        return;
    const QString question = tr("項目「") + m_model->caption(column)
        + tr("」でソートします。ソートをすると順番は元に戻りませんがソートをしますか？");
    if (!askWordBookQuestion(m_context.dialogParent(), question))
        return;
    int& direction = m_columnDirections[static_cast<size_t>(column)];
    direction = -direction;
    QString error;
    if (!m_model->sortEntries(*field, direction, &error))
        reportError(error);
}

void WordListPresenter::selectEntry(qsizetype number)
{
    const qsizetype row = number - 1;
    if (row < 0 || row >= m_model->rowCount())
        return;
    m_view->selectEntryRow(static_cast<int>(row));
    Q_EMIT entrySelected();
}

qsizetype WordListPresenter::selectedEntryIndex() const
{
    return m_view->selectedRow();
}

void WordListPresenter::useEntry(qsizetype index)
{
    const core::WordBook& book = m_context.wordBook;
    if (index < 0 || index >= book.entryCount())
        return;
    const core::WordEntry entry = book.entries().at(index);
    const QString phonetic = entry.phonetic;
    const QString foreign = core::decodePlainTextLineBreaks(entry.foreignWord);
    const bool reset = m_context.settings.flag(core::SettingKey::ResetInputFlg);

    if (!phonetic.isEmpty()) {
        QLineEdit* area = m_context.phoneticArea;
        if (reset) {
            area->setFocus();
            area->setText(phonetic);
            area->end(false);
        } else {
            area->insert(phonetic);
        }
    }
    if (!foreign.isEmpty()) {
        QPlainTextEdit* area = m_context.foreignArea;
        area->setFocus();
        if (reset) {
            area->setPlainText(foreign);
            area->moveCursor(QTextCursor::End);
        } else {
            area->insertPlainText(foreign);
        }
    }
    if (!m_context.settings.flag(core::SettingKey::MediaPlayerFlg) || entry.soundFile.isEmpty())
        m_lastPlayedSound.clear();
    else
        playSoundFile(entry.soundFile);
}

bool WordListPresenter::playSoundFile(const QString& name)
{
    const core::WordBook& book = m_context.wordBook;
    const QString folder
        = book.soundFolder().isEmpty() ? m_context.folders.currentWordBookFolder() : book.soundFolder();
    const QString path = QDir(folder).filePath(name);
    if (!QFileInfo(path).isFile())
        return false;
    m_lastPlayedSound = name;
    m_context.shellOpener.openFile(path);
    return true;
}

void WordListPresenter::applySettings()
{
    const core::Settings& settings = m_context.settings;
    WordListDelegate::Style style;
    style.foreignFont = fontOfFamily(settings.text(core::SettingKey::UsrMainFont));
    style.foreignFont.setPointSize(qMax(1, settings.integer(core::SettingKey::TnMainFontSize)));
    style.phoneticFont = fontOfFamily(settings.text(core::SettingKey::UsrSubFont));
    style.phoneticFont.setPointSize(qMax(1, settings.integer(core::SettingKey::TnSubFontSize)));
    style.japaneseFont = fontOfFamily(QStringLiteral("ＭＳ Ｐゴシック"));
    style.japaneseFont.setPointSize(qMax(1, settings.integer(core::SettingKey::TnJpFontSize)));
    const core::ColourRgb background = settings.colour(core::SettingKey::CandBg);
    style.phoneticBackground = toQColor(background);
    m_delegate->setStyle(style);
    m_view->setRowHeight(qMax(1, settings.integer(core::SettingKey::LVLineHeight)));
    m_view->viewport()->update();
}

void WordListPresenter::applyStoredLayout()
{
    const core::Settings& settings = m_context.settings;
    for (int column = 0; column < kStoredColumnCount; ++column)
        m_view->setColumnWidthAt(column, settings.integer(kColumnWidthKeys[static_cast<size_t>(column)]));
    m_view->setRowHeight(qMax(1, settings.integer(core::SettingKey::LVLineHeight)));
    m_model->setForeignFirst(settings.flag(core::SettingKey::EiwaFlg));
}

void WordListPresenter::storeLiveState()
{
    for (int column = 0; column < kStoredColumnCount; ++column)
        m_context.settings.setInteger(kColumnWidthKeys[static_cast<size_t>(column)], m_view->columnWidth(column));
}

void WordListPresenter::setDoorMoving(bool moving)
{
    m_delegate->setSkipNote(moving);
    if (!moving)
        m_view->viewport()->update();
}

} // namespace pelinor::ui
