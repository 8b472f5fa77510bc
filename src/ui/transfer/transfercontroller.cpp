#include "ui/transfer/transfercontroller.h"

#include "core/app/folders.h"
#include "core/app/settings.h"
#include "core/transfer/richtextfont.h"
#include "core/transfer/targettitle.h"
#include "core/transfer/transferaftermath.h"
#include "core/transfer/transfermode.h"
#include "core/transfer/transferpayload.h"
#include "ui/transfer/transferindicator.h"

#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QLineEdit>
#include <QMessageBox>
#include <QMimeData>
#include <QPlainTextEdit>
#include <QSignalBlocker>

#include <algorithm>

namespace pelinor::ui {

using core::SettingKey;

namespace {

// The settings dialog offers 10 to 500 ms for both timers; a hand-edited file may hold anything.
int timerInterval(const core::Settings& settings, SettingKey key)
{
    return std::clamp(settings.integer(key), 10, 500);
}

// The colour of an indicator without a target: the system's window (background) colour.
QColor windowColour()
{
    return QApplication::palette().color(QPalette::Base);
}

QMimeData* mimeDataOf(const core::TransferPayload& payload)
{
    auto* data = new QMimeData;
    data->setText(payload.plainText);
    if (payload.isRich()) {
        data->setData(QStringLiteral("text/rtf"), payload.rtf);
        data->setData(QStringLiteral("application/rtf"), payload.rtf);
        data->setHtml(payload.html);
    }
    return data;
}

} // namespace

TransferController::TransferController(core::Settings& settings, const core::Folders& folders,
    platform::WindowSystem& windowSystem, const TransferWidgets& widgets, QObject* parent)
    : QObject(parent)
    , m_settings(settings)
    , m_folders(folders)
    , m_windowSystem(windowSystem)
    , m_widgets(widgets)
{
    m_transTimer.setObjectName(QStringLiteral("TransTimer"));
    m_pasteTimer.setObjectName(QStringLiteral("PasteTimer"));
    m_pasteTimer.setSingleShot(true);
    connect(&m_transTimer, &QTimer::timeout, this, &TransferController::trackForegroundWindow);
    connect(&m_pasteTimer, &QTimer::timeout, this, &TransferController::sendPasteKeystroke);
    connect(&m_windowSystem, &platform::WindowSystem::applicationActiveChanged, this,
        &TransferController::applicationActiveChanged);

    if (m_widgets.autoPasteBox) {
        const QSignalBlocker blocker(m_widgets.autoPasteBox);
        m_widgets.autoPasteBox->setChecked(m_settings.flag(SettingKey::AutoPasteFlg));
        // toggled, not clicked: setting the box from the program (when the PAD closes) runs the same handling.
        connect(m_widgets.autoPasteBox, &QCheckBox::toggled, this, &TransferController::setAutoPaste);
    }
    if (m_widgets.indicator && !m_windowSystem.available())
        m_widgets.indicator->setToolTip(m_windowSystem.unavailableReason());
    showTransferMode();
    applicationActiveChanged(m_windowSystem.isApplicationActive());
}

TransferController::~TransferController() = default;

void TransferController::setLastSoundQuery(LastSoundQuery query)
{
    m_lastSound = std::move(query);
}

void TransferController::setPadWidgets(const PadTransferWidgets& pad)
{
    m_pad = pad;
    if (m_pad.indicator && !m_windowSystem.available())
        m_pad.indicator->setToolTip(m_windowSystem.unavailableReason());
}

QString TransferController::caption() const
{
    if (!m_targetKnown)
        return QStringLiteral("Pelinor");
    return tr("Pelinor    転送先：[ ") + m_targetTitle + QStringLiteral(" ]");
}

void TransferController::setTransferMode(core::TransferMode mode)
{
    m_settings.setInteger(SettingKey::TransMode, core::transferModeNumber(mode));
    showTransferMode();
}

void TransferController::showTransferMode()
{
    if (m_widgets.modeDisplay)
        m_widgets.modeDisplay->setText(
            core::transferShortLabel(m_settings.integer(SettingKey::TransMode), m_settings.scriptName()));
}

void TransferController::transferText()
{
    showTransferMode();
    const int mode = m_settings.integer(SettingKey::TransMode);
    const core::TransferArea area = core::transferAreaOf(mode);
    QPlainTextEdit* foreign = m_widgets.foreignArea;
    QLineEdit* phonetic = m_widgets.phoneticArea;

    // Focus the area of the mode and take its selection, or else its whole text.
    QString text;
    bool hadSelection = false;
    if (area == core::TransferArea::Phonetic) {
        if (!phonetic)
            return;
        phonetic->setFocus();
        hadSelection = phonetic->hasSelectedText();
        text = hadSelection ? phonetic->selectedText() : phonetic->text();
    } else {
        if (!foreign)
            return;
        foreign->setFocus();
        const QTextCursor cursor = foreign->textCursor();
        hadSelection = cursor.hasSelection();
        text = hadSelection ? cursor.selectedText() : foreign->toPlainText();
    }

    const core::PreparedTransfer prepared
        = core::prepareTransfer(mode, text, core::richTextFontOf(area, m_settings), m_folders.systemFolder());
    if (!prepared.ok()) {
        // Work.rtf could not be written: the clipboard keeps what it held and nothing is pasted.
        QMessageBox box(
            QMessageBox::Warning, QStringLiteral("Pelinor"), prepared.error, QMessageBox::Yes, m_widgets.window);
        box.setObjectName(QStringLiteral("TransferMessage"));
        box.exec();
        return;
    }
    if (!prepared.payload)
        return; // a mode that transfers nothing
    const core::TransferPayload& payload = *prepared.payload;
    if (payload.setsClipboard)
        QGuiApplication::clipboard()->setMimeData(mimeDataOf(payload));

    const core::TransferAftermath after = core::transferAftermath(payload, hadSelection, m_settings);
    if (after.selectWholeText) {
        if (after.focusArea == core::TransferArea::Phonetic)
            phonetic->selectAll();
        else
            foreign->selectAll();
    }
    if (after.startPaste)
        startPaste();
    if (after.clearBothAreas) {
        if (foreign)
            foreign->clear();
        if (phonetic)
            phonetic->clear();
    }
}

bool TransferController::copyRichText(const QString& text, const core::RichTextFont& font)
{
    const std::optional<core::TransferPayload> payload = core::transferPayload(1, text, font);
    if (!payload || !payload->setsClipboard)
        return false;
    QGuiApplication::clipboard()->setMimeData(mimeDataOf(*payload));
    return true;
}

void TransferController::startPaste()
{
    if (!m_targetKnown)
        return; // the text waits on the clipboard
    if (!m_windowSystem.activateWindow(m_targetWindow)) {
        forgetTarget(); // closed, or the desktop refused: silently
        return;
    }
    m_pasteWindow = m_targetWindow;
    m_pasteTimer.start(timerInterval(m_settings, SettingKey::PaTimer));
}

void TransferController::sendPasteKeystroke()
{
    m_pasteTimer.stop();
    m_windowSystem.sendPaste(m_pasteWindow);
}

void TransferController::forgetTarget()
{
    m_targetKnown = false;
    m_targetWindow = 0;
    m_targetTitle.clear();
    showTarget();
    Q_EMIT targetChanged();
}

void TransferController::setAutoPaste(bool on)
{
    m_settings.setFlag(SettingKey::AutoPasteFlg, on);
    if (m_widgets.autoPasteBox && m_widgets.autoPasteBox->isChecked() != on) {
        const QSignalBlocker blocker(m_widgets.autoPasteBox);
        m_widgets.autoPasteBox->setChecked(on);
    }
    if (!on)
        forgetTarget();
}

void TransferController::applicationActiveChanged(bool active)
{
    if (active || !m_windowSystem.available()) {
        m_transTimer.stop();
        return;
    }
    m_transTimer.start(timerInterval(m_settings, SettingKey::TrTimer));
}

void TransferController::trackForegroundWindow()
{
    if (!m_settings.flag(SettingKey::AutoPasteFlg) || !m_windowSystem.available())
        return;
    const platform::WindowHandle window = m_windowSystem.foregroundWindow();
    if (window == 0)
        return;
    const QString title = core::targetTitle(m_windowSystem.windowTitle(window));
    const bool mediaPlayer = m_settings.flag(SettingKey::MediaPlayerFlg);
    const QString soundName = mediaPlayer && m_lastSound ? core::soundNameForTitle(m_lastSound()) : QString();
    if (!core::isTrackableTitle(title, mediaPlayer, soundName))
        return;
    if (m_windowSystem.isExcludedTarget(window) || isOwnWindow(window))
        return;
    if (m_targetKnown && window == m_targetWindow)
        return;

    m_targetWindow = window;
    m_targetTitle = title;
    m_targetKnown = true;
    showTarget();
    Q_EMIT targetChanged();
}

bool TransferController::isOwnWindow(platform::WindowHandle window) const
{
    const auto widgets = QApplication::topLevelWidgets();
    return std::any_of(widgets.cbegin(), widgets.cend(), [window](const QWidget* w) {
        const WId id = w->internalWinId(); // 0 for a widget that never had a native window
        return id != 0 && static_cast<platform::WindowHandle>(id) == window;
    });
}

void TransferController::showTarget()
{
    const QColor colour = m_targetKnown ? QColor(Qt::red) : windowColour();
    const QString title = caption();
    if (m_widgets.indicator)
        m_widgets.indicator->setColour(colour);
    if (m_widgets.window)
        m_widgets.window->setWindowTitle(title);
    if (isPadOpen()) {
        if (m_pad.indicator)
            m_pad.indicator->setColour(colour);
        m_pad.window->setWindowTitle(title);
    }
}

} // namespace pelinor::ui
