#include "league/ui/PlatformSeams.h"

#include <QFileInfo>

MessageBoxSeam::Answer MessageBoxSeam::confirm(QWidget *parent, const QString &text)
{
    return show(parent, Question, QStringLiteral("Bestätigen"), text, {Yes, No, Cancel}, Yes, Cancel);
}

void MessageBoxSeam::error(QWidget *parent, const QString &text)
{
    show(parent, Error, QStringLiteral("Tabulon '98"), text, {Ok}, Ok, Ok);
}

void MessageBoxSeam::information(QWidget *parent, const QString &text)
{
    show(parent, Information, QStringLiteral("Tabulon '98"), text, {Ok}, Ok, Ok);
}

QString MessageBoxSeam::buttonText(Answer answer)
{
    switch (answer) {
    case Ok:
        return QStringLiteral("OK");
    case Cancel:
        return QStringLiteral("Abbrechen");
    case Yes:
        return QStringLiteral("&Ja");
    case No:
        return QStringLiteral("&Nein");
    }
    return {};
}

QString FileDialogState::withDefaultSuffix(const QString &path) const
{
    if (path.isEmpty() || defaultSuffix.isEmpty() || !QFileInfo(path).suffix().isEmpty())
        return path;
    return path + QLatin1Char('.') + defaultSuffix;
}
