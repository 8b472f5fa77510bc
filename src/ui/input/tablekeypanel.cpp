#include "ui/input/tablekeypanel.h"

#include "core/app/settings.h"
#include "core/input/keypanelclick.h"
#include "core/input/tableset.h"

#include <QCheckBox>
#include <QToolButton>

#include <algorithm>

namespace pelinor::ui {

namespace {

// Gaps left and right of "一覧".
constexpr int kListGap = 3;
constexpr int kRightMargin = 2;

} // namespace

TableKeyPanel::TableKeyPanel(core::KeyPanelKind kind, core::TableSide side, core::Settings& settings,
    core::SettingKey directKey, core::SettingKey reverseKey, const QColor& lowerColour, QWidget* parent)
    : KeyPanelBase(kind, QStringLiteral("Tahoma"), lowerColour, parent)
    , m_side(side)
    , m_settings(settings)
    , m_directKey(directKey)
    , m_reverseKey(reverseKey)
{
    m_direct = new QCheckBox(tr("直"), this);
    m_direct->setObjectName(QStringLiteral("DirectInputBox"));
    m_reverse = new QCheckBox(tr("復"), this);
    m_reverse->setObjectName(QStringLiteral("TriggerReturnBox"));
    for (QCheckBox* box : {m_direct, m_reverse})
        box->setFocusPolicy(Qt::NoFocus);
    connect(m_direct, &QCheckBox::clicked, this, [this](bool on) { m_settings.setFlag(m_directKey, on); });
    connect(m_reverse, &QCheckBox::clicked, this, [this](bool on) { m_settings.setFlag(m_reverseKey, on); });

    m_list = new QToolButton(this);
    m_list->setText(tr("一覧"));
    m_list->setObjectName(QStringLiteral("ListButton"));
    m_list->setFocusPolicy(Qt::NoFocus);
    QFont listFont = m_list->font();
    listFont.setPointSize(10);
    m_list->setFont(listFont);
    connect(m_list, &QToolButton::clicked, this, [this] { Q_EMIT listRequested(m_side); });

    m_direct->setChecked(m_settings.flag(m_directKey));
    m_reverse->setChecked(m_settings.flag(m_reverseKey));
    relayout();
}

void TableKeyPanel::showTable(const core::TableSet& set, const core::KeyPanelFaces& faces)
{
    m_set = &set;
    m_direct->setChecked(m_settings.flag(m_directKey));
    m_reverse->setChecked(m_settings.flag(m_reverseKey));
    setFaces(faces);
}

void TableKeyPanel::keyClicked(int index, bool legend)
{
    if (!m_set)
        return;
    const QString caption = legend ? legendCaption(index) : keyCaption(index);
    const core::KeyClickAction action = core::panelClick(caption, *m_set);
    if (action.kind == core::KeyClickAction::Trigger)
        Q_EMIT triggerClicked(action.key, m_side);
}

void TableKeyPanel::placeControls()
{
    if (!m_direct)
        return;
    // "直" over "復" left of the fourth row, which starts further right than the others; "一覧" right of it.
    const core::KeyPanelGeometry& g = geometry();
    const int rowTop = g.rowTop(3);
    const int boxWidth = std::max(g.rowLeft(3) - 1, 30);
    const int boxHeight = std::max(g.pitch() / 2, 16);
    m_direct->setGeometry(1, rowTop, boxWidth, boxHeight);
    m_reverse->setGeometry(1, rowTop + boxHeight, boxWidth, boxHeight);
    const QRect lastKey = g.keyRect(46);
    const int listLeft = lastKey.right() + 1 + kListGap;
    const int listWidth = std::max(width() - kRightMargin - reservedRight() - listLeft, 24);
    m_list->setGeometry(listLeft, lastKey.top(), listWidth, lastKey.height());
}

int TableKeyPanel::roomRightOfLastRow() const
{
    // "一覧" shows its whole caption, with whatever the panel keeps free right of it.
    return m_list ? kListGap + m_list->sizeHint().width() + kRightMargin + reservedRight() : 0;
}

} // namespace pelinor::ui
