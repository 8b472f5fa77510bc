#include "inputfixture.h"
#include "ui/input/candidatecell.h"

#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPointer>
#include <QTextCursor>
#include <QWindow>
#include <QtTest>

using namespace pelinor;
using core::SettingKey;
using core::TableSide;

namespace {

// Types `keys` into the program from the event loop, one key after the other, as the window system
// delivers them: each key goes to the window that has the keyboard focus when it is typed. Typed fast,
// the keys follow each other without a pause, before a window that a trigger opens can have taken the
// focus, so all of them reach the window that had it at the start. Typed slowly, each key waits long
// enough for that. In `keys`, ">" is the Right key, "\n" Enter and U+001B Esc; any other character types
// itself.
class KeyTyping {
public:
    KeyTyping(QString keys, bool fast)
        : m_keys(std::move(keys))
        , m_fast(fast)
        , m_startWindow(QGuiApplication::focusWindow())
    {
        scheduleNext();
        // A window left open would hold the test for ever.
        QTimer::singleShot(8000, &m_context, [] {
            if (ui::CandidateWindow* window = test::openCandidateWindow())
                window->reject();
        });
    }

    /// True when every key has been typed and handled.
    bool done() const { return m_handled == m_keys.size(); }

private:
    void scheduleNext()
    {
        QTimer::singleShot(m_fast ? 0 : 150, &m_context, [this] { typeNext(); });
    }

    void typeNext()
    {
        const QChar key = m_keys.at(m_sent++);
        // The next key comes on time even while this one opens a window and waits in it.
        if (m_sent < m_keys.size())
            scheduleNext();
        QWindow* target = m_fast ? m_startWindow.data() : QGuiApplication::focusWindow();
        if (!target)
            target = m_startWindow;
        if (key == u'>')
            QTest::keyClick(target, Qt::Key_Right);
        else if (key == u'\n')
            QTest::keyClick(target, Qt::Key_Return);
        else if (key == QChar(0x1B))
            QTest::keyClick(target, Qt::Key_Escape);
        else
            QTest::keyClick(target, key.toLatin1());
        ++m_handled;
    }

    QString m_keys;
    bool m_fast;
    QPointer<QWindow> m_startWindow;
    qsizetype m_sent = 0;
    qsizetype m_handled = 0;
    QObject m_context;
};

} // namespace

class TriggerKeyInputTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void typedTriggersWithOneCandidateAreReplacedAndOtherKeysPassThrough()
    {
        test::InputFixture f;
        test::InputAreas areas;
        QVERIFY(QTest::qWaitForWindowExposed(&areas.host));
        f.input->attach(areas.foreign, TableSide::Foreign, core::InsertionTarget::MainWindow);
        f.input->attach(areas.phonetic, TableSide::Phonetic, core::InsertionTarget::MainWindow);
        // Typing is not choosing a symbol: neither keys typed as they are nor keys converted at once count.
        QSignalSpy inserted(f.input.get(), &ui::TriggerKeyInput::textInserted);

        areas.foreign->setFocus();
        QTest::keyClicks(areas.foreign, QStringLiteral("da"));
        QCOMPARE(areas.foreign->toPlainText(), u"да"_qs);
        QCOMPARE(inserted.size(), 0);
        // Keys that are no trigger of the foreign table are typed as they are, whatever the other side has.
        QTest::keyClicks(areas.foreign, QStringLiteral("1o"));
        QCOMPARE(areas.foreign->toPlainText(), u"да1o"_qs);
        QCOMPARE(inserted.size(), 0);
        // A key panel's trigger converted at once is a symbol taken from the panel.
        QVERIFY(f.input->handleTriggerKey(TableSide::Foreign, u'd', core::InsertionTarget::MainWindow));
        QCOMPARE(areas.foreign->toPlainText(), u"да1oд"_qs);
        QCOMPARE(inserted.size(), 1);
        QCOMPARE(inserted.at(0).at(0).toString(), u"д"_qs);
        areas.foreign->setPlainText(u"да1o"_qs);
        // Shortcuts are no typed characters.
        QTest::keyClick(areas.foreign, Qt::Key_D, Qt::ControlModifier);
        QCOMPARE(areas.foreign->toPlainText(), u"да1o"_qs);

        // The empty phonetic area takes the candidate as its whole text, the caret after it.
        QTest::keyClick(areas.phonetic, 'o');
        QCOMPARE(areas.phonetic->text(), u"ɔ"_qs);
        QCOMPARE(areas.phonetic->cursorPosition(), 1);
        QCOMPARE(f.input->insertionTarget(TableSide::Phonetic), core::InsertionTarget::MainWindow);
        QVERIFY(areas.phonetic->hasFocus());
    }

    void aCandidateReplacesTheSelectionOfItsTarget()
    {
        test::InputFixture f;
        test::InputAreas areas;
        QVERIFY(QTest::qWaitForWindowExposed(&areas.host));
        f.input->attach(areas.foreign, TableSide::Foreign, core::InsertionTarget::MainWindow);
        areas.foreign->setPlainText(QStringLiteral("xyz"));
        QTextCursor cursor = areas.foreign->textCursor();
        cursor.setPosition(1);
        cursor.setPosition(2, QTextCursor::KeepAnchor);
        areas.foreign->setTextCursor(cursor);
        areas.phonetic->setFocus();

        QVERIFY(f.input->handleTriggerKey(TableSide::Foreign, u'z', core::InsertionTarget::MainWindow));
        QCOMPARE(areas.foreign->toPlainText(), u"xзz"_qs);
        QVERIFY(areas.foreign->hasFocus());
    }

    void lookupSwitchedOffPassesKeysWhileAnotherFieldStillConverts()
    {
        test::InputFixture f;
        test::InputAreas areas;
        QVERIFY(QTest::qWaitForWindowExposed(&areas.host));
        f.input->attach(areas.foreign, TableSide::Foreign, core::InsertionTarget::MainWindow);
        f.input->attach(areas.phonetic, TableSide::Phonetic, core::InsertionTarget::MainWindow);
        f.input->setLookupEnabled(areas.foreign, false);
        QVERIFY(!f.input->isLookupEnabled(areas.foreign));

        QTest::keyClicks(areas.foreign, QStringLiteral("da"));
        QTest::keyClicks(areas.phonetic, QStringLiteral("o"));
        QCOMPARE(areas.foreign->toPlainText(), u"da"_qs);
        QCOMPARE(areas.phonetic->text(), u"ɔ"_qs);

        f.input->setLookupEnabled(areas.foreign, true);
        QTest::keyClicks(areas.foreign, QStringLiteral("d"));
        QCOMPARE(areas.foreign->toPlainText(), u"daд"_qs);

        // A detached field is a plain field again, and a destroyed one is forgotten.
        f.input->detach(areas.foreign);
        QTest::keyClicks(areas.foreign, QStringLiteral("d"));
        QCOMPARE(areas.foreign->toPlainText(), u"daдd"_qs);
        delete areas.phonetic;
        areas.phonetic = nullptr;
        QCOMPARE(f.input->targetField(TableSide::Phonetic, core::InsertionTarget::MainWindow), nullptr);
        QVERIFY(f.input->handleTriggerKey(
            TableSide::Phonetic, u'o', core::InsertionTarget::MainWindow)); // nothing to insert into, no crash
    }

    void everyTargetCodeReachesItsOwnField()
    {
        test::InputFixture f;
        test::InputAreas areas;
        auto* registration = new QLineEdit(&areas.host);
        auto* search = new QLineEdit(&areas.host);
        auto* pad = new QPlainTextEdit(&areas.host);
        areas.host.layout()->addWidget(registration);
        areas.host.layout()->addWidget(search);
        areas.host.layout()->addWidget(pad);
        QVERIFY(QTest::qWaitForWindowExposed(&areas.host));
        f.input->attach(areas.foreign, TableSide::Foreign, core::InsertionTarget::MainWindow);
        f.input->attach(registration, TableSide::Foreign, core::InsertionTarget::RegistrationDialog);
        f.input->attach(search, TableSide::Foreign, core::InsertionTarget::SearchWindow);
        f.input->setTargetField(TableSide::Phonetic, core::InsertionTarget::SearchWindow, search);
        f.input->setTargetField(TableSide::Phonetic, core::InsertionTarget::Pad, pad);

        QTest::keyClicks(registration, QStringLiteral("d"));
        QTest::keyClicks(search, QStringLiteral("a"));
        QVERIFY(f.input->handleTriggerKey(TableSide::Phonetic, u'o', core::InsertionTarget::SearchWindow));
        QVERIFY(f.input->handleTriggerKey(TableSide::Phonetic, u'o', core::InsertionTarget::Pad));
        // A target without a field takes the key but inserts nowhere.
        QVERIFY(f.input->handleTriggerKey(TableSide::Foreign, u'd', core::InsertionTarget::EditDialog));

        QCOMPARE(registration->text(), u"д"_qs);
        QCOMPARE(search->text(), u"аɔ"_qs);
        QCOMPARE(pad->toPlainText(), u"ɔ"_qs);
        QCOMPARE(areas.foreign->toPlainText(), QString());
        QCOMPARE(f.input->insertionTarget(TableSide::Foreign), core::InsertionTarget::EditDialog);
    }

    void insertTextPutsAKeyPanelCaptionAtTheCaret()
    {
        test::InputFixture f;
        test::InputAreas areas;
        QVERIFY(QTest::qWaitForWindowExposed(&areas.host));
        f.input->attach(areas.foreign, TableSide::Foreign, core::InsertionTarget::MainWindow);
        f.input->attach(areas.phonetic, TableSide::Phonetic, core::InsertionTarget::MainWindow);
        areas.foreign->setPlainText(QStringLiteral("ab"));
        areas.foreign->moveCursor(QTextCursor::Start);
        areas.phonetic->setFocus();

        QSignalSpy inserted(f.input.get(), &ui::TriggerKeyInput::textInserted);
        f.input->insertText(TableSide::Foreign, core::InsertionTarget::MainWindow, u"ё&"_qs);
        QCOMPARE(areas.foreign->toPlainText(), u"ё&ab"_qs);
        QCOMPARE(inserted.size(), 1);
        // A target without a field inserts nothing and records nothing.
        f.input->insertText(TableSide::Foreign, core::InsertionTarget::EditDialog, u"ж"_qs);
        QCOMPARE(inserted.size(), 1);
        QVERIFY(areas.foreign->hasFocus());
        // The panel's rule: a trigger caption goes through the lookup, any other is inserted.
        QVERIFY(f.input->isTrigger(TableSide::Foreign, u'd'));
        QVERIFY(!f.input->isTrigger(TableSide::Foreign, u'ё'));
    }

    void directInputAndTriggerReturnChangeWhatIsOffered_data()
    {
        QTest::addColumn<bool>("directInput");
        QTest::addColumn<bool>("triggerReturn");
        QTest::addColumn<bool>("windowOpens");
        QTest::addColumn<QString>("filledSlots");
        QTest::addColumn<QString>("inserted"); // by digit 0 when a window opens, else directly

        QTest::newRow("direct input") << true << false << false << QString() << u"д"_qs;
        QTest::newRow("trigger return") << true << true << true << u"д,d"_qs << u"d"_qs;
        QTest::newRow("no direct input") << false << false << true << u"д"_qs << QString();
        QTest::newRow("both") << false << true << true << u"д,d"_qs << u"d"_qs;
    }

    void directInputAndTriggerReturnChangeWhatIsOffered()
    {
        QFETCH(bool, directInput);
        QFETCH(bool, triggerReturn);
        QFETCH(bool, windowOpens);
        QFETCH(QString, filledSlots);
        QFETCH(QString, inserted);

        test::InputFixture f;
        f.settings.setFlag(SettingKey::GaOneInpFlg, directInput);
        f.settings.setFlag(SettingKey::GaTriRevFlg, triggerReturn);
        test::InputAreas areas;
        QVERIFY(QTest::qWaitForWindowExposed(&areas.host));
        f.input->attach(areas.foreign, TableSide::Foreign, core::InsertionTarget::MainWindow);

        QStringList shown;
        test::ModalDriver driver([&shown](ui::CandidateWindow* window) {
            for (int slot = 1; slot <= 10; ++slot) {
                auto* cell = window->findChild<ui::CandidateCell*>(QStringLiteral("Cell%1").arg(slot));
                if (cell && !cell->text().isEmpty())
                    shown.append(cell->text());
            }
            QTest::keyClick(window, Qt::Key_0);
        });
        QTest::keyClick(areas.foreign, 'd');
        QCOMPARE(driver.ran(), windowOpens);
        if (windowOpens)
            QCOMPARE(driver.windowName(), u"ForeignCandidateWindow"_qs);
        QCOMPARE(shown.join(u','), filledSlots);
        QCOMPARE(areas.foreign->toPlainText(), inserted);
    }

    void aBlankOnlyCandidateIsNeverInsertedDirectly()
    {
        test::InputFixture f;
        test::InputAreas areas;
        QVERIFY(QTest::qWaitForWindowExposed(&areas.host));
        f.input->attach(areas.foreign, TableSide::Foreign, core::InsertionTarget::MainWindow);
        test::ModalDriver driver([](ui::CandidateWindow* window) { QTest::keyClick(window, Qt::Key_Return); });
        QTest::keyClick(areas.foreign, 'w');
        QVERIFY(driver.ran());
        QCOMPARE(areas.foreign->toPlainText(), QString());
    }

    void keysTypedFastAfterATriggerGoWhereSlowKeysGo_data()
    {
        QTest::addColumn<QString>("keys");
        QTest::addColumn<QString>("typed");
        QTest::newRow("a digit chooses") << u"e2"_qs << u"ё"_qs;
        QTest::newRow("letters after the choice") << u"e2da"_qs << u"ёда"_qs;
        QTest::newRow("arrows and Enter") << u"e>>\nz"_qs << u"эз"_qs;
        QTest::newRow("letters while the window is open do nothing") << u"exd\u001Ba"_qs << u"а"_qs;
        QTest::newRow("a second window") << u"e3e1d"_qs << u"эед"_qs;
        QTest::newRow("a blank slot closes") << u"s2z"_qs << u"з"_qs;
    }

    void keysTypedFastAfterATriggerGoWhereSlowKeysGo()
    {
        QFETCH(QString, keys);
        QFETCH(QString, typed);
        for (const bool fast : {false, true}) {
            test::InputFixture f;
            test::InputAreas areas;
            QVERIFY(QTest::qWaitForWindowActive(&areas.host));
            f.input->attach(areas.foreign, TableSide::Foreign, core::InsertionTarget::MainWindow);
            areas.foreign->setFocus();
            KeyTyping typing(keys, fast);
            QTRY_VERIFY_WITH_TIMEOUT(typing.done(), 10000);
            QCOMPARE(areas.foreign->toPlainText(), typed);
            QVERIFY(!test::openCandidateWindow());
            QVERIFY(!f.input->isCandidateWindowOpen());
        }
    }

    void aKeyTranslatorTypesScriptCharactersThroughTheLookup()
    {
        test::InputFixture f;
        test::InputAreas areas;
        QVERIFY(QTest::qWaitForWindowExposed(&areas.host));
        f.input->attach(areas.foreign, TableSide::Foreign, core::InsertionTarget::MainWindow);
        // A stand-in for a layout: q types "e" (a trigger), x types "щ", j types "d" after a waiting accent,
        // k is a waiting dead key, others are left to the user's layout.
        f.input->setKeyTranslator(areas.foreign, [](const QKeyEvent& event) -> QString {
            switch (event.key()) {
            case Qt::Key_Q:
                return QStringLiteral("e");
            case Qt::Key_X:
                return u"щ"_qs;
            case Qt::Key_J:
                return u"΄d"_qs;
            case Qt::Key_K:
                return QStringLiteral("");
            default:
                return QString();
            }
        });

        test::ModalDriver driver([](ui::CandidateWindow* window) { QTest::keyClick(window, Qt::Key_3); });
        QTest::keyClick(areas.foreign, 'q');
        QVERIFY(driver.ran());
        QTest::keyClicks(areas.foreign, QStringLiteral("xkja"));
        QCOMPARE(areas.foreign->toPlainText(), u"эщ΄да"_qs);

        // Without lookup the translated text is typed as it is.
        f.input->setLookupEnabled(areas.foreign, false);
        QTest::keyClicks(areas.foreign, QStringLiteral("qd"));
        QCOMPARE(areas.foreign->toPlainText(), u"эщ΄даed"_qs);
        f.input->setKeyTranslator(areas.foreign, {});
        QTest::keyClicks(areas.foreign, QStringLiteral("q"));
        QCOMPARE(areas.foreign->toPlainText(), u"эщ΄даedq"_qs);
    }
};

QTEST_MAIN(TriggerKeyInputTest)
#include "triggerkeyinput_test.moc"
