#pragma once

#include <QString>
#include <stdexcept>

// A failed command in tabulon ends with one German message box and the
// program keeps running. Core code throws this with the exact text; the
// window that started the command catches it and shows the message.
class LeagueError : public std::runtime_error {
public:
    explicit LeagueError(const QString &message)
        : std::runtime_error(message.toStdString()), m_message(message) {}
    const QString &message() const { return m_message; }

    // The runtime's texts, kept in one place.
    static QString rangeError() { return QStringLiteral("Bereichsüberschreitung"); }
    static QString notAnInteger(const QString &text)
    {
        return QStringLiteral("'%1' ist kein gültiger Integerwert").arg(text);
    }
    static QString notADate(const QString &text)
    {
        return QStringLiteral("'%1' ist kein gültiges Datum").arg(text);
    }
    static QString cannotWrite(const QString &path)
    {
        return QStringLiteral("Kann nicht nach %1 schreiben").arg(path);
    }

    // The runtime's I/O texts for a file that cannot be opened or read.
    static QString fileNotFound() { return QStringLiteral("Datei nicht gefunden"); }
    static QString invalidFileName() { return QStringLiteral("Ungültiger Dateiname"); }
    static QString accessDenied() { return QStringLiteral("Dateizugriff verweigert"); }
    static QString ioError(int code) { return QStringLiteral("E/A-Fehler %1").arg(code); }

    // A file that the command line cannot read, with the reason when it is
    // more than a missing file or a refused access: "Datei liga.T98 kann
    // nicht geöffnet werden: keine gewöhnliche Datei".
    static QString cannotOpen(const QString &path, const QString &reason = QString())
    {
        const QString text = QStringLiteral("Datei %1 kann nicht geöffnet werden").arg(path);
        return reason.isEmpty() ? text : text + QLatin1String(": ") + reason;
    }

private:
    QString m_message;
};
