#include "core/app/settings.h"
#include "core/common/textcodec.h"
#include "core/common/textfile.h"
#include "core/input/scriptlayouts.h"
#include "core/input/tablesets.h"
#include "support/tempworld.h"
#include "ui/input/phonetickeypanel.h"
#include "ui/input/romajikeypanel.h"
#include "ui/input/screenkeyboard.h"

#include <QCheckBox>
#include <QPlainTextEdit>
#include <QSignalSpy>
#include <QTabWidget>
#include <QToolButton>
#include <QtTest>

#include <memory>

using namespace pelinor;
using core::ScriptLayout;
using core::SettingKey;
using core::TableSide;

Q_DECLARE_METATYPE(core::ScriptLayout)
Q_DECLARE_METATYPE(core::SettingKey)

namespace {

/// Foreign triggers "e" (Latin), "е" (Cyrillic) and "Q"; phonetic triggers "A" and "<".
struct Tables {
    Tables()
    {
        write(u"CandF.csv"_qs, {u"\"e\",0435,,,,,,,,"_qs, u"\"\u0435\",0451,044D,,,,,,,"_qs, u"\"Q\",0051,,,,,,,,"_qs});
        write(u"CandP.csv"_qs, {u"\"A\",0251,,,,,,,,"_qs, u"\"<\",02C2,,,,,,,,"_qs});
        sets.foreign().loadTableSet(world.path(), u"CandF.csv"_qs, u"DBF.csv"_qs);
        sets.phonetic().loadTableSet(world.path(), u"CandP.csv"_qs, u"DBP.csv"_qs);
    }

    void write(const QString& name, const QStringList& lines)
    {
        world.writeBytes(name, core::encodeText(core::joinLines(lines), core::TextEncoding::Utf8));
    }

    test::TempWorld world;
    core::TableSets sets;
};

template <typename T> T* find(QWidget* parent, const QString& name)
{
    T* widget = parent->findChild<T*>(name);
    if (!widget)
        qFatal("no widget %s", qPrintable(name));
    return widget;
}

void clickAt(QWidget* panel, const QRect& rect)
{
    QTest::mouseClick(panel, Qt::LeftButton, {}, rect.center());
}

} // namespace

class KeyPanelsTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void init()
    {
        m_tables = std::make_unique<Tables>();
        m_settings = std::make_unique<core::Settings>();
        m_messages.clear();
        m_keyboard = std::make_unique<ui::ScreenKeyboard>(m_tables->sets.foreign());
        m_romaji = std::make_unique<ui::RomajiKeyPanel>(*m_settings);
        m_phonetic = std::make_unique<ui::PhoneticKeyPanel>(*m_settings);
        for (ui::KeyPanelBase* panel : {static_cast<ui::KeyPanelBase*>(m_keyboard.get()),
                 static_cast<ui::KeyPanelBase*>(m_romaji.get()), static_cast<ui::KeyPanelBase*>(m_phonetic.get())}) {
            panel->setMessageHook([this](const QString& message) { m_messages.append(message); });
            panel->resize(385, 252);
            panel->show();
        }
        m_keyboard->build(ScriptLayout::RussianStandard, false);
        m_romaji->rebuild(m_tables->sets.foreign(), core::Script::Russian, Qt::green);
        m_phonetic->rebuild(m_tables->sets.phonetic());
    }

    void cleanup()
    {
        m_keyboard.reset();
        m_romaji.reset();
        m_phonetic.reset();
    }

    void keyboardShowsTheLayoutCaptions_data()
    {
        QTest::addColumn<ScriptLayout>("layout");
        QTest::addColumn<bool>("shifted");
        QTest::addColumn<int>("position");
        QTest::addColumn<QString>("caption");
        QTest::addColumn<QString>("legend");
        QTest::newRow("Russian lower 0") << ScriptLayout::RussianStandard << false << 0 << u"\u0451"_qs << u"半"_qs;
        QTest::newRow("Russian upper 3") << ScriptLayout::RussianStandard << true << 3 << u"\u2116"_qs << u"3"_qs;
        QTest::newRow("Russian upper 36") << ScriptLayout::RussianStandard << true << 36 << u"/"_qs << u"}"_qs;
        QTest::newRow("typewriter lower 0") << ScriptLayout::RussianTypewriter << false << 0 << u"|"_qs << u"半"_qs;
        QTest::newRow("typewriter upper 12") << ScriptLayout::RussianTypewriter << true << 12 << u"\\"_qs << u"~"_qs;
        QTest::newRow("typewriter lower 46")
            << ScriptLayout::RussianTypewriter << false << 46 << u"\u0451"_qs << u"/"_qs;
        QTest::newRow("Greek lower 14") << ScriptLayout::Greek << false << 14 << u"\u03C2"_qs << u"w"_qs;
        QTest::newRow("Greek upper 7") << ScriptLayout::Greek << true << 7 << u"&"_qs << u"7"_qs;
        QTest::newRow("Greek upper 23") << ScriptLayout::Greek << true << 23 << u"{"_qs << u"`"_qs;
        QTest::newRow("Ukrainian lower 24") << ScriptLayout::Ukrainian << false << 24 << u"\u0457"_qs << u"["_qs;
        QTest::newRow("Ukrainian upper 0") << ScriptLayout::Ukrainian << true << 0 << u"\u20B4"_qs << u"半"_qs;
        QTest::newRow("Ukrainian upper 26") << ScriptLayout::Ukrainian << true << 26 << u"\u0406"_qs << u"S"_qs;
        // ґ and Ґ are on the key right of ":", the backslash key of a US keyboard.
        QTest::newRow("Ukrainian lower 36") << ScriptLayout::Ukrainian << false << 36 << u"\u0491"_qs << u"]"_qs;
        QTest::newRow("Ukrainian upper 36") << ScriptLayout::Ukrainian << true << 36 << u"\u0490"_qs << u"}"_qs;
    }

    void keyboardShowsTheLayoutCaptions()
    {
        QFETCH(ScriptLayout, layout);
        QFETCH(bool, shifted);
        QFETCH(int, position);
        QFETCH(QString, caption);
        QFETCH(QString, legend);
        m_keyboard->build(layout, shifted);
        QCOMPARE(m_keyboard->keyCaption(position), caption);
        QCOMPARE(m_keyboard->legendCaption(position), legend);
        QVERIFY(m_keyboard->keyFace(position).enabled);
        QVERIFY(!m_keyboard->legendFace(position).enabled);
        QCOMPARE(m_keyboard->isShifted(), shifted);
    }

    void keyboardClickEmitsTextOrTrigger()
    {
        QSignalSpy text(m_keyboard.get(), &ui::KeyPanelBase::textClicked);
        QSignalSpy trigger(m_keyboard.get(), &ui::KeyPanelBase::triggerClicked);
        clickAt(m_keyboard.get(), m_keyboard->keyRect(0));
        QCOMPARE(text.size(), 1);
        QCOMPARE(text.at(0).at(0).toString(), u"\u0451"_qs);
        QCOMPARE(text.at(0).at(1).value<TableSide>(), TableSide::Foreign);

        // "е" is a trigger: bold red, and a click asks for its candidates instead of inserting it.
        QCOMPARE(m_keyboard->keyFace(17).ink, core::KeyInk::Red);
        QVERIFY(m_keyboard->keyFace(17).bold);
        clickAt(m_keyboard.get(), m_keyboard->keyRect(17));
        QCOMPARE(trigger.size(), 1);
        QCOMPARE(trigger.at(0).at(0).value<QChar>(), QChar(u'\u0435'));
        QCOMPARE(trigger.at(0).at(1).value<TableSide>(), TableSide::Foreign);
        QCOMPARE(text.size(), 1);

        m_keyboard->build(ScriptLayout::Greek, true);
        clickAt(m_keyboard.get(), m_keyboard->keyRect(7));
        QCOMPARE(text.size(), 2);
        QCOMPARE(text.at(1).at(0).toString(), u"&"_qs);
        // Legends are no buttons.
        clickAt(m_keyboard.get(), m_keyboard->legendRect(1));
        QCOMPARE(text.size() + trigger.size(), 3);
    }

    void greekDeadKeyShowsItsHintAndInsertsNothing()
    {
        QSignalSpy text(m_keyboard.get(), &ui::KeyPanelBase::textClicked);
        QSignalSpy trigger(m_keyboard.get(), &ui::KeyPanelBase::triggerClicked);
        m_keyboard->build(ScriptLayout::Greek, false);
        QCOMPARE(m_keyboard->keyCaption(34), u"a"_qs);
        QCOMPARE(m_keyboard->keyFace(34).ink, core::KeyInk::Blue);
        clickAt(m_keyboard.get(), m_keyboard->keyRect(34));
        m_keyboard->build(ScriptLayout::Greek, true);
        clickAt(m_keyboard.get(), m_keyboard->keyRect(14));
        QCOMPARE(m_messages,
            QStringList({core::ScriptLayouts::deadKeyMessage(core::GreekAccent::Tonos),
                core::ScriptLayouts::deadKeyMessage(core::GreekAccent::DialytikaTonos)}));
        QCOMPARE(text.size() + trigger.size(), 0);
    }

    void shiftCapsAndCapsLockChooseTheLevel()
    {
        auto* caps = find<QToolButton>(m_keyboard.get(), u"CapsButton"_qs);
        QCOMPARE(m_keyboard->keyCaption(13), u"\u0439"_qs);
        m_keyboard->setShifted(true);
        QCOMPARE(m_keyboard->keyCaption(13), u"\u0419"_qs);
        m_keyboard->setShifted(false);
        QCOMPARE(m_keyboard->keyCaption(13), u"\u0439"_qs);

        caps->click();
        QVERIFY(m_keyboard->isCapsDown());
        QCOMPARE(m_keyboard->keyCaption(13), u"\u0419"_qs);
        caps->click();
        QCOMPARE(m_keyboard->keyCaption(13), u"\u0439"_qs);

        m_keyboard->setCapsLock(true);
        QVERIFY(caps->isChecked());
        QCOMPARE(m_keyboard->keyCaption(13), u"\u0419"_qs);
        m_keyboard->setShifted(true);
        m_keyboard->setShifted(false);
        QCOMPARE(m_keyboard->keyCaption(13), u"\u0419"_qs);
        m_keyboard->setCapsLock(false);
        QVERIFY(!caps->isChecked());
        QCOMPARE(m_keyboard->keyCaption(13), u"\u0439"_qs);

        // A layout switch keeps the level the caller asks for.
        m_keyboard->build(ScriptLayout::Ukrainian, true);
        QCOMPARE(m_keyboard->keyCaption(24), u"\u0407"_qs);
    }

    void romajiPanelOffersOnlyTriggers()
    {
        QSignalSpy trigger(m_romaji.get(), &ui::KeyPanelBase::triggerClicked);
        QCOMPARE(m_romaji->keyCaption(15), u"e"_qs);
        QVERIFY(m_romaji->keyFace(15).enabled);
        QVERIFY(m_romaji->keyFace(15).bold);
        QVERIFY(!m_romaji->keyFace(14).enabled); // "w" has no candidates
        clickAt(m_romaji.get(), m_romaji->keyRect(14));
        QCOMPARE(trigger.size(), 0);
        clickAt(m_romaji.get(), m_romaji->keyRect(15));
        clickAt(m_romaji.get(), m_romaji->legendRect(13)); // "Q"
        QCOMPARE(trigger.size(), 2);
        QCOMPARE(trigger.at(0).at(0).value<QChar>(), QChar(u'e'));
        QCOMPARE(trigger.at(1).at(0).value<QChar>(), QChar(u'Q'));
        QCOMPARE(trigger.at(1).at(1).value<TableSide>(), TableSide::Foreign);
        QCOMPARE(m_romaji->background(), QColor(Qt::green));

        // Another script's table changes the enabling.
        m_tables->write(u"CandG.csv"_qs, {u"\"w\",03C9,,,,,,,,"_qs});
        m_tables->sets.foreign().loadTableSet(m_tables->world.path(), u"CandG.csv"_qs, u"DBG.csv"_qs);
        m_romaji->rebuild(m_tables->sets.foreign(), core::Script::Greek, Qt::blue);
        QVERIFY(m_romaji->keyFace(14).enabled);
        QVERIFY(!m_romaji->keyFace(15).enabled);
    }

    void phoneticPanelOffersPhoneticTriggers()
    {
        QSignalSpy trigger(m_phonetic.get(), &ui::KeyPanelBase::triggerClicked);
        QCOMPARE(m_phonetic->keyCaption(25), u"A"_qs);
        clickAt(m_phonetic.get(), m_phonetic->keyRect(25));
        clickAt(m_phonetic.get(), m_phonetic->legendRect(44));
        clickAt(m_phonetic.get(), m_phonetic->keyRect(26));
        QCOMPARE(trigger.size(), 2);
        QCOMPARE(trigger.at(0).at(0).value<QChar>(), QChar(u'A'));
        QCOMPARE(trigger.at(0).at(1).value<TableSide>(), TableSide::Phonetic);
        QCOMPARE(trigger.at(1).at(0).value<QChar>(), QChar(u'<'));
        const core::ColourRgb ipa = m_settings->colour(SettingKey::IpaBg);
        QCOMPARE(m_phonetic->background(), QColor(ipa.red, ipa.green, ipa.blue));
    }

    void checkBoxesSetTheirFlags_data()
    {
        QTest::addColumn<bool>("phonetic");
        QTest::addColumn<QString>("box");
        QTest::addColumn<SettingKey>("key");
        QTest::newRow("romaji 直") << false << u"DirectInputBox"_qs << SettingKey::GaOneInpFlg;
        QTest::newRow("romaji 復") << false << u"TriggerReturnBox"_qs << SettingKey::GaTriRevFlg;
        QTest::newRow("phonetic 直") << true << u"DirectInputBox"_qs << SettingKey::PhOneInpFlg;
        QTest::newRow("phonetic 復") << true << u"TriggerReturnBox"_qs << SettingKey::PhTriRevFlg;
    }

    void checkBoxesSetTheirFlags()
    {
        QFETCH(bool, phonetic);
        QFETCH(QString, box);
        QFETCH(SettingKey, key);
        ui::TableKeyPanel* panel = phonetic ? static_cast<ui::TableKeyPanel*>(m_phonetic.get()) : m_romaji.get();
        auto* check = find<QCheckBox>(panel, box);
        const bool before = m_settings->flag(key);
        QCOMPARE(check->isChecked(), before);
        QTest::mouseClick(check, Qt::LeftButton);
        QCOMPARE(m_settings->flag(key), !before);
        // A rebuild shows the flag as the settings hold it.
        m_settings->setFlag(key, before);
        if (phonetic)
            m_phonetic->rebuild(m_tables->sets.phonetic());
        else
            m_romaji->rebuild(m_tables->sets.foreign(), core::Script::Russian, Qt::green);
        QCOMPARE(check->isChecked(), before);
    }

    void listButtonsAskForTheirSide()
    {
        QSignalSpy romaji(m_romaji.get(), &ui::TableKeyPanel::listRequested);
        QSignalSpy phonetic(m_phonetic.get(), &ui::TableKeyPanel::listRequested);
        QTest::mouseClick(find<QToolButton>(m_romaji.get(), u"ListButton"_qs), Qt::LeftButton);
        QTest::mouseClick(find<QToolButton>(m_phonetic.get(), u"ListButton"_qs), Qt::LeftButton);
        QCOMPARE(romaji.size(), 1);
        QCOMPARE(romaji.at(0).at(0).value<TableSide>(), TableSide::Foreign);
        QCOMPARE(phonetic.size(), 1);
        QCOMPARE(phonetic.at(0).at(0).value<TableSide>(), TableSide::Phonetic);
    }

    void replaceButtonIsGreekOnlyAndRewritesTheTarget()
    {
        auto* replace = find<QToolButton>(m_romaji.get(), u"ReplaceButton"_qs);
        QVERIFY(!replace->isVisible());
        m_romaji->rebuild(m_tables->sets.foreign(), core::Script::Greek, Qt::blue);
        QVERIFY(replace->isVisible());
        QVERIFY(!replace->toolTip().isEmpty());

        QPlainTextEdit area;
        area.setPlainText(u"\u03B1\u0301\u03B2 \u03B9\u0308\u0301"_qs);
        area.show();
        m_romaji->setReplacementTarget(&area);
        QTest::mouseClick(replace, Qt::LeftButton);
        QCOMPARE(area.toPlainText(), u"\u03AC\u03B2 \u0390"_qs);
        QCOMPARE(area.textCursor().position(), static_cast<int>(area.toPlainText().size()));
        QCOMPARE(m_messages, QStringList({u"2 個の置換を行いました。"_qs}));
        area.undo();
        QCOMPARE(area.toPlainText(), u"\u03B1\u0301\u03B2 \u03B9\u0308\u0301"_qs);

        m_romaji->rebuild(m_tables->sets.foreign(), core::Script::Ukrainian, Qt::yellow);
        QVERIFY(!replace->isVisible());
    }

    void panelBehindATabIsLaidOutForItsSizeWhenShown()
    {
        // The window is resized while the panel's page is hidden; choosing its tab must not show the keys
        // and the list button of the old size.
        QTabWidget tabs;
        tabs.addTab(new QWidget, u"front"_qs);
        auto* page = new QWidget;
        tabs.addTab(page, u"back"_qs);
        auto* panel = new ui::PhoneticKeyPanel(*m_settings, page);
        panel->rebuild(m_tables->sets.phonetic());
        tabs.resize(420, 300);
        tabs.show();
        QVERIFY(QTest::qWaitForWindowExposed(&tabs));
        panel->resize(385, 252);
        QVERIFY(!panel->isVisible());
        panel->resize(300, 252);
        tabs.setCurrentIndex(1);
        QVERIFY(panel->isVisible());

        const auto* list = find<QToolButton>(panel, u"ListButton"_qs);
        QVERIFY(list->geometry().left() > panel->keyRect(46).right());
        QVERIFY(panel->rect().contains(list->geometry()));
        // The same layout as a panel that was on the screen at that size all along.
        m_phonetic->resize(300, 252);
        for (const int key : {0, 25, 46})
            QCOMPARE(panel->keyRect(key), m_phonetic->keyRect(key));
    }

    void hiddenPanelAnswersWhereItsKeysAre()
    {
        ui::PhoneticKeyPanel hidden(*m_settings);
        hidden.rebuild(m_tables->sets.phonetic());
        hidden.resize(385, 252);
        QVERIFY(!hidden.isVisible());
        for (const int key : {0, 25, 46})
            QCOMPARE(hidden.keyRect(key), m_phonetic->keyRect(key));
    }

private:
    std::unique_ptr<Tables> m_tables;
    std::unique_ptr<core::Settings> m_settings;
    std::unique_ptr<ui::ScreenKeyboard> m_keyboard;
    std::unique_ptr<ui::RomajiKeyPanel> m_romaji;
    std::unique_ptr<ui::PhoneticKeyPanel> m_phonetic;
    QStringList m_messages;
};

QTEST_MAIN(KeyPanelsTest)
#include "keypanels_test.moc"
