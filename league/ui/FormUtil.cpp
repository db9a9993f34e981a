#include "league/ui/FormUtil.h"

#include <QLineEdit>
#include <QTextDocument>
#include <QWidget>

namespace FormUtil {

QFont dialogFont()
{
    return QFont(QStringLiteral("MS Sans Serif"), 8);
}

int maskedNumber(const QLineEdit *edit, int fallback)
{
    QString text = edit->displayText();
    text.replace(QLatin1Char('_'), QLatin1Char(' '));
    bool ok = false;
    const int value = text.trimmed().toInt(&ok, 10);
    return ok ? value : fallback;
}

void makeFixedDialog(QWidget *dialog, int clientWidth, int clientHeight)
{
    dialog->setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint);
    dialog->setFixedSize(clientWidth, clientHeight);
    dialog->setFont(dialogFont());
}

QString buttonCaption(const QString &text)
{
    QString caption = text;
    caption.replace(QLatin1Char('&'), QStringLiteral("&&"));
    return caption;
}

QString plainToolTip(const QString &text)
{
    if (!Qt::mightBeRichText(text))
        return text;
    return QStringLiteral("<p style='white-space:pre'>%1</p>").arg(text.toHtmlEscaped());
}

QString windowTitle(const QString &text)
{
    QString title = text;
    title.replace(QStringLiteral("[*]"), QStringLiteral("[*][*]"));
    return title;
}

} // namespace FormUtil
