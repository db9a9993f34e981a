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
