#include "tournament/ui/TabbedNotebook.h"

#include <QPushButton>
#include <QStackedWidget>

#include <utility>

namespace {
constexpr int kTabHeight = 24;
}

TabbedNotebook::TabbedNotebook(QWidget *parent) : QWidget(parent), m_pages(new QStackedWidget(this))
{
    m_pages->setFrameShape(QFrame::Panel);
    m_pages->setFrameShadow(QFrame::Raised);
}

void TabbedNotebook::setTabsPerRow(int count)
{
    m_tabsPerRow = qMax(1, count);
    placeTabs();
}

int TabbedNotebook::addPage(QWidget *page, const QString &caption)
{
    const int index = addPage(caption, [page] { return page; });
    this->page(index);
    return index;
}

int TabbedNotebook::addPage(const QString &caption, std::function<QWidget *()> build)
{
    const int index = count();
    auto *tab = new QPushButton(caption, this);
    tab->setCheckable(true);
    tab->setFocusPolicy(Qt::TabFocus);
    tab->setStyleSheet(QStringLiteral(
        "QPushButton { border: 1px solid #808080; border-bottom: none; border-top-left-radius: 4px;"
        " border-top-right-radius: 4px; background: #d4d0c8; padding: 2px 6px; }"
        "QPushButton:checked { background: #ece9e2; }"));
    connect(tab, &QPushButton::clicked, this, [this, index] { setPageIndex(index); });
    m_tabs.push_back(tab);
    m_built.push_back(nullptr);
    m_builders.push_back(std::move(build));
    if (m_current < 0)
        m_current = index;
    placeTabs();
    return index;
}

QWidget *TabbedNotebook::page(int index)
{
    QWidget *&built = m_built.at(index);
    if (!built) {
        // The builder is dropped once used: what it holds is needed no more.
        built = std::exchange(m_builders.at(index), nullptr)();
        m_pages->addWidget(built);
        followTab(index, built);
        if (index == m_current)
            m_pages->setCurrentWidget(built);
    }
    return built;
}

void TabbedNotebook::followTab(int index, QWidget *page)
{
    // Taken in to the window, the page's controls were put at the end of
    // its focus chain; moved one after the other behind the page's tab, Tab
    // leads from the tab into the page and on from its last control to the
    // next tab, whenever the page was built.
    QList<QWidget *> controls;
    for (QWidget *w = page->nextInFocusChain(); page->isAncestorOf(w); w = w->nextInFocusChain())
        if (w->focusPolicy() != Qt::NoFocus)
            controls << w;
    QWidget *previous = m_tabs.at(index);
    for (QWidget *w : controls) {
        QWidget::setTabOrder(previous, w);
        previous = w;
    }
}

QSize TabbedNotebook::pageSize() const
{
    return m_pages->contentsRect().size();
}

bool TabbedNotebook::setPageIndex(int index)
{
    if (index < 0 || index >= count())
        return false;
    if (index != m_current && beforeChange && !beforeChange(index)) {
        placeTabs(); // undo the check mark of the refused tab
        return false;
    }
    m_current = index;
    m_pages->setCurrentWidget(page(index));
    placeTabs();
    return true;
}

void TabbedNotebook::showEvent(QShowEvent *event)
{
    // Whatever page is current shows itself, also when nobody asked for it yet.
    if (m_current >= 0)
        page(m_current);
    QWidget::showEvent(event);
}

void TabbedNotebook::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    placeTabs();
}

void TabbedNotebook::placeTabs()
{
    const int n = count();
    const int rows = n == 0 ? 1 : (n + m_tabsPerRow - 1) / m_tabsPerRow;
    const int w = width();
    // Every row keeps its place whichever tab is chosen, so that a tab stays
    // where the user saw it and the next click lands on the tab aimed at.
    for (int i = 0; i < n; ++i) {
        const int line = i / m_tabsPerRow;
        const int column = i % m_tabsPerRow;
        // Full rows share the width; a short last row keeps the same tab width,
        // widened only when a caption would not fit.
        const int left = column * w / m_tabsPerRow;
        const int right = (column + 1) * w / m_tabsPerRow;
        const int tabWidth = qMax(right - left, m_tabs[i]->sizeHint().width());
        m_tabs[i]->setGeometry(left, line * kTabHeight, tabWidth, kTabHeight);
        m_tabs[i]->setChecked(i == m_current);
    }
    m_pages->setGeometry(0, rows * kTabHeight, w, qMax(0, height() - rows * kTabHeight));
}
