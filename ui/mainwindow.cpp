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

} // namespace

MainWindow::MainWindow(QWidget* parent)
    : QWidget(parent)
{
    keepClassicLook(this);
    const layout::Form& form = layout::mainForm();
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
    widgets_ = buildForm(this, form);
    announcer_ = new Announcer(this);
    options_ = new QButtonGroup(this);
    controls_ = bindControls(form, *this);
    form_ = std::make_unique<Morvela>(controls_);
    bindCommands(form);
    describeForAccessibility(form);
    const auto [table, icon, icon2x] = pictures.get();
    findChild<PictureBox*>()->setPicture(table);
    QIcon windowIcon(QPixmap::fromImage(icon));
    windowIcon.addPixmap(QPixmap::fromImage(icon2x));
    setWindowIcon(windowIcon);
    dispatch(QString::fromUtf8(speech::loading), [this] { form_->Form_Load(); });
}

MainWindow::~MainWindow() = default;

ListBox& MainWindow::listBox(const layout::Control& c)
{
    auto* widget = qobject_cast<QListWidget*>(widgets_.at(&c));
    auto* list = new QtListBox(widget);
    lists_.emplace_back(list);
    const auto index = static_cast<std::int16_t>(c.id.index);
    list->setClickHandler([this, index] { form_->List1_Click(index); });
    connect(widget, &QListWidget::currentRowChanged, this, [this, list, index] {
        if (!list->assigning() && dispatch(QString::fromUtf8(speech::choosingGroup), [this, index] {
                form_->List1_Click(index);
            }))
            announceChoice(index);
    });
    return *list;
}

OptionButton& MainWindow::optionButton(const layout::Control& c)
{
    auto* widget = qobject_cast<QRadioButton*>(widgets_.at(&c));
    options_->addButton(widget, c.id.index);
    return *optionButtons_.emplace_back(std::make_unique<QtOptionButton>(widget));
}

CaptionControl& MainWindow::caption(const layout::Control& c)
{
    QWidget* widget = widgets_.at(&c);
    if (auto* label = qobject_cast<QLabel*>(widget))
        return *captions_.emplace_back(std::make_unique<QtLabel>(label));
    return *captions_.emplace_back(std::make_unique<QtCheckBox>(qobject_cast<QCheckBox*>(widget)));
}

TextBox& MainWindow::textBox(const layout::Control& c)
{
    reportBox_ = qobject_cast<ReportBox*>(widgets_.at(&c));
    report_ = std::make_unique<QtTextBox>(reportBox_);
    return *report_;
}

void MainWindow::bindCommands(const layout::Form& form)
{
    connect(options_, &QButtonGroup::idClicked, this, [this](int id) {
        if (dispatch(QString::fromUtf8(speech::choosingAlleles),
                [this, id] { form_->Option1_Click(static_cast<std::int16_t>(id)); }))
            announceReset();
    });
    commands_ = new QButtonGroup(this);
    for (const layout::Control& c : form.controls)
        if (c.kind == layout::Kind::CommandButton)
            commands_->addButton(qobject_cast<QAbstractButton*>(widgets_.at(&c)), c.id.index);
    connect(commands_, &QButtonGroup::idClicked, this, [this](int id) {
        if (!dispatch(QString::fromStdString(
                          speech::pressing(commands_->button(id)->text().toStdString())),
                [this, id] { form_->Command1_Click(static_cast<std::int16_t>(id)); }))
            return;
        announcer_->announce(QString::fromStdString(speech::afterCommand(controls_)));
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
    // Titled with the form's name, as the program's own messages are.
    auto* box = new QMessageBox(QMessageBox::Warning,
        QString::fromStdString(layout::mainForm().id.key()), message, QMessageBox::Ok, this);
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
