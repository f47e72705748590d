#include "core/Cp1252InputUnit.h"

#include "core/Cp1252.h"

namespace zpx {

QValidator::State Cp1252Validator::validate(QString& input, int&) const
{
    // A pasted line break or tab would split the text where it is written out.
    input = QString::fromStdString(controlsAsSpaces(input.toStdString()));
    // A stored text with one of the five bytes the code page leaves undefined
    // shows the replacement mark; it must not make the whole line uneditable.
    QString checked = input;
    checked.remove(QChar::ReplacementCharacter);
    return charactersOutsideCp1252(checked.toStdString()) == 0 ? Acceptable : Invalid;
}

}  // namespace zpx
