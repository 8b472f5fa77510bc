#include "ui/tools/tversionfrm.h"

#include "core/app/programinfo.h"
#include "ui/common/fontfamilies.h"

#include <QApplication>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace pelinor::ui {

TVersionFrm::TVersionFrm(QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowCloseButtonHint | Qt::WindowTitleHint)
{
    const core::ProgramInfo info = core::programInfo();
    setObjectName(QStringLiteral("VersionFrm"));
    setWindowTitle(tr("バージョン情報"));
    setFixedSize(480, 360);
    QPalette sky = palette();
    sky.setColor(QPalette::Window, QColor(0x87, 0xCE, 0xEB));
    setPalette(sky);
    setAutoFillBackground(true);

    QFont valueFont = fontOfFamily(QStringLiteral("ＭＳ Ｐゴシック"));
    valueFont.setPointSize(14);
    valueFont.setBold(true);

    auto* software = new QGroupBox(tr("ソフトウエア情報"));
    auto* softwareLayout = new QHBoxLayout(software);
    auto* icon = new QLabel;
    icon->setObjectName(QStringLiteral("VersionIcon"));
    // The desktop's icon of the program, where it is installed.
    const QIcon programIcon = QApplication::windowIcon().isNull() ? QIcon::fromTheme(QStringLiteral("pelinor"))
                                                                  : QApplication::windowIcon();
    if (!programIcon.isNull())
        icon->setPixmap(programIcon.pixmap(48, 48));
    softwareLayout->addWidget(icon, 0, Qt::AlignTop);
    auto* names = new QFormLayout;
    auto* name = new QLabel(info.name);
    name->setObjectName(QStringLiteral("VersionName"));
    auto* version = new QLabel(info.version);
    version->setObjectName(QStringLiteral("VersionNumber"));
    for (QLabel* value : {name, version})
        value->setFont(valueFont);
    names->addRow(tr("名　称："), name);
    names->addRow(tr("バージョン："), version);
    softwareLayout->addLayout(names, 1);

    auto* developer = new QGroupBox(tr("開発者情報"));
    auto* developerLayout = new QFormLayout(developer);
    auto* developerName = new QLabel(info.developer);
    developerName->setObjectName(QStringLiteral("VersionDeveloper"));
    developerLayout->addRow(developerName);
    auto* mail = new QLineEdit(info.mailAddress);
    mail->setObjectName(QStringLiteral("VersionMail"));
    mail->setReadOnly(true);
    developerLayout->addRow(tr("Eメール："), mail);
    auto* site = new QLabel(QStringLiteral("<a href=\"%1\">%1</a>").arg(info.supportSite.toHtmlEscaped()));
    site->setObjectName(QStringLiteral("VersionSupportSite"));
    site->setTextFormat(Qt::RichText);
    // The desktop's browser opens the site.
    site->setOpenExternalLinks(true);
    developerLayout->addRow(tr("サポートサイト："), site);

    auto* strip = new QWidget;
    strip->setAutoFillBackground(true);
    QPalette stripPalette = strip->palette();
    stripPalette.setColor(QPalette::Window, palette().color(QPalette::Button));
    strip->setPalette(stripPalette);
    auto* stripLayout = new QHBoxLayout(strip);
    auto* ok = new QPushButton(tr("OK"));
    ok->setObjectName(QStringLiteral("OkButton"));
    ok->setDefault(true);
    stripLayout->addStretch(1);
    stripLayout->addWidget(ok);
    stripLayout->addStretch(1);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 12, 0, 0);
    auto* body = new QVBoxLayout;
    body->setContentsMargins(16, 0, 16, 0);
    body->addWidget(software);
    body->addWidget(developer);
    layout->addLayout(body, 1);
    layout->addWidget(strip);
}

} // namespace pelinor::ui
