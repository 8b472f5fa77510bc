#include "core/app/inputmodes.h"
#include "ui/wordbook/tcolourfrm.h"
#include "ui/wordbook/wordbookpanel.h"
#include "ui/wordbook/wordlistdelegate.h"
#include "ui/wordbook/wordlistmodel.h"
#include "ui/wordbook/wordlistview.h"
#include "wordbookfixture.h"

#include <QHeaderView>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>

using namespace pelinor;
using test::WordBookFixture;
using ui::WordListModel;

namespace {

QStringList rowTexts(const WordListModel& model, int row)
{
    QStringList texts;
    for (int column = 0; column < WordListModel::ColumnCount; ++column)
        texts.append(model.data(model.index(row, column)).toString());
    return texts;
}

QStringList columnTexts(const WordListModel& model, int column)
{
    QStringList texts;
    for (int row = 0; row < model.rowCount(); ++row)
        texts.append(model.data(model.index(row, column)).toString());
    return texts;
}

// A fixture with one word book of the given entries open in the word list.
struct OpenBook : WordBookFixture {
    explicit OpenBook(const QList<core::WordEntry>& entries, const QString& soundFolder = QString())
    {
        writeBook(russianBooks(), u"book.utx"_qs, u"Book"_qs, u"あいさつ"_qs, entries, soundFolder);
    }

    ui::WordBookController& start()
    {
        ui::WordBookController& c = make();
        c.listWordBooks();
        c.openWordBook(u"book.utx"_qs);
        return c;
    }

    QString path() const { return russianBooks() + u"/book.utx"_qs; }
};

void doubleClickRow(ui::WordListView* view, int row)
{
    const QRect cell = view->visualRect(view->model()->index(row, 0));
    QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, cell.center());
    QTest::mouseDClick(view->viewport(), Qt::LeftButton, {}, cell.center());
}

} // namespace

/// The word list: its cells, the direction, column widths, sorting, the double click, sound files and
/// the text colour dialog.
class WordListTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void cellsFollowTheDirection_data()
    {
        QTest::addColumn<bool>("foreignFirst");
        QTest::addColumn<QStringList>("cells");
        QTest::addColumn<QStringList>("captions");
        QTest::newRow("Japanese first") << false
                                        << QStringList{u"こんにちは"_qs, u"2"_qs, u"zdrasʲtʲvujtʲɪ"_qs,
                                               u"ズドラーストヴィチェ"_qs, u"здравствуйте"_qs, u"目上#$0D丁寧"_qs,
                                               u"a.mp3"_qs, u"#FF0000"_qs}
                                        << QStringList{u"日本語"_qs, u"No"_qs, u"発音記号"_qs, u"発音カナ"_qs,
                                               u"ロシア語"_qs, u"備考"_qs, u"音声ファイル"_qs, u"文字色"_qs};
        QTest::newRow("foreign first") << true
                                       << QStringList{u"здравствуйте"_qs, u"2"_qs, u"zdrasʲtʲvujtʲɪ"_qs,
                                              u"ズドラーストヴィチェ"_qs, u"こんにちは"_qs, u"目上#$0D丁寧"_qs,
                                              u"a.mp3"_qs, u"#FF0000"_qs}
                                       << QStringList{u"ロシア語"_qs, u"No"_qs, u"発音記号"_qs, u"発音カナ"_qs,
                                              u"日本語"_qs, u"備考"_qs, u"音声ファイル"_qs, u"文字色"_qs};
    }

    void cellsFollowTheDirection()
    {
        QFETCH(bool, foreignFirst);
        QFETCH(QStringList, cells);
        QFETCH(QStringList, captions);
        OpenBook f({test::entry(u"x"_qs),
            test::entry(u"здравствуйте"_qs, u"zdrasʲtʲvujtʲɪ"_qs, u"ズドラーストヴィチェ"_qs, u"こんにちは"_qs,
                u"目上#$0D丁寧"_qs, u"a.mp3"_qs, u"#FF0000"_qs)});
        f.settings.setFlag(core::SettingKey::EiwaFlg, foreignFirst);
        ui::WordBookController& c = f.start();
        const WordListModel& model = *c.wordListModel();
        QCOMPARE(rowTexts(model, 1), cells);
        QStringList headers;
        for (int column = 0; column < WordListModel::ColumnCount; ++column)
            headers.append(model.headerData(column, Qt::Horizontal).toString());
        QCOMPARE(headers, captions);

        const int foreignColumn = foreignFirst ? 0 : 4;
        const int japaneseColumn = foreignFirst ? 4 : 0;
        auto kind = [&](int column) {
            return static_cast<WordListModel::CellKind>(
                model.data(model.index(1, column), WordListModel::CellKindRole).toInt());
        };
        QCOMPARE(kind(foreignColumn), WordListModel::CellKind::Foreign);
        QCOMPARE(kind(japaneseColumn), WordListModel::CellKind::Japanese);
        QCOMPARE(kind(WordListModel::PhoneticColumn), WordListModel::CellKind::Phonetic);
        QCOMPARE(kind(WordListModel::NumberColumn), WordListModel::CellKind::Number);
        QCOMPARE(model.data(model.index(1, WordListModel::NumberColumn), Qt::TextAlignmentRole).value<Qt::Alignment>(),
            Qt::AlignCenter);
        QVERIFY(c.wordListView()->isColumnHidden(WordListModel::ColourColumn));
    }

    void entryColourIsUsedOnlyWhenValid_data()
    {
        QTest::addColumn<QString>("colour");
        QTest::addColumn<QColor>("expected");
        QTest::newRow("upper case") << u"#00A0FF"_qs << QColor(0x00, 0xA0, 0xFF);
        QTest::newRow("black") << u"#000000"_qs << QColor(Qt::black);
        QTest::newRow("lower case") << u"#00a0ff"_qs << QColor();
        QTest::newRow("empty") << QString() << QColor();
        QTest::newRow("garbage") << u"red"_qs << QColor();
    }

    void entryColourIsUsedOnlyWhenValid()
    {
        QFETCH(QString, colour);
        QFETCH(QColor, expected);
        OpenBook f({test::entry(u"a"_qs, {}, {}, {}, {}, {}, colour)});
        ui::WordBookController& c = f.start();
        const QVariant foreground = c.wordListModel()->data(c.wordListModel()->index(0, 0), Qt::ForegroundRole);
        QCOMPARE(foreground.isValid() ? foreground.value<QColor>() : QColor(), expected);
    }

    void textsThatDoNotFitEndInDots()
    {
        const QFontMetrics metrics(QFont(u"DejaVu Sans"_qs, 12));
        const QString text = u"abcdefghijklmnopqrstuvwxyz"_qs;
        QCOMPARE(ui::WordListDelegate::fitText(metrics, text, metrics.horizontalAdvance(text)), text);
        QCOMPARE(ui::WordListDelegate::fitText(metrics, QString(), -5), QString());
        QCOMPARE(ui::WordListDelegate::fitText(metrics, text, 1), u"..."_qs);
        const int available = metrics.horizontalAdvance(u"abcdefgh..."_qs);
        QCOMPARE(ui::WordListDelegate::fitText(metrics, text, available), u"abcdefgh..."_qs);
        // The same cut as dropping one character after the other.
        for (int width = 0; width < metrics.horizontalAdvance(text); width += 7) {
            QString head = text;
            while (metrics.horizontalAdvance(head + u"..."_qs) > width && !head.isEmpty())
                head.chop(1);
            QCOMPARE(ui::WordListDelegate::fitText(metrics, text, width), head + u"..."_qs);
        }
    }

    void directionSwapExchangesWidthsAndContents()
    {
        OpenBook f({test::entry(u"слово"_qs, {}, {}, u"単語"_qs)});
        f.settings.setInteger(core::SettingKey::LVCol1Width, 111);
        f.settings.setInteger(core::SettingKey::LVCol2Width, 130); // held at 100
        f.settings.setInteger(core::SettingKey::LVCol5Width, 155);
        ui::WordBookController& c = f.start();
        c.applyStoredLayout();
        ui::WordListView* view = c.wordListView();
        QCOMPARE(view->columnWidth(0), 111);
        QCOMPARE(view->columnWidth(1), 100);
        QVERIFY(c.panel()->japaneseFirstButton()->isChecked());

        c.panel()->foreignFirstButton()->click();
        QVERIFY(f.settings.flag(core::SettingKey::EiwaFlg));
        QCOMPARE(view->columnWidth(0), 155);
        QCOMPARE(view->columnWidth(4), 111);
        QCOMPARE(columnTexts(*c.wordListModel(), 0), QStringList{u"слово"_qs});
        QCOMPARE(c.wordListModel()->caption(0), u"ロシア語"_qs);
        QVERIFY(f.book.isOpen());

        // The current direction again changes nothing; a script change keeps the widths.
        c.panel()->foreignFirstButton()->click();
        QCOMPARE(view->columnWidth(0), 155);
        c.onScriptChanged(core::scriptInfo(core::Script::Greek));
        QCOMPARE(view->columnWidth(0), 155);
        QCOMPARE(c.wordListModel()->caption(0), u"ｷﾞﾘｼｱ語"_qs);

        c.storeLiveState();
        QCOMPARE(f.settings.integer(core::SettingKey::LVCol1Width), 155);
        QCOMPARE(f.settings.integer(core::SettingKey::LVCol2Width), 100);
        QCOMPARE(f.settings.integer(core::SettingKey::LVCol5Width), 111);
        QCOMPARE(f.settings.integer(core::SettingKey::LVCol7Width), 100);
    }

    void sortingAsksThenSortsAndWrites_data()
    {
        QTest::addColumn<int>("column");
        QTest::addColumn<QString>("caption");
        QTest::addColumn<QStringList>("firstSort");
        QTest::addColumn<QStringList>("secondSort");
        // Entries in file order: foreign words b, A, a, B; kana イ, ア, ｱ, あ.
        QTest::newRow("foreign word, case folded")
            << 4 << u"ロシア語"_qs << QStringList{u"b"_qs, u"B"_qs, u"A"_qs, u"a"_qs}
            << QStringList{u"A"_qs, u"a"_qs, u"b"_qs, u"B"_qs};
        QTest::newRow("kana by code unit") << 3 << u"発音カナ"_qs << QStringList{u"ｱ"_qs, u"イ"_qs, u"ア"_qs, u"あ"_qs}
                                           << QStringList{u"あ"_qs, u"ア"_qs, u"イ"_qs, u"ｱ"_qs};
    }

    void sortingAsksThenSortsAndWrites()
    {
        QFETCH(int, column);
        QFETCH(QString, caption);
        QFETCH(QStringList, firstSort);
        QFETCH(QStringList, secondSort);
        OpenBook f({test::entry(u"b"_qs, {}, u"イ"_qs), test::entry(u"A"_qs, {}, u"ア"_qs),
            test::entry(u"a"_qs, {}, u"ｱ"_qs), test::entry(u"B"_qs, {}, u"あ"_qs)});
        ui::WordBookController& c = f.start();
        f.window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&f.window));
        QHeaderView* header = c.wordListView()->horizontalHeader();
        const auto click = [&] {
            const int x = header->sectionViewportPosition(column) + header->sectionSize(column) / 2;
            QTest::mouseClick(header->viewport(), Qt::LeftButton, {}, QPoint(x, header->height() / 2));
        };
        const QStringList before = columnTexts(*c.wordListModel(), column);

        test::answerMessage(QMessageBox::No);
        click();
        QCOMPARE(columnTexts(*c.wordListModel(), column), before);

        QString question;
        test::answerMessage(QMessageBox::Yes, &question);
        click();
        QCOMPARE(question,
            u"項目「"_qs + caption + u"」でソートします。ソートをすると順番は元に戻りませんがソートをしますか？"_qs);
        QCOMPARE(columnTexts(*c.wordListModel(), column), firstSort);
        QCOMPARE(columnTexts(*c.wordListModel(), 1), (QStringList{u"1"_qs, u"2"_qs, u"3"_qs, u"4"_qs}));
        const QList<core::WordEntry> stored = f.entriesInFile(f.path());
        QCOMPARE(stored, f.book.entries());

        test::answerMessage(QMessageBox::Yes);
        click();
        QCOMPARE(columnTexts(*c.wordListModel(), column), secondSort);
    }

    void numberColumnDoesNotSort()
    {
        OpenBook f({test::entry(u"b"_qs), test::entry(u"a"_qs)});
        ui::WordBookController& c = f.start();
        c.wordList().sortByColumn(WordListModel::NumberColumn); // no question is asked
        QCOMPARE(columnTexts(*c.wordListModel(), 4), (QStringList{u"b"_qs, u"a"_qs}));
    }

    void doubleClickPutsTheEntryIntoTheInputAreas_data()
    {
        QTest::addColumn<bool>("resetInput");
        QTest::addColumn<QString>("phonetic");
        QTest::addColumn<QString>("expectedPhonetic");
        QTest::addColumn<QString>("expectedForeign");
        QTest::addColumn<QString>("focused");
        QTest::newRow("insert at the caret")
            << false << u"fon"_qs << u"PRE[fon]POST"_qs << u"xyz\nдва\nслова"_qs << u"ForeignArea"_qs;
        QTest::newRow("replace the whole text")
            << true << u"fon"_qs << u"fon"_qs << u"два\nслова"_qs << u"ForeignArea"_qs;
        QTest::newRow("no phonetic symbols")
            << true << QString() << u"PRE[]POST"_qs << u"два\nслова"_qs << u"ForeignArea"_qs;
    }

    void doubleClickPutsTheEntryIntoTheInputAreas()
    {
        QFETCH(bool, resetInput);
        QFETCH(QString, phonetic);
        QFETCH(QString, expectedPhonetic);
        QFETCH(QString, expectedForeign);
        QFETCH(QString, focused);
        OpenBook f({test::entry(u"два#$0Dслова"_qs, phonetic)});
        f.settings.setFlag(core::SettingKey::ResetInputFlg, resetInput);
        ui::WordBookController& c = f.start();
        f.window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&f.window));
        f.phoneticArea->setText(u"PRE[]POST"_qs);
        f.phoneticArea->setCursorPosition(4);
        f.foreignArea->setPlainText(u"xyz\n"_qs);
        f.foreignArea->moveCursor(QTextCursor::End);

        doubleClickRow(c.wordListView(), 0);
        QCOMPARE(f.phoneticArea->text(), expectedPhonetic);
        QCOMPARE(f.foreignArea->toPlainText(), expectedForeign);
        QCOMPARE(f.foreignArea->textCursor().position(), f.foreignArea->toPlainText().size());
        QCOMPARE(QApplication::focusWidget()->objectName(), focused);
    }

    void soundFilesPlayOnlyWhenSwitchedOnAndPresent()
    {
        OpenBook f({test::entry(u"a"_qs, {}, {}, {}, {}, u"a.mp3"_qs),
            test::entry(u"b"_qs, {}, {}, {}, {}, u"gone.mp3"_qs), test::entry(u"c"_qs)});
        f.world.writeBytes(u"documents/Norvanta/Pelinor/bookA/a.mp3"_qs, "ID3");
        ui::WordBookController& c = f.start();

        c.wordList().useEntry(0);
        QVERIFY(f.opened().isEmpty());
        f.action(u"WordBookMediaPlayer"_qs)->trigger();
        c.wordList().useEntry(0);
        QCOMPARE(f.opened(), QStringList{f.russianBooks() + u"/a.mp3"_qs});
        QCOMPARE(c.wordList().lastPlayedSoundFile(), u"a.mp3"_qs);
        c.wordList().useEntry(1); // missing file: nothing plays, the last one stays
        QCOMPARE(f.opened().size(), 1);
        QCOMPARE(c.wordList().lastPlayedSoundFile(), u"a.mp3"_qs);
        c.wordList().useEntry(2); // no sound file
        QVERIFY(c.wordList().lastPlayedSoundFile().isEmpty());
        c.wordList().useEntry(0);
        c.closeWordBook();
        QVERIFY(c.wordList().lastPlayedSoundFile().isEmpty());
    }

    void soundFolderOfTheBookIsUsedWhenSet()
    {
        OpenBook f({test::entry(u"a"_qs, {}, {}, {}, {}, u"a.mp3"_qs)}, QString());
        const QString sounds = f.world.path(u"sounds"_qs);
        f.writeBook(f.russianBooks(), u"book.utx"_qs, u"Book"_qs, QString(),
            {test::entry(u"a"_qs, {}, {}, {}, {}, u"a.mp3"_qs)}, sounds);
        f.world.writeBytes(u"sounds/a.mp3"_qs, "ID3");
        f.settings.setFlag(core::SettingKey::MediaPlayerFlg, true);
        ui::WordBookController& c = f.start();
        c.wordList().useEntry(0);
        QCOMPARE(f.opened(), QStringList{sounds + u"/a.mp3"_qs});
    }

    void colourDialogStoresValidColoursOnly_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("stored");
        QTest::newRow("valid") << u"#00FF00"_qs << u"#00FF00"_qs;
        QTest::newRow("black becomes empty") << u"#000000"_qs << QString();
        QTest::newRow("empty") << QString() << QString();
        QTest::newRow("lower case is refused") << u"#00ff00"_qs << u"#123456"_qs;
    }

    void colourDialogStoresValidColoursOnly()
    {
        QFETCH(QString, typed);
        QFETCH(QString, stored);
        OpenBook f({test::entry(u"a"_qs, {}, {}, {}, {}, {}, u"#123456"_qs)});
        ui::WordBookController& c = f.start();
        c.wordList().selectEntry(1);
        QVERIFY(c.entryDialogs().colourAction()->isEnabled());
        QString current;
        test::whenModal(
            [&](QWidget* modal) {
                auto* dialog = static_cast<ui::TColourFrm*>(modal);
                current = dialog->findChild<QLineEdit*>(u"CurrentColourField"_qs)->text();
                dialog->findChild<QLineEdit*>(u"NewColourField"_qs)->setText(typed);
                dialog->findChild<QPushButton*>(u"OkButton"_qs)->click();
            },
            [](QWidget* modal) { return modal->objectName() == u"TColourFrm"_qs; });
        c.entryDialogs().colourAction()->trigger();
        QCOMPARE(current, u"#123456"_qs);
        QCOMPARE(f.book.entries().at(0).colour, stored);
        QCOMPARE(f.entriesInFile(f.path()).at(0).colour, stored);
    }

    void colourListAndCustomFillTheNewField()
    {
        ui::TColourFrm dialog(u"#FF0000"_qs,
            [](QWidget*, const QColor& initial) { return initial == QColor(255, 0, 0) ? QColor(1, 2, 3) : QColor(); });
        QListWidget* list = dialog.findChild<QListWidget*>(u"ColourList"_qs);
        QVERIFY(list->currentItem());
        QCOMPARE(list->currentItem()->data(Qt::UserRole).value<QColor>(), QColor(255, 0, 0));
        dialog.findChild<QPushButton*>(u"CustomColourButton"_qs)->click();
        QCOMPARE(dialog.findChild<QLineEdit*>(u"NewColourField"_qs)->text(), u"#010203"_qs);
        QCOMPARE(dialog.colourToStore(), std::optional<QString>(u"#010203"_qs));
        QListWidgetItem* navy = list->findItems(u"navy"_qs, Qt::MatchExactly).value(0);
        QVERIFY(navy);
        list->setCurrentItem(navy);
        Q_EMIT list->itemClicked(navy);
        QCOMPARE(dialog.findChild<QLineEdit*>(u"NewColourField"_qs)->text(), u"#000080"_qs);
    }
};

QTEST_MAIN(WordListTest)
#include "wordlist_test.moc"
