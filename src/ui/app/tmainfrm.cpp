#include "ui/app/tmainfrm.h"

#include "core/app/shippedfiles.h"
#include "core/app/versionmarker.h"
#include "core/app/windowplacement.h"

#include <QCloseEvent>
#include <QGuiApplication>
#include <QLineEdit>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QScreen>
#include <QVBoxLayout>

namespace pelinor::ui {

using core::SettingKey;

namespace {

QColor toQColor(core::ColourRgb colour)
{
    return {colour.red, colour.green, colour.blue};
}

} // namespace

TMainFrm::TMainFrm(const core::Folders& folders, QWidget* parent)
    : QMainWindow(parent)
    , m_folders(folders)
{
    setObjectName(QStringLiteral("MainFrm"));
    FormCreate();
}

void TMainFrm::FormCreate()
{
    // 1. Defaults of every setting and run-time value; this version's marker name. The start-up keyboard
    //    layout is the user's own, which the program never changes at the system level.
    m_settings.setDefaults();
    m_settings.setVersionMarkerName(core::versionMarkerName(QStringLiteral("3.6")));

    // 2. The settings file over the defaults; this fixes the current table folder.
    QString error;
    if (!m_settings.load(m_folders.settingsFile(), &error))
        QMessageBox::warning(this, QStringLiteral("Pelinor"), error, QMessageBox::Yes);
    m_folders.setCurrentTableFolder(m_settings.flag(SettingKey::SysTblFlg) ? m_folders.systemTableFolder()
                                                                           : m_folders.userTableFolder());

    // 3. First start of this version: bring the user's copies of the shipped files up to date. The stored
    //    TblOWFlg and NoSampleFlg decide how.
    error.clear();
    core::updateShippedFilesOnNewVersion(m_folders, m_settings.versionMarkerName(),
                                         m_settings.flag(SettingKey::TblOWFlg), m_settings.flag(SettingKey::NoSampleFlg),
                                         &error);
    if (!error.isEmpty())
        reportSystemWriteFailure(error);

    // 4.-5. The phonetic and the foreign-language table sets are loaded here once the input engine is
    //       part of the program.

    // 6. The window's controls from the settings.
    buildInputPanel();
    SetUpMainWindow();

    // 7.-12. The function-key bar, the three key panels, the symbol library and the word book list of the
    //        current word book folder follow here, in this order, as each of them joins the window.

    // 13. The stored input mode, list column widths and row height are applied last, with the input modes.
}

void TMainFrm::buildInputPanel()
{
    auto* panel = new QWidget(this);
    panel->setObjectName(QStringLiteral("InputPanel"));
    auto* layout = new QVBoxLayout(panel);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);

    m_phoneticArea = new QLineEdit(panel);
    m_phoneticArea->setObjectName(QStringLiteral("PhoneticArea"));
    m_phoneticArea->setAccessibleName(tr("発音記号"));
    m_phoneticArea->setMinimumHeight(24);

    m_foreignArea = new QPlainTextEdit(panel);
    m_foreignArea->setObjectName(QStringLiteral("ForeignArea"));
    m_foreignArea->setAccessibleName(tr("外国語"));

    layout->addWidget(m_phoneticArea);
    layout->addWidget(m_foreignArea, 1);
    setCentralWidget(panel);
}

void TMainFrm::SetUpMainWindow()
{
    setWindowTitle(QStringLiteral("Pelinor"));
    setMinimumSize(core::kMainWindowMinimumSize);
    QFont windowFont(QStringLiteral("ＭＳ Ｐゴシック"));
    windowFont.setPixelSize(16);
    setFont(windowFont);

    const bool fixedSizes = m_settings.flag(SettingKey::DispFSizeLockFlg);
    QFont foreignFont(m_settings.text(SettingKey::UsrMainFont));
    foreignFont.setPointSize(
        m_settings.integer(fixedSizes ? SettingKey::DispMainFSize : SettingKey::UsrMainFontSize));
    m_foreignArea->setFont(foreignFont);

    QFont phoneticFont(m_settings.text(SettingKey::UsrSubFont));
    phoneticFont.setPointSize(m_settings.integer(fixedSizes ? SettingKey::DispSubFSize : SettingKey::UsrSubFontSize));
    m_phoneticArea->setFont(phoneticFont);
    QPalette palette = m_phoneticArea->palette();
    palette.setColor(QPalette::Base, toQColor(m_settings.phoneticAreaColour()));
    m_phoneticArea->setPalette(palette);
}

void TMainFrm::PlaceMainWindow()
{
    setWindowTitle(QStringLiteral("Pelinor"));
    const core::MainRect stored = m_settings.mainRect();
    const QScreen* screen = this->screen() ? this->screen() : QGuiApplication::primaryScreen();
    const QSize screenSize = screen ? screen->geometry().size() : QSize(1024, 768);
    setGeometry(core::mainWindowPlacement(stored.left, stored.top, stored.right, stored.bottom, screenSize));
    m_foreignArea->setFocus();
}

void TMainFrm::showEvent(QShowEvent* event)
{
    if (!m_placed) {
        m_placed = true;
        PlaceMainWindow();
    }
    QMainWindow::showEvent(event);
}

void TMainFrm::closeEvent(QCloseEvent* event)
{
    if (!m_closed) {
        m_closed = true;
        FormClose();
    }
    QMainWindow::closeEvent(event);
}

void TMainFrm::FormClose()
{
    // 1. The four tables of the input engine and 2. the word list are released here once they exist.
    // 3. The start-up keyboard layout is the user's own and was never replaced at the system level.
    // 4. The settings file, unless a reset asked to keep it away.
    if (m_settings.discardSettings())
        return;
    storeLiveState();
    QString error;
    if (!m_settings.save(m_folders.settingsFile(), &error))
        reportSystemWriteFailure(error);
}

void TMainFrm::storeLiveState()
{
    // The client area is stored and restored, so that window frames and decorations never make the
    // window creep from one run to the next.
    const QRect rect = isMaximized() || isFullScreen() ? normalGeometry() : geometry();
    m_settings.setMainGeometry(rect.x(), rect.y(), rect.width(), rect.height());
}

void TMainFrm::reportSystemWriteFailure(const QString& message)
{
    if (m_systemWriteFailureShown)
        return;
    m_systemWriteFailureShown = true;
    QMessageBox::warning(isVisible() ? this : nullptr, QStringLiteral("Pelinor"), message, QMessageBox::Yes);
}

} // namespace pelinor::ui
