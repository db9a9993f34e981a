#include "tournament/ui/NewTournamentDialog.h"

#include <set>

#include <QComboBox>
#include <QDir>
#include <QFileInfo>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollArea>
#include <QVBoxLayout>

#include "tournament/flags/TeamFlags.h"
#include "tournament/format/FormatFiles.h"
#include "tournament/format/FormatImport.h"
#include "tournament/model/TournamentFiles.h"
#include "tournament/ui/Platform.h"

NewTournamentDialog::NewTournamentDialog(Platform &platform, const QString &folder, QWidget *parent)
    : QDialog(parent), m_platform(platform)
{
    setObjectName(QStringLiteral("NewTournament"));
    setWindowTitle(QStringLiteral("New Tournament"));
    format = new QComboBox;
    format->setObjectName(QStringLiteral("format"));
    // The classic 32-team tournament keeps its own files and is made by
    // trophex --create; every other shipped format is offered here.
    for (const QString &key : FormatFile::shippedNames()) {
        if (key == QLatin1String(FormatFile::kClassicKey))
            continue;
        format->addItem(QStringLiteral("%1 (%2)").arg(FormatFile::load(key).format.name, key), key);
    }
    format->addItem(QStringLiteral("Format file..."), QString());
    folderEdit = new QLineEdit(folder);
    folderEdit->setObjectName(QStringLiteral("folderEdit"));
    browseButton = new QPushButton(QStringLiteral("Browse..."));
    browseButton->setObjectName(QStringLiteral("browseButton"));
    importTeamsButton = new QPushButton(QStringLiteral("Import teams (Football.TXT)..."));
    importTeamsButton->setObjectName(QStringLiteral("importTeamsButton"));
    importSquadsButton = new QPushButton(QStringLiteral("Import squads..."));
    importSquadsButton->setObjectName(QStringLiteral("importSquadsButton"));
    playerCount = new QLabel;
    playerCount->setObjectName(QStringLiteral("playerCount"));
    message = new QLabel;
    message->setObjectName(QStringLiteral("message"));
    message->setTextFormat(Qt::PlainText);
    message->setWordWrap(true);
    startButton = new QPushButton(QStringLiteral("Start"));
    startButton->setObjectName(QStringLiteral("startButton"));
    startButton->setDefault(true);
    cancelButton = new QPushButton(QStringLiteral("Cancel"));
    cancelButton->setObjectName(QStringLiteral("cancelButton"));

    auto *top = new QGridLayout;
    top->addWidget(new QLabel(QStringLiteral("Format")), 0, 0);
    top->addWidget(format, 0, 1, 1, 2);
    top->addWidget(new QLabel(QStringLiteral("Folder")), 1, 0);
    top->addWidget(folderEdit, 1, 1);
    top->addWidget(browseButton, 1, 2);
    auto *imports = new QHBoxLayout;
    imports->addWidget(importTeamsButton);
    imports->addWidget(importSquadsButton);
    imports->addWidget(playerCount, 1);
    m_groups = new QWidget;
    m_grid = new QGridLayout(m_groups);
    auto *scroll = new QScrollArea;
    scroll->setWidget(m_groups);
    scroll->setWidgetResizable(true);
    auto *buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(startButton);
    buttons->addWidget(cancelButton);
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addLayout(imports);
    layout->addWidget(scroll, 1);
    layout->addWidget(message);
    layout->addLayout(buttons);
    resize(900, 640);

    connect(format, &QComboBox::activated, this, &NewTournamentDialog::formatChanged);
    connect(browseButton, &QPushButton::clicked, this, &NewTournamentDialog::browseClick);
    connect(importTeamsButton, &QPushButton::clicked, this, &NewTournamentDialog::importTeamsClick);
    connect(importSquadsButton, &QPushButton::clicked, this, &NewTournamentDialog::importSquadsClick);
    connect(startButton, &QPushButton::clicked, this, &NewTournamentDialog::startClick);
    connect(cancelButton, &QPushButton::clicked, this, &QDialog::reject);
    formatChanged(0);
}

bool NewTournamentDialog::chooseFormat(const QString &key)
{
    const int i = format->findData(key);
    if (i < 0 || key.isEmpty())
        return false;
    format->setCurrentIndex(i);
    formatChanged(i);
    return true;
}

QLineEdit *NewTournamentDialog::teamEdit(int group, int k) const
{
    const size_t i = size_t(4 * group + k);
    return i < m_edits.size() ? m_edits[i] : nullptr;
}

void NewTournamentDialog::formatChanged(int index)
{
    QString key = format->itemData(index).toString();
    FormatFile::Read read;
    if (key.isEmpty()) {
        const QString file = m_platform.chooseFile(this, QStringLiteral("Format file"),
                                                   QStringLiteral("Format files (*.format);;All files (*)"));
        if (file.isEmpty()) {
            // Nothing chosen: the format stays the one before.
            format->setCurrentIndex(std::max(0, format->findData(m_key)));
            return;
        }
        read = FormatFile::load(file);
        if (read.ok && FormatFile::isClassic(read.format))
            read = {false, QStringLiteral("%1: the classic 32-team format is made with trophex --create").arg(file), {}};
        if (!read.ok) {
            message->setText(read.error);
            format->setCurrentIndex(std::max(0, format->findData(m_key)));
            return;
        }
        format->setItemText(index, QStringLiteral("%1 (%2)").arg(read.format.name, QFileInfo(file).fileName()));
    } else {
        read = FormatFile::load(key);
    }
    m_format = read.format;
    m_key = key;
    message->clear();
    buildGroups();
}

void NewTournamentDialog::buildGroups()
{
    // Names typed so far stay in their places where the new format has them.
    const QStringList before = typedNames();
    for (QWidget *box : m_boxes)
        delete box;
    m_boxes.clear();
    m_edits.clear();
    const int perRow = m_format.groups > 8 ? 4 : 3;
    for (int g = 0; g < m_format.groups; ++g) {
        auto *box = new QGroupBox(QStringLiteral("Group %1").arg(QChar('A' + g)), m_groups);
        auto *inner = new QVBoxLayout(box);
        for (int k = 0; k < TournamentFormat::kTeamsPerGroup; ++k) {
            auto *e = new QLineEdit(box);
            e->setObjectName(QStringLiteral("teamChoice%1%2").arg(QChar('A' + g)).arg(k + 1));
            e->setMaxLength(FormatTeam::kMaxNameLength);
            e->setText(before.value(4 * g + k));
            inner->addWidget(e);
            m_edits.push_back(e);
        }
        m_grid->addWidget(box, g / perRow, g % perRow);
        m_boxes.push_back(box);
    }
    showPlayers();
}

QStringList NewTournamentDialog::typedNames() const
{
    QStringList out;
    for (const QLineEdit *e : m_edits)
        out << e->text().trimmed();
    return out;
}

void NewTournamentDialog::showPlayers()
{
    int teams = 0;
    int players = 0;
    for (const QString &name : typedNames()) {
        const auto it = m_squads.find(name);
        if (it != m_squads.end() && !it->second.isEmpty()) {
            ++teams;
            players += int(it->second.size());
        }
    }
    playerCount->setText(teams ? QStringLiteral("Squads: %1 players of %2 teams").arg(players).arg(teams)
                           : QStringLiteral("No squads yet"));
}

void NewTournamentDialog::browseClick()
{
    const QString dir = m_platform.chooseFolder(this, QStringLiteral("Folder of the new tournament"));
    if (!dir.isEmpty())
        folderEdit->setText(dir);
}

bool NewTournamentDialog::importTeamsClick()
{
    const QString file = m_platform.chooseFile(this, QStringLiteral("Teams from a Football.TXT file"),
                                               QStringLiteral("Football.TXT (*.txt);;All files (*)"));
    if (file.isEmpty())
        return false;
    FormatTournament t;
    t.format = m_format;
    const FormatImport::Result r = FormatImport::importFiles(t, {file}, QString());
    if (!r.ok) {
        message->setText(r.error);
        return false;
    }
    // Only the draw is taken: the tournament starts with no match played.
    for (int n = 0; n < t.teamCount(); ++n) {
        m_edits[size_t(n)]->setText(t.team(n).name);
        if (!t.team(n).players.isEmpty())
            m_squads[t.team(n).name] = t.team(n).players;
    }
    message->setText(QStringLiteral("The teams of %1 groups are taken from %2.").arg(t.format.groups).arg(QFileInfo(file).fileName()));
    showPlayers();
    return true;
}

bool NewTournamentDialog::importSquadsClick()
{
    const QString file = m_platform.chooseFile(this, QStringLiteral("Squads"),
                                               QStringLiteral("Squads (*.txt);;All files (*)"));
    if (file.isEmpty())
        return false;
    FormatTournament t;
    t.format = m_format;
    const QStringList names = typedNames();
    for (int g = 0; g < m_format.groups; ++g) {
        FormatGroup group;
        group.letter = char('A' + g);
        for (int k = 0; k < TournamentFormat::kTeamsPerGroup; ++k)
            group.teams[size_t(k)].name = names.value(4 * g + k);
        t.groups.push_back(group);
    }
    const FormatImport::Result r = FormatImport::importSquads(t, file);
    if (!r.ok) {
        message->setText(r.error);
        return false;
    }
    int filled = 0;
    for (int n = 0; n < t.teamCount(); ++n)
        if (!t.team(n).name.isEmpty() && !t.team(n).players.isEmpty()) {
            m_squads[t.team(n).name] = t.team(n).players;
            ++filled;
        }
    QStringList lines{QStringLiteral("Squads of %1 teams read from %2.").arg(filled).arg(QFileInfo(file).fileName())};
    lines << r.notes;
    message->setText(lines.join(QLatin1Char('\n')));
    showPlayers();
    return true;
}

bool NewTournamentDialog::startClick()
{
    const QString dir = folderEdit->text().trimmed();
    if (dir.isEmpty()) {
        message->setText(QStringLiteral("Choose the folder of the new tournament."));
        return false;
    }
    // A folder holding a tournament keeps it: a new one goes elsewhere.
    const QDir d(dir);
    if (FormatFiles::holdsFormat(dir) || QFileInfo::exists(d.filePath(QStringLiteral("groupA.dat")))) {
        message->setText(QStringLiteral("The folder %1 holds a tournament already; choose another folder.").arg(dir));
        return false;
    }
    const QStringList names = typedNames();
    std::set<QString> seen;
    for (int n = 0; n < int(names.size()); ++n) {
        const QString where = QStringLiteral("Group %1, team %2").arg(QChar('A' + n / 4)).arg(n % 4 + 1);
        const QString &name = names[n];
        if (name.isEmpty()) {
            message->setText(QStringLiteral("%1 has no name.").arg(where));
            m_edits[size_t(n)]->setFocus();
            return false;
        }
        for (QChar c : name)
            if (c.category() == QChar::Other_Control) {
                message->setText(QStringLiteral("%1: a name cannot hold control characters.").arg(where));
                return false;
            }
        if (!seen.insert(name).second) {
            message->setText(QStringLiteral("%1: %2 is named twice.").arg(where, name));
            m_edits[size_t(n)]->setFocus();
            return false;
        }
    }
    FormatTournament t;
    t.format = m_format;
    t.formatKey = m_key;
    QStringList taken;
    FolderCommit::Files pictures;
    for (int g = 0; g < m_format.groups; ++g) {
        FormatGroup group;
        group.letter = char('A' + g);
        for (int k = 0; k < TournamentFormat::kTeamsPerGroup; ++k) {
            FormatTeam &e = group.teams[size_t(k)];
            e.name = names[4 * g + k];
            const auto it = m_squads.find(e.name);
            if (it != m_squads.end())
                e.players = it->second.mid(0, FormatTeam::kMaxPlayers);
            e.goals = QList<int>(e.players.size(), 0);
            e.flag = TeamFlags::flagName(e.name, taken);
            taken << e.flag;
            pictures.append({e.flag + QStringLiteral(".bmp"), TeamFlags::pictureBytes(e.name)});
        }
        t.groups.push_back(group);
    }
    if (!QDir().mkpath(dir)) {
        message->setText(QStringLiteral("The folder %1 cannot be created.").arg(dir));
        return false;
    }
    FileResult r = TeamFlags::ownPictureFiles(dir, &pictures);
    if (r.ok)
        r = FormatFiles::save(t, dir, pictures);
    if (!r.ok) {
        message->setText(r.error);
        return false;
    }
    m_created = QDir(dir).absolutePath();
    accept();
    return true;
}
