#pragma once

#include <functional>
#include <vector>

#include <QWidget>

class QPushButton;
class QStackedWidget;

// A notebook whose tabs wrap into rows of a fixed count; the rows stay in
// their order whichever tab is current. A page change first asks the owner, who
// runs the new page's entry actions or refuses the change; only then is the
// page shown. A page given as a builder is made when it is first shown or
// asked for, so that a window opens without building pages nobody looked at.
class TabbedNotebook : public QWidget
{
    Q_OBJECT
public:
    explicit TabbedNotebook(QWidget *parent = nullptr);

    void setTabsPerRow(int count);
    int addPage(QWidget *page, const QString &caption);
    int addPage(const QString &caption, std::function<QWidget *()> build);
    // The page at index, built now when it was not yet.
    QWidget *page(int index);
    bool isBuilt(int index) const { return m_built.at(index) != nullptr; }
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
    void showEvent(QShowEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;

private:
    void placeTabs();
    // Puts the controls of a page built late right after its tab in the
    // focus chain, where they stand when the page is built with its tab.
    void followTab(int index, QWidget *page);

    std::vector<QPushButton *> m_tabs;
    std::vector<QWidget *> m_built;
    std::vector<std::function<QWidget *()>> m_builders;
    QStackedWidget *m_pages;
    int m_tabsPerRow = 6;
    int m_current = -1;
};
