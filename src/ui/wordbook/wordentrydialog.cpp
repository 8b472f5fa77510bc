#include "ui/wordbook/wordentrydialog.h"

#include "core/app/inputmodes.h"
#include "core/app/settings.h"
#include "core/input/combiningmarkreplacement.h"
#include "core/wordbook/wordbookescapes.h"
#include "ui/common/fontfamilies.h"
#include "ui/common/qtcolours.h"
#include "ui/wordbook/wordbookmessages.h"

#include <QEvent>
#include <QFileInfo>
#include <QFontInfo>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QResizeEvent>

namespace pelinor::ui {

namespace {

constexpr int kFieldLeft = 140;
constexpr int kRowSpacing = 45;
constexpr int kFirstRowTop = 10;
constexpr int kFieldWidth = 450;
constexpr int kFieldHeight = 30;
constexpr int kNoteTop = 190;
constexpr int kNoteHeight = 100;
constexpr int kNoteWidth = 475;
constexpr int kSoundTop = 300;
constexpr int kSoundWidth = 180;
constexpr int kSmallButtonWidth = 60;
constexpr int kAccentButtonWidth = 28;

QFont dialogFont()
{
    QFont font = fontOfFamily(QStringLiteral("ＭＳ Ｐゴシック"));
    font.setPixelSize(21);
    return font;
}

} // namespace

WordEntryDialog::WordEntryDialog(const core::Settings& settings, const QString& languageName, core::InputMode inputMode,
    WordEntryDialogServices services, QWidget* parent)
    : QDialog(parent)
    , m_settings(settings)
    , m_inputMode(inputMode)
    , m_services(std::move(services))
{
    setModal(true);
    setFont(dialogFont());
    setMinimumWidth(kClientWidth);
    setFixedHeight(kClientHeight);
    resize(kClientWidth, kClientHeight);

    m_foreignField = addLineField(QStringLiteral("ForeignWordField"), tr("■") + languageName + tr("："), 0);
    m_phoneticField = addLineField(QStringLiteral("PhoneticField"), tr("■発音記号："), 1);
    m_kanaField = addLineField(QStringLiteral("KanaField"), tr("■発音カナ："), 2);
    m_japaneseField = addLineField(QStringLiteral("JapaneseField"), tr("■日本語："), 3);

    // The foreign word in the font of the foreign-language input area, two points above the dialog's.
    QFont foreignFont = fontOfFamily(settings.text(core::SettingKey::UsrMainFont));
    foreignFont.setPointSize(QFontInfo(dialogFont()).pointSize() + 2);
    m_foreignField->setFont(foreignFont);
    QFont phoneticFont = fontOfFamily(settings.text(core::SettingKey::UsrSubFont));
    phoneticFont.setPixelSize(21);
    m_phoneticField->setFont(phoneticFont);
    const core::ColourRgb background = settings.colour(core::SettingKey::CandBg);
    QPalette phoneticColours = m_phoneticField->palette();
    phoneticColours.setColor(QPalette::Base, toQColor(background));
    m_phoneticField->setPalette(phoneticColours);
    m_foreignField->setAttribute(Qt::WA_InputMethodEnabled, false);
    m_phoneticField->setAttribute(Qt::WA_InputMethodEnabled, false);

    auto* noteLabel = new QLabel(tr("■備　考："), this);
    noteLabel->setObjectName(QStringLiteral("NoteLabel"));
    QFont bold = font();
    bold.setBold(true);
    noteLabel->setFont(bold);
    noteLabel->setGeometry(4, kNoteTop + 5, kFieldLeft - 8, kFieldHeight);
    m_noteField = new QPlainTextEdit(this);
    m_noteField->setObjectName(QStringLiteral("NoteField"));
    m_noteField->setAccessibleName(tr("■備　考："));
    m_noteField->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    m_noteField->setTabChangesFocus(true);
    noteLabel->setBuddy(m_noteField);

    auto* soundLabel = new QLabel(tr("■音声ﾌｧｲﾙ："), this);
    soundLabel->setObjectName(QStringLiteral("SoundFileLabel"));
    soundLabel->setFont(bold);
    soundLabel->setGeometry(4, kSoundTop + 5, kFieldLeft - 8, kFieldHeight);
    m_soundField = new QLineEdit(this);
    m_soundField->setObjectName(QStringLiteral("SoundFileField"));
    m_soundField->setAccessibleName(tr("■音声ﾌｧｲﾙ："));
    m_soundField->setAttribute(Qt::WA_InputMethodEnabled, false);
    soundLabel->setBuddy(m_soundField);

    m_browseButton = new QPushButton(tr("参照"), this);
    m_browseButton->setObjectName(QStringLiteral("BrowseSoundButton"));
    m_browseButton->setAccessibleName(tr("参照"));
    m_browseButton->setAutoDefault(false);
    m_playButton = new QPushButton(tr("再生"), this);
    m_playButton->setObjectName(QStringLiteral("PlaySoundButton"));
    m_playButton->setAccessibleName(tr("再生"));
    m_playButton->setAutoDefault(false);
    connect(m_browseButton, &QPushButton::clicked, this, &WordEntryDialog::browseSoundFile);
    connect(m_playButton, &QPushButton::clicked, this, &WordEntryDialog::playSoundFile);

    if (m_inputMode == core::InputMode::GreekRomaji) {
        m_accentButton = new QPushButton(tr("置"), this);
        m_accentButton->setObjectName(QStringLiteral("AccentButton"));
        m_accentButton->setAccessibleName(tr("置"));
        m_accentButton->setAutoDefault(false);
        connect(m_accentButton, &QPushButton::clicked, this, &WordEntryDialog::replaceAccents);
    }

    layoutFields(kClientWidth);
}

QLineEdit* WordEntryDialog::addLineField(const QString& objectName, const QString& label, int row)
{
    const int top = kFirstRowTop + kRowSpacing * row;
    auto* caption = new QLabel(label, this);
    QFont bold = font();
    bold.setBold(true);
    caption->setFont(bold);
    caption->setGeometry(4, top + 5, kFieldLeft - 8, kFieldHeight);
    m_labels.append(caption);
    auto* field = new QLineEdit(this);
    field->setObjectName(objectName);
    field->setAccessibleName(label);
    field->setGeometry(kFieldLeft, top, kFieldWidth, kFieldHeight);
    caption->setBuddy(field);
    return field;
}

void WordEntryDialog::layoutFields(int width)
{
    const int extra = qMax(0, width - kClientWidth);
    for (int row = 0; row < 4; ++row) {
        QLineEdit* field = row == 0 ? m_foreignField
            : row == 1              ? m_phoneticField
            : row == 2              ? m_kanaField
                                    : m_japaneseField;
        field->setGeometry(kFieldLeft, kFirstRowTop + kRowSpacing * row, kFieldWidth + extra, kFieldHeight);
    }
    if (m_accentButton)
        m_accentButton->setGeometry(
            kFieldLeft + kFieldWidth + extra + 2, kFirstRowTop, kAccentButtonWidth, kFieldHeight);
    m_noteField->setGeometry(kFieldLeft, kNoteTop, kNoteWidth + extra, kNoteHeight);
    m_soundField->setGeometry(kFieldLeft, kSoundTop, kSoundWidth, kFieldHeight);
    const int buttonsLeft = kFieldLeft + kSoundWidth + 8;
    m_browseButton->setGeometry(buttonsLeft, kSoundTop, kSmallButtonWidth, kFieldHeight);
    m_playButton->setGeometry(buttonsLeft + kSmallButtonWidth + 8, kSoundTop, kSmallButtonWidth, kFieldHeight);
}

void WordEntryDialog::resizeEvent(QResizeEvent* event)
{
    QDialog::resizeEvent(event);
    layoutFields(event->size().width());
    layoutBottomBar(event->size().width(), kBottomBarTop);
}

void WordEntryDialog::showEvent(QShowEvent* event)
{
    if (m_services.restoreStartupLayout)
        m_services.restoreStartupLayout();
    // F4 runs the dialog's command whichever control has the focus (a drop-down list would open itself).
    for (QWidget* child : findChildren<QWidget*>()) {
        child->removeEventFilter(this);
        child->installEventFilter(this);
    }
    QDialog::showEvent(event);
}

void WordEntryDialog::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_F4 && event->modifiers() == Qt::NoModifier) {
        runF4Command();
        return;
    }
    QDialog::keyPressEvent(event);
}

bool WordEntryDialog::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::KeyPress) {
        const auto* key = static_cast<QKeyEvent*>(event);
        if (key->key() == Qt::Key_F4 && key->modifiers() == Qt::NoModifier) {
            runF4Command();
            return true;
        }
    } else if (event->type() == QEvent::FocusIn) {
        if (watched == m_foreignField && core::isLayoutMode(m_inputMode)) {
            if (m_services.selectScriptLayout)
                m_services.selectScriptLayout();
        } else if (m_services.restoreStartupLayout) {
            m_services.restoreStartupLayout();
        }
    }
    return QDialog::eventFilter(watched, event);
}

QString WordEntryDialog::trimControls(QStringView text)
{
    qsizetype begin = 0;
    qsizetype end = text.size();
    while (begin < end && text[begin].unicode() <= 0x20)
        ++begin;
    while (end > begin && text[end - 1].unicode() <= 0x20)
        --end;
    return text.sliced(begin, end - begin).toString();
}

core::WordEntry WordEntryDialog::entryFromFields() const
{
    core::WordEntry entry;
    entry.foreignWord = trimControls(m_foreignField->text());
    entry.phonetic = trimControls(m_phoneticField->text());
    entry.kana = trimControls(m_kanaField->text());
    entry.japanese = trimControls(m_japaneseField->text());
    entry.note = core::encodePlainTextLineBreaks(trimControls(m_noteField->toPlainText()));
    entry.soundFile = trimControls(m_soundField->text());
    return entry;
}

void WordEntryDialog::storeAndClose(const std::function<bool(QString* error)>& store)
{
    QString error;
    if (!store(&error)) {
        showWordBookWarning(this, error);
        return;
    }
    accept();
}

void WordEntryDialog::browseSoundFile()
{
    if (!m_services.chooseSoundFile)
        return;
    const QString path = m_services.chooseSoundFile(this, m_services.soundStartFolder);
    if (!path.isEmpty())
        m_soundField->setText(QFileInfo(path).fileName());
}

void WordEntryDialog::playSoundFile()
{
    const QString name = trimControls(m_soundField->text());
    if (name.isEmpty() || !m_services.playSound)
        return;
    m_services.playSound(name);
}

void WordEntryDialog::replaceAccents()
{
    const core::CombiningMarkReplacement result = core::replaceCombiningMarks(m_foreignField->text());
    m_foreignField->setFocus();
    m_foreignField->setText(result.text);
    m_foreignField->end(false);
    showWordBookInformation(this, core::combiningMarkReplacementReport(result.count));
}

} // namespace pelinor::ui
