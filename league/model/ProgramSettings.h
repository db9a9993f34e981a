#pragma once

#include <QList>
#include <QString>

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

} // namespace ProgramSettings
