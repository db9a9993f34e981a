#include "league/model/ProgramSettings.h"

#include "league/model/IniFile.h"

#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>
#include <QTemporaryFile>
#include <cmath>

namespace ProgramSettings {

static bool folderWritable(const QString &dir)
{
    // The folder's permission bits do not tell the whole truth (read-only
    // mounts, ACLs), so try to create a file there.
    if (!QFileInfo(dir).isDir())
        return false;
    QTemporaryFile probe(QDir(dir).filePath(QStringLiteral("tn98probe-XXXXXX")));
    return probe.open();
}

QString filePath(const QString &programDir)
{
    const QString inProgramDir = QDir(programDir).filePath(kFileName);
    // An existing file that can be written keeps its place.
    const QFileInfo existing(inProgramDir);
    if (existing.exists() ? existing.isWritable() && folderWritable(programDir) : folderWritable(programDir))
        return inProgramDir;
    const QString config = QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation);
    return QDir(config).filePath(QStringLiteral("tabulon/") + kFileName);
}

int centredOffset(int screenExtent, int windowExtent)
{
    // std::nearbyint rounds halves to the even neighbour in the default
    // rounding mode, which is the rule the stored defaults follow.
    return static_cast<int>(std::nearbyint((static_cast<double>(screenExtent) - windowExtent) * 0.5));
}

const QStringList &windowSections()
{
    static const QStringList names{
        QStringLiteral("frmTN"),     QStringLiteral("frmAbout"),  QStringLiteral("frmDruck"),
        QStringLiteral("frmDruckDlg"), QStringLiteral("frmEinst"), QStringLiteral("frmKreuz"),
        QStringLiteral("frmKurve"),  QStringLiteral("frmTab"),    QStringLiteral("frmExport"),
        QStringLiteral("frmExpBMP")};
    return names;
}

const QStringList &toolbarSections()
{
    static const QStringList names{QStringLiteral("tbStd"), QStringLiteral("tbHlp"),
                                   QStringLiteral("tbNav"), QStringLiteral("tbLga")};
    return names;
}

WindowPlace readWindow(const IniFile &ini, const QString &name, int centredTop, int centredLeft)
{
    WindowPlace p;
    p.name = name;
    p.top = ini.readInteger(name, QStringLiteral("Top"), centredTop);
    p.left = ini.readInteger(name, QStringLiteral("Left"), centredLeft);
    return p;
}

bool readStatusVisible(const IniFile &ini)
{
    return ini.readBool(QStringLiteral("panStatus"), QStringLiteral("Visible"), true);
}

bool readToolbar(const IniFile &ini, const QString &name, ToolbarPlace *place)
{
    if (ini.readInteger(name, QStringLiteral("Rev"), 0) != kToolbarRevision)
        return false;
    ToolbarPlace p;
    p.name = name;
    p.visible = ini.readBool(name, QStringLiteral("Visible"), true);
    p.dockedTo = ini.readString(name, QStringLiteral("DockedTo"), kDockName);
    p.dockRow = ini.readInteger(name, QStringLiteral("DockRow"), 0);
    p.dockPos = ini.readInteger(name, QStringLiteral("DockPos"), 0);
    p.floatLeft = ini.readInteger(name, QStringLiteral("FloatLeft"), 0);
    p.floatTop = ini.readInteger(name, QStringLiteral("FloatTop"), 0);
    *place = p;
    return true;
}

void write(IniFile &ini, const QList<WindowPlace> &windows, bool statusVisible,
           const QList<ToolbarPlace> &toolbars)
{
    for (const WindowPlace &w : windows) {
        ini.writeInteger(w.name, QStringLiteral("Top"), w.top);
        ini.writeInteger(w.name, QStringLiteral("Left"), w.left);
    }
    ini.writeBool(QStringLiteral("panStatus"), QStringLiteral("Visible"), statusVisible);
    for (const ToolbarPlace &t : toolbars) {
        ini.writeInteger(t.name, QStringLiteral("Rev"), kToolbarRevision);
        ini.writeBool(t.name, QStringLiteral("Visible"), t.visible);
        ini.writeString(t.name, QStringLiteral("DockedTo"), t.dockedTo);
        ini.writeInteger(t.name, QStringLiteral("DockRow"), t.dockRow);
        ini.writeInteger(t.name, QStringLiteral("DockPos"), t.dockPos);
        ini.writeInteger(t.name, QStringLiteral("FloatLeft"), t.floatLeft);
        ini.writeInteger(t.name, QStringLiteral("FloatTop"), t.floatTop);
    }
}

} // namespace ProgramSettings

namespace ProgramSettings {

static QString recentKey(int i)
{
    return QStringLiteral("Datei%1").arg(i);
}

static QString cleanAbsolute(const QString &path)
{
    return path.isEmpty() ? QString() : QDir::cleanPath(QFileInfo(path).absoluteFilePath());
}

// Whether the settings file would give the path back unchanged.
static bool readsBack(const QString &path)
{
    IniFile written;
    written.writeString(kRecentSection, recentKey(1), path);
    IniFile read;
    read.fromBytes(written.toBytes());
    return read.readString(kRecentSection, recentKey(1), QString()) == path;
}

QStringList readRecentFiles(const IniFile &ini)
{
    QStringList files;
    for (int i = 1; i <= kRecentFiles; ++i) {
        const QString path = ini.readString(kRecentSection, recentKey(i), QString());
        if (!path.isEmpty() && !files.contains(path))
            files << path;
    }
    return files;
}

void writeRecentFiles(IniFile &ini, const QStringList &files)
{
    QStringList kept;
    for (const QString &path : files)
        if (kept.size() < kRecentFiles && !path.isEmpty() && !kept.contains(path) && readsBack(path))
            kept << path;
    // Keys are replaced in place, so the section keeps its spot in the file.
    for (int i = 1; i <= kRecentFiles; ++i) {
        if (i <= kept.size())
            ini.writeString(kRecentSection, recentKey(i), kept.at(i - 1));
        else
            ini.removeKey(kRecentSection, recentKey(i));
    }
    if (kept.isEmpty() && ini.hasSection(kRecentSection) && ini.keys(kRecentSection).isEmpty())
        ini.removeSection(kRecentSection);
}

QStringList withRecentFile(const QStringList &files, const QString &path)
{
    const QString added = cleanAbsolute(path);
    if (added.isEmpty())
        return files;
    QStringList out{added};
    QStringList seen{added};
    for (const QString &f : files) {
        const QString clean = cleanAbsolute(f);
        if (out.size() < kRecentFiles && !clean.isEmpty() && !seen.contains(clean)) {
            out << f;
            seen << clean;
        }
    }
    return out;
}

QStringList withoutRecentFile(const QStringList &files, const QString &path)
{
    const QString dropped = cleanAbsolute(path);
    QStringList out;
    for (const QString &f : files)
        if (cleanAbsolute(f) != dropped)
            out << f;
    return out;
}

} // namespace ProgramSettings
