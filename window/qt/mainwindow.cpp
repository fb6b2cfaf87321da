#include "window/qt/mainwindow.h"

#include "preview/colorcodes.h"
#include "ui_mainwindow.h"
#include "window/commands.h"
#include "window/facts.h"
#include "window/previewbox.h"
#include "window/qt/richtextpreview.h"

#include <QButtonGroup>
#include <QFontDatabase>

// Resources compiled into a static library must be registered by hand.
static void initResources()
{
    Q_INIT_RESOURCE(hueprev);
}

namespace hueprev {

namespace {
// Debian's fonts-wine ships a free Tahoma, the window's font, where fontconfig
// does not look. Without it Qt falls back to a similar sans-serif.
void addTahoma()
{
    [[maybe_unused]] static const int id =
        QFontDatabase::addApplicationFont(QString::fromLatin1(kTahomaPath));
}
} // namespace

QIcon applicationIcon()
{
    QIcon icon;
    // The larger sizes are for the desktop's menus and come from the icon theme.
    for (const int size : {16, 32, 48, 64}) {
        icon.addFile(QStringLiteral(":/icons/hueprev-%1.png").arg(size), QSize(size, size));
    }
    return icon;
}

MainWindow::MainWindow(QWidget *parent) : QWidget(parent), ui_(std::make_unique<Ui::frmMain>())
{
    initResources();
    addTahoma();
    ui_->setupUi(this);
    setWindowIcon(applicationIcon());
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                   Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint);

    // Designer stores whole point sizes only.
    QFont inputFont = ui_->txtIn->font();
    inputFont.setPointSizeF(facts::controlOf(facts::Kind::InputBox).points);
    ui_->txtIn->setFont(inputFont);
    ui_->txtOut->document()->setDocumentMargin(2);

    for (int index = 0; index < kColorCount; ++index) {
        auto *button = findChild<QAbstractButton *>(QStringLiteral("cmdAddColor_%1").arg(index));
        ui_->cmdAddColor->setId(button, index);
    }

    txtOut_ = std::make_unique<RichTextPreviewBox>(ui_->txtOut);
    preview_ = std::make_unique<CaretPreview>(*txtOut_);
    connect(ui_->txtIn, &InputBox::change, this, &MainWindow::txtIn_Change);
    connect(ui_->txtIn, &QLineEdit::cursorPositionChanged, this, &MainWindow::txtIn_CaretMove);
    connect(ui_->txtIn, &InputBox::keyPress, this, &MainWindow::txtIn_KeyPress);
    connect(ui_->cmdAddColor, &QButtonGroup::idClicked, this, &MainWindow::cmdAddColor_Click);
}

MainWindow::~MainWindow() = default;

void MainWindow::txtIn_Change()
{
    const QString text = ui_->txtIn->QLineEdit::text();
    preview_->textChanged(u16view(text), ui_->txtIn->cursorPosition());
}

void MainWindow::txtIn_CaretMove(int, int caret)
{
    preview_->caretMoved(caret, *ui_->txtIn);
}

void MainWindow::txtIn_KeyPress(char16_t &keyAscii)
{
    selectAllOnEnter(*ui_->txtIn, keyAscii);
}

void MainWindow::cmdAddColor_Click(int index)
{
    addColorCode(*ui_->txtIn, index);
}

} // namespace hueprev
