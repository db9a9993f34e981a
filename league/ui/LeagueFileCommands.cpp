#include "league/ui/LeagueFileCommands.h"

#include "league/model/League.h"
#include "league/model/LeagueFile.h"
#include "league/model/LeagueOpen.h"
#include "league/model/LeagueOpenData.h"
#include "league/model/ProgramSettings.h"

#include <QDir>

#include <QFileInfo>

LeagueFileCommands::LeagueFileCommands(League &league, const UiPlatform &platform, QWidget *window, Display display)
    : m_league(league),
      m_platform(platform),
      m_window(window),
      m_display(std::move(display)),
      m_dlgOpen(FileDialogState::Open,
                {{QStringLiteral("Tabulon '98 (*.t98)"), QStringLiteral("*.t98")},
                 {QStringLiteral("Tabulon 3.2.1 (*.tn3)"), QStringLiteral("*.tn3")},
                 {QStringLiteral("Football.TXT (*.txt)"), QStringLiteral("*.txt")},
                 {QStringLiteral("Football.JSON (*.json)"), QStringLiteral("*.json")}},
                QStringLiteral("t98")),
      m_dlgSave(FileDialogState::Save,
                {{QStringLiteral("Tabulon '98 (*.t98)"), QStringLiteral("*.t98")},
                 {QStringLiteral("Football.TXT (*.txt)"), QStringLiteral("*.txt")},
                 {QStringLiteral("Football.JSON (*.json)"), QStringLiteral("*.json")}},
                QStringLiteral("t98"))
{
}

bool LeagueFileCommands::askToSave()
{
    if (m_league.leagueSaved)
        return true;
    const QString name = m_league.leagueFileName.isEmpty()
                             ? QStringLiteral("Unbenannt")
                             : QFileInfo(m_league.leagueFileName).fileName();
    const QString text = QStringLiteral("Möchten Sie die Liga \"%1\" noch speichern?").arg(name);
    switch (m_platform.messages->confirm(m_window, text)) {
    case MessageBoxSeam::Yes:
        // A cancelled save dialog still lets the command go on; a save that
        // fails throws and ends the command, so nothing is lost unasked.
        if (!m_league.leagueFileName.isEmpty() && !saveTargetIsForeign())
            SaveDatei();
        else if (m_platform.files->exec(m_window, m_dlgSave))
            saveAsChosen();
        return true;
    case MessageBoxSeam::No:
        return true;
    default:
        return false;
    }
}

void LeagueFileCommands::SaveDatei()
{
    ::SaveDatei(m_league);
    m_display.showTitle();
    m_league.leagueSaved = true;
    remember(m_league.leagueFileName);
}

void LeagueFileCommands::OpenDatei()
{
    // The file's own content says what it is; the league is replaced only
    // once the whole file has been read.
    const QString path = m_league.leagueFileName;
    LeagueOpen::Opened opened = LeagueOpen::open(path, m_league.programDir);
    m_league = opened.league;
    m_importTitle = opened.title;
    m_display.showLeague();
    m_league.leagueSaved = opened.format == LeagueOpen::Format::League;
    // An imported file is listed too: choosing it imports it again.
    remember(path);
    if (opened.format != LeagueOpen::Format::FootballTxt && opened.format != LeagueOpen::Format::FootballJson)
        return;
    // "Speichern" asks for a name and offers the competition's.
    m_dlgSave.fileName = QFileInfo(path).absolutePath() + QLatin1Char('/')
        + LeagueOpenData::suggestedFileName(opened.title);
    m_dlgSave.filterIndex = 1;
    if (!opened.skipped.isEmpty())
        m_platform.messages->information(m_window, QStringLiteral("Aus %1 nicht übernommen:\n%2")
                                                       .arg(QFileInfo(path).fileName(),
                                                            opened.skipped.join(QLatin1Char('\n'))));
}

bool LeagueFileCommands::saveTargetIsForeign()
{
    // A league file is never written over a file of another format: the
    // league's name could still point at one that was changed outside the
    // program, and its content would be lost in the league's sections.
    const QFileInfo target(m_league.leagueFileName);
    if (!target.isFile() || target.size() == 0
        || LeagueOpen::detectFile(m_league.leagueFileName) == LeagueOpen::Format::League)
        return false;
    m_dlgSave.fileName = target.absolutePath() + QLatin1Char('/') + target.completeBaseName() + QStringLiteral(".T98");
    m_dlgSave.filterIndex = 1;
    return true;
}

void LeagueFileCommands::saveAsChosen()
{
    if (m_dlgSave.filterIndex == 2 || m_dlgSave.filterIndex == 3) {
        const auto format = m_dlgSave.filterIndex == 2 ? LeagueOpenData::Format::Txt : LeagueOpenData::Format::Json;
        const QString suffix = format == LeagueOpenData::Format::Txt ? QStringLiteral("txt") : QStringLiteral("json");
        // The dialog adds the league file's extension to a bare name.
        QString path = m_dlgSave.fileName;
        const QFileInfo fi(path);
        if (fi.suffix().compare(QLatin1String("t98"), Qt::CaseInsensitive) == 0) {
            path.chop(3);
            path += suffix;
        } else if (fi.suffix().isEmpty()) {
            path += QLatin1Char('.') + suffix;
        }
        // The league's own name, once it has one, is its title.
        const QString title = m_importTitle.isEmpty() || !m_league.leagueName.isEmpty()
            ? LeagueOpenData::exportTitle(m_league)
            : m_importTitle;
        const QStringList notes = LeagueOpenData::exportFile(m_league, title, path, format);
        if (!notes.isEmpty())
            m_platform.messages->information(
                m_window, QStringLiteral("In %1 nicht enthalten:\n%2").arg(QFileInfo(path).fileName(),
                                                                            notes.join(QLatin1Char('\n'))));
        return;
    }
    const QString previous = m_league.leagueFileName;
    m_league.leagueFileName = m_dlgSave.fileName;
    try {
        SaveDatei();
    } catch (...) {
        // The league was not written there, so it keeps its old name.
        m_league.leagueFileName = previous;
        throw;
    }
}

void LeagueFileCommands::open()
{
    if (!askToSave())
        return;
    if (!m_platform.files->exec(m_window, m_dlgOpen))
        return;
    // The file type chosen in the dialog only filters the list: the file is
    // read in the format its content and name give.
    openPath(m_dlgOpen.fileName);
}

void LeagueFileCommands::openPath(const QString &path)
{
    const QString previous = m_league.leagueFileName;
    m_league.leagueFileName = path;
    try {
        OpenDatei();
    } catch (...) {
        // A failed open leaves the open league as it was, its name included.
        if (m_league.leagueFileName == path)
            m_league.leagueFileName = previous;
        throw;
    }
}

void LeagueFileCommands::setRecentFiles(const QStringList &files)
{
    m_recent = files.mid(0, ProgramSettings::kRecentFiles);
    if (m_display.showRecentFiles)
        m_display.showRecentFiles();
}

void LeagueFileCommands::remember(const QString &path)
{
    setRecentFiles(ProgramSettings::withRecentFile(m_recent, path));
}

void LeagueFileCommands::openRecent(int index)
{
    if (index < 0 || index >= m_recent.size())
        return;
    const QString path = m_recent.at(index);
    // Checked before the save prompt: nothing is asked for a file that
    // cannot be opened.
    if (!QFileInfo(path).isFile()) {
        setRecentFiles(ProgramSettings::withoutRecentFile(m_recent, path));
        m_platform.messages->error(m_window, QStringLiteral("Die Datei %1 gibt es nicht mehr. "
                                                            "Sie wird aus der Liste der zuletzt benutzten "
                                                            "Dateien entfernt.")
                                                 .arg(QDir::toNativeSeparators(path)));
        return;
    }
    if (!askToSave())
        return;
    openPath(path);
}

void LeagueFileCommands::save()
{
    // Without a name, or with the name of a file of another format, the
    // save asks for one as "Speichern unter..." does.
    if (m_league.leagueFileName.isEmpty() || saveTargetIsForeign())
        saveAs();
    else
        SaveDatei();
}

void LeagueFileCommands::saveAs()
{
    if (m_platform.files->exec(m_window, m_dlgSave))
        saveAsChosen();
}
