#pragma once

#include <QIcon>
#include <QWidget>

#include <memory>

namespace Ui {
class frmMain;
}

namespace hueprev {

class CaretPreview;
class RichTextPreviewBox;

// Where Debian installs the Tahoma the window uses, when it is there.
inline constexpr const char *kTahomaPath = "/usr/share/wine/fonts/tahoma.ttf";

// The icon at every size drawn for it.
QIcon applicationIcon();

// The one window: the input box, the row of colour buttons and the preview.
class MainWindow : public QWidget
{
    Q_OBJECT
public:
    explicit MainWindow(QWidget *parent = nullptr);
    ~MainWindow() override;

private:
    void txtIn_Change();
    void txtIn_KeyPress(char16_t &keyAscii);
    void cmdAddColor_Click(int index);
    // The preview shows the part of the name where the input's caret is.
    void txtIn_CaretMove(int from, int caret);

    std::unique_ptr<Ui::frmMain> ui_;
    std::unique_ptr<RichTextPreviewBox> txtOut_;
    std::unique_ptr<CaretPreview> preview_;
};

} // namespace hueprev
