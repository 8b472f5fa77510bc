#include "ui/app/mainsplitters.h"

#include "core/app/settings.h"

#include <QCoreApplication>
#include <QSplitter>

#include <algorithm>

namespace pelinor::ui {

using core::SettingKey;

namespace {

QSplitter* makeSplitter(Qt::Orientation orientation, const char* name, int handleWidth, QWidget* parent)
{
    auto* splitter = new QSplitter(orientation, parent);
    splitter->setObjectName(QString::fromLatin1(name));
    splitter->setHandleWidth(handleWidth);
    splitter->setChildrenCollapsible(false);
    return splitter;
}

} // namespace

MainSplitters::MainSplitters(QWidget* commandPanel, QWidget* fontPanel, QWidget* stretchPanel, QWidget* inputPanel,
    QWidget* keyPanelColumn, QWidget* lowerTabs, QWidget* parent)
    : m_commandPanel(commandPanel)
    , m_fontPanel(fontPanel)
    , m_lowerTabs(lowerTabs)
{
    m_top = makeSplitter(Qt::Horizontal, "TopSplitter", 5, parent);
    m_top->setFixedHeight(66);
    m_top->addWidget(commandPanel);
    m_top->addWidget(fontPanel);
    m_top->addWidget(stretchPanel);
    m_top->setStretchFactor(0, 0);
    m_top->setStretchFactor(1, 0);
    m_top->setStretchFactor(2, 1);

    m_middle = makeSplitter(Qt::Horizontal, "MiddleSplitter", 8, parent);
    m_middle->addWidget(inputPanel);
    m_middle->addWidget(keyPanelColumn);
    m_middle->setStretchFactor(0, 1);
    m_middle->setStretchFactor(1, 0);

    m_vertical = makeSplitter(Qt::Vertical, "VerticalSplitter", 8, parent);
    m_vertical->addWidget(m_middle);
    m_vertical->addWidget(lowerTabs);
}

void MainSplitters::applyStoredSizes(const core::Settings& settings)
{
    if (m_applied)
        return;
    m_applied = true;
    // Layouts still waiting to run (the status bar's, among others) would otherwise take their room from
    // the splitters after the stored sizes are set, and the smaller sizes would be stored at exit.
    QCoreApplication::sendPostedEvents(nullptr, QEvent::LayoutRequest);
    const int fontPanelWidth = std::max(193, settings.integer(SettingKey::FontPanelWidth));
    const int topTotal = m_top->width() - 2 * m_top->handleWidth();
    const int commandWidth = m_commandPanel->width();
    m_top->setSizes({commandWidth, fontPanelWidth, std::max(0, topTotal - commandWidth - fontPanelWidth)});

    const int underHeight = std::max(80, settings.integer(SettingKey::UnderHeight));
    const int total = m_vertical->height() - m_vertical->handleWidth();
    m_vertical->setSizes({std::max(0, total - underHeight), underHeight});

    const int middleTotal = m_middle->width() - m_middle->handleWidth();
    m_middle->setSizes({std::max(0, middleTotal - 385), 385});
}

void MainSplitters::applyUnderStretch(bool on, core::Settings& settings)
{
    m_vertical->setStretchFactor(0, on ? 0 : 1);
    m_vertical->setStretchFactor(1, on ? 1 : 0);
    settings.setFlag(SettingKey::UnderStretchFlg, on);
}

void MainSplitters::storeSizes(core::Settings& settings) const
{
    if (!m_applied)
        return;
    settings.setInteger(SettingKey::UnderHeight, m_lowerTabs->height());
    settings.setInteger(SettingKey::FontPanelWidth, m_fontPanel->width());
}

} // namespace pelinor::ui
