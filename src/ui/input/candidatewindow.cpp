#include "ui/input/candidatewindow.h"

#include "core/app/inputmodes.h"
#include "core/app/settings.h"
#include "core/input/candidateslots.h"
#include "core/input/candidatewindowplacement.h"
#include "core/input/candidatewindowtexts.h"
#include "ui/common/fontfamilies.h"
#include "ui/common/qtcolours.h"
#include "ui/input/candidatecell.h"
#include "ui/input/fitfontsize.h"

#include <QApplication>
#include <QCursor>
#include <QEventLoop>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPlainTextEdit>
#include <QScreen>
#include <QSpinBox>
#include <QTextEdit>
#include <QToolButton>
#include <QWindow>

#include <memory>

namespace pelinor::ui {

namespace {

const QColor kSelectedFill(0x00, 0xFF, 0xFF);
const QColor kOutline(0x80, 0x80, 0x80);

// The strip of cells and where its cells and their numbers stand.
const QRect kStripRect(4, 22, 394, 42);
constexpr int kCellTop = 2;
constexpr int kCellLeft = 4;
constexpr int kCellPitch = 39;
constexpr int kSlotNumberTop = 4;
constexpr int kSlotNumberLeft = 23;

// The letter "M" may fill four fifths of a cell.
constexpr int kFitHeight = CandidateWindow::kCellHeight * 4 / 5;
constexpr int kFitWidth = CandidateWindow::kCellWidth * 4 / 5;

const QPoint kNameLabelPos(4, 70);
constexpr int kNoteLabelTop = 68;
constexpr int kNoteLabelGap = 12;

const QRect kForeignColumnRect(398, 0, 22, 66);
const QRect kPhoneticColumnRect(398, 0, 22, 22);
const QPoint kCorrectionLabelPos(5, 23);
const QRect kCorrectionBoxRect(2, 40, 17, 25);

QFont namedFont(const QString& family, int pointSize)
{
    QFont font = fontOfFamily(family);
    font.setPointSize(pointSize);
    return font;
}

} // namespace

CandidateWindow::CandidateWindow(core::TableSide side, const core::CandidateBuffer& buffer, const core::TableSet& set,
    core::Settings& settings, InsertFunction insert, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint)
    , m_side(side)
    , m_buffer(buffer)
    , m_set(set)
    , m_settings(settings)
    , m_insert(std::move(insert))
{
    const bool foreign = side == core::TableSide::Foreign;
    setObjectName(foreign ? QStringLiteral("ForeignCandidateWindow") : QStringLiteral("PhoneticCandidateWindow"));
    setFixedSize(kWidth, kHeight);
    m_background = toQColor(settings.colour(foreign ? core::SettingKey::BandBg : core::SettingKey::CandBg));
    m_cellFontName = settings.text(foreign ? core::SettingKey::UsrMainFont : core::SettingKey::UsrSubFont);
    m_fittedSize = fitFontSize(m_cellFontName, kFitHeight, kFitWidth);

    // The hidden box holds the keyboard focus so that every key reaches the window first.
    m_focusBox = new QLineEdit(this);
    m_focusBox->setObjectName(QStringLiteral("FocusBox"));
    m_focusBox->setReadOnly(true);
    m_focusBox->setFrame(false);
    m_focusBox->setAttribute(Qt::WA_InputMethodEnabled, false);
    m_focusBox->setGeometry(2, 2, 1, 1);
    QPalette boxPalette = m_focusBox->palette();
    boxPalette.setColor(QPalette::Base, m_background);
    m_focusBox->setPalette(boxPalette);
    m_focusBox->installEventFilter(this);
    m_focusBox->setFocus();

    buildCells();
    buildControlColumn();
    buildNameLines();

    m_clickTimer.setSingleShot(true);
    m_clickTimer.setInterval(kCellClickDelayMs);
    connect(&m_clickTimer, &QTimer::timeout, this, &CandidateWindow::clickTimerFired);

    refresh();
}

CandidateWindow::~CandidateWindow() = default;

void CandidateWindow::buildCells()
{
    m_strip = new QWidget(this);
    m_strip->setObjectName(QStringLiteral("CellStrip"));
    m_strip->setGeometry(kStripRect);
    m_strip->installEventFilter(this);
    QFont numberFont = namedFont(QStringLiteral("ＭＳ Ｐゴシック"), 11);
    for (int slot = 1; slot <= core::CandidateBuffer::SlotCount; ++slot) {
        auto* cell = new CandidateCell(slot, m_strip);
        cell->setGeometry(kCellLeft + kCellPitch * (slot - 1), kCellTop, kCellWidth, kCellHeight);
        cell->setClickHandler([this](int clicked) { cellClicked(clicked); });
        m_cells[static_cast<std::size_t>(slot - 1)] = cell;

        auto* number = new QLabel(core::slotNumberCaption(slot), this);
        number->setObjectName(QStringLiteral("SlotNumber%1").arg(slot));
        number->setFont(numberFont);
        number->adjustSize();
        number->move(kSlotNumberLeft + kCellPitch * (slot - 1), kSlotNumberTop);
    }
}

void CandidateWindow::buildControlColumn()
{
    const bool foreign = m_side == core::TableSide::Foreign;
    m_controlColumn = new QWidget(this);
    m_controlColumn->setObjectName(QStringLiteral("ControlColumn"));
    m_controlColumn->setGeometry(foreign ? kForeignColumnRect : kPhoneticColumnRect);
    m_controlColumn->installEventFilter(this);

    m_closeButton = new QToolButton(m_controlColumn);
    m_closeButton->setObjectName(QStringLiteral("CloseButton"));
    m_closeButton->setText(tr("×"));
    m_closeButton->setToolTip(tr("[Esc]または[Backspace]キーで閉じられます"));
    m_closeButton->setFocusPolicy(Qt::NoFocus);
    m_closeButton->setGeometry(0, 0, 22, 22);
    connect(m_closeButton, &QToolButton::clicked, this, &QDialog::reject);

    if (!foreign)
        return;
    const int correction = core::clampBandDev(m_settings.integer(core::SettingKey::BandDev));
    m_correctionLabel = new QLabel(m_controlColumn);
    m_correctionLabel->setObjectName(QStringLiteral("CorrectionLabel"));
    m_correctionLabel->setFont(namedFont(QStringLiteral("Times New Roman"), 9));
    m_correctionLabel->move(kCorrectionLabelPos);

    m_correctionBox = new QSpinBox(m_controlColumn);
    m_correctionBox->setObjectName(QStringLiteral("CorrectionUpDown"));
    m_correctionBox->setRange(core::kBandDevMinimum, core::kBandDevMaximum);
    m_correctionBox->setSingleStep(1);
    m_correctionBox->setValue(correction);
    m_correctionBox->setToolTip(tr("文字サイズ補正"));
    m_correctionBox->setFocusPolicy(Qt::NoFocus);
    m_correctionBox->setGeometry(kCorrectionBoxRect);
    connect(m_correctionBox, &QSpinBox::valueChanged, this, &CandidateWindow::correctionChanged);
}

void CandidateWindow::buildNameLines()
{
    m_nameLabel = new QLabel(this);
    m_nameLabel->setObjectName(QStringLiteral("NameLabel"));
    m_nameLabel->setFont(namedFont(QStringLiteral("ＭＳ Ｐゴシック"), 11));
    m_nameLabel->move(kNameLabelPos);

    m_noteLabel = new QLabel(this);
    m_noteLabel->setObjectName(QStringLiteral("NoteLabel"));
    m_noteLabel->setFont(namedFont(QStringLiteral("Tahoma"), 11));
}

int CandidateWindow::cellPointSize() const
{
    int size = m_fittedSize;
    if (m_side == core::TableSide::Foreign)
        size += core::clampBandDev(m_settings.integer(core::SettingKey::BandDev));
    return std::max(1, size);
}

void CandidateWindow::refresh()
{
    if (m_correctionLabel) {
        const int correction = core::clampBandDev(m_settings.integer(core::SettingKey::BandDev));
        m_correctionLabel->setText(core::bandDevCaption(correction));
        m_correctionLabel->adjustSize();
    }

    const QFont cellFont = namedFont(m_cellFontName, cellPointSize());
    const QColor buttonFace = QApplication::palette().color(QPalette::Button);
    for (CandidateCell* cell : m_cells) {
        const int slot = cell->slot();
        const QString text = core::candidateSlotText(m_buffer, slot);
        const QColor fill = slot == m_selected ? kSelectedFill : text.isEmpty() ? buttonFace : QColor(Qt::white);
        cell->setFont(cellFont);
        cell->setCell(text, fill);
        cell->setToolTip(core::candidateCellHint(m_set, m_buffer.slot(slot)));
    }

    const char16_t selected = m_buffer.slot(m_selected);
    m_nameLabel->setText(core::candidateNameLine(m_side, m_set, selected));
    m_nameLabel->adjustSize();
    m_noteLabel->setText(core::candidateNoteLine(m_side, m_set, selected));
    m_noteLabel->adjustSize();
    m_noteLabel->move(m_nameLabel->x() + m_nameLabel->width() + kNoteLabelGap, kNoteLabelTop);
}

void CandidateWindow::selectSlot(int slot)
{
    m_selected = slot;
    refresh();
}

QPoint CandidateWindow::caretPosition(QWidget* field)
{
    if (auto* plain = qobject_cast<QPlainTextEdit*>(field))
        return plain->viewport()->mapTo(plain, plain->cursorRect().topLeft());
    if (auto* rich = qobject_cast<QTextEdit*>(field))
        return rich->viewport()->mapTo(rich, rich->cursorRect().topLeft());
    if (field)
        return field->inputMethodQuery(Qt::ImCursorRectangle).toRect().topLeft();
    return {};
}

void CandidateWindow::placeAboveCaret(QWidget* target)
{
    QPoint caret;
    QScreen* screen = nullptr;
    if (target) {
        caret = target->mapToGlobal(caretPosition(target));
        screen = target->screen();
    } else {
        caret = QCursor::pos();
        screen = QGuiApplication::screenAt(caret);
    }
    if (!screen)
        screen = QGuiApplication::primaryScreen();
    const QRect screenRect = screen ? screen->geometry() : QRect();
    move(core::candidateWindowPosition(caret, size(), screenRect));
}

int CandidateWindow::runUntilClosed()
{
    QEventLoop loop;
    connect(this, &QDialog::finished, &loop, &QEventLoop::quit);
    m_running = true;
    qApp->installEventFilter(this);
    show();
    activateWindow();
    if (!m_finished)
        loop.exec(QEventLoop::DialogExec);
    qApp->removeEventFilter(this);
    m_running = false;
    return result();
}

bool CandidateWindow::filterOtherWindows(QWidget* receiver, QEvent* event)
{
    if (m_finished)
        return false;
    const Qt::WindowType type = receiver->window()->windowType();
    if (type == Qt::Popup || type == Qt::ToolTip)
        return false;
    switch (event->type()) {
    case QEvent::KeyPress:
        // Typed before this window had the focus: it is meant for this window.
        handleKey(static_cast<QKeyEvent*>(event));
        return true;
    case QEvent::ShortcutOverride:
        event->accept();
        return true;
    case QEvent::KeyRelease:
    case QEvent::InputMethod:
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonRelease:
    case QEvent::MouseButtonDblClick:
    case QEvent::MouseMove:
    case QEvent::Wheel:
    case QEvent::ContextMenu:
    case QEvent::TabletPress:
    case QEvent::TabletMove:
    case QEvent::TabletRelease:
    case QEvent::TouchBegin:
    case QEvent::TouchUpdate:
    case QEvent::TouchEnd:
        return true;
    case QEvent::Close:
        // The window manager's close button of another window waits until this window has closed.
        if (!event->spontaneous())
            return false;
        event->ignore();
        return true;
    default:
        return false;
    }
}

void CandidateWindow::passOnLateKey(QEvent* event)
{
    // A key typed after the one that closed the window, sent here before the focus went back: it belongs to
    // the field that has the focus now, as it would have if typed slowly.
    QWidget* owner = parentWidget();
    QWidget* receiver = owner ? owner->window()->focusWidget() : nullptr;
    if (!receiver)
        return;
    const std::unique_ptr<QEvent> copy(event->clone());
    QCoreApplication::sendEvent(receiver, copy.get());
}

bool CandidateWindow::eventFilter(QObject* watched, QEvent* event)
{
    if (m_running && watched->isWidgetType() && static_cast<QWidget*>(watched)->window() != this)
        return filterOtherWindows(static_cast<QWidget*>(watched), event);
    if (watched == m_focusBox && event->type() == QEvent::KeyPress) {
        if (m_finished) {
            passOnLateKey(event);
            return true;
        }
        return handleKey(static_cast<QKeyEvent*>(event));
    }
    if (watched == m_focusBox && event->type() == QEvent::ShortcutOverride && !m_finished) {
        // Keep every key for the window, even one that a shortcut elsewhere would take.
        event->accept();
        return true;
    }
    if ((watched == m_strip || watched == m_controlColumn)
        && (event->type() == QEvent::MouseButtonPress || event->type() == QEvent::MouseButtonRelease
            || event->type() == QEvent::MouseButtonDblClick || event->type() == QEvent::MouseMove)) {
        // The strip and the control column are not part of the surface that drags the window.
        return true;
    }
    return QDialog::eventFilter(watched, event);
}

void CandidateWindow::keyPressEvent(QKeyEvent* event)
{
    if (!handleKey(event))
        event->ignore();
}

bool CandidateWindow::handleKey(QKeyEvent* event)
{
    const int key = event->key();
    switch (key) {
    case Qt::Key_Backspace:
    case Qt::Key_Escape:
        reject();
        return true;
    case Qt::Key_Return:
    case Qt::Key_Enter:
        insertAndClose(core::candidateSlotText(m_buffer, m_selected));
        return true;
    case Qt::Key_Space:
    case Qt::Key_Right:
        selectSlot(core::nextCandidateSlot(m_selected));
        return true;
    case Qt::Key_Left:
        selectSlot(core::previousCandidateSlot(m_selected));
        return true;
    default:
        break;
    }
    if (key >= Qt::Key_0 && key <= Qt::Key_9) {
        selectSlot(core::slotOfDigit(key - Qt::Key_0));
        const QString text = core::candidateSlotText(m_buffer, m_selected);
        if (text.isEmpty())
            reject();
        else
            insertAndClose(text);
        return true;
    }
    // Other keys do nothing, and go nowhere else either.
    return true;
}

void CandidateWindow::cellClicked(int slot)
{
    if (m_finished)
        return;
    selectSlot(slot);
    m_clickTimer.start();
}

void CandidateWindow::clickTimerFired()
{
    m_clickTimer.stop();
    if (!m_finished)
        insertAndClose(core::candidateSlotText(m_buffer, m_selected));
}

void CandidateWindow::insertAndClose(const QString& text)
{
    if (m_finished)
        return;
    if (m_insert)
        m_insert(text);
    accept();
}

void CandidateWindow::correctionChanged(int correction)
{
    m_settings.setInteger(core::SettingKey::BandDev, core::clampBandDev(correction));
    refresh();
}

void CandidateWindow::done(int result)
{
    if (m_finished)
        return;
    m_finished = true;
    m_clickTimer.stop();
    QDialog::done(result);
    if (m_side == core::TableSide::Foreign && m_selectScriptLayout
        && core::isLayoutMode(core::inputModeFromNumber(m_settings.integer(core::SettingKey::InputMode))))
        m_selectScriptLayout();
}

void CandidateWindow::mousePressEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton) {
        QDialog::mousePressEvent(event);
        return;
    }
    event->accept();
    if (windowHandle() && windowHandle()->startSystemMove())
        return;
    m_dragging = true;
    m_dragOffset = event->globalPosition().toPoint() - pos();
}

void CandidateWindow::mouseMoveEvent(QMouseEvent* event)
{
    if (m_dragging && (event->buttons() & Qt::LeftButton)) {
        move(event->globalPosition().toPoint() - m_dragOffset);
        event->accept();
        return;
    }
    QDialog::mouseMoveEvent(event);
}

void CandidateWindow::mouseReleaseEvent(QMouseEvent* event)
{
    if (m_dragging && event->button() == Qt::LeftButton) {
        m_dragging = false;
        event->accept();
        return;
    }
    QDialog::mouseReleaseEvent(event);
}

void CandidateWindow::paintEvent(QPaintEvent* /*event*/)
{
    QPainter painter(this);
    painter.fillRect(rect(), m_background);
    QPen outline(kOutline);
    outline.setWidth(2);
    painter.setPen(outline);
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(rect().adjusted(1, 1, -1, -1));
}

void CandidateWindow::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    if (m_shownOnce)
        return;
    m_shownOnce = true;
    m_focusBox->setFocus();
    if (m_restoreStartupLayout)
        m_restoreStartupLayout();
}

} // namespace pelinor::ui
