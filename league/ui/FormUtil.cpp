#include "league/ui/FormUtil.h"

#include <QLineEdit>
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

} // namespace FormUtil
