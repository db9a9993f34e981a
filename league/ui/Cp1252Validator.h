#pragma once

#include <QValidator>

// Refuses characters that Windows-1252 cannot hold, so nothing typed into a
// name is lost when the league file is written in that code page.
class Cp1252Validator : public QValidator {
public:
    using QValidator::QValidator;
    State validate(QString &input, int &pos) const override;
};
