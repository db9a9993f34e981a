#pragma once

#include <QWidget>

class QListWidget;
class QTextBrowser;

// The help window: the program's German help pages with a list of topics
// on the left. Pages are opened by the context numbers the forms use.
class TfrmHilfe : public QWidget {
    Q_OBJECT

public:
    explicit TfrmHilfe(QWidget *parent = nullptr);

    void showContext(int context);
    void showIndex();
    void showUsage();

    // The page a context number opens; unknown numbers open the contents.
    static QString pageForContext(int context);
    QString currentPage() const;

private:
    void open(const QString &page);

    QListWidget *m_topics = nullptr;
    QTextBrowser *m_browser = nullptr;
};
