// The yardstick of the start-up benchmark: an empty QMainWindow of the main window's size, started with
// the same application set-up as Pelinor (platform choice, names, Qt's Japanese translation).

#include <QApplication>
#include <QLibraryInfo>
#include <QMainWindow>
#include <QTranslator>

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM") && !qEnvironmentVariableIsEmpty("DISPLAY"))
        qputenv("QT_QPA_PLATFORM", "xcb;wayland");

    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Pelinor"));
    QApplication::setOrganizationName(QStringLiteral("Norvanta"));
    QGuiApplication::setDesktopFileName(QStringLiteral("pelinor"));
    QTranslator qtTranslator;
    if (qtTranslator.load(QStringLiteral("qtbase_ja"), QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QApplication::installTranslator(&qtTranslator);

    QMainWindow window;
    const QStringList arguments = QApplication::arguments();
    const int width = arguments.size() > 2 ? arguments.at(1).toInt() : 0;
    const int height = arguments.size() > 2 ? arguments.at(2).toInt() : 0;
    window.resize(width > 0 ? width : 800, height > 0 ? height : 600);
    window.show();
    return QApplication::exec();
}
