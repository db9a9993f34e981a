#pragma once

#include <QDialog>

// The about box: program title, what the program does and the legal notes.
class TfrmAbout : public QDialog {
    Q_OBJECT

public:
    explicit TfrmAbout(QWidget *parent = nullptr);
};
