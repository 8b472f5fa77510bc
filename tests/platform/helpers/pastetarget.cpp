// A separate program with one text field, for the X11 window system test: it prints its window id once the
// window is shown ("window <id>"), every text change ("text <text>") and every paste chord it receives
// ("chord Ctrl+V", "chord Ctrl+Shift+V" or "chord Shift+Insert"), one line each, UTF-8, flushed.
//   pastetarget --title TITLE [--class CLASS] [-name INSTANCE]
// (-name is Qt's own option for the instance part of WM_CLASS; --class sets its class part.)

#include <QApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QTimer>

#include <cstdio>

namespace {

void say(const QString& line)
{
    const QByteArray bytes = line.toUtf8() + '\n';
    std::fwrite(bytes.constData(), 1, static_cast<size_t>(bytes.size()), stdout);
    std::fflush(stdout);
}

class ChordReporter : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::KeyPress) {
            const auto* key = static_cast<QKeyEvent*>(event);
            if (key->key() == Qt::Key_V && (key->modifiers() & Qt::ControlModifier))
                say((key->modifiers() & Qt::ShiftModifier) ? QStringLiteral("chord Ctrl+Shift+V")
                                                           : QStringLiteral("chord Ctrl+V"));
            if (key->key() == Qt::Key_Insert && (key->modifiers() & Qt::ShiftModifier))
                say(QStringLiteral("chord Shift+Insert"));
        }
        return QObject::eventFilter(watched, event);
    }
};

QString argumentAfter(const QStringList& arguments, const QString& option)
{
    const qsizetype at = arguments.indexOf(option);
    return at >= 0 && at + 1 < arguments.size() ? arguments.at(at + 1) : QString();
}

} // namespace

int main(int argc, char** argv)
{
    // The class part of WM_CLASS is the application name, which must be set before the first window exists.
    QStringList raw;
    for (int i = 0; i < argc; ++i)
        raw.append(QString::fromLocal8Bit(argv[i]));
    const QString windowClass = argumentAfter(raw, QStringLiteral("--class"));
    if (!windowClass.isEmpty())
        QCoreApplication::setApplicationName(windowClass);

    QApplication app(argc, argv);
    const QString title = argumentAfter(QCoreApplication::arguments(), QStringLiteral("--title"));

    QLineEdit field;
    field.setWindowTitle(title);
    field.resize(320, 40);
    ChordReporter reporter;
    field.installEventFilter(&reporter);
    QObject::connect(&field, &QLineEdit::textChanged, [](const QString& text) { say(QStringLiteral("text ") + text); });
    field.show();
    QTimer::singleShot(0, &field, [&field] { say(QStringLiteral("window ") + QString::number(field.winId())); });
    return app.exec();
}
