#pragma once

#include <QPixmap>

#include "tournament/group/ResultEntry.h"
#include "tournament/ui/TabbedNotebook.h"

class AboutPage;
class ClassificationsPage;
class EditTeamPage;
class NewResultPage;
class PlayedMatchesPage;
class StatisticsPage;
class WelcomePage;
struct PageContext;

// The notebook of the classic tournament's window: the welcome page, the
// group standings, the squads, the played matches, the result entry, the
// statistics and the author, each built when it is first shown or asked for.
// What a page asks of the window leaves as the notebook's signals.
class ClassicNotebook : public TabbedNotebook
{
    Q_OBJECT
public:
    enum Page { Welcome, Classifications, EditTeam, PlayedMatchs, NewResult, Statistics, AboutTheAuthor };

    // The pages are laid out for the room they have when the notebook has designSize.
    ClassicNotebook(PageContext &ctx, QSize designSize, QWidget *parent);

    WelcomePage *welcomePage();
    ClassificationsPage *classificationsPage();
    EditTeamPage *editTeamPage();
    PlayedMatchesPage *playedMatchesPage();
    NewResultPage *newResultPage();
    StatisticsPage *statisticsPage();
    AboutPage *aboutPage();

    // The logo of "About The Author", read with the other pictures at the start.
    void setLogo(const QPixmap &logo);
    // Loads or clears the backgrounds of the five pages that have one.
    void showBackgrounds(bool shown);

signals:
    void stage2Asked();
    void exitAsked();
    void picturesAsked();
    // The entry page's check, answered by the window's dialogs.
    void checked(EntryAnswer answer, const ResultEntry &entry, bool stage2);
    void backAsked();

private:
    QWidget *buildPage(Page page);
    template <typename P>
    P *pageAt(Page page)
    {
        return static_cast<P *>(this->page(page));
    }

    PageContext &m_ctx;
    QSize m_design;
    QPixmap m_logo;
};
