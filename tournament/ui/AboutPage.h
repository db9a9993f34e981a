#pragma once

#include <QWidget>

class QLabel;

// "About The Author": the title, the emblem and a word on the program.
class AboutPage : public QWidget
{
    Q_OBJECT
public:
    explicit AboutPage(QWidget *parent = nullptr);

    QLabel *sigle;
};
