// SPDX-FileCopyrightText: 2026 Morvela contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "mainwindow.h"

#include "announcer.h"
#include "classiclook.h"
#include "formbuilder.h"
#include "layout.h"
#include "reportbox.h"
#include "speech.h"
#include "widgets.h"

#include <QApplication>
#include <QButtonGroup>
#include <QIcon>
#include <QLabel>
#include <QMessageBox>
#include <QRadioButton>
#include <QScreen>
#include <QWindow>

#include <future>
#include <tuple>

// The icon's XPM is C source: compiled in, it is read without the image plugins' machinery. Beside
// it, the same drawn at twice its size, for displays above 100 %.
#include "pictures/morvela.xpm"
#include "pictures/morvela_2x.xpm"

namespace morvela {

namespace {

// The pictures are decoded on a second core while the controls are built. Under Wine the JPEG
// plugin crashes when it is loaded off the GUI thread, so Windows decodes them when they are
// needed.
#ifdef Q_OS_WIN
constexpr auto pictureDecoding = std::launch::deferred;
#else
constexpr auto pictureDecoding = std::launch::async;
#endif

template <typename W = QWidget> W* control(const QWidget* window, const char* name, int index = -1)
{
    return window->findChild<W*>(QString::fromStdString(layout::Id { name, index }.key()));
}

} // namespace

MainWindow::MainWindow(QWidget* parent)
    : QWidget(parent)
{
    keepClassicLook(this);
    setWindowTitle(QString::fromStdString(layout::caption()));
    // A fixed single border: a close button and system menu, no minimize or maximize.
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint
        | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint);
    // Decoding the pictures takes about as long as building the controls: do it alongside. On a
    // display scaled above 100 % the table is drawn at twice the pixels (its "@2x" name tells Qt
    // so), as sharp as the text around it; only the one that serves is decoded.
    const QString tableFile = qApp->devicePixelRatio() > 1
        ? QStringLiteral(":/pictures/table@2x.jpg")
        : QStringLiteral(":/pictures/table.jpg");
    auto pictures = std::async(pictureDecoding, [tableFile] {
        return std::tuple(QImage(tableFile), QImage(morvela_icon), QImage(morvela_icon_2x));
    });
    installAccessibleInterfaces();
    buildForm(this, layout::mainForm());
    reportBox_ = control<ReportBox>(this, "Text1", 0);
    announcer_ = new Announcer(this);
    bindControls();
    describeForAccessibility();
    const auto [table, icon, icon2x] = pictures.get();
    control<PictureBox>(this, "Picture1")->setPicture(table);
    QIcon windowIcon(QPixmap::fromImage(icon));
    windowIcon.addPixmap(QPixmap::fromImage(icon2x));
    setWindowIcon(windowIcon);
    dispatch(QString::fromUtf8(speech::loading), [this] { form_->Form_Load(); });
}

MainWindow::~MainWindow() = default;

void MainWindow::bindControls()
{
    Controls& controls = controls_;
    options_ = new QButtonGroup(this);
    commands_ = new QButtonGroup(this);
    for (int i = 0; i < 2; ++i) {
        options_->addButton(control<QRadioButton>(this, "Option1", i), i);
        commands_->addButton(control<QAbstractButton>(this, "Command1", i), i);
        lists_[i] = std::make_unique<QtListBox>(control<QListWidget>(this, "List1", i));
        optionButtons_[i]
            = std::make_unique<QtOptionButton>(qobject_cast<QRadioButton*>(options_->button(i)));
        controls.List1[i] = lists_[i].get();
        controls.Option1[i] = optionButtons_[i].get();
    }
    for (int i = 0; i < 4; ++i) {
        alleles_[i] = std::make_unique<QtLabel>(control<QLabel>(this, "Label2", i));
        cells_[i] = std::make_unique<QtCheckBox>(control<QCheckBox>(this, "Check1", i));
        controls.Label2[i] = alleles_[i].get();
        controls.Check1[i] = cells_[i].get();
    }
    report_ = std::make_unique<QtTextBox>(reportBox_);
    controls.Text1[0] = report_.get();
    form_ = std::make_unique<Morvela>(controls);

    for (int i = 0; i < 2; ++i) {
        QtListBox* list = lists_[i].get();
        const auto index = static_cast<std::int16_t>(i);
        list->setClickHandler([this, index] { form_->List1_Click(index); });
        connect(control<QListWidget>(this, "List1", i), &QListWidget::currentRowChanged, this,
            [this, list, index] {
                if (!list->assigning()
                    && dispatch(QString::fromUtf8(speech::choosingGroup),
                        [this, index] { form_->List1_Click(index); }))
                    announceChoice(index);
            });
    }
    connect(options_, &QButtonGroup::idClicked, this, [this](int id) {
        if (dispatch(QString::fromUtf8(speech::choosingAlleles),
                [this, id] { form_->Option1_Click(static_cast<std::int16_t>(id)); }))
            announceReset();
    });
    connect(commands_, &QButtonGroup::idClicked, this, [this](int id) {
        if (!dispatch(QString::fromStdString(
                          speech::pressing(commands_->button(id)->text().toStdString())),
                [this, id] { form_->Command1_Click(static_cast<std::int16_t>(id)); }))
            return;
        if (id == 0)
            announceReport();
        else if (id == 1)
            announceReset();
    });
}

bool MainWindow::dispatch(const QString& action, const std::function<void()>& handler)
{
    const std::string failure = speech::attempt(action.toStdString(), handler);
    // Whatever the handler assigned to the report box shows now, also after an error.
    reportBox_->display();
    if (!failure.empty())
        reportError(QString::fromStdString(failure));
    return failure.empty();
}

void MainWindow::reportError(const QString& message)
{
    if (reporter_) {
        reporter_(message);
        return;
    }
    auto* box = new QMessageBox(
        QMessageBox::Warning, QStringLiteral("Morvela"), message, QMessageBox::Ok, this);
    box->setAttribute(Qt::WA_DeleteOnClose);
    box->open();
}

void MainWindow::centreOnScreen()
{
    const QMargins frame = windowHandle() ? windowHandle()->frameMargins() : QMargins();
    const QSize outer = size().grownBy(frame);
    const QRect screen = this->screen()->availableGeometry();
    centredWithFrame_ = frame;
    // A window's position is that of its frame.
    move(screen.x() + (screen.width() - outer.width()) / 2,
        screen.y() + (screen.height() - outer.height()) / 2);
}

void MainWindow::moveEvent(QMoveEvent* event)
{
    QWidget::moveEvent(event);
    // The window manager has framed the window since it was centred: centre it again, once.
    if (centredWithFrame_ && windowHandle() && windowHandle()->frameMargins() != *centredWithFrame_)
        centreOnScreen();
}

std::unique_ptr<MainWindow> showMainWindow()
{
    QApplication::setApplicationName(QStringLiteral("Morvela"));
    QApplication::setApplicationVersion(QStringLiteral(MORVELA_VERSION_TEXT));
    // A Wayland desktop finds the window's icon and name through its desktop entry.
    QGuiApplication::setDesktopFileName(QStringLiteral(MORVELA_APP_ID));
    auto window = std::make_unique<MainWindow>();
    QApplication::setWindowIcon(window->windowIcon());
#ifdef Q_OS_WIN
    // The native window first: on Windows its frame is known from then on. An X window manager
    // frames a window only once it is shown, and then tells its move.
    window->winId();
#endif
    window->centreOnScreen();
    window->show();
    return window;
}

} // namespace morvela
