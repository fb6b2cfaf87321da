#pragma once

namespace hueprev {

class ColorDialog;

// The dialogs a front-end makes for the form, as the core describes them.
class Dialogs
{
public:
    virtual ~Dialogs() = default;
    // Opens the colour dialog on `model`: its controls built from the model's
    // words, their events forwarded to it, what it is told shown. As the
    // dialog closes, the front-end tells the form (Form::dlgColors_Close).
    virtual void openColors(ColorDialog &model) = 0;
    // Closes it as Cancel would, without telling the form: the name changed under it.
    virtual void closeColors() = 0;
};

} // namespace hueprev
