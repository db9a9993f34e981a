#pragma once

#include "tournament/ui/Platform.h"

// The message boxes of the running program.
class QtPlatform : public Platform
{
public:
    void fileError(QWidget *parent, const QString &file) override;
    void systemError(QWidget *parent, const QString &message) override;
    bool ask(QDialog *dialog) override;
};
