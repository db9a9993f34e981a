#include "tournament/ui/TabbedNotebook.h"

#include <QPushButton>
#include <QStackedWidget>

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
    m_pages->addWidget(page);
    if (m_current < 0) {
        m_current = index;
        m_pages->setCurrentIndex(index);
    }
    placeTabs();
    return index;
}

QWidget *TabbedNotebook::page(int index) const
{
    return m_pages->widget(index);
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
    m_pages->setCurrentIndex(index);
    placeTabs();
    return true;
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
