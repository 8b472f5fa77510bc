#include "ui/pad/tpadfrm.h"

#include "core/app/inputmodecontroller.h"
#include "core/app/inputmodes.h"
#include "core/app/settings.h"
#include "core/input/scriptlayouts.h"
#include "ui/app/fontboxes.h"
#include "ui/common/fontfamilies.h"
#include "ui/common/qtcolours.h"
#include "ui/common/screenplacement.h"
#include "ui/input/phonetickeypanel.h"
#include "ui/input/romajikeypanel.h"
#include "ui/input/screenkeyboard.h"
#include "ui/input/scriptkeytranslator.h"
#include "ui/input/symbolsearchpanel.h"
#include "ui/transfer/transfercontroller.h"
#include "ui/transfer/transferindicator.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QKeyEvent>
#include <QLineEdit>
#include <QScreen>
#include <QTabBar>
#include <QTabWidget>
#include <QTextEdit>
#include <QToolButton>
#include <QVBoxLayout>

#include <algorithm>

namespace pelinor::ui {

using core::SettingKey;
using core::TableSide;

namespace {

constexpr int kInputLinePointSize = 16;
constexpr core::InsertionTarget kTarget = core::InsertionTarget::Pad;
// Rich text stores sizes in half points in a 16-bit number.
constexpr int kLargestTransferSize = 1638;

core::ScriptLayout keyboardLayoutOf(core::Script script, bool russianTypewriter)
{
    switch (script) {
    case core::Script::Greek:
        return core::ScriptLayout::Greek;
    case core::Script::Ukrainian:
        return core::ScriptLayout::Ukrainian;
    case core::Script::Russian:
        break;
    }
    return russianTypewriter ? core::ScriptLayout::RussianTypewriter : core::ScriptLayout::RussianStandard;
}

} // namespace

TPadFrm::TPadFrm(const PadContext& context, std::optional<QPoint> position, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint)
    , m_context(context)
    , m_position(position)
{
    setObjectName(QStringLiteral("PadFrm"));
    // The main window is hidden while the PAD is open; closing the PAD must not end the program.
    setAttribute(Qt::WA_QuitOnClose, false);
    core::Settings& settings = m_context.settings;

    // The size of the transferred text starts as the foreign-language area's.
    m_transferSize = settings.integer(SettingKey::UsrMainFontSize);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(buildTopStrip());
    m_buffer = new QTextEdit(this);
    m_buffer->setObjectName(QStringLiteral("RichTextBuffer"));
    m_buffer->setFixedSize(1, 1);
    m_buffer->hide();

    buildPanels();
    layout->addWidget(m_tabs, 1);
    connectPanels();

    auto* transferAction = new QAction(this);
    transferAction->setObjectName(QStringLiteral("PadTransfer"));
    transferAction->setShortcut(QKeySequence(Qt::Key_F9));
    transferAction->setShortcutContext(Qt::WindowShortcut);
    addAction(transferAction);
    connect(transferAction, &QAction::triggered, this, &TPadFrm::transferText);

    // Showing: size, caption, place, the page of the input mode.
    setFixedSize(400, 350);
    setWindowTitle(tr("PADモード"));
    if (m_position) {
        // Remembered in this run, but the monitor it was on may have been removed since.
        setGeometry(placedOnScreens(this, QRect(*m_position, size())));
    } else if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        move(screen->availableGeometry().center() - QPoint(width() / 2, height() / 2));
    }
    const bool layoutMode = core::isLayoutMode(m_context.inputModes.mode());
    const int page = layoutMode ? KeyboardPage : RomajiPage;
    {
        const QSignalBlocker blocker(m_tabs);
        m_tabs->setCurrentIndex(page);
    }
    applyPageFonts(page);
    m_edit->setFocus();
}

TPadFrm::~TPadFrm() = default;

QWidget* TPadFrm::buildTopStrip()
{
    core::Settings& settings = m_context.settings;
    auto* strip = new QWidget;
    strip->setObjectName(QStringLiteral("PadTopStrip"));
    auto* grid = new QGridLayout(strip);
    grid->setContentsMargins(4, 4, 4, 4);
    grid->setHorizontalSpacing(6);
    grid->setVerticalSpacing(2);

    m_indicator = new TransferIndicator;
    m_indicator->setObjectName(QStringLiteral("TransferIndicator"));
    m_indicator->setFixedSize(26, 26);
    m_autoPaste = new QCheckBox;
    m_autoPaste->setObjectName(QStringLiteral("AutoPasteBox"));
    m_autoPaste->setAccessibleName(tr("自動貼り付け"));
    m_autoPaste->setChecked(settings.flag(SettingKey::AutoPasteFlg));

    m_edit = new QLineEdit;
    m_edit->setObjectName(QStringLiteral("PadInput"));
    m_edit->setAttribute(Qt::WA_InputMethodEnabled, false);

    m_transferButton = new QToolButton;
    m_transferButton->setObjectName(QStringLiteral("PadTransferButton"));
    m_transferButton->setText(tr("転\n送"));
    m_transferButton->setToolTip(tr("F9キー"));
    m_transferButton->setFixedSize(30, 46);
    m_transferButton->setFocusPolicy(Qt::NoFocus);
    QFont buttonFont = m_transferButton->font();
    buttonFont.setPointSize(10);
    m_transferButton->setFont(buttonFont);

    m_sizeBox = new QComboBox;
    m_sizeBox->setObjectName(QStringLiteral("TransferSizeBox"));
    m_sizeBox->setEditable(true);
    // Typing "5" must give 5, not be completed to the first listed size starting with it.
    m_sizeBox->setCompleter(nullptr);
    m_sizeBox->setFixedWidth(50);
    m_sizeBox->setMaxVisibleItems(20);
    fillSizeBox(m_sizeBox, 9, 60);
    m_sizeBox->setEditText(QString::number(m_transferSize));

    // "ｸﾘｱ" starts on at every opening.
    m_clear = new QCheckBox(tr("ｸﾘｱ"));
    m_clear->setObjectName(QStringLiteral("ClearAfterTransferBox"));
    m_clear->setChecked(true);

    grid->addWidget(m_indicator, 0, 0, Qt::AlignHCenter);
    grid->addWidget(m_autoPaste, 1, 0, Qt::AlignHCenter);
    grid->addWidget(m_edit, 0, 1, 2, 1, Qt::AlignVCenter);
    grid->addWidget(m_transferButton, 0, 2, 2, 1, Qt::AlignVCenter);
    grid->addWidget(m_sizeBox, 0, 3);
    grid->addWidget(m_clear, 1, 3);
    grid->setColumnStretch(1, 1);
    return strip;
}

void TPadFrm::buildPanels()
{
    core::Settings& settings = m_context.settings;
    const core::ScriptInfo& script = core::scriptInfoByName(settings.scriptName());

    m_tabs = new QTabWidget;
    m_tabs->setObjectName(QStringLiteral("PadTabs"));
    m_tabs->setTabPosition(QTabWidget::South);
    m_tabs->tabBar()->setFocusPolicy(Qt::NoFocus);
    QFont tabFont = m_tabs->tabBar()->font();
    tabFont.setPixelSize(12);
    m_tabs->tabBar()->setFont(tabFont);

    // The table key panels fill their pages without "直" and "復", which belong to the main window; the
    // romaji panel keeps "置換" for Greek.
    m_romaji = new RomajiKeyPanel(settings);
    const QColor romajiColour = toQColor(settings.colour(script.romajiColour));
    m_romaji->rebuild(m_context.tables.foreign(), script.script, romajiColour);
    m_romaji->setLowerColour(romajiColour);
    m_romaji->setReplacementTarget(m_edit);

    // The on-screen keyboard has its own "CAPS" and starts at the lower layout of the script.
    m_keyboard = new ScreenKeyboard(m_context.tables.foreign(), 11);
    const QColor keyboardColour = toQColor(settings.colour(script.keyboardColour));
    m_keyboard->setBackground(keyboardColour);
    m_keyboard->setLowerColour(keyboardColour);
    m_keyboard->build(keyboardLayoutOf(script.script, settings.flag(SettingKey::RusTWFlg)), false);

    m_phonetic = new PhoneticKeyPanel(settings);
    m_phonetic->rebuild(m_context.tables.phonetic());
    m_phonetic->setLowerColour(m_phonetic->background());

    for (TableKeyPanel* panel : {static_cast<TableKeyPanel*>(m_romaji), static_cast<TableKeyPanel*>(m_phonetic)}) {
        panel->directInputBox()->hide();
        panel->triggerReturnBox()->hide();
    }
    m_tabs->addTab(m_romaji, script.name + tr("ローマ字"));
    m_tabs->addTab(m_keyboard, m_context.keyboardCaption);
    m_tabs->addTab(m_phonetic, tr("発音記号"));
    if (m_context.symbolSearch) {
        m_symbolSearch = new SymbolSearchPanel(*m_context.symbolSearch);
        m_tabs->addTab(m_symbolSearch, tr("記号検索"));
    }
}

void TPadFrm::connectPanels()
{
    TriggerKeyInput& input = m_context.triggerInput;
    // The input line is target 5 of both sides; its keys convert with the side of the shown page.
    input.attach(m_edit, TableSide::Foreign, kTarget);
    input.setTargetField(TableSide::Phonetic, kTarget, m_edit);
    // Installed after the trigger-key input, so Enter and the Shift keys are seen here first.
    m_edit->installEventFilter(this);

    const auto clickTrigger
        = [this](QChar key, TableSide side) { m_context.triggerInput.handleTriggerKey(side, key.unicode(), kTarget); };
    connect(m_romaji, &KeyPanelBase::triggerClicked, this, clickTrigger);
    connect(m_phonetic, &KeyPanelBase::triggerClicked, this, clickTrigger);
    connect(m_keyboard, &KeyPanelBase::triggerClicked, this, clickTrigger);
    connect(m_keyboard, &KeyPanelBase::textClicked, this, [this](const QString& text, TableSide side) {
        if (text.size() != 1 || !m_context.triggerInput.handleTriggerKey(side, text.at(0).unicode(), kTarget))
            m_context.triggerInput.insertText(side, kTarget, text);
    });
    const auto openList = [this](TableSide side) {
        if (m_context.openCandidateList)
            m_context.openCandidateList(side);
    };
    connect(m_romaji, &TableKeyPanel::listRequested, this, openList);
    connect(m_phonetic, &TableKeyPanel::listRequested, this, openList);

    if (m_symbolSearch) {
        connect(m_symbolSearch, &SymbolSearchPanel::symbolChosen, this,
            [this](const QString& text) { m_context.triggerInput.insertText(TableSide::Foreign, kTarget, text); });
    }
    connect(m_tabs, &QTabWidget::currentChanged, this, &TPadFrm::tabChanged);
    connect(m_transferButton, &QToolButton::clicked, this, &TPadFrm::transferText);
    connect(m_autoPaste, &QCheckBox::toggled, &m_context.transfer, &TransferController::setAutoPaste);
    connect(m_sizeBox, &QComboBox::currentTextChanged, this, &TPadFrm::sizeBoxChanged);
}

void TPadFrm::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    if (!m_shown) {
        m_shown = true;
        m_edit->setFocus();
    }
}

void TPadFrm::tabChanged(int page)
{
    applyPageFonts(page);
    // The search page is for typing in its own field; the characters it finds go to the input line.
    if (page == SymbolSearchPage && m_symbolSearch)
        m_symbolSearch->searchField()->setFocus();
    else
        m_edit->setFocus();
}

void TPadFrm::applyPageFonts(int page)
{
    const core::Settings& settings = m_context.settings;
    const bool phonetic = page == PhoneticPage;

    QFont lineFont = fontOfFamily(settings.text(phonetic ? SettingKey::UsrSubFont : SettingKey::UsrMainFont));
    lineFont.setPointSize(kInputLinePointSize);
    m_edit->setFont(lineFont);
    QPalette palette = m_edit->palette();
    palette.setColor(QPalette::Base,
        phonetic ? toQColor(settings.phoneticAreaColour()) : QApplication::palette().color(QPalette::Base));
    m_edit->setPalette(palette);

    m_buffer->clear();
    m_bufferFont
        = core::richTextFontOf(phonetic ? core::TransferArea::Phonetic : core::TransferArea::Foreign, settings);
    m_bufferFont.pointSize = m_transferSize;
    QFont bufferFont = fontOfFamily(m_bufferFont.name);
    bufferFont.setPointSize(m_bufferFont.pointSize);
    m_buffer->setFont(bufferFont);

    m_context.triggerInput.attach(m_edit, phonetic ? TableSide::Phonetic : TableSide::Foreign, kTarget);
    applyKeyLayout(page);
}

void TPadFrm::applyKeyLayout(int page)
{
    // The keyboard page types through the script's layout in the layout modes; the other pages take the
    // user's own layout.
    const bool scriptLayout = page == KeyboardPage && core::isLayoutMode(m_context.inputModes.mode());
    ScriptKeyTranslator& keys = m_context.scriptKeys;
    m_context.triggerInput.setKeyTranslator(m_edit,
        scriptLayout
            ? TriggerKeyInput::KeyTranslator([&keys](const QKeyEvent& event) { return keys.translate(event, kTarget); })
            : TriggerKeyInput::KeyTranslator());
}

void TPadFrm::sizeBoxChanged()
{
    bool ok = false;
    const int size = m_sizeBox->currentText().trimmed().toInt(&ok);
    // Anything else keeps the size in use.
    if (!ok || size < 1 || size > kLargestTransferSize)
        return;
    m_transferSize = size;
    m_bufferFont.pointSize = size;
    QFont bufferFont = m_buffer->font();
    bufferFont.setPointSize(size);
    m_buffer->setFont(bufferFont);
}

void TPadFrm::transferText()
{
    // The selection, or else the whole text.
    m_edit->setFocus();
    const bool hadSelection = m_edit->hasSelectedText();
    const QString text = hadSelection ? m_edit->selectedText() : m_edit->text();
    // An empty line transfers nothing: what the clipboard holds must not be pasted in its place.
    if (text.isEmpty())
        return;
    // The PAD always takes the direct rich-text route, in the buffer's font, whatever the transfer mode.
    m_buffer->setPlainText(text);
    if (!m_context.transfer.copyRichText(text, m_bufferFont))
        return;
    // The transferred text stays selected for the next transfer unless "ｸﾘｱ" empties the line.
    if (!hadSelection)
        m_edit->selectAll();
    if (m_context.settings.flag(SettingKey::AutoPasteFlg))
        m_context.transfer.startPaste();
    if (m_clear->isChecked()) {
        m_edit->clear();
        m_edit->setFocus();
    }
}

void TPadFrm::keyPressEvent(QKeyEvent* event)
{
    // The PAD closes with its close box only; Escape would throw the line away.
    if (event->key() == Qt::Key_Escape) {
        event->accept();
        return;
    }
    QDialog::keyPressEvent(event);
}

bool TPadFrm::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == m_edit && (event->type() == QEvent::KeyPress || event->type() == QEvent::KeyRelease)) {
        const auto& key = *static_cast<QKeyEvent*>(event);
        passShiftToKeyboard(key);
        if (event->type() == QEvent::KeyPress && (key.key() == Qt::Key_Return || key.key() == Qt::Key_Enter)) {
            // Only spaces and control characters count as blank: a line of ideographic spaces is text.
            const QString text = m_edit->text();
            if (std::any_of(text.cbegin(), text.cend(), [](QChar c) { return c.unicode() > 0x20; }))
                transferText();
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}

void TPadFrm::passShiftToKeyboard(const QKeyEvent& event)
{
    if (event.isAutoRepeat())
        return;
    const bool pressed = event.type() == QEvent::KeyPress;
    const bool keyboardShown = m_tabs->currentIndex() == KeyboardPage;
    if (event.key() == Qt::Key_Shift) {
        if (keyboardShown)
            m_keyboard->setShifted(pressed);
    } else if (event.key() == Qt::Key_CapsLock && pressed) {
        m_context.scriptKeys.toggleCapsLock();
        if (keyboardShown)
            m_keyboard->setCapsLock(m_context.scriptKeys.capsLock());
    }
}

} // namespace pelinor::ui
