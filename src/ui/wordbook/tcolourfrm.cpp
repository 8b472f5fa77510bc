#include "ui/wordbook/tcolourfrm.h"

#include "core/wordbook/wordbookescapes.h"
#include "ui/common/qtcolours.h"

#include <QColorDialog>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPixmap>
#include <QPushButton>

namespace pelinor::ui {

namespace {

void paintCaption(QLabel* label, const QColor& colour)
{
    QPalette colours = label->palette();
    colours.setColor(QPalette::WindowText, colour);
    label->setPalette(colours);
}

} // namespace

TColourFrm::TColourFrm(const QString& currentColour, ChooseColourFunction chooseColour, QWidget* parent)
    : QDialog(parent)
    , m_chooseColour(std::move(chooseColour))
{
    setObjectName(QStringLiteral("TColourFrm"));
    setWindowTitle(tr("文字色変更"));
    setAccessibleName(tr("文字色変更"));
    setModal(true);
    setFixedSize(480, 320);

    QFont bold = font();
    bold.setBold(true);
    m_currentLabel = new QLabel(tr("■現在のカラー："), this);
    m_currentLabel->setObjectName(QStringLiteral("CurrentColourLabel"));
    m_currentLabel->setFont(bold);
    m_currentLabel->setGeometry(16, 12, 200, 22);
    m_currentField = new QLineEdit(this);
    m_currentField->setObjectName(QStringLiteral("CurrentColourField"));
    m_currentField->setAccessibleName(tr("■現在のカラー："));
    m_currentField->setReadOnly(true);
    m_currentField->setGeometry(16, 36, 200, 26);
    m_currentLabel->setBuddy(m_currentField);

    m_newLabel = new QLabel(tr("■新しいカラー："), this);
    m_newLabel->setObjectName(QStringLiteral("NewColourLabel"));
    m_newLabel->setFont(bold);
    m_newLabel->setGeometry(16, 72, 200, 22);
    m_newField = new QLineEdit(this);
    m_newField->setObjectName(QStringLiteral("NewColourField"));
    m_newField->setAccessibleName(tr("■新しいカラー："));
    m_newField->setAttribute(Qt::WA_InputMethodEnabled, false);
    m_newField->setGeometry(16, 96, 200, 26);
    m_newLabel->setBuddy(m_newField);

    m_customButton = new QPushButton(tr("カスタム"), this);
    m_customButton->setObjectName(QStringLiteral("CustomColourButton"));
    m_customButton->setAccessibleName(tr("カスタム"));
    m_customButton->setAutoDefault(false);
    m_customButton->setGeometry(16, 132, 100, 28);

    const char* hints[] = {QT_TR_NOOP("カラーリストをクリックするか"), QT_TR_NOOP("カスタムボタンで色を指定し"),
        QT_TR_NOOP("OKボタンを押して下さい。"), QT_TR_NOOP("※下段空欄でOKを押すと黒に戻ります。")};
    int hintTop = 170;
    for (const char* hint : hints) {
        auto* line = new QLabel(tr(hint), this);
        line->setGeometry(16, hintTop, 260, 20);
        hintTop += 22;
    }

    m_colourList = new QListWidget(this);
    m_colourList->setObjectName(QStringLiteral("ColourList"));
    m_colourList->setAccessibleName(tr("カラーリスト"));
    m_colourList->setGeometry(290, 12, 174, 250);
    for (const QString& name : QColor::colorNames()) {
        QPixmap swatch(16, 16);
        swatch.fill(QColor::fromString(name));
        auto* item = new QListWidgetItem(QIcon(swatch), name, m_colourList);
        item->setData(Qt::UserRole, QColor::fromString(name));
    }

    m_okButton = new QPushButton(tr("OK"), this);
    m_okButton->setObjectName(QStringLiteral("OkButton"));
    m_okButton->setAccessibleName(tr("OK"));
    m_okButton->setDefault(true);
    m_okButton->setGeometry(266, 276, 96, 30);
    m_cancelButton = new QPushButton(tr("ｷｬﾝｾﾙ"), this);
    m_cancelButton->setObjectName(QStringLiteral("CancelButton"));
    m_cancelButton->setAccessibleName(tr("ｷｬﾝｾﾙ"));
    m_cancelButton->setAutoDefault(false);
    m_cancelButton->setGeometry(368, 276, 96, 30);

    connect(m_colourList, &QListWidget::itemClicked, this, &TColourFrm::chooseFromList);
    connect(m_customButton, &QPushButton::clicked, this, &TColourFrm::chooseCustom);
    connect(m_okButton, &QPushButton::clicked, this, &TColourFrm::accept);
    connect(m_cancelButton, &QPushButton::clicked, this, &TColourFrm::reject);

    if (const std::optional<core::ColourRgb> rgb = core::colourFromText(currentColour)) {
        const QColor colour = toQColor(*rgb);
        m_currentField->setText(currentColour);
        paintCaption(m_currentLabel, colour);
        for (int i = 0; i < m_colourList->count(); ++i) {
            if (m_colourList->item(i)->data(Qt::UserRole).value<QColor>() == colour) {
                m_colourList->setCurrentRow(i);
                break;
            }
        }
    }
}

std::optional<QString> TColourFrm::colourToStore() const
{
    QString text = m_newField->text();
    if (text == QStringLiteral("#000000"))
        text.clear();
    if (text.isEmpty() || core::isColourText(text))
        return text;
    return std::nullopt;
}

void TColourFrm::showNewColour(const QColor& colour)
{
    paintCaption(m_newLabel, colour);
    m_newField->setText(core::colourToText(toColourRgb(colour)));
}

void TColourFrm::chooseFromList()
{
    if (QListWidgetItem* item = m_colourList->currentItem())
        showNewColour(item->data(Qt::UserRole).value<QColor>());
}

void TColourFrm::chooseCustom()
{
    const std::optional<core::ColourRgb> rgb = core::colourFromText(m_currentField->text());
    const QColor initial = rgb ? toQColor(*rgb) : QColor(Qt::black);
    const QColor chosen
        = m_chooseColour ? m_chooseColour(this, initial) : QColorDialog::getColor(initial, this, tr("文字色変更"));
    if (chosen.isValid())
        showNewColour(chosen);
}

} // namespace pelinor::ui
