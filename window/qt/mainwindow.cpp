#include "window/qt/mainwindow.h"

#include "window/facts.h"
#include "window/form.h"
#include "window/qt/inputbox.h"
#include "window/qt/richtextpreview.h"

#include <QButtonGroup>
#include <QFontDatabase>
#include <QKeyEvent>
#include <QTextEdit>
#include <QToolButton>

// Resources compiled into a static library must be registered by hand.
static void initResources()
{
    Q_INIT_RESOURCE(hueprev);
}

namespace hueprev {

namespace {
using facts::Kind;

// Debian's fonts-wine ships a free Tahoma, the window's font, where fontconfig
// does not look. Without it Qt falls back to a similar sans-serif.
void addTahoma()
{
    [[maybe_unused]] static const int id = QFontDatabase::addApplicationFont(QStringLiteral(HUEPREV_TAHOMA));
}

QString qstring(const std::string &text)
{
    return QString::fromStdString(text);
}

QTextEdit *makePreview(QWidget *parent)
{
    auto *box = new QTextEdit(parent);
    // The game's background, and a frame that shows the focus as a line edit's does.
    const ColorValue background = facts::kPreviewBackground;
    box->setStyleSheet(
        QStringLiteral("QTextEdit { background-color: rgb(%1, %2, %3); border: 2px solid palette(mid); "
                       "border-radius: 2px; } QTextEdit:focus { border-color: palette(highlight); }")
            .arg(redOf(background))
            .arg(greenOf(background))
            .arg(blueOf(background)));
    box->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    box->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    box->setLineWrapMode(QTextEdit::NoWrap);
    box->setTabChangesFocus(true);
    box->setReadOnly(true);
    box->setAcceptRichText(false);
    box->setTextInteractionFlags(Qt::TextSelectableByKeyboard | Qt::TextSelectableByMouse);
    box->document()->setDocumentMargin(2);
    return box;
}

QToolButton *makeButton(int index, QWidget *parent)
{
    auto *button = new QToolButton(parent);
    // Reached by Tab; a click leaves the focus, and the selection, in the input.
    button->setFocusPolicy(Qt::TabFocus);
    button->setIcon(QIcon(QStringLiteral(":/buttons/code%1.gif").arg(index)));
    button->setIconSize(QSize(facts::kPicturePixels, facts::kPicturePixels));
    return button;
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

MainWindow::MainWindow(QWidget *parent) : QWidget(parent)
{
    initResources();
    addTahoma();
    setObjectName(QLatin1String(facts::kFormName));
    setWindowTitle(QLatin1String(facts::kCaption));
    setWindowIcon(applicationIcon());
    setFixedSize(facts::pixels(facts::kClientWidth), facts::pixels(facts::kClientHeight));
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                   Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint);

    auto *buttons = new QButtonGroup(this);
    buttons->setObjectName(QLatin1String(facts::kButtonArrayName));
    // Made in tab order, which Qt's focus chain follows.
    for (const facts::Control &control : facts::kControls) {
        QWidget *widget = nullptr;
        switch (control.kind) {
        case Kind::InputBox:
            widget = txtIn_ = new InputBox(this);
            break;
        case Kind::PreviewBox:
            widget = txtOut_ = makePreview(this);
            break;
        case Kind::ColorButton:
            auto *button = makeButton(control.index, this);
            buttons->addButton(button, control.index);
            button->installEventFilter(this);
            widget = button;
            break;
        }
        widget->setObjectName(qstring(facts::objectName(control)));
        widget->setGeometry(facts::pixels(control.left), facts::pixels(control.top),
                            facts::pixels(control.width), facts::pixels(control.height));
        if (control.points > 0) {
            QFont font{QString::fromLatin1(facts::kFontFace)};
            font.setPointSizeF(control.points);
            widget->setFont(font);
        }
        widget->setAccessibleName(qstring(facts::accessibleName(control)));
        widget->setAccessibleDescription(qstring(facts::accessibleDescription(control)));
        widget->setToolTip(qstring(facts::toolTip(control)));
    }

    preview_ = std::make_unique<RichTextPreviewBox>(txtOut_);
    form_ = std::make_unique<Form>(*txtIn_, *preview_, timer_, clipboard_);
    txtIn_->bind(*form_);
    form_->start();
    connect(buttons, &QButtonGroup::idClicked, this, [this](int index) { form_->cmdAddColor_Click(index); });
}

MainWindow::~MainWindow()
{
    // The input goes first: closing the window moves its focus, which it reports to the form.
    delete txtIn_;
}

bool MainWindow::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent *>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            // At once, as Space does: the focus is back in the input for the next key.
            static_cast<QAbstractButton *>(watched)->click();
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}

} // namespace hueprev
