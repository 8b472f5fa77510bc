#include "core/wordbook/wordbookescapes.h"
#include "ui/wordbook/tmodfrm.h"
#include "ui/wordbook/tregfrm.h"
#include "ui/wordbook/wordbooklistmodel.h"
#include "ui/wordbook/wordlistmodel.h"
#include "ui/wordbook/wordlistview.h"
#include "wordbookfixture.h"

#include <QComboBox>
#include <QFile>
#include <QGuiApplication>
#include <QPushButton>
#include <QScreen>

using namespace pelinor;
using test::WordBookFixture;

namespace {

// One word book "book.utx" with the given entries, listed and open.
struct OpenBook : WordBookFixture {
    explicit OpenBook(const QList<core::WordEntry>& entries)
    {
        writeBook(russianBooks(), u"book.utx"_qs, u"Book"_qs, u"あいさつ"_qs, entries);
        writeBook(russianBooks(), u"other.utx"_qs, u"Other"_qs, u"あいさつ"_qs, {test::entry(u"z"_qs)});
    }

    ui::WordBookController& start()
    {
        ui::WordBookController& c = make();
        c.listWordBooks();
        c.openWordBook(u"book.utx"_qs);
        return c;
    }

    QString path() const { return russianBooks() + u"/book.utx"_qs; }

    qsizetype listedCount() const
    {
        const ui::WordBookListModel& model = *controller->wordBookListModel();
        return model.row(model.rowOfFile(u"book.utx"_qs)).count;
    }

    QString statusTotal() const
    {
        const QString text = folderPanel->text();
        return text.mid(text.lastIndexOf(u'[') + 1).chopped(1);
    }
};

// Runs `fill` on the dialog when it is shown, from its own event loop.
void whenDialog(const QString& objectName, std::function<void(ui::WordEntryDialog*)> fill)
{
    test::whenModal([fill](QWidget* modal) { fill(static_cast<ui::WordEntryDialog*>(modal)); },
        [objectName](QWidget* modal) { return modal->objectName() == objectName; });
}

template <typename T> T* child(QWidget* dialog, const char* name)
{
    T* found = dialog->findChild<T*>(QLatin1StringView(name));
    if (!found)
        qFatal("no child %s", name);
    return found;
}

QList<core::WordEntry> fiveEntries()
{
    QList<core::WordEntry> entries;
    for (int i = 1; i <= 5; ++i)
        entries.append(test::entry(QStringLiteral("w%1").arg(i)));
    return entries;
}

} // namespace

/// The registration and edit dialogs, driven through their controls.
class WordEntryDialogsTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void registrationCopiesTheInputAreasAndAddsAtTheEnd()
    {
        OpenBook f(fiveEntries());
        ui::WordBookController& c = f.start();
        f.foreignArea->setPlainText(u"два\nслова"_qs);
        f.phoneticArea->setText(u"dva"_qs);
        QString shownForeign;
        QString shownPhonetic;
        QString focused;
        whenDialog(u"TRegFrm"_qs, [&](ui::WordEntryDialog* dialog) {
            shownForeign = child<QLineEdit>(dialog, "ForeignWordField")->text();
            shownPhonetic = child<QLineEdit>(dialog, "PhoneticField")->text();
            focused = dialog->focusWidget() ? dialog->focusWidget()->objectName() : QString();
            QCOMPARE(dialog->windowTitle(), u"単語登録"_qs);
            child<QLineEdit>(dialog, "JapaneseField")->setText(u"二つの言葉"_qs);
            child<QPushButton>(dialog, "AddButton")->click();
        });
        f.action(u"WordRegister"_qs)->trigger();

        QCOMPARE(shownForeign, u"два#$0Dслова"_qs);
        QCOMPARE(shownPhonetic, u"dva"_qs);
        QCOMPARE(focused, u"KanaField"_qs);
        QCOMPARE(f.book.entryCount(), 6);
        const core::WordEntry added = f.book.entries().at(5);
        QCOMPARE(added.foreignWord, u"два#$0Dслова"_qs);
        QCOMPARE(added.number, 6);
        QCOMPARE(f.entriesInFile(f.path()), f.book.entries());
        QCOMPARE(c.wordListModel()->rowCount(), 6);
        QCOMPARE(c.wordList().selectedEntryIndex(), 5);
        QVERIFY(f.action(u"WordEdit"_qs)->isEnabled());
        QCOMPARE(f.listedCount(), 6);
        QCOMPARE(f.statusTotal(), u"7"_qs);
        // RegClearFlg: both input areas are emptied.
        QVERIFY(f.foreignArea->toPlainText().isEmpty());
        QVERIFY(f.phoneticArea->text().isEmpty());
        QCOMPARE(f.window.focusWidget(), f.foreignArea);

        // A double click puts the two lines back.
        c.wordList().useEntry(5);
        QCOMPARE(f.foreignArea->toPlainText(), u"два\nслова"_qs);
    }

    void registrationWithoutCopyOrClear()
    {
        OpenBook f({});
        f.settings.setFlag(core::SettingKey::RegCopyFlg, false);
        f.settings.setFlag(core::SettingKey::RegClearFlg, false);
        ui::WordBookController& c = f.start();
        f.foreignArea->setPlainText(u"слово"_qs);
        bool positionsEnabled = true;
        bool insertEnabled = true;
        QString shownForeign = u"?"_qs;
        QString focused;
        whenDialog(u"TRegFrm"_qs, [&](ui::WordEntryDialog* dialog) {
            positionsEnabled = child<QComboBox>(dialog, "PositionList")->isEnabled();
            insertEnabled = child<QPushButton>(dialog, "InsertButton")->isEnabled();
            shownForeign = child<QLineEdit>(dialog, "ForeignWordField")->text();
            focused = dialog->focusWidget() ? dialog->focusWidget()->objectName() : QString();
            // F4 anywhere in the dialog adds.
            QTest::keyClick(dialog->focusWidget(), Qt::Key_F4);
        });
        c.entryDialogs().registerWord();
        QVERIFY(!positionsEnabled);
        QVERIFY(!insertEnabled);
        QVERIFY(shownForeign.isEmpty());
        QCOMPARE(focused, u"ForeignWordField"_qs);
        // An entry of six empty fields is accepted.
        QCOMPARE(f.book.entryCount(), 1);
        QCOMPARE(f.book.entries().at(0), test::numbered(core::WordEntry(), 1));
        QCOMPARE(f.foreignArea->toPlainText(), u"слово"_qs);
    }

    void fieldsAreTrimmedAndEscaped()
    {
        OpenBook f({});
        ui::WordBookController& c = f.start();
        whenDialog(u"TRegFrm"_qs, [&](ui::WordEntryDialog* dialog) {
            child<QLineEdit>(dialog, "ForeignWordField")->setText(u"  \t\"слово\" "_qs);
            child<QLineEdit>(dialog, "PhoneticField")->setText(u" sloˈvo"_qs);
            child<QLineEdit>(dialog, "KanaField")->setText(u"\u3000スローヴァ "_qs);
            child<QLineEdit>(dialog, "JapaneseField")->setText(u"\"言葉\"と\"単語\""_qs);
            child<QPlainTextEdit>(dialog, "NoteField")->setPlainText(u"\n a\nb \n"_qs);
            child<QLineEdit>(dialog, "SoundFileField")->setText(u"  slovo.mp3  "_qs);
            child<QPushButton>(dialog, "AddButton")->click();
        });
        c.entryDialogs().registerWord();
        QCOMPARE(f.book.entryCount(), 1);
        const core::WordEntry stored = f.entriesInFile(f.path()).at(0);
        QCOMPARE(stored.foreignWord, u"\"слово\""_qs);
        QCOMPARE(stored.phonetic, u"sloˈvo"_qs);
        QCOMPARE(stored.kana, u"\u3000スローヴァ"_qs); // the ideographic space stays
        QCOMPARE(stored.japanese, u"\"言葉\"と\"単語\""_qs);
        QCOMPARE(stored.note, u"a#$0Db"_qs);
        QCOMPARE(stored.soundFile, u"slovo.mp3"_qs);
        // The quotes are stored as "#$22".
        QFile file(f.path());
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QByteArray bytes = file.readAll().mid(2);
        const QString content(reinterpret_cast<const QChar*>(bytes.constData()), bytes.size() / 2);
        QVERIFY(content.contains(u"\"#$22言葉#$22と#$22単語#$22\""_qs));
    }

    void insertingAtAPositionRenumbers()
    {
        OpenBook f(fiveEntries());
        ui::WordBookController& c = f.start();
        QStringList items;
        whenDialog(u"TRegFrm"_qs, [&](ui::WordEntryDialog* dialog) {
            auto* positions = child<QComboBox>(dialog, "PositionList");
            for (int i = 0; i < positions->count(); ++i)
                items.append(positions->itemText(i));
            QCOMPARE(positions->currentIndex(), 0);
            child<QLineEdit>(dialog, "ForeignWordField")->setText(u"new"_qs);
            child<QPushButton>(dialog, "InsertButton")->click();
        });
        c.entryDialogs().registerWord();
        QCOMPARE(items, (QStringList{u" 1"_qs, u" 2"_qs, u" 3"_qs, u" 4"_qs, u" 5"_qs}));
        QCOMPARE(f.book.entryCount(), 6);
        QCOMPARE(f.book.entries().at(0).foreignWord, u"new"_qs);
        QCOMPARE(f.book.entries().at(0).number, 1);
        QCOMPARE(f.book.entries().at(1).foreignWord, u"w1"_qs);
        QCOMPARE(f.book.entries().at(5).number, 6);
        QCOMPARE(c.wordList().selectedEntryIndex(), 0);
        QCOMPARE(f.listedCount(), 6);

        whenDialog(u"TRegFrm"_qs, [&](ui::WordEntryDialog* dialog) {
            child<QLineEdit>(dialog, "ForeignWordField")->setText(u"third"_qs);
            child<QComboBox>(dialog, "PositionList")->setCurrentIndex(2);
            child<QPushButton>(dialog, "InsertButton")->click();
        });
        c.entryDialogs().registerWord();
        QCOMPARE(f.book.entries().at(2).foreignWord, u"third"_qs);
        QCOMPARE(f.book.entries().at(3).foreignWord, u"w2"_qs);
        QCOMPARE(f.entriesInFile(f.path()), f.book.entries());
        QCOMPARE(f.statusTotal(), u"8"_qs);
    }

    void cancelStoresNothingAndTheRectangleIsRemembered()
    {
        OpenBook f(fiveEntries());
        ui::WordBookController& c = f.start();
        const QByteArray before = f.world.readBytes(u"documents/Norvanta/Pelinor/bookA/book.utx"_qs);
        QVERIFY(!c.entryDialogs().registrationRect());
        whenDialog(u"TRegFrm"_qs, [&](ui::WordEntryDialog* dialog) {
            child<QLineEdit>(dialog, "ForeignWordField")->setText(u"nothing"_qs);
            dialog->setGeometry(40, 50, 700, dialog->height());
            child<QPushButton>(dialog, "CancelButton")->click();
        });
        c.entryDialogs().registerWord();
        QCOMPARE(f.book.entryCount(), 5);
        QCOMPARE(f.world.readBytes(u"documents/Norvanta/Pelinor/bookA/book.utx"_qs), before);
        QVERIFY(c.entryDialogs().registrationRect());
        QCOMPARE(c.entryDialogs().registrationRect()->width(), 700);

        int width = 0;
        whenDialog(u"TRegFrm"_qs, [&](ui::WordEntryDialog* dialog) {
            width = dialog->width();
            dialog->reject();
        });
        c.entryDialogs().registerWord();
        QCOMPARE(width, 700);
        QVERIFY(!c.entryDialogs().editRect());
    }

    void aRectangleLeftOffTheScreensIsBroughtBack()
    {
        OpenBook f(fiveEntries());
        ui::WordBookController& c = f.start();
        whenDialog(u"TRegFrm"_qs, [&](ui::WordEntryDialog* dialog) {
            dialog->setGeometry(5000, 50, 700, dialog->height());
            dialog->reject();
        });
        c.entryDialogs().registerWord();
        QCOMPARE(c.entryDialogs().registrationRect()->left(), 5000);

        QRect shown;
        whenDialog(u"TRegFrm"_qs, [&](ui::WordEntryDialog* dialog) {
            shown = dialog->geometry();
            dialog->reject();
        });
        c.entryDialogs().registerWord();
        QVERIFY2(QGuiApplication::primaryScreen()->availableGeometry().contains(shown),
            qPrintable(QStringLiteral("%1,%2").arg(shown.x()).arg(shown.y())));
        QCOMPARE(shown.width(), 700);
    }

    void registrationNeedsAnOpenBook()
    {
        WordBookFixture f;
        ui::WordBookController& c = f.make();
        c.listWordBooks();
        c.entryDialogs().registerWord(); // no dialog: the call returns at once
        f.action(u"WordRegister"_qs)->trigger();
        QVERIFY(!QApplication::activeModalWidget());
    }

    void editingShowsAndReplacesTheSelectedEntry()
    {
        OpenBook f({test::entry(u"w1"_qs),
            test::entry(
                u"один#$0Dдва"_qs, u"fon"_qs, u"カナ"_qs, u"意味"_qs, u"x#$0Dy"_qs, u"s.mp3"_qs, u"#FF0000"_qs)});
        ui::WordBookController& c = f.start();
        c.wordList().selectEntry(2);
        QStringList shown;
        QString focused;
        int caret = -1;
        whenDialog(u"TModFrm"_qs, [&](ui::WordEntryDialog* dialog) {
            QCOMPARE(dialog->windowTitle(), u"単語編集"_qs);
            shown = QStringList{dialog->foreignWordField()->text(), dialog->phoneticField()->text(),
                dialog->kanaField()->text(), dialog->japaneseField()->text(), dialog->noteField()->toPlainText(),
                dialog->soundFileField()->text()};
            focused = dialog->focusWidget() ? dialog->focusWidget()->objectName() : QString();
            caret = dialog->noteField()->textCursor().position();
            dialog->japaneseField()->setText(u" 新しい意味 "_qs);
            dialog->noteField()->setPlainText(u"p\nq\n"_qs);
            dialog->soundFileField()->setText(u" t.mp3 "_qs);
            child<QPushButton>(dialog, "ApplyButton")->click();
        });
        f.action(u"WordEdit"_qs)->trigger();
        QCOMPARE(shown, (QStringList{u"один#$0Dдва"_qs, u"fon"_qs, u"カナ"_qs, u"意味"_qs, u"x\ny"_qs, u"s.mp3"_qs}));
        QCOMPARE(focused, u"NoteField"_qs);
        QCOMPARE(caret, 3);
        const core::WordEntry edited = f.book.entries().at(1);
        QCOMPARE(edited,
            test::numbered(test::entry(u"один#$0Dдва"_qs, u"fon"_qs, u"カナ"_qs, u"新しい意味"_qs, u"p#$0Dq"_qs,
                               u"t.mp3"_qs, u"#FF0000"_qs),
                2));
        QCOMPARE(f.entriesInFile(f.path()), f.book.entries());
        QCOMPARE(c.wordList().selectedEntryIndex(), 1);
        QCOMPARE(f.listedCount(), 2);
    }

    void editingWithoutSelectionShowsEmptyFieldsAndStillWrites()
    {
        OpenBook f({test::entry(u"w1"_qs)});
        ui::WordBookController& c = f.start();
        c.setCommandStates(ui::WordBookController::CommandState::EntryClicked);
        QFile::remove(f.path());
        QStringList shown;
        whenDialog(u"TModFrm"_qs, [&](ui::WordEntryDialog* dialog) {
            shown = QStringList{dialog->foreignWordField()->text(), dialog->noteField()->toPlainText()};
            QTest::keyClick(dialog->noteField(), Qt::Key_F4);
        });
        c.entryDialogs().modifyWord();
        QCOMPARE(shown, (QStringList{QString(), QString()}));
        QCOMPARE(f.entriesInFile(f.path()), f.book.entries()); // written again, unchanged
    }

    void unwritableBookKeepsItsFileAndTheListShowsIt()
    {
        OpenBook f(fiveEntries());
        ui::WordBookController& c = f.start();
        const QString folder = f.russianBooks();
        const QString moved = f.world.path(u"moved"_qs);
        const QByteArray before = f.world.readBytes(u"documents/Norvanta/Pelinor/bookA/book.utx"_qs);
        // The folder is replaced by a regular file: nothing can be written into it.
        QVERIFY(QDir().rename(folder, moved));
        f.world.writeBytes(u"documents/Norvanta/Pelinor/bookA"_qs, "not a folder");

        QString message;
        bool stillOpen = false;
        whenDialog(u"TRegFrm"_qs, [&](ui::WordEntryDialog* dialog) {
            child<QLineEdit>(dialog, "ForeignWordField")->setText(u"lost?"_qs);
            test::answerMessage(QMessageBox::Yes, &message);
            child<QPushButton>(dialog, "AddButton")->click();
            stillOpen = dialog->isVisible();
            QCOMPARE(child<QLineEdit>(dialog, "ForeignWordField")->text(), u"lost?"_qs);
            dialog->reject();
        });
        c.entryDialogs().registerWord();
        QVERIFY2(message.contains(QDir::toNativeSeparators(folder + u"/book.utx"_qs)), qPrintable(message));
        QVERIFY(stillOpen);
        QCOMPARE(f.book.entryCount(), 5);
        QCOMPARE(c.wordListModel()->rowCount(), 5);
        QCOMPARE(f.listedCount(), 5);
        QCOMPARE(f.world.readBytes(u"moved/book.utx"_qs), before);

        // Editing fails the same way and changes nothing.
        c.wordList().selectEntry(1);
        whenDialog(u"TModFrm"_qs, [&](ui::WordEntryDialog* dialog) {
            dialog->kanaField()->setText(u"changed"_qs);
            test::answerMessage(QMessageBox::Yes);
            child<QPushButton>(dialog, "ApplyButton")->click();
            dialog->reject();
        });
        c.entryDialogs().modifyWord();
        QVERIFY(f.book.entries().at(0).kana.isEmpty());
        QCOMPARE(f.world.readBytes(u"moved/book.utx"_qs), before);
    }

    void soundButtonsBrowseAndPlay()
    {
        OpenBook f({test::entry(u"w1"_qs)});
        ui::WordBookController& c = f.start();
        f.world.writeBytes(u"documents/Norvanta/Pelinor/bookA/here.mp3"_qs, "ID3");
        f.chosenSoundFile = f.world.path(u"elsewhere/chosen.mp3"_qs);
        QString afterBrowse;
        whenDialog(u"TRegFrm"_qs, [&](ui::WordEntryDialog* dialog) {
            child<QPushButton>(dialog, "BrowseSoundButton")->click();
            afterBrowse = dialog->soundFileField()->text();
            dialog->soundFileField()->setText(u"missing.mp3"_qs);
            child<QPushButton>(dialog, "PlaySoundButton")->click();
            dialog->soundFileField()->setText(u" here.mp3 "_qs);
            child<QPushButton>(dialog, "PlaySoundButton")->click();
            dialog->reject();
        });
        c.entryDialogs().registerWord();
        QCOMPARE(afterBrowse, u"chosen.mp3"_qs);
        QCOMPARE(f.soundStart, f.russianBooks());
        // Plays whatever MediaPlayerFlg says; a missing file does nothing.
        QCOMPARE(f.opened(), QStringList{f.russianBooks() + u"/here.mp3"_qs});
        QCOMPARE(c.wordList().lastPlayedSoundFile(), u"here.mp3"_qs);
    }

    void accentButtonReplacesInModeFourOnly()
    {
        OpenBook f({test::entry(u"w1"_qs)});
        f.settings.setInteger(core::SettingKey::InputMode, 4);
        ui::WordBookController& c = f.start();
        QString result;
        QString report;
        whenDialog(u"TRegFrm"_qs, [&](ui::WordEntryDialog* dialog) {
            dialog->foreignWordField()->setText(u"α\u0301ι\u0308\u0301"_qs);
            test::answerMessage(QMessageBox::Yes, &report);
            child<QPushButton>(dialog, "AccentButton")->click();
            result = dialog->foreignWordField()->text();
            dialog->reject();
        });
        c.entryDialogs().registerWord();
        QCOMPARE(result, u"άΐ"_qs);
        QCOMPARE(report, u"2 個の置換を行いました。"_qs);

        f.settings.setInteger(core::SettingKey::InputMode, 5);
        bool hasButton = true;
        whenDialog(u"TRegFrm"_qs, [&](ui::WordEntryDialog* dialog) {
            hasButton = dialog->findChild<QPushButton*>(u"AccentButton"_qs) != nullptr;
            dialog->reject();
        });
        c.entryDialogs().registerWord();
        QVERIFY(!hasButton);
    }

    void openingSignalHandsOutTheInputFields()
    {
        OpenBook f({test::entry(u"w1"_qs)});
        ui::WordBookController& c = f.start();
        QLineEdit* foreign = nullptr;
        QLineEdit* phonetic = nullptr;
        connect(&c, &ui::WordBookController::entryDialogOpening, this, [&](ui::WordEntryDialog* dialog) {
            foreign = dialog->foreignWordField();
            phonetic = dialog->phoneticField();
            QVERIFY(!foreign->testAttribute(Qt::WA_InputMethodEnabled));
        });
        whenDialog(u"TRegFrm"_qs, [&](ui::WordEntryDialog* dialog) {
            QCOMPARE(foreign, dialog->findChild<QLineEdit*>(u"ForeignWordField"_qs));
            QCOMPARE(phonetic, dialog->findChild<QLineEdit*>(u"PhoneticField"_qs));
            dialog->reject();
        });
        c.entryDialogs().registerWord();
        QVERIFY(foreign);
    }
};

QTEST_MAIN(WordEntryDialogsTest)
#include "wordentrydialogs_test.moc"
