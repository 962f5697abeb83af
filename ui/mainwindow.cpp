// SPDX-FileCopyrightText: 2026 Morvela contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "mainwindow.h"

#include "announcer.h"
#include "layouttexts.h"
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
#include <QStyle>
#include <QWindow>

#include <future>
#include <tuple>

// The icon's XPM is C source: compiled in, it is read without the image plugins' machinery. Beside
// it, the same drawn at twice its size, for displays above 100 %.
#include "pictures/morvela.xpm"
#include "pictures/morvela_2x.xpm"

namespace morvela {

namespace {

const QColor formColour(0xC0, 0xC0, 0xFF);
const QColor optionColour(0x80, 0x80, 0xFF);
const QColor labelColour(0xFF, 0xC0, 0x80);
const QColor calculateColour(0x00, 0xFF, 0x00);
const QColor clearColour(0xFF, 0x00, 0x00);

// The pictures are decoded on a second core while the controls are built. Under Wine the JPEG
// plugin crashes when it is loaded off the GUI thread, so Windows decodes them when they are
// needed.
#ifdef Q_OS_WIN
constexpr auto pictureDecoding = std::launch::deferred;
#else
constexpr auto pictureDecoding = std::launch::async;
#endif

bool isDark(const QPalette& palette)
{
    return palette.color(QPalette::WindowText).lightness()
        > palette.color(QPalette::Window).lightness();
}

// Qt's own light system colours, those of a light desktop.
QPalette classicLightPalette()
{
    const QColor window(239, 239, 239);
    const QColor dark = window.darker(150);
    const QColor mid = window.darker(130);
    QPalette palette(Qt::black, window, window.lighter(150), dark, mid, Qt::black, Qt::white);
    palette.setColor(QPalette::Midlight, mid.lighter(110));
    palette.setColor(QPalette::Button, window);
    palette.setColor(QPalette::Shadow, dark.darker(135));
    palette.setColor(QPalette::HighlightedText, Qt::white);
    palette.setColor(QPalette::Highlight, QColor(48, 140, 198));
    palette.setColor(QPalette::Disabled, QPalette::Highlight, QColor(145, 145, 145));
    const QColor disabledText(190, 190, 190);
    for (auto role : { QPalette::Text, QPalette::WindowText, QPalette::ButtonText })
        palette.setColor(QPalette::Disabled, role, disabledText);
    palette.setColor(QPalette::Disabled, QPalette::Base, window);
    palette.setColor(QPalette::Disabled, QPalette::Dark, QColor(209, 209, 209).darker(110));
    palette.setColor(QPalette::Disabled, QPalette::Shadow, dark.darker(135).lighter(150));
    QColor placeholder(Qt::black);
    placeholder.setAlpha(128);
    palette.setColor(QPalette::PlaceholderText, placeholder);
    return palette;
}

template <typename W> W* place(W* widget, const QString& name, int x, int y, int width, int height)
{
    widget->setObjectName(name);
    widget->setGeometry(x, y, width, height);
    return widget;
}

QString indexed(const char* name, int index)
{
    return QString::fromLatin1("%1_%2").arg(QLatin1String(name)).arg(index);
}

void fill(QWidget* widget, QColor colour)
{
    QPalette palette = widget->palette();
    // Buttons fill with their Button role, other widgets with Window.
    palette.setColor(widget->backgroundRole(), colour);
    widget->setPalette(palette);
    widget->setAutoFillBackground(true);
}

QLabel* label(
    QWidget* parent, const QString& name, const QString& text, Qt::Alignment align, QRect geometry)
{
    auto* widget = new QLabel(text, parent);
    widget->setTextFormat(Qt::PlainText);
    widget->setAlignment(align | Qt::AlignVCenter);
    fill(widget, labelColour);
    return place(widget, name, geometry.x(), geometry.y(), geometry.width(), geometry.height());
}

} // namespace

MainWindow::MainWindow(QWidget* parent)
    : QWidget(parent)
{
    // The classic desktop look that the layout describes: sunken borders, round option buttons,
    // square check boxes. Qt's Windows style draws it, at far less cost than Fusion.
    if (QApplication::style()->name() != QLatin1String("windows"))
        QApplication::setStyle(QStringLiteral("Windows"));
    // The captions stand on fixed light backgrounds: under a dark desktop theme they would turn
    // light on light. The window keeps the light system colours it was laid out against.
    if (isDark(QApplication::palette()))
        setPalette(classicLightPalette());
    // A list keeps its chosen group on the highlight without the focus, as the classic list box
    // does; Windows greys the selection of an inactive window or view.
    QPalette selection = palette();
    for (auto role : { QPalette::Highlight, QPalette::HighlightedText })
        selection.setColor(QPalette::Inactive, role, selection.color(QPalette::Active, role));
    setPalette(selection);
    setObjectName(QStringLiteral("Morvela"));
    setWindowTitle(QString::fromUtf8(texts::publisher) + QLatin1String("  ")
        + QString::fromUtf8(texts::title));
    // A fixed single border: a close button and system menu, no minimize or maximize.
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint
        | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint);
    setFixedSize(461, 398);
    fill(this, formColour);
    // Where Times New Roman is missing, fontconfig gives a metric-compatible serif.
    QFont font(QStringLiteral("Times New Roman"), 12, QFont::Normal);
    font.setStyleHint(QFont::Serif);
    setFont(font);
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
    buildControls();
    bindControls();
    describeForAccessibility();
    const auto [table, icon, icon2x] = pictures.get();
    findChild<PictureBox*>(QStringLiteral("Picture1"))->setPicture(table);
    QIcon windowIcon(QPixmap::fromImage(icon));
    windowIcon.addPixmap(QPixmap::fromImage(icon2x));
    setWindowIcon(windowIcon);
    dispatch(QString::fromUtf8(speech::loading), [this] { form_->Form_Load(); });
}

MainWindow::~MainWindow() = default;

void MainWindow::buildControls()
{
    auto* report = place(new ReportBox(this), indexed("Text1", 0), 8, 288, 441, 105);
    report->setExactText(texts::introduction);
    reportBox_ = report;

    label(this, indexed("Label1", 0), QString::fromUtf8(texts::heading), Qt::AlignHCenter,
        { 88, 0, 281, 20 });
    auto* picture = place(new PictureBox(this), QStringLiteral("Picture1"), 8, 32, 239, 255);

    for (int i = 0; i < 2; ++i) {
        auto* list = place(new GroupList(this), indexed("List1", i), 400, 32 + 24 * i, 49, 23);
        // The layout's own items; start-up replaces them.
        list->addItems({ QStringLiteral("0"), QStringLiteral("A"), QStringLiteral("B"),
            QStringLiteral("AB") });
        list->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
        list->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
        label(this, indexed("Label1", i + 1),
            QString::fromUtf8(i == 0 ? texts::father : texts::mother), Qt::AlignLeft,
            { 256, 32 + 24 * i, 145, 23 });
    }

    commands_ = new QButtonGroup(this);
    commands_->addButton(
        place(new ColourButton(QString::fromUtf8(texts::calculate), calculateColour, this),
            indexed("Command1", 0), 256, 256, 73, 25),
        0);
    commands_->addButton(place(new ColourButton(QString::fromUtf8(texts::clear), clearColour, this),
                             indexed("Command1", 1), 376, 256, 73, 25),
        1);

    // Column heads above the grid, row heads to its left.
    const QRect alleleGeometry[] = { { 304, 168, 49, 23 }, { 360, 168, 49, 23 },
        { 256, 192, 49, 23 }, { 256, 224, 49, 23 } };
    for (int i = 0; i < 4; ++i)
        label(this, indexed("Label2", i), QString(), Qt::AlignHCenter, alleleGeometry[i]);

    auto* grid = place(new PunnettGrid(this), QStringLiteral("Frame1"), 304, 192, 113, 57);
    fill(grid, formColour);
    for (int i = 0; i < 4; ++i) {
        auto* cell
            = place(new GridCell(grid), indexed("Check1", i), 56 * (i % 2), 32 * (i / 2), 49, 23);
        fill(cell, optionColour);
        grid->addCell(cell);
    }
    grid->setEnabled(false);

    grid->setHeaders(label(this, indexed("Label1", 3), QString::fromUtf8(texts::punnett),
                         Qt::AlignHCenter, { 288, 144, 145, 20 }),
        { findChild<QLabel*>(indexed("Label2", 0)), findChild<QLabel*>(indexed("Label2", 1)) },
        { findChild<QLabel*>(indexed("Label2", 2)), findChild<QLabel*>(indexed("Label2", 3)) });

    auto* choice = place(new QWidget(this), QStringLiteral("Frame2"), 288, 88, 137, 49);
    fill(choice, formColour);
    options_ = new QButtonGroup(this);
    for (int i = 0; i < 2; ++i) {
        auto* option = place(
            new QRadioButton(
                QString::fromUtf8(i == 0 ? texts::homozygous : texts::heterozygous), choice),
            indexed("Option1", i), 8, 24 * i, 129, 25);
        fill(option, optionColour);
        options_->addButton(option, i);
    }
    options_->button(0)->setChecked(true);

    // Labels are drawn beneath their neighbours: a list box or the grid covers the one pixel
    // where a label overlaps it.
    for (QLabel* l : findChildren<QLabel*>(Qt::FindDirectChildrenOnly))
        l->lower();

    QWidget* order[] = { report, picture, findChild<QWidget*>(indexed("List1", 0)),
        findChild<QWidget*>(indexed("List1", 1)), commands_->button(0), commands_->button(1),
        options_->button(0), options_->button(1) };
    // Of the two options Qt itself makes only the chosen one a tab stop.
    for (std::size_t i = 0; i + 1 < std::size(order); ++i)
        setTabOrder(order[i], order[i + 1]);
    report->setFocus();
    announcer_ = new Announcer(this);
}

void MainWindow::bindControls()
{
    Controls& controls = controls_;
    for (int i = 0; i < 2; ++i) {
        lists_[i] = std::make_unique<QtListBox>(findChild<QListWidget*>(indexed("List1", i)));
        optionButtons_[i]
            = std::make_unique<QtOptionButton>(qobject_cast<QRadioButton*>(options_->button(i)));
        controls.List1[i] = lists_[i].get();
        controls.Option1[i] = optionButtons_[i].get();
    }
    for (int i = 0; i < 4; ++i) {
        alleles_[i] = std::make_unique<QtLabel>(findChild<QLabel*>(indexed("Label2", i)));
        cells_[i] = std::make_unique<QtCheckBox>(findChild<QCheckBox*>(indexed("Check1", i)));
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
        connect(findChild<QListWidget*>(indexed("List1", i)), &QListWidget::currentRowChanged, this,
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
