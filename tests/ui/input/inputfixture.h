#pragma once

#include "core/app/settings.h"
#include "core/common/textcodec.h"
#include "core/common/textfile.h"
#include "core/input/tablesets.h"
#include "support/tempworld.h"
#include "ui/input/candidatewindow.h"
#include "ui/input/triggerkeyinput.h"

#include <QApplication>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTimer>
#include <QVBoxLayout>
#include <QWidget>

#include <functional>
#include <memory>

namespace pelinor::test {

/// A shown window with a foreign-language area and a phonetic area, as the main window has them.
struct InputAreas {
    explicit InputAreas(const QRect& geometry = QRect(40, 200, 400, 200))
    {
        host.setGeometry(geometry);
        auto* layout = new QVBoxLayout(&host);
        foreign = new QPlainTextEdit(&host);
        phonetic = new QLineEdit(&host);
        layout->addWidget(phonetic);
        layout->addWidget(foreign);
        host.show();
    }

    QWidget host;
    QPlainTextEdit* foreign = nullptr;
    QLineEdit* phonetic = nullptr;
};

/// Small Russian-like and phonetic tables in a temporary folder, loaded into table sets, with default
/// settings and a trigger-key input on them.
///
/// Foreign: d → д, a → а, z → з (one candidate each); e → е ё э; s → с, a space, ш (slot 2 blank);
/// w → a space only. Phonetic: a → ɑ æ ʌ; o → ɔ.
class InputFixture {
public:
    InputFixture()
    {
        write(QStringLiteral("CandRu.csv"),
            {u"\"d\",0434,,,,,,,,"_qs, u"\"a\",0430,,,,,,,,"_qs, u"\"z\",0437,,,,,,,,"_qs,
                u"\"e\",0435,0451,044D,,,,,,"_qs, u"\"s\",0441,0020,0448,,,,,,"_qs, u"\"w\",0020,,,,,,,,"_qs});
        write(QStringLiteral("DBRu.csv"),
            {u"\"ロシア語\",\"Times New Roman\""_qs,
                u"0,\"0435\",\"Cyrillic small ie\\ye\",\"イェー\",\"0\",\"as in yes\""_qs,
                u"0,\"0451\",\"Cyrillic small io\",\"ヨー\",\"0\",\"\""_qs});
        write(QStringLiteral("CandPh.csv"), {u"\"a\",0251,00E6,028C,,,,,,"_qs, u"\"o\",0254,,,,,,,,"_qs});
        write(QStringLiteral("DBPh.csv"),
            {u"\"発音記号\",\"Segoe UI\""_qs, u"0,\"00E6\",\"ash\\ae\",\"アッシュ\",\"0\",\"cat\""_qs});
        sets.foreign().loadTableSet(world.path(), QStringLiteral("CandRu.csv"), QStringLiteral("DBRu.csv"));
        sets.phonetic().loadTableSet(world.path(), QStringLiteral("CandPh.csv"), QStringLiteral("DBPh.csv"));
        input = std::make_unique<ui::TriggerKeyInput>(sets, settings);
    }

    void write(const QString& name, const QStringList& lines)
    {
        world.writeBytes(name, core::encodeText(core::joinLines(lines), core::TextEncoding::Utf8));
    }

    TempWorld world;
    core::TableSets sets;
    core::Settings settings;
    std::unique_ptr<ui::TriggerKeyInput> input;
};

/// The candidate window that is open, or null.
inline ui::CandidateWindow* openCandidateWindow()
{
    for (QWidget* widget : QApplication::topLevelWidgets()) {
        auto* window = qobject_cast<ui::CandidateWindow*>(widget);
        if (window && window->isRunning() && window->isVisible())
            return window;
    }
    return nullptr;
}

/// Runs `action` on the candidate window as soon as it is open. A window that the action leaves open is
/// closed after two seconds, so that a failing test cannot hang.
class ModalDriver {
public:
    using Action = std::function<void(ui::CandidateWindow*)>;

    explicit ModalDriver(Action action)
        : m_action(std::move(action))
    {
        m_timer.setSingleShot(true);
        QObject::connect(&m_timer, &QTimer::timeout, [this] { poll(); });
        m_timer.start(0);
    }

    bool ran() const { return m_ran; }
    QString windowName() const { return m_windowName; }
    QPoint windowPos() const { return m_windowPos; }

private:
    void poll()
    {
        ui::CandidateWindow* window = openCandidateWindow();
        if (!window) {
            if (++m_tries < 100)
                m_timer.start(10);
            return;
        }
        m_ran = true;
        m_windowName = window->objectName();
        m_windowPos = window->pos();
        QTimer::singleShot(2000, window, [window] { window->reject(); });
        m_action(window);
    }

    Action m_action;
    QTimer m_timer;
    int m_tries = 0;
    bool m_ran = false;
    QString m_windowName;
    QPoint m_windowPos;
};

} // namespace pelinor::test
