// The six pages of the settings dialog: their controls, captions and ranges.

#include "core/app/folders.h"
#include "core/app/settings.h"
#include "ui/app/fontboxes.h"
#include "ui/app/tsetteifrm.h"
#include "ui/common/qtcolours.h"

#include <QCheckBox>
#include <QComboBox>
#include <QEvent>
#include <QFrame>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpressionValidator>
#include <QSlider>
#include <QStyle>
#include <QStyleOptionSlider>
#include <QVBoxLayout>

#include <algorithm>

namespace pelinor::ui {

namespace {

QCheckBox* checkBox(const QString& caption, const QString& objectName)
{
    auto* box = new QCheckBox(caption);
    box->setObjectName(objectName);
    return box;
}

QPushButton* button(const QString& caption, const QString& objectName)
{
    auto* b = new QPushButton(caption);
    b->setObjectName(objectName);
    b->setAutoDefault(false);
    return b;
}

QLabel* heading(const QString& text)
{
    auto* label = new QLabel(text);
    label->setWordWrap(false);
    return label;
}

} // namespace

QComboBox* TSetteiFrm::makeFontBox(const QString& objectName)
{
    auto* box = new QComboBox;
    box->setObjectName(objectName);
    box->setEditable(true);
    box->setInsertPolicy(QComboBox::NoInsert);
    box->setMaxVisibleItems(20);
    box->setMinimumWidth(220);
    fillFontBox(box, 0, 0);
    return box;
}

QComboBox* TSetteiFrm::makeSizeBox(const QString& objectName)
{
    auto* box = new QComboBox;
    box->setObjectName(objectName);
    box->setEditable(true);
    box->setInsertPolicy(QComboBox::NoInsert);
    box->setMaxVisibleItems(20);
    fillSizeBox(box, 9, 60);
    box->setFixedWidth(64);
    return box;
}

QWidget* TSetteiFrm::buildWordBookPage()
{
    auto* page = new QWidget;
    page->setObjectName(QStringLiteral("WordBookSettingsPage"));
    auto* layout = new QVBoxLayout(page);
    const std::pair<QString, const char*> boxes[] = {
        {tr("リセットインプット　（ダブルクリック時に入力エリアをクリアする）"), "ResetInputBox"},
        {tr("最下行表示　（単語帳をロードしたとき最下行を表示する）"), "LastVisibleBox"},
        {tr("単語登録時コピー　（単語登録の際、主画面からコピーする）"), "RegCopyBox"},
        {tr("単語登録後クリア　（単語登録後、主画面をクリアする）"), "RegClearBox"},
        {tr("サンプル単語帳の更新不要　（バージョンアップ時）"), "NoSampleBox"},
    };
    for (size_t i = 0; i < m_wordBookBoxes.size(); ++i) {
        m_wordBookBoxes[i] = checkBox(boxes[i].first, QString::fromLatin1(boxes[i].second));
        layout->addWidget(m_wordBookBoxes[i]);
    }
    layout->addWidget(buildAppearanceGroup());
    layout->addStretch(1);
    return page;
}

QWidget* TSetteiFrm::buildAppearanceGroup()
{
    auto* group = new QGroupBox(tr("■単語リスト外観："));
    group->setObjectName(QStringLiteral("AppearanceGroup"));
    auto* grid = new QGridLayout(group);
    m_appearanceBox = checkBox(tr("変更する"), QStringLiteral("AppearanceChangeBox"));
    auto* reset = button(tr("初期値に戻す"), QStringLiteral("AppearanceResetButton"));
    grid->addWidget(m_appearanceBox, 0, 0);
    grid->addWidget(reset, 0, 1);

    struct Bar {
        const char* name;
        Qt::Orientation orientation;
        int minimum;
        int maximum;
    };
    const Bar bars[] = {
        {"LineHeightBar", Qt::Vertical, core::kLineHeightMinimum, core::kLineHeightMaximum},
        {"ForeignSizeBar", Qt::Horizontal, core::kListFontMinimum, core::kListFontMaximum},
        {"PhoneticSizeBar", Qt::Horizontal, core::kListFontMinimum, core::kListFontMaximum},
        {"JapaneseSizeBar", Qt::Horizontal, core::kListFontMinimum, core::kListFontMaximum},
    };
    const QString captions[] = {tr("[行間高さ]"), tr("外国語"), tr("発音記号"), tr("日本語")};
    for (size_t i = 0; i < m_appearance.size(); ++i) {
        auto* bar = new QSlider(bars[i].orientation);
        bar->setObjectName(QString::fromLatin1(bars[i].name));
        bar->setRange(bars[i].minimum, bars[i].maximum);
        bar->setTickInterval(4);
        bar->setTickPosition(QSlider::TicksBelow);
        bar->setEnabled(false);
        auto* value = new QLabel;
        value->setObjectName(QString::fromLatin1(bars[i].name) + QStringLiteral("Value"));
        value->setMinimumWidth(24);
        m_appearance[i] = {bar, value};
        connect(bar, &QSlider::valueChanged, this, [this, i](int v) { appearanceBarMoved(i, v); });
    }
    // The row height stands on the left; the three font sizes lie under "[文字の大きさ]".
    auto* lineHeight = new QVBoxLayout;
    lineHeight->addWidget(new QLabel(captions[0]));
    auto* lineHeightRow = new QHBoxLayout;
    m_appearance[0].bar->setMinimumHeight(110);
    lineHeightRow->addWidget(m_appearance[0].bar);
    lineHeightRow->addWidget(m_appearance[0].value);
    lineHeight->addLayout(lineHeightRow);
    grid->addLayout(lineHeight, 1, 0, 4, 1);
    grid->addWidget(new QLabel(tr("[文字の大きさ]")), 1, 1, 1, 3);
    for (size_t i = 1; i < m_appearance.size(); ++i) {
        const int row = static_cast<int>(i) + 1;
        grid->addWidget(new QLabel(captions[i]), row, 1);
        grid->addWidget(m_appearance[i].bar, row, 2);
        grid->addWidget(m_appearance[i].value, row, 3);
    }
    connect(m_appearanceBox, &QCheckBox::toggled, this, [this](bool on) {
        for (const AppearanceBar& a : m_appearance)
            a.bar->setEnabled(on);
    });
    connect(reset, &QPushButton::clicked, this, &TSetteiFrm::resetAppearance);
    return group;
}

QWidget* TSetteiFrm::buildGeneralPage()
{
    auto* page = new QWidget;
    page->setObjectName(QStringLiteral("GeneralSettingsPage"));
    auto* layout = new QVBoxLayout(page);
    const std::pair<QString, const char*> boxes[] = {
        {tr("転送後クリア　（文字転送後入力エリアをクリアする）"), "TransClearBox"},
        {tr("オート転送モード（転送対象を自動で判断する）"), "AutoTransBox"},
        {tr("システムテーブルを用いる（読み込み専用）"), "SystemTablesBox"},
        {tr("音声ファイルを再生する　（WindowsMediaPlayerを用い再生する）"), "MediaPlayerBox"},
        {tr("バージョンアップ時にユーザーテーブルも書換える"), "ReplaceTablesBox"},
    };
    for (size_t i = 0; i < m_generalBoxes.size(); ++i) {
        m_generalBoxes[i] = checkBox(boxes[i].first, QString::fromLatin1(boxes[i].second));
        layout->addWidget(m_generalBoxes[i]);
    }

    auto* group = new QGroupBox;
    group->setObjectName(QStringLiteral("ResetGroup"));
    auto* groupLayout = new QVBoxLayout(group);
    groupLayout->addWidget(heading(tr("■すべての変更を初期値に戻す場合（頻繁に使っても結構です）")));
    auto* resetButton = button(tr("設定ファイルを初期化する"), QStringLiteral("ResetSettingsButton"));
    groupLayout->addWidget(resetButton, 0, Qt::AlignLeft);
    groupLayout->addWidget(heading(tr("（上のボタンを押すと一旦終了します。再起動すると初期化されます）")));
    auto* separator = new QFrame;
    separator->setFrameShape(QFrame::HLine);
    groupLayout->addWidget(separator);
    m_uninstallBox = checkBox(tr("アンインストールする前に関連ファイルを削除する"), QStringLiteral("UninstallBox"));
    groupLayout->addWidget(m_uninstallBox);
    m_removeAllButton = button(tr("すべてを削除する"), QStringLiteral("RemoveAllButton"));
    m_removeAllButton->setEnabled(false);
    groupLayout->addWidget(m_removeAllButton, 0, Qt::AlignLeft);
    groupLayout->addWidget(heading(tr("（ボタンを押すと終了します。その後アンインストールを実行して下さい）")));
    layout->addWidget(group);
    layout->addStretch(1);

    connect(m_uninstallBox, &QCheckBox::toggled, m_removeAllButton, &QPushButton::setEnabled);
    connect(resetButton, &QPushButton::clicked, this, &TSetteiFrm::resetSettingsFile);
    connect(m_removeAllButton, &QPushButton::clicked, this, &TSetteiFrm::removeAllFiles);
    return page;
}

QWidget* TSetteiFrm::buildFontPage()
{
    auto* page = new QWidget;
    page->setObjectName(QStringLiteral("FontSettingsPage"));
    auto* grid = new QGridLayout(page);
    int row = 0;

    grid->addWidget(heading(tr("■主画面のフォントボックス")), row++, 0, 1, 4);
    m_scriptFontsOnlyBox = checkBox(tr("選択中の外国語のフォント"), QStringLiteral("ScriptFontsOnlyBox"));
    auto* onlyRow = new QHBoxLayout;
    onlyRow->addWidget(m_scriptFontsOnlyBox);
    onlyRow->addWidget(new QLabel(tr("のみリストアップする。")));
    onlyRow->addStretch(1);
    grid->addLayout(onlyRow, row++, 0, 1, 4);

    // "初期値" puts these texts into the boxes; the phonetic size resets to 14 while its start default is 16.
    auto resetButton = [this](const QString& objectName, QComboBox* box, const QString& text) {
        auto* b = button(tr("初期値"), objectName);
        connect(b, &QPushButton::clicked, box, [box, text] { box->setEditText(text); });
        return b;
    };

    grid->addWidget(heading(tr("■発音記号：")), row, 0);
    m_phoneticFontBox = makeFontBox(QStringLiteral("PhoneticFontBox"));
    m_phoneticSizeBox = makeSizeBox(QStringLiteral("PhoneticSizeBox"));
    grid->addWidget(m_phoneticFontBox, row, 1);
    grid->addWidget(m_phoneticSizeBox, row, 2);
    auto* phoneticReset = button(tr("初期値"), QStringLiteral("PhoneticFontResetButton"));
    connect(phoneticReset, &QPushButton::clicked, this, [this] {
        m_phoneticFontBox->setEditText(QStringLiteral("Segoe UI"));
        m_phoneticSizeBox->setEditText(QStringLiteral("14"));
    });
    grid->addWidget(phoneticReset, row++, 3);
    connect(m_phoneticSizeBox->lineEdit(), &QLineEdit::editingFinished, this, &TSetteiFrm::floorPhoneticSize);
    connect(m_phoneticSizeBox, &QComboBox::activated, this, &TSetteiFrm::floorPhoneticSize);

    const QString scriptHeadings[] = {tr("■ロシア語："), tr("■ギリシア語："), tr("■ウクライナ語：")};
    const char* scriptNames[] = {"Russian", "Greek", "Ukrainian"};
    for (size_t i = 0; i < m_scriptFontBoxes.size(); ++i) {
        const QString name = QString::fromLatin1(scriptNames[i]);
        grid->addWidget(heading(scriptHeadings[i]), row, 0);
        m_scriptFontBoxes[i] = makeFontBox(name + QStringLiteral("FontBox"));
        grid->addWidget(m_scriptFontBoxes[i], row, 1);
        grid->addWidget(resetButton(name + QStringLiteral("FontResetButton"), m_scriptFontBoxes[i],
                            QStringLiteral("Times New Roman")),
            row++, 3);
    }

    grid->addWidget(heading(tr("■主画面入力エリア")), row++, 0, 1, 4);
    m_fixedSizesBox = checkBox(tr("文字サイズを固定する"), QStringLiteral("FixedSizesBox"));
    grid->addWidget(m_fixedSizesBox, row++, 0, 1, 4);
    m_fixedMainSizeBox = makeSizeBox(QStringLiteral("FixedMainSizeBox"));
    m_fixedSubSizeBox = makeSizeBox(QStringLiteral("FixedSubSizeBox"));
    const std::tuple<QString, QComboBox*, const char*> fixedRows[] = {
        {tr("・ロシア語："), m_fixedMainSizeBox, "FixedMainSizeResetButton"},
        {tr("・発音記号："), m_fixedSubSizeBox, "FixedSubSizeResetButton"},
    };
    for (const auto& [caption, box, resetName] : fixedRows) {
        auto* label = new QLabel(caption);
        QPushButton* reset = resetButton(QString::fromLatin1(resetName), box, QStringLiteral("18"));
        grid->addWidget(label, row, 0, Qt::AlignRight);
        grid->addWidget(box, row, 2);
        grid->addWidget(reset, row++, 3);
        m_fixedSizeControls << label << box << reset;
    }
    grid->addWidget(new QLabel(tr("※転送時の文字サイズは可変です。")), row++, 0, 1, 4);
    grid->setRowStretch(row, 1);
    connect(m_fixedSizesBox, &QCheckBox::toggled, this, [this](bool on) {
        for (QWidget* w : m_fixedSizeControls)
            w->setEnabled(on);
    });
    return page;
}

QWidget* TSetteiFrm::buildFilePage()
{
    auto* page = new QWidget;
    page->setObjectName(QStringLiteral("FileSettingsPage"));
    auto* layout = new QVBoxLayout(page);
    const QString groups[] = {tr("１．発音記号"), tr("２．ロシア語\n　ﾛｰﾏ字入力"), tr("３．ギリシア語\n　ﾛｰﾏ字入力"),
        tr("４．ｳｸﾗｲﾅ語\n　ﾛｰﾏ字入力")};
    for (size_t g = 0; g < 4; ++g) {
        auto* group = new QFrame;
        group->setFrameShape(QFrame::StyledPanel);
        auto* grid = new QGridLayout(group);
        auto* groupLabel = new QLabel(groups[g]);
        groupLabel->setFixedWidth(130);
        grid->addWidget(groupLabel, 0, 0, 2, 1);
        for (size_t k = 0; k < 2; ++k) {
            const size_t field = 2 * g + k;
            const int row = static_cast<int>(k);
            auto* kind = new QLabel(k == 0 ? tr("記号DB") : tr("候補ファイル"));
            kind->setFixedWidth(100);
            grid->addWidget(kind, row, 1);
            m_tableFiles[field] = new QLineEdit;
            m_tableFiles[field]->setObjectName(QStringLiteral("TableFile%1").arg(field));
            grid->addWidget(m_tableFiles[field], row, 2);
            auto* browse = button(QStringLiteral("..."), QStringLiteral("TableFileBrowse%1").arg(field));
            auto* reset = button(tr("戻"), QStringLiteral("TableFileReset%1").arg(field));
            browse->setFixedWidth(32);
            reset->setFixedWidth(32);
            grid->addWidget(browse, row, 3);
            grid->addWidget(reset, row, 4);
            connect(browse, &QPushButton::clicked, this, [this, field] { browseTableFile(field); });
            connect(reset, &QPushButton::clicked, this, [this, field] {
                const QString value = QString::fromLatin1(core::tableFileFields()[field].resetValue);
                if (m_tableFiles[field]->text() != value)
                    m_tableFiles[field]->setText(value);
            });
        }
        grid->setColumnStretch(2, 1);
        layout->addWidget(group);
    }
    layout->addStretch(1);
    return page;
}

QWidget* TSetteiFrm::buildColourRow(size_t row, const QString& caption)
{
    auto* line = new QWidget;
    auto* layout = new QHBoxLayout(line);
    layout->setContentsMargins(0, 0, 0, 0);
    auto* label = new QLabel(caption);
    label->setMinimumWidth(70);
    auto* sample = new QFrame;
    sample->setObjectName(QStringLiteral("ColourSample%1").arg(row));
    sample->setFrameShape(QFrame::Box);
    sample->setFixedSize(40, 20);
    sample->setAutoFillBackground(true);
    auto* field = new QLineEdit;
    field->setObjectName(QStringLiteral("ColourField%1").arg(row));
    field->setFixedWidth(80);
    // Only a colour code can be typed: "#" and up to six upper-case hexadecimal digits.
    field->setValidator(new QRegularExpressionValidator(QRegularExpression(QStringLiteral("#[0-9A-F]{0,6}")), field));
    auto* change = button(tr("変更"), QStringLiteral("ColourChange%1").arg(row));
    auto* reset = button(tr("初期値"), QStringLiteral("ColourReset%1").arg(row));
    layout->addWidget(label);
    layout->addWidget(sample);
    layout->addWidget(field);
    layout->addWidget(change);
    layout->addWidget(reset);
    layout->addStretch(1);
    m_colours[row] = {sample, field};
    connect(field, &QLineEdit::textEdited, this, [this, row](const QString& text) { colourTyped(row, text); });
    connect(change, &QPushButton::clicked, this, [this, row] { chooseColour(row); });
    connect(reset, &QPushButton::clicked, this, [this, row] { showColour(row, core::colourRows()[row].resetColour); });
    return line;
}

QWidget* TSetteiFrm::buildColourPage()
{
    auto* page = new QWidget;
    page->setObjectName(QStringLiteral("ColourSettingsPage"));
    auto* layout = new QGridLayout(page);
    const QString scripts[] = {tr("ロシア語"), tr("ｷﾞﾘｼｱ語"), tr("ｳｸﾗｲﾅ語")};
    const QString groups[] = {tr("１．文字PAD\n　　ローマ字"), tr("２．文字PAD\n　　MS IME"),
        tr("３．文字PAD\n　　発音記号"), tr("４．発音記号　背景"), tr("５．外国語　候補背景")};
    int gridRow = 0;
    for (size_t g = 0; g < 2; ++g) {
        layout->addWidget(new QLabel(groups[g]), gridRow, 0, 3, 1, Qt::AlignTop);
        for (size_t s = 0; s < 3; ++s)
            layout->addWidget(buildColourRow(3 * g + s, scripts[s]), gridRow++, 1);
    }
    // The last three groups have one row each: IpaBg, CandBg, BandBg.
    for (size_t g = 2; g < 5; ++g) {
        layout->addWidget(new QLabel(groups[g]), gridRow, 0);
        layout->addWidget(buildColourRow(g + 4, QString()), gridRow++, 1);
    }
    layout->setRowStretch(gridRow, 1);
    return page;
}

QWidget* TSetteiFrm::buildTimerGroup(size_t index, const QString& caption, const QString& purpose)
{
    auto* group = new QFrame;
    group->setFrameShape(QFrame::StyledPanel);
    auto* layout = new QVBoxLayout(group);
    layout->addWidget(new QLabel(caption));

    // The large value rides above the bar's handle.
    auto* track = new QWidget;
    auto* value = new QLabel(track);
    value->setObjectName(index == 0 ? QStringLiteral("SearchTimerValue") : QStringLiteral("PasteTimerValue"));
    QFont big = value->font();
    big.setPixelSize(29);
    value->setFont(big);
    track->setFixedHeight(value->fontMetrics().height() + 2);
    auto* bar = new QSlider(Qt::Horizontal);
    bar->setObjectName(index == 0 ? QStringLiteral("SearchTimerBar") : QStringLiteral("PasteTimerBar"));
    // The bar holds 10 to 500 ms and nothing else: a timer out of that range cannot be chosen.
    bar->setRange(core::kTimerMinimum, core::kTimerMaximum);
    bar->setTickInterval(50);
    bar->setTickPosition(QSlider::TicksBelow);
    bar->installEventFilter(this);
    auto* barColumn = new QVBoxLayout;
    barColumn->setSpacing(0);
    barColumn->addWidget(track);
    barColumn->addWidget(bar);
    auto* barRow = new QHBoxLayout;
    auto* from = new QLabel(QStringLiteral("10"));
    auto* to = new QLabel(QStringLiteral("500"));
    from->setFixedWidth(40);
    to->setFixedWidth(40);
    from->setAlignment(Qt::AlignRight | Qt::AlignBottom);
    to->setAlignment(Qt::AlignLeft | Qt::AlignBottom);
    barRow->addWidget(from);
    barRow->addLayout(barColumn, 1);
    barRow->addWidget(to);
    layout->addLayout(barRow);

    auto* resetRow = new QHBoxLayout;
    auto* reset
        = button(tr("初期化"), index == 0 ? QStringLiteral("SearchTimerReset") : QStringLiteral("PasteTimerReset"));
    resetRow->addWidget(reset);
    resetRow->addWidget(new QLabel(purpose), 1);
    layout->addLayout(resetRow);

    m_timers[index] = {bar, value};
    connect(bar, &QSlider::valueChanged, this, [this, index](int ms) {
        m_timers[index].value->setNum(ms);
        placeTimerValue(index);
    });
    connect(reset, &QPushButton::clicked, bar, [bar] { bar->setValue(core::kTimerReset); });
    return group;
}

void TSetteiFrm::placeTimerValue(size_t index)
{
    const TimerControls& t = m_timers[index];
    QStyleOptionSlider option;
    option.initFrom(t.bar);
    option.orientation = Qt::Horizontal;
    option.minimum = t.bar->minimum();
    option.maximum = t.bar->maximum();
    option.sliderPosition = t.bar->value();
    option.sliderValue = t.bar->value();
    const QRect handle = t.bar->style()->subControlRect(QStyle::CC_Slider, &option, QStyle::SC_SliderHandle, t.bar);
    t.value->adjustSize();
    const int width = t.value->parentWidget()->width();
    const int x = std::clamp(handle.center().x() - t.value->width() / 2, 0, std::max(0, width - t.value->width()));
    t.value->move(x, 0);
}

bool TSetteiFrm::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::Resize || event->type() == QEvent::Show) {
        for (size_t i = 0; i < m_timers.size(); ++i) {
            if (watched == m_timers[i].bar)
                placeTimerValue(i);
        }
    }
    return QDialog::eventFilter(watched, event);
}

QWidget* TSetteiFrm::buildTimerPage()
{
    auto* page = new QWidget;
    page->setObjectName(QStringLiteral("TimerSettingsPage"));
    auto* layout = new QVBoxLayout(page);
    layout->addWidget(buildTimerGroup(0, tr("１．サーチタイマー：　(msec)"), tr("⇒貼り付け先アプリを探すタイミング")));
    layout->addWidget(buildTimerGroup(
        1, tr("２．貼り付けタイマー：　(msec)"), tr("⇒転送ボタンを押してから貼り付けコマンドを実行するタイミング")));
    layout->addStretch(1);
    return page;
}

} // namespace pelinor::ui
