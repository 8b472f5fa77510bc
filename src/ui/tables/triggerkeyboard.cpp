#include "ui/tables/triggerkeyboard.h"

#include "core/common/hexcode.h"
#include "core/tables/triggerkeys.h"
#include "ui/common/fontfamilies.h"

#include <QLabel>
#include <QToolButton>

#include <cmath>

namespace pelinor::ui {

namespace {

using core::TriggerKeys;
using core::TriggerMode;

const QColor kChosen(Qt::red);
const QColor kWithCandidates(Qt::blue);
const QColor kPlain(Qt::black);

// Room left of and above the keys, and the title's place.
constexpr int kLeft = 16;
constexpr int kTop = 36;
constexpr int kHorizontalMargin = 28;
constexpr int kVerticalMargin = 58;

bool isUpperLetter(QChar c)
{
    return c >= u'A' && c <= u'Z';
}

bool isLowerLetter(QChar c)
{
    return c >= u'a' && c <= u'z';
}

// The indent of a keyboard row in key widths, rounded to the nearest pixel, halves to the even neighbour.
int rowIndent(int row, int keyWidth)
{
    static constexpr double kIndents[TriggerKeys::RowCount] = {0.0, 0.5, 0.7, 1.2};
    return static_cast<int>(std::nearbyint(kIndents[row - 1] * keyWidth));
}

} // namespace

TriggerKeyboard::TriggerKeyboard(QWidget* parent)
    : QWidget(parent)
{
    setObjectName(QStringLiteral("TriggerKeyboard"));
    auto* title = new QLabel(tr("■トリガー指定："), this);
    title->move(8, 8);

    QFont keyFont = fontOfFamily(QStringLiteral("Tahoma"));
    keyFont.setPixelSize(13);
    const auto addSequence = [&](int count, QChar (*at)(int), bool upperRow) {
        for (int position = 1; position <= count; ++position) {
            Key key;
            key.character = at(position);
            key.upperRow = upperRow;
            key.position = position;
            key.button = new QToolButton(this);
            key.button->setFont(keyFont);
            key.button->setFocusPolicy(Qt::NoFocus);
            if (key.character.isNull()) {
                key.button->setObjectName(QStringLiteral("TriggerKeyNone"));
            } else {
                key.button->setObjectName(QStringLiteral("TriggerKey") + core::hexCodeOf(key.character));
                // A single "&" would mark a shortcut letter.
                key.button->setText(key.character == u'&' ? QStringLiteral("&&") : QString(key.character));
            }
            m_keys.append(key);
        }
    };
    addSequence(TriggerKeys::ShiftedCount, &TriggerKeys::shifted, true);
    addSequence(TriggerKeys::UnshiftedCount, &TriggerKeys::unshifted, false);
    for (qsizetype i = 0; i < m_keys.size(); ++i) {
        connect(m_keys[i].button, &QToolButton::clicked, this, [this, i] {
            Key& key = m_keys[i];
            if (key.character.isNull() || !key.button->isEnabled())
                return;
            choose(key);
            Q_EMIT triggerChosen(m_chosen);
        });
    }
    resetPlain();
}

QToolButton* TriggerKeyboard::button(const QString& trigger) const
{
    for (const Key& key : m_keys) {
        if (!key.character.isNull() && trigger == QString(key.character))
            return key.button;
    }
    return nullptr;
}

void TriggerKeyboard::resetPlain()
{
    m_mode.reset();
    m_chosen.clear();
    for (Key& key : m_keys) {
        key.hasCandidates = false;
        key.button->setEnabled(false);
        key.button->show();
        paintKey(key);
    }
    layOutKeys();
}

void TriggerKeyboard::setUp(TriggerMode mode, const std::function<bool(const QString&)>& hasCandidates)
{
    m_mode = mode;
    m_chosen.clear();
    for (Key& key : m_keys) {
        const QChar c = key.character;
        const bool enabled = !c.isNull() && core::TriggerKeys::isOffered(c, mode);
        key.button->setEnabled(enabled);
        key.hasCandidates = enabled && hasCandidates(QString(c));
        const bool hidden = (mode == TriggerMode::AlphabetUpper && isLowerLetter(c))
            || (mode == TriggerMode::AlphabetLower && isUpperLetter(c));
        key.button->setVisible(!hidden);
        paintKey(key);
    }
    layOutKeys();
}

void TriggerKeyboard::markCandidates(const QString& trigger, bool hasCandidates)
{
    for (Key& key : m_keys) {
        if (!key.character.isNull() && trigger == QString(key.character)) {
            key.hasCandidates = hasCandidates;
            paintKey(key);
        }
    }
}

void TriggerKeyboard::choose(Key& chosen)
{
    m_chosen = QString(chosen.character);
    for (Key& key : m_keys)
        paintKey(key);
}

void TriggerKeyboard::paintKey(Key& key) const
{
    QColor colour = kPlain;
    const bool enabled = key.button->isEnabled();
    if (enabled && !m_chosen.isEmpty() && m_chosen == QString(key.character))
        colour = kChosen;
    else if (enabled && key.hasCandidates)
        colour = kWithCandidates;
    QPalette palette = key.button->palette();
    palette.setColor(QPalette::Active, QPalette::ButtonText, colour);
    palette.setColor(QPalette::Inactive, QPalette::ButtonText, colour);
    key.button->setPalette(palette);
    QFont font = key.button->font();
    font.setBold(enabled && key.hasCandidates);
    key.button->setFont(font);
}

void TriggerKeyboard::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    layOutKeys();
}

void TriggerKeyboard::layOutKeys()
{
    const int keyWidth = qMax(1, (width() - kHorizontalMargin) / 13);
    const int keyHeight = qMax(10, (height() - kVerticalMargin) / 4);
    const int upperHeight = 4 * keyHeight / 10;
    const int lowerHeight = 5 * keyHeight / 10;
    const int letterHeight = 9 * keyHeight / 10;
    for (const Key& key : m_keys) {
        const int row = TriggerKeys::rowOfPosition(key.position);
        const int x
            = kLeft + rowIndent(row, keyWidth) + keyWidth * (key.position - TriggerKeys::firstPositionOfRow(row));
        const int y = kTop + (row - 1) * keyHeight;
        const QChar c = key.character;
        // Under a one-case mode the letter of that case fills its whole key.
        const bool wholeKey = (m_mode == TriggerMode::AlphabetUpper && isUpperLetter(c))
            || (m_mode == TriggerMode::AlphabetLower && isLowerLetter(c));
        if (wholeKey)
            key.button->setGeometry(x, y, keyWidth, letterHeight);
        else if (key.upperRow)
            key.button->setGeometry(x, y, keyWidth, upperHeight);
        else
            key.button->setGeometry(x, y + upperHeight, keyWidth, lowerHeight);
    }
}

} // namespace pelinor::ui
