#pragma once

#include "tournament/ui/Platform.h"

// The message boxes and file dialogs of the running program.
class QtPlatform : public Platform
{
public:
    void fileError(QWidget *parent, const QString &file) override;
    void systemError(QWidget *parent, const QString &message) override;
    bool ask(QDialog *dialog) override;
    QString chooseFile(QWidget *parent, const QString &caption, const QString &filter) override;
    QString chooseFolder(QWidget *parent, const QString &caption) override;
};
