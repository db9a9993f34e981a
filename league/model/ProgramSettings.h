#pragma once

#include <QList>
#include <QString>
#include <QStringList>

class IniFile;

// TN98.INI: where tabulon's windows stood, whether the status line is shown
// and where the four toolbars are docked. The window code collects and
// applies the values; reading and writing the file lives here so it can be
// checked without windows.
namespace ProgramSettings {

inline const QString kFileName = QStringLiteral("TN98.INI");

// The settings file lives next to the program when that folder is writable,
// otherwise in the user's configuration folder ($XDG_CONFIG_HOME/tabulon/).
// programDir ends in a separator; the result is a full path.
QString filePath(const QString &programDir);

// The default offset that centres a window: (screen - window) x 0.5 rounded
// to the nearest integer, halves going to the even neighbour.
int centredOffset(int screenExtent, int windowExtent);

// Window sections in the order they are read and written.
const QStringList &windowSections();
// Toolbar sections in the order the toolbars belong to the main window.
const QStringList &toolbarSections();

inline const QString kDockName = QStringLiteral("TNDock");
inline const QString kFloating = QStringLiteral("+");
constexpr int kToolbarRevision = 2;

struct WindowPlace {
    QString name;
    int top = 0;
    int left = 0;
};

struct ToolbarPlace {
    QString name;
    bool visible = true;
    QString dockedTo = kDockName;
    int dockRow = 0;
    int dockPos = 0;
    int floatLeft = 0;
    int floatTop = 0;
};

// A window's place from its section; a missing key gives the centred default.
WindowPlace readWindow(const IniFile &ini, const QString &name, int centredTop, int centredLeft);
bool readStatusVisible(const IniFile &ini);
// Only a section whose Rev reads as 2 is used; otherwise the toolbar keeps
// its design-time place and nothing is returned.
bool readToolbar(const IniFile &ini, const QString &name, ToolbarPlace *place);

// Writes the windows (Top before Left), the status line and the toolbars
// with Rev=2, in that order.
void write(IniFile &ini, const QList<WindowPlace> &windows, bool statusVisible,
           const QList<ToolbarPlace> &toolbars);

// The league files opened or saved last, newest first, for the "Datei"
// menu. They have a section of their own, written only while it names a
// file, so the TN98.INI of someone who never opened one stays as it was.
constexpr int kRecentFiles = 4;
inline const QString kRecentSection = QStringLiteral("Zuletzt");
// Datei1..Datei4; empty and repeated entries are skipped.
QStringList readRecentFiles(const IniFile &ini);
// A path that would not read back as written (a character Windows-1252
// cannot hold, a line break, more than an entry holds) is left out rather
// than brought back as another file.
void writeRecentFiles(IniFile &ini, const QStringList &files);
// The list with path in front, once, at most kRecentFiles long. The path is
// made absolute and clean, so one file stands in the list once however it
// was named.
QStringList withRecentFile(const QStringList &files, const QString &path);
QStringList withoutRecentFile(const QStringList &files, const QString &path);

} // namespace ProgramSettings
