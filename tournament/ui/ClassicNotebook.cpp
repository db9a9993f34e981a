#include "tournament/ui/ClassicNotebook.h"

#include <QLabel>

#include "tournament/ui/AboutPage.h"
#include "tournament/ui/ClassificationsPage.h"
#include "tournament/ui/EditTeamPage.h"
#include "tournament/ui/Look.h"
#include "tournament/ui/NewResultPage.h"
#include "tournament/ui/PageContext.h"
#include "tournament/ui/PlayedMatchesPage.h"
#include "tournament/ui/StatisticsPage.h"
#include "tournament/ui/WelcomePage.h"

ClassicNotebook::ClassicNotebook(PageContext &ctx, QSize designSize, QWidget *parent)
    : TabbedNotebook(parent), m_ctx(ctx)
{
    setObjectName(QStringLiteral("TabbedNotebook1"));
    setGeometry(QRect(QPoint(), designSize));
    setTabsPerRow(6);
    const QString captions[] = {QStringLiteral("Welcome"),       QStringLiteral("Classifications"),
                                QStringLiteral("Edit Team"),     QStringLiteral("Played Matchs"),
                                QStringLiteral("New Result"),    QStringLiteral("Statistics"),
                                QStringLiteral("About The Author")};
    for (int page = Welcome; page <= AboutTheAuthor; ++page)
        addPage(captions[page], [this, page] { return buildPage(Page(page)); });
    // Every page is laid out for the room it has in the design size, with
    // all the rows of tabs; from there its controls follow the window's size.
    m_design = pageSize();
}

QWidget *ClassicNotebook::buildPage(Page page)
{
    switch (page) {
    case Welcome: {
        auto *p = new WelcomePage(m_ctx);
        p->followSize(m_design);
        connect(p, &WelcomePage::stage2Asked, this, &ClassicNotebook::stage2Asked);
        connect(p, &WelcomePage::exitAsked, this, &ClassicNotebook::exitAsked);
        connect(p, &WelcomePage::picturesAsked, this, &ClassicNotebook::picturesAsked);
        return p;
    }
    case Classifications: {
        auto *p = new ClassificationsPage(m_ctx);
        p->followSize(m_design);
        return p;
    }
    case EditTeam: {
        auto *p = new EditTeamPage(m_ctx);
        p->followSize(m_design);
        return p;
    }
    case PlayedMatchs: {
        auto *p = new PlayedMatchesPage(m_ctx);
        p->followSize(m_design);
        return p;
    }
    case NewResult: {
        auto *p = new NewResultPage(m_ctx);
        p->followSize(m_design);
        connect(p, &NewResultPage::checked, this, &ClassicNotebook::checked);
        connect(p, &NewResultPage::backAsked, this, &ClassicNotebook::backAsked);
        return p;
    }
    case Statistics: {
        auto *p = new StatisticsPage(m_ctx);
        p->followSize(m_design);
        return p;
    }
    case AboutTheAuthor:
        break;
    }
    auto *p = new AboutPage;
    p->followSize(m_design);
    if (!m_logo.isNull())
        p->sigle->setPixmap(m_logo);
    return p;
}

WelcomePage *ClassicNotebook::welcomePage()
{
    return pageAt<WelcomePage>(Welcome);
}

ClassificationsPage *ClassicNotebook::classificationsPage()
{
    return pageAt<ClassificationsPage>(Classifications);
}

EditTeamPage *ClassicNotebook::editTeamPage()
{
    return pageAt<EditTeamPage>(EditTeam);
}

PlayedMatchesPage *ClassicNotebook::playedMatchesPage()
{
    return pageAt<PlayedMatchesPage>(PlayedMatchs);
}

NewResultPage *ClassicNotebook::newResultPage()
{
    return pageAt<NewResultPage>(NewResult);
}

StatisticsPage *ClassicNotebook::statisticsPage()
{
    return pageAt<StatisticsPage>(Statistics);
}

AboutPage *ClassicNotebook::aboutPage()
{
    return pageAt<AboutPage>(AboutTheAuthor);
}

void ClassicNotebook::setLogo(const QPixmap &logo)
{
    m_logo = logo;
    if (isBuilt(AboutTheAuthor))
        aboutPage()->sigle->setPixmap(logo);
}

void ClassicNotebook::showBackgrounds(bool shown)
{
    // Asking for the pages builds them: a background that cannot be read is
    // reported now, when "Images" is clicked, not when its page is first shown.
    struct Background { QLabel *label; const char *file; };
    const Background backgrounds[] = {{classificationsPage()->fond_classement, "soccer.bmp"},
                                      {statisticsPage()->fond_stats, "noirs.bmp"},
                                      {newResultPage()->fond_resultat, "buteur.bmp"},
                                      {playedMatchesPage()->fond_matchs, "gardien.bmp"},
                                      {editTeamPage()->fond_equipe, "libero.bmp"}};
    for (const Background &b : backgrounds) {
        if (shown)
            Look::loadPicture(b.label, m_ctx.folder, QString::fromLatin1(b.file), &m_ctx.platform, m_ctx.window);
        else
            b.label->clear();
    }
}
