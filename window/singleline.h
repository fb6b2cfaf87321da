#pragma once

#include <QValidator>

namespace hueprev {

// Keeps the nickname on one line: whatever way text arrives (typing, paste,
// drop, the program), each line break becomes a space, as the input box
// already displays it, so the input and the preview agree.
class SingleLineValidator : public QValidator
{
    Q_OBJECT
public:
    using QValidator::QValidator;
    State validate(QString &input, int &pos) const override;
};

} // namespace hueprev
