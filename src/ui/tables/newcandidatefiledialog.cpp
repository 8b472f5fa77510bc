#include "ui/tables/newcandidatefiledialog.h"

#include "core/tables/candidatefile.h"
#include "core/tables/newcandidatefilename.h"
#include "ui/common/fontfamilies.h"
#include "ui/tables/candidateeditormessages.h"

#include <QButtonGroup>
#include <QDir>
#include <QFileInfo>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QStatusBar>
#include <QVBoxLayout>

namespace pelinor::ui {

namespace {

using core::TriggerMode;

// A list of the table folder's files matching `pattern` (letter case counts), grey with white text.
QListWidget* fileList(const QString& objectName, const QString& folder, const QString& pattern)
{
    auto* list = new QListWidget;
    list->setObjectName(objectName);
    QPalette palette = list->palette();
    palette.setColor(QPalette::Base, Qt::gray);
    palette.setColor(QPalette::Text, Qt::white);
    list->setPalette(palette);
    list->addItems(QDir(folder).entryList({pattern}, QDir::Files | QDir::CaseSensitive, QDir::Name));
    list->setFixedWidth(260);
    return list;
}

QLabel* lines(const QStringList& texts)
{
    return new QLabel(texts.join(u'\n'));
}

} // namespace

NewCandidateFileDialog::NewCandidateFileDialog(const QString& tableFolder, QWidget* parent)
    : QDialog(parent)
    , m_tableFolder(tableFolder)
{
    setObjectName(QStringLiteral("NewCandidateFileDialog"));
    setWindowTitle(tr("候補ファイルの新規作成"));
    setModal(true);
    setFixedSize(600, 500);
    QFont dialogFont = fontOfFamily(QStringLiteral("ＭＳ Ｐゴシック"));
    // A little smaller than the editor's, so that the guide lines fit the fixed size.
    dialogFont.setPixelSize(14);
    setFont(dialogFont);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(12, 8, 12, 0);

    layout->addWidget(new QLabel(tr("１．トリガーキーのモードを指定します。")));
    auto* modeRow = new QHBoxLayout;
    modeRow->addWidget(lines({tr("※トリガーキーには数字を除くすべてのキーボード"),
        tr("入力可能文字を用いることができます。ただし、"), tr("アルファベットは小文字、大文字いずれかです。")}));
    auto* modeColumn = new QVBoxLayout;
    modeColumn->addWidget(new QLabel(tr("■トリガーキーのモード：")));
    m_modes = new QButtonGroup(this);
    const struct {
        const char* caption;
        const char* objectName;
        TriggerMode mode;
    } modes[] = {
        {"アルファベット小文字を用いる", "ModeLower", TriggerMode::AlphabetLower},
        {"アルファベット大文字を用いる", "ModeUpper", TriggerMode::AlphabetUpper},
        {"アルファベット両方を用いる", "ModeBoth", TriggerMode::AlphabetBoth},
    };
    for (const auto& m : modes) {
        auto* choice = new QRadioButton(tr(m.caption));
        choice->setObjectName(QString::fromLatin1(m.objectName));
        m_modes->addButton(choice, static_cast<int>(m.mode));
        modeColumn->addWidget(choice);
    }
    m_modes->button(static_cast<int>(TriggerMode::AlphabetLower))->setChecked(true);
    modeRow->addLayout(modeColumn, 0);
    layout->addLayout(modeRow);

    layout->addWidget(new QLabel(tr("２．対になる記号DBファイルを指定します。")));
    auto* databaseGrid = new QGridLayout;
    databaseGrid->addWidget(new QLabel(tr("・テーブルフォルダ内の記号DBファイル一覧：")), 0, 0);
    m_databases = fileList(QStringLiteral("DatabaseList"), m_tableFolder, QStringLiteral("DB*.csv"));
    databaseGrid->addWidget(m_databases, 1, 0);
    auto* databaseColumn = new QVBoxLayout;
    databaseColumn->addWidget(new QLabel(tr("■左のアイテムをクリックして下さい。")));
    m_databaseField = new QLineEdit;
    m_databaseField->setObjectName(QStringLiteral("DatabaseField"));
    m_databaseField->setAttribute(Qt::WA_InputMethodEnabled, false);
    databaseColumn->addWidget(m_databaseField);
    databaseColumn->addStretch(1);
    databaseGrid->addLayout(databaseColumn, 1, 1);
    layout->addLayout(databaseGrid);

    layout->addWidget(new QLabel(tr("３．候補ファイル名を入力し、「作成」ボタンを押します。")));
    auto* nameGrid = new QGridLayout;
    nameGrid->addWidget(new QLabel(tr("・既存の候補ファイル　（重複注意）")), 0, 0);
    m_candidateFiles = fileList(QStringLiteral("CandidateFileList"), m_tableFolder, QStringLiteral("Cand*.csv"));
    nameGrid->addWidget(m_candidateFiles, 1, 0);
    auto* nameColumn = new QVBoxLayout;
    nameColumn->addWidget(new QLabel(tr("■新しいファイル名を入力します。")));
    m_nameField = new QLineEdit;
    m_nameField->setObjectName(QStringLiteral("NameField"));
    m_nameField->setAttribute(Qt::WA_InputMethodEnabled, false);
    nameColumn->addWidget(m_nameField);
    nameColumn->addWidget(new QLabel(tr("（語頭はCand、拡張子はcsvです）")));
    auto* buttons = new QHBoxLayout;
    m_create = new QPushButton(tr("作る"));
    m_create->setObjectName(QStringLiteral("CreateButton"));
    auto* cancel = new QPushButton(tr("ｷｬﾝｾﾙ"));
    cancel->setObjectName(QStringLiteral("CancelButton"));
    cancel->setAutoDefault(false);
    m_create->setDefault(true);
    buttons->addWidget(m_create);
    buttons->addWidget(cancel);
    nameColumn->addLayout(buttons);
    nameColumn->addStretch(1);
    nameGrid->addLayout(nameColumn, 1, 1);
    layout->addLayout(nameGrid);

    auto* status = new QStatusBar;
    status->setSizeGripEnabled(false);
    auto* folder = new QLabel(tr("■ﾃｰﾌﾞﾙﾌｫﾙﾀﾞ：") + m_tableFolder);
    folder->setObjectName(QStringLiteral("TableFolderStatusPanel"));
    status->addWidget(folder);
    layout->addWidget(status);

    connect(m_databases, &QListWidget::itemClicked, this,
        [this](QListWidgetItem* item) { m_databaseField->setText(item->text()); });
    connect(m_databaseField, &QLineEdit::textChanged, this, &NewCandidateFileDialog::updateCreateButton);
    connect(m_nameField, &QLineEdit::textChanged, this, &NewCandidateFileDialog::updateCreateButton);
    connect(m_create, &QPushButton::clicked, this, &NewCandidateFileDialog::create);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    updateCreateButton();
}

void NewCandidateFileDialog::updateCreateButton()
{
    m_create->setEnabled(!m_nameField->text().trimmed().isEmpty() && !m_databaseField->text().trimmed().isEmpty());
}

void NewCandidateFileDialog::create()
{
    const QString name = m_nameField->text();
    if (const auto problem = core::checkNewCandidateFileName(name, m_tableFolder)) {
        switch (*problem) {
        case core::NewCandidateFileProblem::WrongExtension:
            showCandidateEditorWarning(this, tr("拡張子は") + u"\"csv\""_qs + tr("でなくてはなりません。"));
            break;
        case core::NewCandidateFileProblem::WrongPrefix:
            showCandidateEditorWarning(
                this, tr("ﾌｧｲﾙ名の最初の4文字は") + u"\"Cand\""_qs + tr("でなくてはなりません。"));
            break;
        case core::NewCandidateFileProblem::NotAFileName:
            showCandidateEditorWarning(this, tr("ファイル名に「/」や「\\」は使えません。"));
            break;
        case core::NewCandidateFileProblem::Exists:
            showCandidateEditorWarning(this, tr("同名のﾌｧｲﾙが存在します。別の名前をつけて下さい。"));
            break;
        }
        return;
    }

    core::CandidateFile file;
    file.setSymbolDatabase(m_databaseField->text().trimmed());
    file.setTriggerMode(static_cast<TriggerMode>(m_modes->checkedId()));
    const QString path = QDir(m_tableFolder).filePath(name);
    QString error;
    if (!file.write(path, &error)) {
        // Nothing was created; the dialog stays for another name or folder rights.
        showCandidateEditorWarning(this, error);
        return;
    }
    if (QFileInfo(path).isFile()
        && askCandidateEditorQuestion(
            this, tr("空の候補ファイル") + u'"' + name + u'"' + tr("を生成しました。候補エディタで読み込みますか？")))
        m_loadRequested = name;
    accept();
}

} // namespace pelinor::ui
