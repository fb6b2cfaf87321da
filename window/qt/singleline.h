#pragma once

#include <QValidator>

namespace hueprev {

// Keeps the nickname on one line: whatever way text arrives, each line break
// becomes a space, as the input box already displays it, so the input and the
// preview agree. Pastes are joined before they arrive, keeping undo; this
// catches the rest (a drop, the program setting the text).
class SingleLineValidator : public QValidator
{
    Q_OBJECT
public:
    using QValidator::QValidator;
    State validate(QString &input, int &pos) const override;
};

} // namespace hueprev
