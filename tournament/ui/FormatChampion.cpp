#include "tournament/ui/FormatChampion.h"

#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "tournament/format/FormatPlaces.h"
#include "tournament/ui/FormatSession.h"

FormatChampion::FormatChampion(FormatSession &session, QWidget *parent) : QDialog(parent), m_session(session)
{
    setObjectName(QStringLiteral("FormatChampion"));
    setWindowTitle(QStringLiteral("Champion"));
    const auto label = [](const char *objectName, int pixels, bool bold) {
        auto *l = new QLabel;
        l->setObjectName(QLatin1String(objectName));
        l->setTextFormat(Qt::PlainText);
        l->setAlignment(Qt::AlignCenter);
        l->setWordWrap(true);
        QFont f = l->font();
        f.setPixelSize(pixels);
        f.setBold(bold);
        l->setFont(f);
        return l;
    };
    line = label("line", 20, false);
    flag = label("flag", 14, false);
    name = label("name", 30, true);
    ranking = label("ranking", 15, false);
    okButton = new QPushButton(QStringLiteral("OK"));
    okButton->setObjectName(QStringLiteral("okButton"));
    okButton->setDefault(true);
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(24, 18, 24, 18);
    layout->addWidget(line);
    layout->addSpacing(8);
    layout->addWidget(flag);
    layout->addWidget(name);
    layout->addSpacing(14);
    layout->addWidget(new QLabel(QStringLiteral("Final ranking")), 0, Qt::AlignCenter);
    layout->addWidget(ranking);
    layout->addSpacing(8);
    layout->addWidget(okButton, 0, Qt::AlignCenter);
    setMinimumWidth(420);
    connect(okButton, &QPushButton::clicked, this, &QDialog::accept);
}

bool FormatChampion::refresh()
{
    const FormatTournament &t = m_session.tournament();
    const FormatStandings &s = m_session.standings();
    line->setText(FormatPlaces::championLine(t.format));
    name->setText(t.teamName(s.champion));
    const QPixmap picture = m_session.flag(s.champion, 64);
    flag->setPixmap(picture);
    flag->setVisible(!picture.isNull());
    ranking->setText(FormatPlaces::finalRanking(t, s).join(QLatin1Char('\n')));
    return s.champion >= 0;
}
