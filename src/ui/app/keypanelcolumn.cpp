#include "ui/app/keypanelcolumn.h"

#include "ui/common/fontfamilies.h"

#include <QEvent>
#include <QLabel>
#include <QPainter>
#include <QTabBar>
#include <QTabWidget>
#include <QVBoxLayout>

namespace pelinor::ui {

namespace {

/// The pictures of the three scripts: the script's letters on its panel colour.
QPixmap scriptPicture(int picture)
{
    struct Look {
        const char16_t* letters;
        QColor background;
    };
    const Look looks[] = {{u"Бб Жж", QColor(0x9E, 0xDE, 0x5C)}, {u"Ωω Σσ", QColor(0x50, 0xB0, 0xFF)},
        {u"Її Ґґ", QColor(0xFF, 0xFF, 0x00)}};
    const Look& look = looks[picture >= 0 && picture < 3 ? picture : 0];
    QPixmap pixmap(88, 61);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(QColor(0x40, 0x40, 0x40), 1.5));
    painter.setBrush(look.background);
    painter.drawRoundedRect(QRectF(1, 1, 86, 59), 8, 8);
    QFont font = fontOfFamily(QStringLiteral("Times New Roman"));
    font.setPixelSize(24);
    font.setBold(true);
    painter.setFont(font);
    painter.setPen(Qt::black);
    painter.drawText(QRect(0, 0, 88, 61), Qt::AlignCenter, QString::fromUtf16(look.letters));
    return pixmap;
}

} // namespace

KeyPanelColumn::KeyPanelColumn(QWidget* parent)
    : QWidget(parent)
{
    setObjectName(QStringLiteral("KeyPanelColumn"));
    m_tabs = new QTabWidget(this);
    m_tabs->setObjectName(QStringLiteral("KeyPanelTabs"));
    m_tabs->setMinimumSize(100, 252);
    QFont tabFont = m_tabs->tabBar()->font();
    tabFont.setPixelSize(12);
    m_tabs->tabBar()->setFont(tabFont);
    for (const char* name : {"RomajiPage", "KeyboardPage", "PhoneticPage"}) {
        auto* page = new QWidget;
        page->setObjectName(QString::fromLatin1(name));
        new QVBoxLayout(page);
        page->layout()->setContentsMargins(0, 0, 0, 0);
        m_tabs->addTab(page, QString());
    }

    m_picturePanel = new QWidget(this);
    m_picturePanel->setObjectName(QStringLiteral("PicturePanel"));
    m_pictureLabel = new QLabel(m_picturePanel);
    m_pictureLabel->setObjectName(QStringLiteral("ScriptPicture"));
    m_pictureLabel->setFixedSize(88, 61);
    m_picturePanel->installEventFilter(this);
    showPicture(0);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(m_tabs);
    layout->addWidget(m_picturePanel, 1);
}

void KeyPanelColumn::setPageWidget(Page page, QWidget* widget)
{
    QWidget* holder = m_tabs->widget(page);
    QLayout* layout = holder->layout();
    while (QLayoutItem* old = layout->takeAt(0)) {
        delete old->widget();
        delete old;
    }
    layout->addWidget(widget);
}

void KeyPanelColumn::showPicture(int picture)
{
    m_picture = picture;
    m_pictureLabel->setAccessibleName(QString());
    placePicture();
}

bool KeyPanelColumn::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == m_picturePanel && event->type() == QEvent::Resize)
        placePicture();
    return QWidget::eventFilter(watched, event);
}

void KeyPanelColumn::placePicture()
{
    // Centred in its panel, and shown only while the panel is taller than 64 pixels.
    const QSize panel = m_picturePanel->size();
    m_pictureLabel->move((panel.width() - 88) / 2, (panel.height() - 61) / 2);
    const bool shown = panel.height() > 64;
    // Drawn only when it shows: at the window's default size it does not, and drawing it loads a font.
    if (shown && m_drawnPicture != m_picture) {
        m_drawnPicture = m_picture;
        m_pictureLabel->setPixmap(scriptPicture(m_picture));
    }
    m_pictureLabel->setVisible(shown);
}

} // namespace pelinor::ui
