#include "core/app/folders.h"
#include "core/app/settingkey.h"
#include "core/common/atomicfile.h"
#include "core/common/hexcode.h"
#include "core/input/tablesets.h"
#include "core/tables/symboldatabase.h"
#include "support/messageboxes.h"
#include "support/testworld.h"
#include "support/widgetlookup.h"
#include "ui/app/tmainfrm.h"
#include "ui/app/workbench.h"
#include "ui/tables/candidateeditorlauncher.h"
#include "ui/tables/candidateglyphbox.h"
#include "ui/tables/newcandidatefiledialog.h"
#include "ui/tables/symbolviewdelegate.h"
#include "ui/tables/symbolviewmodel.h"
#include "ui/tables/tceditorfrm.h"

#include <QAction>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTableView>
#include <QToolButton>
#include <QtTest>

using namespace pelinor;

namespace {

core::Folders setUpWorld(const test::TestWorld& world)
{
    world.apply();
    core::Folders folders(core::FolderRoots::fromEnvironment(QString()));
    folders.setUpFolders();
    return folders;
}

QString tableFile(const test::TestWorld& world, const QString& name)
{
    return world.path(QStringLiteral("appdata/Norvanta/Pelinor/Tbl/")) + name;
}

QToolButton* key(const QWidget& editor, char16_t trigger)
{
    return test::child<QToolButton>(&editor, QStringLiteral("TriggerKey") + core::hexCodeOf(QChar(trigger)));
}

QLineEdit* field(const QWidget& editor, int slot)
{
    return test::child<QLineEdit>(&editor, QStringLiteral("CandidateField%1").arg(slot));
}

void click(const QWidget& editor, const char* name)
{
    QAbstractButton* button = test::child<QAbstractButton>(editor, name);
    QVERIFY2(button->isEnabled(), name);
    button->click();
}

// The No of a code in the shipped phonetic symbol database, as the editor shows it.
int numberOf(const test::TestWorld& world, const QString& code)
{
    return static_cast<int>(core::SymbolDatabase::read(tableFile(world, u"DBPhonet.csv"_qs)).indexOfCode(code) + 1);
}

// A workbench over a fresh world and an editor on it whose file dialogs answer with `chosen`.
class EditorFixture {
public:
    EditorFixture()
        : bench(setUpWorld(world))
    {
        bench.settings().setDiscardSettings(true);
    }

    std::unique_ptr<ui::TCEditorFrm> makeEditor()
    {
        ui::CandidateEditorContext context{.settings = bench.settings(), .folders = bench.folders()};
        context.mainWindow = &bench.window();
        context.chooseOpenFile = [this](QWidget*, const QString& folder, const QString& filter) {
            filters.append(filter);
            return chosen.isEmpty() ? QString() : folder + u'/' + chosen;
        };
        context.chooseSaveFile = context.chooseOpenFile;
        auto editor = std::make_unique<ui::TCEditorFrm>(context);
        editor->show();
        return editor;
    }

    test::TestWorld world;
    ui::Workbench bench;
    QString chosen;
    QStringList filters;
};

} // namespace

class TCEditorFrmTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void openingAFileBringsItsSymbolDatabaseAndShowsNosOfTheCandidates()
    {
        EditorFixture f;
        auto editor = f.makeEditor();
        QVERIFY(!test::child<QAbstractButton>(*editor, "CEOverWrite")->isEnabled());
        QVERIFY(!test::child<QAbstractButton>(*editor, "CandidateJump")->isEnabled());
        f.chosen = u"CandAll.csv"_qs;
        click(*editor, "CEOpen");
        QCOMPARE(f.filters.last(), u"候補ファイル(Cand*.csv)"_qs);
        QCOMPARE(editor->symbolDatabaseName(), u"DBPhonet.csv"_qs);
        QCOMPARE(test::child<QLineEdit>(*editor, "Edit3")->text(), u"DBPhonet.csv"_qs);
        QCOMPARE(test::child<QComboBox>(*editor, "ComboBox1")->currentIndex(), 1);
        QCOMPARE(test::child<QLineEdit>(*editor, "Edit1")->text(), u"発音記号"_qs);
        QVERIFY(test::child<QLabel>(*editor, "CandidateFileStatusPanel")->text().contains(u"\"CandAll.csv\""_qs));
        QVERIFY(test::child<QAbstractButton>(*editor, "CandidateJump")->isEnabled());

        // Upper-case triggers: the lower-case letters are hidden, the digits never enabled.
        QVERIFY(key(*editor, u'a')->isHidden());
        QVERIFY(!key(*editor, u'1')->isEnabled());
        QVERIFY(key(*editor, u'O')->isEnabled());
        QVERIFY(key(*editor, u'O')->font().bold());
        QVERIFY(!key(*editor, u'Q')->font().bold());

        QVERIFY(!test::child<QAbstractButton>(*editor, "CandidateRegister")->isEnabled());
        key(*editor, u'O')->click();
        QVERIFY(test::child<QAbstractButton>(*editor, "CandidateRegister")->isEnabled());
        QCOMPARE(field(*editor, 1)->text(), QString::number(numberOf(f.world, u"0254"_qs)));
        QCOMPARE(field(*editor, 2)->text(), QString::number(numberOf(f.world, u"00F8"_qs)));
        QCOMPARE(field(*editor, 8)->text(), QString());
        QCOMPARE(test::child<ui::CandidateGlyphBox>(editor.get(), "CandidateGlyph1")->glyph(), u"\u0254"_qs);
        QCOMPARE(test::child<ui::CandidateGlyphBox>(editor.get(), "CandidateGlyph8")->glyph(), QString());
        // A key without candidates empties the fields.
        key(*editor, u'Q')->click();
        QCOMPARE(field(*editor, 1)->text(), QString());
    }

    void anotherFilesSymbolDatabaseIsLoadedOnlyWhenTheUserSaysSo()
    {
        EditorFixture f;
        auto editor = f.makeEditor();
        f.chosen = u"CandAll.csv"_qs;
        click(*editor, "CEOpen");
        {
            // The same pairing again asks nothing.
            test::MessageBoxCatcher catcher;
            click(*editor, "CEOpen");
            QTest::qWait(60);
            QVERIFY(catcher.texts().isEmpty());
        }
        f.chosen = u"CandGreek.csv"_qs;
        for (const auto answer : {QMessageBox::No, QMessageBox::Yes}) {
            QString question;
            test::answerMessage(answer, &question);
            click(*editor, "CEOpen");
            QCOMPARE(question,
                u"すでに\"DBPhonet.csv\"が記号DBにロードされていますが、この候補ファイルに設定されれている記号DBファイルは\"DBGreek.csv\"です。ロードしますか？"_qs);
            QCOMPARE(editor->candidateFileName(), u"CandGreek.csv"_qs);
            QCOMPARE(editor->symbolDatabaseName(), answer == QMessageBox::No ? u"DBPhonet.csv"_qs : u"DBGreek.csv"_qs);
            if (answer == QMessageBox::No) {
                // Back to the phonetic file for the second round.
                f.chosen = u"CandAll.csv"_qs;
                click(*editor, "CEOpen");
                f.chosen = u"CandGreek.csv"_qs;
            }
        }
    }

    void systemTablesAreAnnouncedBeforeTheEditorOpens()
    {
        EditorFixture f;
        f.bench.settings().setFlag(core::SettingKey::SysTblFlg, true);
        QObject::connect(&f.bench.candidateEditor(), &ui::CandidateEditorLauncher::editorOpening, &f.bench.window(),
            [](ui::TCEditorFrm* editor) { QTimer::singleShot(0, editor, [editor] { click(*editor, "DB2Exit"); }); });
        test::MessageBoxCatcher catcher;
        QSignalSpy closing(&f.bench.window(), &ui::TMainFrm::closing);
        f.bench.window().menus().candidateEditor->trigger();
        QCOMPARE(catcher.texts().size(), 1);
        QVERIFY(catcher.texts().constFirst().startsWith(
            u"　テーブル選択が、システムテーブルになっています。候補ファイルを開くことはできますが、"_qs));
        // Leaving without a save keeps the program running.
        QCOMPARE(closing.count(), 0);
    }

    void theSymbolListShowsEntriesUnderTheirGroupsWithTheirFileNumbers()
    {
        core::SymbolDatabase database;
        database.groups() = {{0, u"子音"_qs}, {1, u"母音"_qs}};
        database.entries() = {{1, u"0251"_qs, u"open back"_qs, u"後舌広"_qs, u"0"_qs, {}},
            {0, u"0283"_qs, u"esh"_qs, u"無声後部歯茎摩擦音"_qs, u"0"_qs, u"英語の注"_qs},
            {7, u"00e9"_qs, u"no group"_qs, {}, u"0"_qs, {}}};
        ui::SymbolViewModel model;
        model.setDatabase(database, u"Segoe UI"_qs);
        QCOMPARE(model.rowCount(), 5);
        const QList<int> numbers{0, 2, 0, 1, 3};
        for (int row = 0; row < 5; ++row)
            QCOMPARE(model.numberOfRow(row), numbers[row]);
        QCOMPARE(model.rowOfNumber(1), 3);
        QCOMPARE(model.index(2, 0).data().toString(), u"母音"_qs);
        QCOMPARE(model.index(1, ui::SymbolViewModel::GlyphColumn).data().toString(), u"\u0283"_qs);
        QVERIFY(model.index(1, 0).data(ui::SymbolViewModel::MarkedNoteRole).toBool());
        // A code that is not a hex code is listed without a glyph.
        QCOMPARE(model.index(4, ui::SymbolViewModel::GlyphColumn).data().toString(), QString());

        const QFontMetrics metrics(QApplication::font());
        const int width = metrics.horizontalAdvance(u"abc..."_qs);
        QCOMPARE(ui::SymbolViewDelegate::fitted(u"abcdefghij"_qs, metrics, width), u"abc..."_qs);
        QCOMPARE(ui::SymbolViewDelegate::fitted(u"ab"_qs, metrics, width), u"ab"_qs);
    }

    void registeredNosAreWrittenAsCodesInTheirSlots()
    {
        EditorFixture f;
        auto editor = f.makeEditor();
        f.chosen = u"CandAll.csv"_qs;
        click(*editor, "CEOpen");
        key(*editor, u'Q')->click();
        field(*editor, 1)->setText(u"3"_qs);
        field(*editor, 3)->setText(u"7"_qs);
        field(*editor, 4)->setText(u"99999"_qs); // no symbol: an empty slot
        click(*editor, "CandidateRegister");
        QVERIFY(editor->isModified());
        QVERIFY(key(*editor, u'Q')->font().bold());

        QString question;
        test::answerMessage(QMessageBox::No, &question);
        click(*editor, "CEOverWrite");
        QVERIFY(question.startsWith(u"候補ファイルを保存しました。"_qs));
        QVERIFY(!editor->isModified());
        QVERIFY(!editor->programEndRequested());
        const core::SymbolDatabase database = core::SymbolDatabase::read(tableFile(f.world, u"DBPhonet.csv"_qs));
        const QByteArray expected = "\r\n\"Q\"," + database.entries()[2].code.toLatin1() + ",,"
            + database.entries()[6].code.toLatin1() + ",,,,,,\r\n";
        QVERIFY2(f.world.readBytes(tableFile(f.world, u"CandAll.csv"_qs)).contains(expected), expected.constData());

        // Emptying every field of a key drops its line at the next write.
        key(*editor, u'Q')->click();
        QCOMPARE(field(*editor, 3)->text(), u"7"_qs);
        for (int slot = 1; slot <= 9; ++slot)
            field(*editor, slot)->clear();
        click(*editor, "CandidateRegister");
        QVERIFY(!key(*editor, u'Q')->font().bold());
        test::answerMessage(QMessageBox::No);
        click(*editor, "CEOverWrite");
        QVERIFY(!f.world.readBytes(tableFile(f.world, u"CandAll.csv"_qs)).contains("\"Q\""));
    }

    void aFailedWriteNamesTheFileAndKeepsFileAndEditor()
    {
        EditorFixture f;
        auto editor = f.makeEditor();
        f.chosen = u"CandAll.csv"_qs;
        click(*editor, "CEOpen");
        const QByteArray before = f.world.readBytes(tableFile(f.world, u"CandAll.csv"_qs));
        key(*editor, u'Q')->click();
        field(*editor, 1)->setText(u"3"_qs);
        click(*editor, "CandidateRegister");

        core::setWriteLimitForTesting(10);
        QString warning;
        test::answerMessage(QMessageBox::Yes, &warning);
        click(*editor, "CEOverWrite");
        core::setWriteLimitForTesting(-1);
        QVERIFY2(warning.contains(u"CandAll.csv"_qs), qPrintable(warning));
        QCOMPARE(f.world.readBytes(tableFile(f.world, u"CandAll.csv"_qs)), before);
        QVERIFY(editor->isModified());
        QCOMPARE(editor->candidateFileName(), u"CandAll.csv"_qs);
        QVERIFY(key(*editor, u'Q')->font().bold());

        // "保存後再読み込み" that cannot write keeps the unsaved candidates instead of reloading.
        core::setWriteLimitForTesting(10);
        test::answerMessage(QMessageBox::Yes);
        click(*editor, "SpeedButton2");
        core::setWriteLimitForTesting(-1);
        QVERIFY(editor->isModified());
        QVERIFY(key(*editor, u'Q')->font().bold());

        // Escape with unsaved candidates asks as "閉る" does; "No" stays.
        QString exitQuestion;
        test::answerMessage(QMessageBox::No, &exitQuestion);
        QTest::keyClick(editor.get(), Qt::Key_Escape);
        QVERIFY(exitQuestion.contains(u"候補エディタを終了してもよろしいですか？"_qs));
        QVERIFY(editor->isVisible());

        // A file removed behind the editor's back is reported, not silently skipped.
        QVERIFY(QFile::remove(tableFile(f.world, u"CandAll.csv"_qs)));
        QString missing;
        test::answerMessage(QMessageBox::Yes, &missing);
        click(*editor, "CEOverWrite");
        QVERIFY2(missing.endsWith(u"CandAll.csv\"が見つかりません。"_qs), qPrintable(missing));
        QVERIFY(editor->isModified());

        // Closing the file with unsaved candidates asks first; "No" keeps it open.
        QString question;
        test::answerMessage(QMessageBox::No, &question);
        click(*editor, "CEClose");
        QVERIFY(question.contains(u"候補ファイルを閉じてもよろしいですか？"_qs));
        QCOMPARE(editor->candidateFileName(), u"CandAll.csv"_qs);
    }

    void linesASaveWouldLoseAreListedOnOpening()
    {
        EditorFixture f;
        f.world.writeBytes(tableFile(f.world, u"CandBad.csv"_qs),
            "\"DBPhonet.csv\",Alphabet_Lower\r\n"
            "\"a\",0251,,,,,,,,\r\n"
            "\"\x84\x77\",0436,,,,,,,,\r\n"
            "\"b\",0062,,,,,,,\r\n");
        auto editor = f.makeEditor();
        f.chosen = u"CandBad.csv"_qs;
        QString warning;
        test::answerMessage(QMessageBox::Yes, &warning);
        click(*editor, "CEOpen");
        QVERIFY2(warning.contains(u"CandBad.csv の 3 行目"_qs), qPrintable(warning));
        QVERIFY2(warning.contains(u"CandBad.csv の 4 行目"_qs), qPrintable(warning));
        QVERIFY(!warning.contains(u"2 行目"_qs));
        QVERIFY(key(*editor, u'a')->font().bold());

        // The symbol database beside the keys reports its own left-out lines.
        f.world.writeBytes(tableFile(f.world, u"DBBad.csv"_qs),
            "\"\x94\xad\x89\xb9\x8b\x4c\x8d\x86\",\"Segoe UI\"\r\nGroup,0,\"g\"\r\n"
            "0,\"0250\",\"turned a\",\"\",\"0\",\"\"\r\nx,\"0251\",\"alpha\",\"\",\"0\",\"\"\r\n");
        f.chosen = u"DBBad.csv"_qs;
        test::answerMessage(QMessageBox::Yes, &warning);
        click(*editor, "DB2Open");
        QCOMPARE(f.filters.last(), u"記号DB (DB*.csv)"_qs);
        QVERIFY2(warning.contains(u"DBBad.csv の 4 行目"_qs), qPrintable(warning));
        QCOMPARE(editor->symbolDatabaseName(), u"DBBad.csv"_qs);
        QCOMPARE(test::child<QLineEdit>(*editor, "Edit1")->text(), u"発音記号"_qs);
    }

    void reloadingUnderTheOtherCaseMovesTheCandidatesToThoseKeys()
    {
        EditorFixture f;
        auto editor = f.makeEditor();
        f.chosen = u"CandAll.csv"_qs;
        click(*editor, "CEOpen");
        test::child<QComboBox>(*editor, "ComboBox1")->setCurrentIndex(0);
        QString information;
        test::answerMessage(QMessageBox::Yes, &information);
        click(*editor, "SpeedButton2");
        QCOMPARE(information, u"候補ファイルのプロパティを変更し再読み込みしました。"_qs);
        QVERIFY(key(*editor, u'O')->isHidden());
        QVERIFY(key(*editor, u'o')->font().bold());
        key(*editor, u'o')->click();
        QCOMPARE(field(*editor, 1)->text(), QString::number(numberOf(f.world, u"0254"_qs)));
        // The header changed with the lines as they were; the next write stores the lower-case triggers.
        QByteArray saved = f.world.readBytes(tableFile(f.world, u"CandAll.csv"_qs));
        QVERIFY(saved.startsWith("\"DBPhonet.csv\",Alphabet_Lower\r\n"));
        QVERIFY(saved.contains("\r\n\"O\",0254,"));
        QVERIFY(!editor->isModified());
        test::answerMessage(QMessageBox::No);
        click(*editor, "CEOverWrite");
        saved = f.world.readBytes(tableFile(f.world, u"CandAll.csv"_qs));
        QVERIFY(saved.contains("\r\n\"o\",0254,"));
        QVERIFY(!saved.contains("\r\n\"O\","));
    }

    void jumpSelectsTheRowOfTheFocusedFieldsNo()
    {
        EditorFixture f;
        auto editor = f.makeEditor();
        QVERIFY(QTest::qWaitForWindowActive(editor.get()));
        f.chosen = u"CandAll.csv"_qs;
        click(*editor, "CEOpen");
        auto* view = test::child<QTableView>(*editor, "ListView1");
        auto* model = qobject_cast<ui::SymbolViewModel*>(view->model());
        key(*editor, u'O')->click();
        field(*editor, 2)->setText(u"150"_qs);
        field(*editor, 2)->setFocus();
        click(*editor, "CandidateJump");
        QCOMPARE(model->numberOfRow(view->currentIndex().row()), 150);
        QVERIFY(view->hasFocus());

        field(*editor, 3)->setText(u"9999"_qs);
        field(*editor, 3)->setFocus();
        click(*editor, "CandidateJump");
        QVERIFY(field(*editor, 3)->hasFocus());
        QCOMPARE(model->numberOfRow(view->currentIndex().row()), 150);
    }

    void theNewFileDialogChecksTheNameAndLoadsTheNewFile()
    {
        EditorFixture f;
        auto editor = f.makeEditor();
        QStringList warnings;
        test::whenModal(
            [&warnings](QWidget* modal) {
                auto* dialog = qobject_cast<ui::NewCandidateFileDialog*>(modal);
                auto* databases = test::child<QListWidget>(dialog, "DatabaseList");
                QVERIFY(!test::child<QPushButton>(dialog, "CreateButton")->isEnabled());
                databases->itemClicked(databases->findItems(u"DBPhonet.csv"_qs, Qt::MatchExactly).constFirst());
                QCOMPARE(test::child<QLineEdit>(dialog, "DatabaseField")->text(), u"DBPhonet.csv"_qs);
                test::child<QAbstractButton>(dialog, "ModeUpper")->click();
                for (const QString& name : {u"CandNew.CSV"_qs, u"candNew.csv"_qs, u"CandAll.csv"_qs}) {
                    test::child<QLineEdit>(dialog, "NameField")->setText(name);
                    QString warning;
                    test::answerMessage(QMessageBox::Yes, &warning);
                    test::child<QPushButton>(dialog, "CreateButton")->click();
                    warnings.append(warning);
                }
                test::child<QLineEdit>(dialog, "NameField")->setText(u"CandNew.csv"_qs);
                test::answerMessage(QMessageBox::Yes);
                test::child<QPushButton>(dialog, "CreateButton")->click();
            },
            [](QWidget* modal) { return qobject_cast<ui::NewCandidateFileDialog*>(modal) != nullptr; });
        click(*editor, "CENew");
        QCOMPARE(warnings,
            QStringList(
                {u"拡張子は\"csv\"でなくてはなりません。"_qs, u"ﾌｧｲﾙ名の最初の4文字は\"Cand\"でなくてはなりません。"_qs,
                    u"同名のﾌｧｲﾙが存在します。別の名前をつけて下さい。"_qs}));
        QCOMPARE(f.world.readBytes(tableFile(f.world, u"CandNew.csv"_qs)),
            QByteArray("\"DBPhonet.csv\",Alphabet_Upper\r\n"));
        QCOMPARE(editor->candidateFileName(), u"CandNew.csv"_qs);
        QVERIFY(!test::child<QAbstractButton>(*editor, "CandidateJump")->isEnabled());
        QVERIFY(key(*editor, u'A')->isEnabled());
    }

    void systemTablesOpenButNeverWrite()
    {
        EditorFixture f;
        f.bench.settings().setFlag(core::SettingKey::SysTblFlg, true);
        f.bench.folders().setCurrentTableFolder(f.bench.folders().systemTableFolder());
        auto editor = f.makeEditor();
        f.chosen = u"CandAll.csv"_qs;
        click(*editor, "CEOpen");
        QCOMPARE(editor->symbolDatabaseName(), u"DBPhonet.csv"_qs);
        for (const char* name : {"CEOverWrite", "CESave", "CENew", "SpeedButton2"})
            QVERIFY2(!test::child<QAbstractButton>(*editor, name)->isEnabled(), name);
        QVERIFY(test::child<QAbstractButton>(*editor, "CEClose")->isEnabled());
    }

    void theUsersLayoutWhileOpenAndTheScriptsLayoutAfterwards()
    {
        EditorFixture f;
        QStringList calls;
        for (const int mode : {1, 2}) {
            f.bench.settings().setInteger(core::SettingKey::InputMode, mode);
            ui::CandidateEditorContext context{.settings = f.bench.settings(), .folders = f.bench.folders()};
            context.restoreStartupLayout = [&calls] { calls.append(u"own"_qs); };
            context.selectScriptLayout = [&calls] { calls.append(u"script"_qs); };
            ui::TCEditorFrm editor(context);
            editor.show();
            QCOMPARE(calls.last(), u"own"_qs);
            click(editor, "DB2Exit");
            QVERIFY(!editor.isVisible());
        }
        // Mode 1 types through the tables with the user's layout; mode 2 uses the Russian layout.
        QCOMPARE(calls, QStringList({u"own"_qs, u"own"_qs, u"script"_qs}));
    }

    // The menu opens the editor; a symbol assigned to a trigger and saved with a restart is offered by that
    // trigger in the phonetic input area of the next run.
    void aSavedAssignmentReachesThePhoneticAreaAfterTheRestart()
    {
        test::TestWorld world;
        int number = 0;
        {
            ui::Workbench bench(setUpWorld(world));
            ui::TMainFrm& window = bench.window();
            window.show();
            QVERIFY(window.menus().candidateEditor->isEnabled());
            number = numberOf(world, u"0283"_qs);
            QObject::connect(&bench.candidateEditor(), &ui::CandidateEditorLauncher::editorOpening, &window,
                [number](ui::TCEditorFrm* editor) {
                    QTimer::singleShot(0, editor, [editor, number] {
                        editor->openCandidateFile(u"CandAll.csv"_qs);
                        key(*editor, u'Q')->click();
                        field(*editor, 1)->setText(QString::number(number));
                        click(*editor, "CandidateRegister");
                        test::answerMessage(QMessageBox::Yes);
                        click(*editor, "CEOverWrite");
                    });
                });
            QSignalSpy closing(&window, &ui::TMainFrm::closing);
            window.menus().candidateEditor->trigger();
            QCOMPARE(closing.count(), 1);
            QVERIFY(!window.isVisible());
        }
        ui::Workbench next(setUpWorld(world));
        next.settings().setDiscardSettings(true);
        QVERIFY(next.tables().phonetic().isTrigger(u'Q'));
        core::CandidateBuffer buffer;
        next.tables().phonetic().fetchCandidates(u'Q', buffer);
        QCOMPARE(buffer.slot(1), u'\u0283');
    }
};

QTEST_MAIN(TCEditorFrmTest)
#include "tceditorfrm_test.moc"
