// SPDX-FileCopyrightText: 2026 Morvela contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "formbuilder.h"

#include "reportbox.h"
#include "widgets.h"

#include <QAbstractScrollArea>
#include <QLabel>
#include <QRadioButton>

#include <map>

namespace morvela {

namespace {

using layout::Kind;

QString text(std::string_view utf8)
{
    return QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size()));
}

QColor colour(layout::Colour rgb)
{
    return QColor::fromRgb(static_cast<QRgb>(rgb));
}

void showScrollBars(QAbstractScrollArea* area, layout::ScrollBars bars)
{
    area->setVerticalScrollBarPolicy(
        bars == layout::ScrollBars::Vertical ? Qt::ScrollBarAlwaysOn : Qt::ScrollBarAlwaysOff);
    area->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
}

void fill(QWidget* widget, QColor colour)
{
    QPalette palette = widget->palette();
    // Buttons fill with their Button role, other widgets with Window.
    palette.setColor(widget->backgroundRole(), colour);
    widget->setPalette(palette);
    widget->setAutoFillBackground(true);
}

QWidget* make(const layout::Form& form, const layout::Control& c, QWidget* parent)
{
    switch (c.kind) {
    case Kind::TextBox: {
        auto* report = new ReportBox(parent);
        if (c.locked) {
            // It scrolls, selects and copies, by mouse and keyboard, but never edits.
            report->setReadOnly(true);
            report->setTextInteractionFlags(
                Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
        }
        showScrollBars(report, c.scrollBars);
        report->setExactText(std::string(c.caption));
        return report;
    }
    case Kind::Label: {
        auto* label = new QLabel(text(c.caption), parent);
        label->setTextFormat(Qt::PlainText);
        label->setAlignment((c.align == layout::Align::Centre ? Qt::AlignHCenter : Qt::AlignLeft)
            | Qt::AlignVCenter);
        return label;
    }
    case Kind::PictureBox: {
        auto* picture = new PictureBox(parent);
        if (c.border == layout::Border::Sunken)
            picture->setFrameStyle(QFrame::WinPanel | QFrame::Sunken);
        return picture;
    }
    case Kind::ListBox: {
        auto* list = new GroupList(parent);
        showScrollBars(list, c.scrollBars);
        return list;
    }
    case Kind::CommandButton:
        // Its colour is its face, painted by the button itself; without one, the toolkit's.
        return new ColourButton(text(c.caption),
            c.background ? colour(*c.background) : parent->palette().color(QPalette::Button),
            parent);
    case Kind::Frame:
        if (form.holds(c, Kind::CheckBox))
            return new PunnettGrid(parent);
        return new QWidget(parent);
    case Kind::CheckBox: {
        auto* cell = new GridCell(parent);
        if (auto* grid = qobject_cast<PunnettGrid*>(parent))
            grid->addCell(cell);
        return cell;
    }
    case Kind::OptionButton: {
        auto* option = new QRadioButton(text(c.caption), parent);
        option->setChecked(c.value);
        return option;
    }
    }
    return nullptr;
}

} // namespace

FormWidgets buildForm(QWidget* window, const layout::Form& form)
{
    window->setObjectName(QString::fromStdString(form.id.key()));
    window->setWindowTitle(text(form.caption));
    // A close button and system menu always; a fixed border unless the form is resizable.
    Qt::WindowFlags flags = Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint
        | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint;
    if (form.minButton)
        flags |= Qt::WindowMinimizeButtonHint;
    if (form.maxButton)
        flags |= Qt::WindowMaximizeButtonHint;
    if (!form.resizable)
        flags |= Qt::MSWindowsFixedSizeDialogHint;
    window->setWindowFlags(flags);
    const layout::Rect size = form.size();
    if (form.resizable)
        window->resize(size.width, size.height);
    else
        window->setFixedSize(size.width, size.height);
    fill(window, colour(form.background));
    // Where the face is missing, fontconfig gives a metric-compatible serif.
    QFont font(text(form.font.family), form.font.points, form.font.weight);
    font.setStyleHint(QFont::Serif);
    window->setFont(font);

    // Made in tab order, which is also the order in which they are drawn over each other.
    FormWidgets made;
    const auto widget
        = [&](layout::Id id) { return id == form.id ? window : made.at(&form.at(id)); };
    std::vector<QWidget*> tabStops;
    for (const layout::Control& c : form.controls) {
        QWidget* w = make(form, c, widget(c.container));
        const layout::Rect r = c.place();
        w->setObjectName(QString::fromStdString(c.id.key()));
        w->setGeometry(r.x, r.y, r.width, r.height);
        if (c.background && c.kind != Kind::CommandButton)
            fill(w, colour(*c.background));
        w->setEnabled(c.enabled);
        made[&c] = w;
        if (form.takesFocus(c)) {
            // A picture box is one of the controls that Qt would not stop at by itself.
            if (w->focusPolicy() == Qt::NoFocus)
                w->setFocusPolicy(Qt::StrongFocus);
            tabStops.push_back(w);
        }
    }

    for (const layout::Control& c : form.controls) {
        if (c.kind != Kind::Label)
            continue;
        // Labels are drawn beneath their neighbours: a list box or the grid covers the one pixel
        // where a label overlaps it.
        made.at(&c)->lower();
    }
    for (const layout::Control& c : form.controls) {
        auto* grid = qobject_cast<PunnettGrid*>(made.at(&c));
        if (!grid)
            continue;
        std::map<layout::Heads, std::vector<QWidget*>> heads;
        for (const layout::Control& l : form.controls)
            if (l.kind == Kind::Label && l.of == c.id)
                heads[l.heads].push_back(made.at(&l));
        grid->setHeaders(heads[layout::Heads::Caption].at(0),
            { heads[layout::Heads::Column].at(0), heads[layout::Heads::Column].at(1) },
            { heads[layout::Heads::Row].at(0), heads[layout::Heads::Row].at(1) });
    }

    // Of the two options Qt itself makes only the chosen one a tab stop.
    for (std::size_t i = 0; i + 1 < tabStops.size(); ++i)
        QWidget::setTabOrder(tabStops[i], tabStops[i + 1]);
    if (!tabStops.empty())
        tabStops.front()->setFocus();
    return made;
}

} // namespace morvela
