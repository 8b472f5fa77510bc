#include "ui/app/commandpanel.h"

#include "ui/common/deferredfileiconengine.h"
#include "ui/common/fontfamilies.h"
#include "ui/transfer/transferindicator.h"

#include <QAction>
#include <QCheckBox>
#include <QFile>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QToolButton>

namespace pelinor::ui {

namespace {

/// The pictures of the command buttons, in button order, and of the transfer button.
constexpr std::array<const char*, CommandPanel::kButtonCount> kCommandPictures{
    "close", "clear", "register", "modify", "search", "pad", "option"};
constexpr const char* kTransferPicture = "transfer";

/// A command picture from the program's resources, in every size there is of it; each size is read when a
/// button first draws it.
QIcon commandPicture(const char* name)
{
    QList<DeferredFileIconEngine::Picture> pictures;
    for (const int size : {16, 32, 128}) {
        const QString file = QStringLiteral(":/commands/%1-%2.png").arg(QLatin1StringView(name)).arg(size);
        if (QFile::exists(file))
            pictures.append({file, QSize(size, size)});
    }
    return DeferredFileIconEngine::icon(pictures);
}

} // namespace

CommandPanel::CommandPanel(const std::array<QAction*, kButtonCount>& commands, QAction* transfer, QWidget* parent)
    : QWidget(parent)
{
    setObjectName(QStringLiteral("CommandPanel"));
    // 560 wide as designed, with room for the transfer-mode label in the fonts of a Linux desktop.
    setFixedSize(580, 66);
    for (int i = 0; i < kButtonCount; ++i) {
        const auto index = static_cast<size_t>(i);
        commands[index]->setIcon(commandPicture(kCommandPictures[index]));
        m_buttons[index] = makeButton(commands[index], 6 + 48 * i);
    }
    transfer->setIcon(commandPicture(kTransferPicture));
    m_transferButton = makeButton(transfer, 386);
    m_transferButton->setObjectName(QStringLiteral("TransferButton"));

    auto* separator = new QFrame(this);
    separator->setFrameShape(QFrame::VLine);
    separator->setFrameShadow(QFrame::Sunken);
    separator->setGeometry(438, 4, 2, 58);

    m_indicator = new TransferIndicator(this);
    m_indicator->setObjectName(QStringLiteral("TransferIndicator"));
    m_indicator->move(446, 6);

    m_autoPaste = new QCheckBox(this);
    m_autoPaste->setObjectName(QStringLiteral("AutoPasteBox"));
    m_autoPaste->setAccessibleName(tr("自動貼り付け"));
    m_autoPaste->setGeometry(449, 38, 20, 20);

    auto* caption = new QLabel(tr("■転送モード"), this);
    QFont captionFont = caption->font();
    captionFont.setPixelSize(12);
    caption->setFont(captionFont);
    caption->setGeometry(476, 6, 100, 18);

    m_modeDisplay = new QLineEdit(this);
    m_modeDisplay->setObjectName(QStringLiteral("TransferModeDisplay"));
    m_modeDisplay->setAccessibleName(tr("■転送モード"));
    m_modeDisplay->setReadOnly(true);
    m_modeDisplay->setFocusPolicy(Qt::NoFocus);
    m_modeDisplay->setGeometry(476, 28, 102, 24);
    QFont displayFont = fontOfFamily(QStringLiteral("ＭＳ Ｐゴシック"));
    displayFont.setPointSize(11);
    displayFont.setBold(true);
    m_modeDisplay->setFont(displayFont);
    m_modeDisplay->setStyleSheet(QStringLiteral("QLineEdit { background: black; color: lime; border: none; }"));
}

QToolButton* CommandPanel::makeButton(QAction* action, int left)
{
    auto* button = new QToolButton(this);
    button->setDefaultAction(action);
    button->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
    button->setIconSize(QSize(26, 26));
    button->setAutoRaise(true);
    button->setFocusPolicy(Qt::NoFocus);
    button->setGeometry(left, 1, 47, 62);
    button->setAccessibleName(action->text());
    return button;
}

} // namespace pelinor::ui
