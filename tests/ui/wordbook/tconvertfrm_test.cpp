#include "core/app/settingkey.h"
#include "core/common/atomicfile.h"
#include "core/wordbook/wordbookfile.h"
#include "support/messageboxes.h"
#include "support/oldwordbookfixtures.h"
#include "support/testworld.h"
#include "support/widgetlookup.h"
#include "ui/app/tmainfrm.h"
#include "ui/app/workbench.h"
#include "ui/wordbook/tconvertfrm.h"
#include "ui/wordbook/wordbooklistmodel.h"
#include "wordbookfixture.h"

#include <QComboBox>
#include <QListView>
#include <QMenuBar>
#include <QPushButton>
#include <QStringListModel>

using namespace pelinor;
using test::FourLineRecord;

namespace {

const FourLineRecord kCat{u"猫"_qs, u"ネコ"_qs, QString(), u"Кот"_qs};
const FourLineRecord kHouse{u"家"_qs, u"ドム"_qs, u"男性名詞"_qs, u"Дом"_qs};

QString ostrelFolder(const QString& drive)
{
    return drive + u"/Norvanta/Ostrel/bookA"_qs;
}

QStringList listed(const QListView* list)
{
    return static_cast<QStringListModel*>(list->model())->stringList();
}

/// Sets WINEPREFIX for as long as it lives, so that the tool looks for the old products in a test folder.
class WinePrefix {
public:
    explicit WinePrefix(const QString& prefix)
        : m_saved(qgetenv("WINEPREFIX"))
    {
        qputenv("WINEPREFIX", prefix.toLocal8Bit());
    }
    ~WinePrefix()
    {
        if (m_saved.isNull())
            qunsetenv("WINEPREFIX");
        else
            qputenv("WINEPREFIX", m_saved);
    }
    WinePrefix(const WinePrefix&) = delete;
    WinePrefix& operator=(const WinePrefix&) = delete;

private:
    QByteArray m_saved;
};

} // namespace

class TConvertFrmTest : public QObject {
    Q_OBJECT

private:
    // A fresh folder world for every test.
    std::unique_ptr<test::TempWorld> m_world;
    QString m_chosenFolder;
    QStringList m_captions;
    QStringList m_starts;

    QString drive() const { return m_world->path(u"drive_c"_qs); }

    std::unique_ptr<ui::TConvertFrm> makeDialog(const QString& destination)
    {
        m_captions.clear();
        m_starts.clear();
        return std::make_unique<ui::TConvertFrm>(
            destination, drive(), [this](QWidget*, const QString& caption, const QString& start) {
                m_captions.append(caption);
                m_starts.append(start);
                return m_chosenFolder;
            });
    }

    void writeOld(const QString& path, const QByteArray& bytes) const
    {
        QDir().mkpath(QFileInfo(path).absolutePath());
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(bytes);
    }

private Q_SLOTS:
    void init() { m_world = std::make_unique<test::TempWorld>(); }
    void cleanup() { core::setWriteLimitForTesting(-1); }

    void eachModeListsItsFilesFromItsProductsFolder()
    {
        const QString ostrel = ostrelFolder(drive());
        writeOld(ostrel + u"/b.rwd"_qs, "t\r\n0\r\n");
        writeOld(ostrel + u"/A.RWD"_qs, "t\r\n0\r\n");
        writeOld(ostrel + u"/c.gwd"_qs, "t\r\n0\r\n");
        writeOld(drive() + u"/Norvanta/Delvane/bookA/c.gwd"_qs, "t\r\n0\r\n");
        auto dialog = makeDialog(m_world->path(u"books"_qs));

        QCOMPARE(dialog->size(), QSize(580, 520));
        auto* modes = test::child<QComboBox>(dialog.get(), "ConversionModeBox");
        QCOMPARE(modes->count(), 6);
        QCOMPARE(modes->currentIndex(), 0);
        QVERIFY(modes->itemText(0).startsWith(u"Ostrel\u3000(*.rwd)"_qs));
        QVERIFY(modes->itemText(2).contains(u"→\u3000Sorimax  (*.utx)"_qs));
        QVERIFY(modes->itemText(5).startsWith(u"Tumelpro\u3000(*.tud)"_qs));

        auto* sourceField = test::child<QLineEdit>(dialog.get(), "SourceFolderField");
        auto* files = test::child<QListView>(dialog.get(), "SourceFileList");
        QVERIFY(sourceField->isReadOnly());
        QCOMPARE(sourceField->palette().color(QPalette::Base), QColor(192, 192, 192));
        QCOMPARE(sourceField->text(), ostrel);
        QCOMPARE(listed(files), (QStringList{u"A.RWD"_qs, u"b.rwd"_qs}));
        QCOMPARE(test::child<QLineEdit>(dialog.get(), "DestinationFolderField")->text(), m_world->path(u"books"_qs));

        dialog->selectMode(1);
        QCOMPARE(sourceField->text(), drive() + u"/Norvanta/Delvane/bookA"_qs);
        QCOMPARE(listed(files), QStringList{u"c.gwd"_qs});
        dialog->selectMode(4);
        QCOMPARE(sourceField->text(), drive() + u"/Norvanta/Varona/FrenchA"_qs);
        QVERIFY(listed(files).isEmpty());
    }

    void theFolderChoosersAskWithTheirCaptions()
    {
        const QString other = m_world->path(u"elsewhere"_qs);
        writeOld(other + u"/x.rwd"_qs, "t\r\n0\r\n");
        auto dialog = makeDialog(m_world->path(u"books"_qs));

        m_chosenFolder = other;
        test::child<QPushButton>(dialog.get(), "SourceBrowseButton")->click();
        QCOMPARE(m_captions.value(0), u"変換元フォルダー"_qs);
        QCOMPARE(m_starts.value(0), ostrelFolder(drive()));
        QCOMPARE(dialog->sourceFolder(), other);
        QCOMPARE(dialog->sourceFiles(), QStringList{u"x.rwd"_qs});

        m_chosenFolder = m_world->path(u"target"_qs);
        auto* destination = test::child<QLineEdit>(dialog.get(), "DestinationFolderField");
        test::child<QPushButton>(dialog.get(), "DestinationBrowseButton")->click();
        QCOMPARE(m_captions.value(1), u"保存先フォルダー"_qs);
        QCOMPARE(m_starts.value(1), m_world->path(u"books"_qs));
        QCOMPARE(destination->text(), m_chosenFolder);
        QCOMPARE(destination->cursorPosition(), m_chosenFolder.size());

        // A cancelled chooser changes nothing.
        m_chosenFolder.clear();
        test::child<QPushButton>(dialog.get(), "SourceBrowseButton")->click();
        QCOMPARE(dialog->sourceFolder(), other);
        QCOMPARE(dialog->sourceFiles(), QStringList{u"x.rwd"_qs});
    }

    void convertingWritesNewBooksBesideTheExistingOnes()
    {
        const QString ostrel = ostrelFolder(drive());
        writeOld(ostrel + u"/lesson(1).rwd"_qs, test::fourLineFile("windows-1251", u"第一課"_qs, {kCat, kHouse}));
        writeOld(ostrel + u"/z.rwd"_qs, test::fourLineFile("windows-1251", u"最後"_qs, {kHouse}));
        const QString books = m_world->path(u"books"_qs);
        QDir().mkpath(books);
        QVERIFY(core::createWordBookFile(books + u"/lesson（1）.utx"_qs, core::WordBookHeader{u"mine"_qs, {}, {}}));
        auto dialog = makeDialog(books);

        test::child<QPushButton>(dialog.get(), "ConvertButton")->click();
        QCOMPARE(dialog->generatedFiles(), (QStringList{u"lesson（1）(1).utx"_qs, u"z.utx"_qs}));
        QCOMPARE(test::child<QListView>(dialog.get(), "SourceFileList")->selectionModel()->selectedRows().size(), 2);
        QCOMPARE(core::readWordBookFile(books + u"/lesson（1）.utx"_qs).header.title, u"mine"_qs);
        const core::WordBookContent converted = core::readWordBookFile(books + u"/lesson（1）(1).utx"_qs);
        QCOMPARE(converted.header.title, u"第一課"_qs);
        QCOMPARE(converted.entries.size(), 2);
        QCOMPARE(converted.entries[1].foreignWord, u"Дом"_qs);
        QCOMPARE(test::child<QPlainTextEdit>(dialog.get(), "ProgressBox")->toPlainText(),
            u"最後\n\n\n\"Дом\",\"\",\"ドム\",\"家\",\"男性名詞\",\"\",\"\"\n"_qs);
    }

    void aMissingDestinationIsCreatedOnlyOnTheUsersWord()
    {
        writeOld(ostrelFolder(drive()) + u"/a.rwd"_qs, test::fourLineFile("windows-1251", u"a"_qs, {kCat}));
        const QString missing = m_world->path(u"new/books"_qs);
        auto dialog = makeDialog(missing);

        QString question;
        QString information;
        test::whenModal(
            [&](QWidget* modal) {
                auto* box = qobject_cast<QMessageBox*>(modal);
                question = box->text();
                test::answerMessage(QMessageBox::Yes, &information);
                box->button(QMessageBox::No)->click();
            },
            [](QWidget* modal) { return qobject_cast<QMessageBox*>(modal) != nullptr; });
        dialog->convert();
        QCOMPARE(question, u"保存先フォルダが存在しません。新たに生成しますか？"_qs);
        QCOMPARE(information, u"参照ボタンを用いて別の保存先フォルダを指定して下さい。"_qs);
        QVERIFY(!QFileInfo::exists(missing));
        QVERIFY(dialog->generatedFiles().isEmpty());

        test::answerMessage(QMessageBox::Yes);
        dialog->convert();
        QVERIFY(QFileInfo(missing).isDir());
        QCOMPARE(dialog->generatedFiles(), QStringList{u"a.utx"_qs});

        // A regular file where the folder should be cannot become one.
        const QString blocked = m_world->path(u"file"_qs);
        writeOld(blocked, "x");
        test::child<QLineEdit>(dialog.get(), "DestinationFolderField")->setText(blocked + u"/books"_qs);
        test::MessageBoxCatcher catcher;
        dialog->convert();
        QCOMPARE(catcher.texts().size(), 2);
        QCOMPARE(catcher.texts().value(1),
            u"保存先フォルダの生成に失敗しました。参照ボタンを用いて別のフォルダを指定することをお勧めします。"_qs);
    }

    void brokenFilesAndFailedWritesAreNamed()
    {
        const QString ostrel = ostrelFolder(drive());
        QByteArray cut = test::fourLineFile("windows-1251", u"short"_qs, u"4"_qs, {kCat, kHouse});
        writeOld(ostrel + u"/short.rwd"_qs, cut);
        writeOld(ostrel + u"/whole.rwd"_qs, test::fourLineFile("windows-1251", u"whole"_qs, {kCat}));
        const QString books = m_world->path(u"books"_qs);
        QDir().mkpath(books);
        auto dialog = makeDialog(books);
        {
            test::MessageBoxCatcher catcher;
            dialog->convert();
            QTRY_COMPARE(catcher.texts().size(), 1);
            QVERIFY(catcher.texts()[0].contains(u"short.rwd"_qs));
            QCOMPARE(dialog->generatedFiles(), (QStringList{u"short.utx"_qs, u"whole.utx"_qs}));
            QCOMPARE(core::readWordBookFile(books + u"/short.utx"_qs).entries.size(), 2);
        }
        {
            core::setWriteLimitForTesting(10);
            test::MessageBoxCatcher catcher;
            dialog->convert();
            QTRY_COMPARE(catcher.texts().size(), 1);
            QVERIFY(catcher.texts()[0].contains(u"short(1).utx"_qs));
            QVERIFY(catcher.texts()[0].contains(u"残りのファイルは変換していません。"_qs));
            QVERIFY(dialog->generatedFiles().isEmpty());
            QVERIFY(!QFileInfo::exists(books + u"/short(1).utx"_qs));
            QVERIFY(!QFileInfo::exists(books + u"/whole(1).utx"_qs));
        }
    }

    void applyAndCloseListsTheCurrentFolderAndCloseDoesNot()
    {
        test::WordBookFixture fixture;
        const WinePrefix prefix(fixture.world.path(u"wine"_qs));
        writeOld(ostrelFolder(fixture.world.path(u"wine/drive_c"_qs)) + u"/new.rwd"_qs,
            test::fourLineFile("windows-1251", u"新しい"_qs, {kCat}));
        ui::WordBookController& controller = fixture.make();
        controller.setWordBookFolder(fixture.russianBooks());
        const int before = controller.wordBookListModel()->rowCount();

        const auto runTool = [&](const char* closingButton) {
            test::whenModal(
                [closingButton](QWidget* modal) {
                    test::child<QPushButton>(modal, "ConvertButton")->click();
                    test::child<QPushButton>(modal, closingButton)->click();
                },
                [](QWidget* modal) { return qobject_cast<ui::TConvertFrm*>(modal) != nullptr; });
            controller.openConversionTool();
        };
        runTool("CloseButton");
        QVERIFY(QFileInfo::exists(fixture.russianBooks() + u"/new.utx"_qs));
        QCOMPARE(controller.wordBookListModel()->rowCount(), before);

        runTool("ApplyAndCloseButton");
        QVERIFY(QFileInfo::exists(fixture.russianBooks() + u"/new(1).utx"_qs));
        QCOMPARE(controller.wordBookListModel()->rowCount(), before + 2);
        QVERIFY(controller.wordBookListModel()->rowOfFile(u"new(1).utx"_qs) >= 0);
    }

    void theToolsMenuOpensTheTool()
    {
        test::TestWorld world;
        world.apply();
        core::Folders folders(core::FolderRoots::fromEnvironment(QString()));
        folders.setUpFolders();
        ui::Workbench bench(folders);
        QAction* item = test::child<QAction>(&bench.window(), "ToolConversion");
        QCOMPARE(item->text(), u"単語帳変換ツール"_qs);
        QVERIFY(item->isEnabled());
        QVERIFY(bench.window().menuBar()->findChild<QMenu*>(u"ToolsMenu"_qs)->actions().contains(item));

        QString title;
        test::whenModal(
            [&title](QWidget* modal) {
                title = modal->windowTitle();
                test::child<QPushButton>(modal, "CloseButton")->click();
            },
            [](QWidget* modal) { return qobject_cast<ui::TConvertFrm*>(modal) != nullptr; });
        item->trigger();
        QCOMPARE(title, u"単語帳変換ツール"_qs);
    }
};

QTEST_MAIN(TConvertFrmTest)
#include "tconvertfrm_test.moc"
