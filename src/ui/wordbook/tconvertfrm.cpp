#include "ui/wordbook/tconvertfrm.h"

#include "core/wordbook/wordbookconversion.h"
#include "ui/common/fontfamilies.h"
#include "ui/wordbook/wordbookmessages.h"

#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QStringListModel>
#include <QTextCursor>

#include <optional>

namespace pelinor::ui {

namespace {

// The mode list's captions, in the order of core::ConversionMode.
const char* const kModeCaptions[core::kConversionModeCount] = {
    QT_TR_NOOP("Ostrel　(*.rwd)　　→　　Pelinor  (*.utx)"),
    QT_TR_NOOP("Delvane　(*.gwd)　　→　　Pelinor  (*.utx)"),
    QT_TR_NOOP("Soridan　(*.kwd)　　→　Sorimax  (*.utx)"),
    QT_TR_NOOP("Tumeli　(*.twd)　　→　　Tumelix  (*.utx)"),
    QT_TR_NOOP("Varonel　(*.ewd)　　→　　Varonex  (*.utx)"),
    QT_TR_NOOP("Tumelpro　(*.tud)　　→　　Tumelix  (*.utx)"),
};

QLabel* caption(const QString& text, const QRect& place, QWidget* parent)
{
    auto* label = new QLabel(text, parent);
    label->setGeometry(place);
    return label;
}

QPushButton* button(const QString& text, const QString& objectName, const QRect& place, QWidget* parent)
{
    auto* made = new QPushButton(text, parent);
    made->setObjectName(objectName);
    made->setAutoDefault(false);
    made->setGeometry(place);
    return made;
}

QListView* fileList(const QString& objectName, QStringListModel* model, const QRect& place, QWidget* parent)
{
    auto* list = new QListView(parent);
    list->setObjectName(objectName);
    list->setModel(model);
    list->setEditTriggers(QAbstractItemView::NoEditTriggers);
    list->setUniformItemSizes(true);
    list->setGeometry(place);
    return list;
}

} // namespace

TConvertFrm::TConvertFrm(
    const QString& destinationFolder, const QString& driveFolder, ChooseFolderFunction chooseFolder, QWidget* parent)
    : QDialog(parent)
    , m_driveFolder(driveFolder)
    , m_chooseFolder(std::move(chooseFolder))
{
    buildControls();
    m_destinationField->setText(destinationFolder);
    selectMode(0);
}

void TConvertFrm::buildControls()
{
    setObjectName(QStringLiteral("TConvertFrm"));
    setWindowTitle(tr("単語帳変換ツール"));
    setModal(true);
    setFixedSize(580, 520);
    QFont dialogFont = fontOfFamily(QStringLiteral("ＭＳ Ｐゴシック"));
    dialogFont.setPixelSize(16);
    setFont(dialogFont);

    caption(tr("■変換元、保存先フォルダを指定した後、「変換」ボタンを押して下さい。"), QRect(16, 10, 548, 24), this);

    caption(tr("・変換モード："), QRect(16, 44, 132, 24), this);
    m_modeBox = new QComboBox(this);
    m_modeBox->setObjectName(QStringLiteral("ConversionModeBox"));
    m_modeBox->setAccessibleName(tr("・変換モード："));
    m_modeBox->setMaxVisibleItems(10);
    for (const char* text : kModeCaptions)
        m_modeBox->addItem(tr(text));
    m_modeBox->setGeometry(150, 42, 414, 28);

    caption(tr("・変換元ﾌｫﾙﾀﾞ："), QRect(16, 80, 132, 24), this);
    m_sourceField = new QLineEdit(this);
    m_sourceField->setObjectName(QStringLiteral("SourceFolderField"));
    m_sourceField->setAccessibleName(tr("・変換元ﾌｫﾙﾀﾞ："));
    m_sourceField->setReadOnly(true);
    QPalette silver = m_sourceField->palette();
    silver.setColor(QPalette::Base, QColor(192, 192, 192));
    m_sourceField->setPalette(silver);
    m_sourceField->setGeometry(150, 78, 336, 28);
    m_sourceButton = button(tr("参照"), QStringLiteral("SourceBrowseButton"), QRect(494, 77, 70, 30), this);

    caption(tr("・保存先ﾌｫﾙﾀﾞ："), QRect(16, 116, 132, 24), this);
    m_destinationField = new QLineEdit(this);
    m_destinationField->setObjectName(QStringLiteral("DestinationFolderField"));
    m_destinationField->setAccessibleName(tr("・保存先ﾌｫﾙﾀﾞ："));
    m_destinationField->setGeometry(150, 114, 336, 28);
    m_destinationButton = button(tr("参照"), QStringLiteral("DestinationBrowseButton"), QRect(494, 113, 70, 30), this);

    caption(tr("・変換元ファイル："), QRect(16, 152, 236, 24), this);
    m_sourceModel = new QStringListModel(this);
    m_sourceList = fileList(QStringLiteral("SourceFileList"), m_sourceModel, QRect(16, 176, 236, 150), this);
    m_sourceList->setSelectionMode(QAbstractItemView::ExtendedSelection);
    m_sourceList->setAccessibleName(tr("・変換元ファイル："));
    m_convertButton = button(tr("変換⇒"), QStringLiteral("ConvertButton"), QRect(258, 233, 64, 36), this);

    caption(tr("・生成されたファイル："), QRect(328, 152, 236, 24), this);
    m_generatedModel = new QStringListModel(this);
    m_generatedList = fileList(QStringLiteral("GeneratedFileList"), m_generatedModel, QRect(328, 176, 236, 150), this);
    m_generatedList->setSelectionMode(QAbstractItemView::NoSelection);
    m_generatedList->setAccessibleName(tr("・生成されたファイル："));

    caption(tr("・経過："), QRect(16, 334, 236, 24), this);
    m_progressBox = new QPlainTextEdit(this);
    m_progressBox->setObjectName(QStringLiteral("ProgressBox"));
    m_progressBox->setAccessibleName(tr("・経過："));
    m_progressBox->setReadOnly(true);
    m_progressBox->setLineWrapMode(QPlainTextEdit::NoWrap);
    m_progressBox->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    m_progressBox->setGeometry(16, 358, 548, 110);

    m_applyButton = button(tr("反映させ閉じる"), QStringLiteral("ApplyAndCloseButton"), QRect(298, 478, 160, 32), this);
    m_closeButton = button(tr("閉じる"), QStringLiteral("CloseButton"), QRect(464, 478, 100, 32), this);

    connect(m_modeBox, &QComboBox::activated, this, &TConvertFrm::selectMode);
    connect(m_sourceButton, &QPushButton::clicked, this, &TConvertFrm::browseSourceFolder);
    connect(m_destinationButton, &QPushButton::clicked, this, &TConvertFrm::browseDestinationFolder);
    connect(m_convertButton, &QPushButton::clicked, this, &TConvertFrm::convert);
    connect(m_applyButton, &QPushButton::clicked, this, &QDialog::accept);
    connect(m_closeButton, &QPushButton::clicked, this, &QDialog::reject);
}

core::ConversionMode TConvertFrm::mode() const
{
    return core::conversionModeAt(m_modeBox->currentIndex());
}

void TConvertFrm::selectMode(int index)
{
    m_modeBox->setCurrentIndex(index);
    m_sourceFolder = core::defaultSourceFolder(mode(), m_driveFolder);
    m_sourceField->setText(QDir::toNativeSeparators(m_sourceFolder));
    listSourceFiles();
}

QStringList TConvertFrm::sourceFiles() const
{
    return m_sourceModel->stringList();
}

QStringList TConvertFrm::generatedFiles() const
{
    return m_generatedModel->stringList();
}

void TConvertFrm::listSourceFiles()
{
    m_sourceModel->setStringList(core::listOldWordBookFiles(m_sourceFolder, mode()));
    m_generatedModel->setStringList({});
}

QString TConvertFrm::chooseFolder(const QString& caption, const QString& start)
{
    if (m_chooseFolder)
        return m_chooseFolder(this, caption, start);
    return QFileDialog::getExistingDirectory(this, caption, start);
}

void TConvertFrm::browseSourceFolder()
{
    const QString chosen = chooseFolder(tr("変換元フォルダー"), m_sourceFolder);
    if (chosen.isEmpty())
        return;
    m_sourceFolder = QDir::cleanPath(chosen);
    m_sourceField->setText(QDir::toNativeSeparators(m_sourceFolder));
    listSourceFiles();
}

void TConvertFrm::browseDestinationFolder()
{
    const QString chosen = chooseFolder(tr("保存先フォルダー"), m_destinationField->text());
    if (chosen.isEmpty())
        return;
    m_destinationField->setText(QDir::toNativeSeparators(QDir::cleanPath(chosen)));
    m_destinationField->end(false);
}

bool TConvertFrm::ensureDestinationFolder(const QString& folder)
{
    if (QFileInfo(folder).isDir())
        return true;
    if (!askWordBookQuestion(this, tr("保存先フォルダが存在しません。新たに生成しますか？"))) {
        showWordBookInformation(this, tr("参照ボタンを用いて別の保存先フォルダを指定して下さい。"));
        return false;
    }
    if (folder.isEmpty() || !QDir().mkpath(folder)) {
        showWordBookInformation(this,
            tr("保存先フォルダの生成に失敗しました。参照ボタンを用いて別のフォルダを指定することをお勧めします。"));
        return false;
    }
    return true;
}

void TConvertFrm::convert()
{
    const QStringList files = sourceFiles();
    if (files.isEmpty())
        return;
    m_sourceList->selectAll();
    const QString destination = QDir::fromNativeSeparators(m_destinationField->text());
    if (!ensureDestinationFolder(destination))
        return;

    m_generatedModel->setStringList({});
    m_progressBox->clear();
    QStringList paths;
    for (const QString& name : files)
        paths.append(QDir(m_sourceFolder).filePath(name));

    std::optional<core::OldWordBook> lastBook;
    QApplication::setOverrideCursor(Qt::WaitCursor);
    const core::ConversionRun run
        = core::convertOldWordBooks(paths, destination, [&lastBook](const core::ConvertedFile& file) {
              if (file.written())
                  lastBook = file.book;
          });
    QApplication::restoreOverrideCursor();

    m_generatedModel->setStringList(run.written);
    // The box holds the lines of the book generated last, as it did while that book was being made, scrolled
    // to its last lines.
    if (lastBook) {
        m_progressBox->setPlainText(
            core::convertedWordBookText(*lastBook).replace(QStringLiteral("\r\n"), QStringLiteral("\n")));
        m_progressBox->moveCursor(QTextCursor::End);
    }
    if (!run.messages.isEmpty()) {
        QString text = run.messages.join(QStringLiteral("\n\n"));
        if (run.stopped)
            text += QStringLiteral("\n\n") + tr("残りのファイルは変換していません。");
        showWordBookWarning(this, text);
    }
}

} // namespace pelinor::ui
