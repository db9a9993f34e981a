#pragma once

#include <QWidget>

class QLabel;

// "About The Author": the title, the emblem and a word on the program.
class AboutPage : public QWidget
{
    Q_OBJECT
public:
    explicit AboutPage(QWidget *parent = nullptr);
    // Ties the controls to the page's size; design is the page's size in the
    // window's usual size, where every control stays where it was put.
    void followSize(QSize design);

    QLabel *sigle;
};
