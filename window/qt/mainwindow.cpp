#include "window/qt/mainwindow.h"

#include "window/facts.h"
#include "window/form.h"
#include "window/menus.h"
#include "window/qt/colorsdialog.h"
#include "window/qt/inputbox.h"
#include "window/qt/menubuilder.h"
#include "window/qt/richtextpreview.h"
#include "window/tools.h"

#include <QBoxLayout>
#include <QButtonGroup>
#include <QCoreApplication>
#include <QFontDatabase>
#include <QKeyEvent>
#include <QLabel>
#include <QMenuBar>
#include <QMessageBox>
#include <QShortcut>
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
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                   Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint);

    // The form's client area, exactly its size, below the bar: Qt draws a
    // menu bar inside the window, which grows by the bar's height.
    auto *client = new QWidget(this);
    client->setObjectName(QStringLiteral("clientArea"));
    client->setFixedSize(facts::pixels(facts::kClientWidth), facts::pixels(facts::kClientHeight));

    auto *buttons = new QButtonGroup(this);
    buttons->setObjectName(QLatin1String(facts::kButtonArrayName));
    // Made in tab order, which Qt's focus chain follows.
    for (const facts::Control &control : facts::kControls) {
        QWidget *widget = nullptr;
        switch (control.kind) {
        case Kind::InputBox:
            widget = txtIn_ = new InputBox(client);
            break;
        case Kind::PreviewBox:
            widget = txtOut_ = makePreviewEdit(client);
            break;
        case Kind::ColorButton:
            auto *button = makeButton(control.index, client);
            buttons->addButton(button, control.index);
            button->installEventFilter(this);
            widget = button;
            break;
        }
        widget->setObjectName(QString::fromStdString(facts::objectName(control)));
        widget->setGeometry(facts::pixels(control.left), facts::pixels(control.top),
                            facts::pixels(control.width), facts::pixels(control.height));
        if (control.points > 0) {
            QFont font{QString::fromLatin1(facts::kFontFace)};
            font.setPointSizeF(control.points);
            widget->setFont(font);
        }
        widget->setAccessibleName(QString::fromStdString(facts::accessibleName(control)));
        widget->setAccessibleDescription(QString::fromStdString(facts::accessibleDescription(control)));
        widget->setToolTip(QString::fromStdString(facts::toolTip(control)));
    }

    QMenuBar *bar = makeMenuBar();
    // How long the name is, always in view at the bar's right end; a label of
    // the window's, which a screen reader finds as it reviews the window.
    auto *count = new QLabel(this);
    count->setObjectName(QStringLiteral("count"));
    count->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    count->setContentsMargins(0, 0, 8, 0);
    // Never wider than the room the menus leave, so the bar stays one line.
    count->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
    auto *row = new QHBoxLayout;
    row->setContentsMargins(0, 0, 0, 0);
    row->addWidget(bar);
    row->addWidget(count, 1);
    auto *column = new QVBoxLayout(this);
    column->setContentsMargins(0, 0, 0, 0);
    column->setSpacing(0);
    column->addLayout(row);
    column->addWidget(client);
    setFixedSize(client->width(), bar->sizeHint().height() + client->height());

    preview_ = std::make_unique<RichTextPreviewBox>(txtOut_);
    status_ = std::make_unique<QtStatusLine>(count);
    form_ = std::make_unique<Form>(*txtIn_, *preview_, Lent{timer_, notice_, clipboard_, *status_, *this});
    txtIn_->bind(*form_);
    form_->start();
    connect(buttons, &QButtonGroup::idClicked, this, [this](int index) { form_->cmdAddColor_Click(index); });
}

QMenuBar *MainWindow::makeMenuBar()
{
    auto *bar = new QMenuBar(this);
    bar->setNativeMenuBar(false); // the count stands in it: never moved to a desktop's global menu
    // Each menu is made anew as it opens, as the form describes it then.
    for (const menus::Title &title : menus::menuBar()) {
        QMenu *menu = bar->addMenu(QString::fromStdString(title.label));
        connect(menu, &QMenu::aboutToShow, this,
                [this, menu, which = title.menu] { fillBarMenu(*menu, which); });
    }
    // F10 opens the bar's first menu, as on other desktops; Qt binds no key to it.
    auto *f10 = new QShortcut(QKeySequence(Qt::Key_F10), this);
    connect(f10, &QShortcut::activated, bar, [bar] { bar->setActiveAction(bar->actions().constFirst()); });
    return bar;
}

void MainWindow::fillBarMenu(QMenu &menu, menus::Menu which)
{
    if (which != menus::Menu::Help) {
        txtIn_->fillMenu(menu, which);
        return;
    }
    fillMenu(menu, form_->menu(which, menus::Platform::Linux), [this](menus::Command command) {
        if (form_->mnu_Click(command) == menus::Command::About) {
            showAbout();
        }
    });
}

void MainWindow::openColors(ColorDialog &model)
{
    ColorsDialog dialog(model, this);
    colors_ = &dialog;
    const bool ok = dialog.exec() == QDialog::Accepted;
    colors_ = nullptr;
    activateWindow(); // where no window manager gives it back
    form_->dlgColors_Close(ok);
}

void MainWindow::closeColors()
{
    if (colors_ != nullptr) {
        colors_->reject();
    }
}

void MainWindow::showAbout()
{
    QMessageBox::about(this, QString::fromStdString(menus::aboutTitle()),
                       QString::fromStdString(tools::aboutText(HUEPREV_VERSION)));
    txtIn_->setFocus();
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
