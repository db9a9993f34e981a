#include "league/ui/TfrmHilfe.h"

#include "league/ui/FormUtil.h"

#include <QHBoxLayout>
#include <QListWidget>
#include <QShortcut>
#include <QTextBrowser>

// The pages are compiled into a static library, whose resources the linker
// keeps only when something asks for them.
static void initHelpPages()
{
    Q_INIT_RESOURCE(help);
}

namespace {

struct Topic {
    const char *page;
    const char *title;
};

const Topic kTopics[] = {
    {"inhalt.html", "Inhalt"},
    {"spieltag.html", "Spieltage eingeben"},
    {"dateien.html", "Ligen öffnen und speichern"},
    {"einstellungen.html", "Grundeinstellungen"},
    {"spielplan.html", "Spielplan erstellen"},
    {"tabellen.html", "Tabellen"},
    {"kreuztabelle.html", "Kreuztabelle"},
    {"fieberkurven.html", "Fieberkurven"},
    {"export.html", "Exportieren"},
    {"drucken.html", "Drucken und Vorschau"},
    {"index.html", "Stichwortverzeichnis"},
    {"hilfe.html", "Die Hilfe benutzen"},
};

} // namespace

TfrmHilfe::TfrmHilfe(QWidget *parent) : QWidget(parent, Qt::Window)
{
    initHelpPages();
    setObjectName(QStringLiteral("frmHilfe"));
    setWindowTitle(QStringLiteral("Tabulon '98 - Hilfe"));
    setFont(FormUtil::dialogFont());
    resize(640, 440);

    auto *h = new QHBoxLayout(this);
    m_topics = new QListWidget(this);
    m_topics->setObjectName(QStringLiteral("lstThemen"));
    m_topics->setMaximumWidth(190);
    for (const Topic &t : kTopics) {
        auto *item = new QListWidgetItem(QString::fromUtf8(t.title), m_topics);
        item->setData(Qt::UserRole, QString::fromLatin1(t.page));
    }
    m_browser = new QTextBrowser(this);
    m_browser->setObjectName(QStringLiteral("txtSeite"));
    m_browser->setSearchPaths({QStringLiteral(":/help")});
    m_browser->setOpenExternalLinks(false);
    h->addWidget(m_topics);
    h->addWidget(m_browser, 1);

    // A help window is looked at and put away: Escape closes it, as it
    // closes every dialog of the program.
    auto *escape = new QShortcut(QKeySequence(Qt::Key_Escape), this);
    escape->setContext(Qt::WindowShortcut);
    connect(escape, &QShortcut::activated, this, &QWidget::close);

    connect(m_topics, &QListWidget::itemClicked, this,
            [this](QListWidgetItem *item) { open(item->data(Qt::UserRole).toString()); });
    connect(m_browser, &QTextBrowser::sourceChanged, this, [this](const QUrl &url) {
        const QString page = url.fileName();
        for (int i = 0; i < m_topics->count(); ++i)
            if (m_topics->item(i)->data(Qt::UserRole).toString() == page)
                m_topics->setCurrentRow(i);
    });
}

QString TfrmHilfe::pageForContext(int context)
{
    switch (context) {
    case 2:
        return QStringLiteral("einstellungen.html");
    case 3:
        return QStringLiteral("kreuztabelle.html");
    case 4:
        return QStringLiteral("tabellen.html");
    case 5:
        return QStringLiteral("fieberkurven.html");
    case 7:
        return QStringLiteral("export.html");
    case 8:
        return QStringLiteral("drucken.html");
    case 9:
        return QStringLiteral("spielplan.html");
    default:
        return QStringLiteral("inhalt.html");
    }
}

QString TfrmHilfe::currentPage() const
{
    return m_browser->source().fileName();
}

void TfrmHilfe::open(const QString &page)
{
    m_browser->setSource(QUrl(QStringLiteral("qrc:/help/") + page));
    show();
    raise();
    activateWindow();
}

void TfrmHilfe::showContext(int context)
{
    open(pageForContext(context));
}

void TfrmHilfe::showIndex()
{
    open(QStringLiteral("index.html"));
}

void TfrmHilfe::showUsage()
{
    open(QStringLiteral("hilfe.html"));
}
