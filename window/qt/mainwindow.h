#pragma once

#include "window/dialogs.h"
#include "window/menus.h"
#include "window/qt/qtclipboard.h"
#include "window/qt/qtstatusline.h"
#include "window/qt/qttimer.h"

#include <QIcon>
#include <QWidget>

#include <memory>

class QDialog;
class QMenu;
class QMenuBar;
class QTextEdit;

namespace hueprev {

class Form;
class InputBox;
class RichTextPreviewBox;

// The icon at every size drawn for it.
QIcon applicationIcon();

// The one window, built from the window's facts: the input box, the row of
// colour buttons and the preview, at their places in a client area of the
// form's size; above it a menu bar (Edit, Name, Help) with how long the
// name is at its right end. Its behaviour is the form's.
class MainWindow : public QWidget, public Dialogs
{
    Q_OBJECT
public:
    explicit MainWindow(QWidget *parent = nullptr);
    ~MainWindow() override;

    // Modal: the form hears of the close once the dialog has gone.
    void openColors(ColorDialog &model) override;
    void closeColors() override;

protected:
    // Enter on a focused colour button presses it, as on the other platforms.
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    QMenuBar *makeMenuBar();
    void fillBarMenu(QMenu &menu, menus::Menu which);
    void showAbout();

    InputBox *txtIn_ = nullptr;
    QTextEdit *txtOut_ = nullptr;
    QtTimer timer_;
    QtTimer notice_;
    QtClipboard clipboard_;
    std::unique_ptr<QtStatusLine> status_;
    std::unique_ptr<RichTextPreviewBox> preview_;
    std::unique_ptr<Form> form_;
    QDialog *colors_ = nullptr; // the colour dialog while it is open
};

} // namespace hueprev
