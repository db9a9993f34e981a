#pragma once

#include <functional>
#include <vector>

#include <QWidget>

class QPushButton;
class QStackedWidget;

// A notebook whose tabs wrap into rows of a fixed count; the rows stay in
// their order whichever tab is current. A page change first asks the owner, who
// runs the new page's entry actions or refuses the change; only then is the
// page shown.
class TabbedNotebook : public QWidget
{
    Q_OBJECT
public:
    explicit TabbedNotebook(QWidget *parent = nullptr);

    void setTabsPerRow(int count);
    int addPage(QWidget *page, const QString &caption);
    QWidget *page(int index) const;
    int count() const { return int(m_tabs.size()); }
    QPushButton *tab(int index) const { return m_tabs.at(index); }
    // The room a page has inside the notebook at its current size.
    QSize pageSize() const;

    int pageIndex() const { return m_current; }
    // Asks the owner's hook; shows the page and returns true when allowed.
    bool setPageIndex(int index);

    // Called before a change to another page; false refuses it.
    std::function<bool(int)> beforeChange;

protected:
    void resizeEvent(QResizeEvent *event) override;

private:
    void placeTabs();

    std::vector<QPushButton *> m_tabs;
    QStackedWidget *m_pages;
    int m_tabsPerRow = 6;
    int m_current = -1;
};
