#pragma once
// Edit lines whose text goes into the record, which holds Windows-1252: a
// keystroke or a paste that would bring in a character the code page lacks
// ("→", "€" is fine) is refused whole and the line stays as it was. Line
// breaks and tabs in a paste become spaces.

#include <QValidator>

namespace zpx {

class Cp1252Validator : public QValidator {
public:
    using QValidator::QValidator;
    State validate(QString& input, int& position) const override;
};

}  // namespace zpx
