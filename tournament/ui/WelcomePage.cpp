#include "tournament/ui/WelcomePage.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>

#include "tournament/commands/TournamentCommands.h"
#include "tournament/model/Resets.h"
#include "tournament/model/TournamentFiles.h"
#include "tournament/ui/Anchors.h"
#include "tournament/ui/Look.h"

using Look::make;

WelcomePage::WelcomePage(PageContext &ctx, QWidget *parent) : QWidget(parent), m_ctx(ctx)
{
    setObjectName(QStringLiteral("Welcome"));
    tour2 = make<QPushButton>(this, "tour2", 16, 16, 160, 30, QStringLiteral("Start Stage 2"));
    initialiser = make<QPushButton>(this, "initialiser", 16, 70, 160, 30, QStringLiteral("Reset All"));
    initTour2 = make<QPushButton>(this, "initTour2", 16, 110, 160, 30, QStringLiteral("Reset Stage 2"));
    sauver = make<QPushButton>(this, "sauver", 16, 164, 160, 30, QStringLiteral("Save"));
    Quitter = make<QPushButton>(this, "Quitter", 16, 218, 160, 30, QStringLiteral("Exit"));

    Options = make<QGroupBox>(this, "Options", 200, 12, 430, 92, QStringLiteral("Options"));
    Images = make<QCheckBox>(Options, "Images", 12, 26, 410, 24,
                             QStringLiteral("Show background pictures (non available)"));
    Images->setEnabled(false);
    sauve_auto = make<QCheckBox>(Options, "sauve_auto", 12, 56, 410, 24,
                                 QStringLiteral("Automatic save when changes are done."));

    mascot = make<QLabel>(this, "mascot", 220, 140, 64, 64);
    Label1 = make<QLabel>(this, "Label1", 300, 150, 330, 44,
                          QStringLiteral("\"I'll guide you through the tournament\""));
    Label1->setWordWrap(true);

    connect(tour2, &QPushButton::clicked, this, &WelcomePage::stage2Asked);
    connect(initialiser, &QPushButton::clicked, this, &WelcomePage::initialiserClick);
    connect(initTour2, &QPushButton::clicked, this, &WelcomePage::initTour2Click);
    connect(sauver, &QPushButton::clicked, this, &WelcomePage::sauverClick);
    connect(Quitter, &QPushButton::clicked, this, &WelcomePage::exitAsked);
    connect(Images, &QCheckBox::clicked, this, &WelcomePage::picturesAsked);
}

void WelcomePage::followSize(QSize design)
{
    // Nothing here grows: the controls stay together in the middle.
    new Anchors(this, design, Anchors::Centre, Anchors::Stay);
}

void WelcomePage::initialiserClick()
{
    if (!m_ctx.ask(QStringLiteral("Reset All ?"),
                       {QStringLiteral("All the results of both stages will be lost:"),
                        QStringLiteral("the matches, the standings, the players' goals"),
                        QStringLiteral("and the qualifiers."), m_ctx.whenWritten(),
                        QStringLiteral("Do you want to reset all ?")}))
        return;
    m_ctx.reportResult(TournamentCommands::resetEverything(m_ctx.tournament, m_ctx.autoSave(), m_ctx.folder));
}

void WelcomePage::initTour2Click()
{
    QStringList lines = {QStringLiteral("All the results of stage 2 will be lost:"),
                         QStringLiteral("the knock-out matches, their goals and the qualifiers.")};
    // Goals of matches recorded before their scorers were kept cannot be
    // told from group goals; the user learns it before saying yes.
    if (const int n = stage2MatchesWithoutScorers(m_ctx.tournament))
        lines << (n == 1 ? QStringLiteral("The goals of 1 match stay with the players:")
                         : QStringLiteral("The goals of %1 matches stay with the players:").arg(n))
              << (n == 1 ? QStringLiteral("its scorers were not kept. Correct them in \"Edit Team\".")
                         : QStringLiteral("their scorers were not kept. Correct them in \"Edit Team\"."));
    lines << m_ctx.whenWritten() << QStringLiteral("Do you want to reset stage 2 ?");
    if (!m_ctx.ask(QStringLiteral("Reset Stage 2 ?"), lines))
        return;
    m_ctx.reportResult(TournamentCommands::resetStageTwo(m_ctx.tournament, m_ctx.autoSave(), m_ctx.folder));
}

void WelcomePage::sauverClick()
{
    m_ctx.reportResult(saveAll(m_ctx.tournament, m_ctx.folder));
}
