// SPDX-FileCopyrightText: 2026 Morvela contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "widgets.h"

#include <QAccessible>
#include <QApplication>
#include <QPainter>
#include <QProxyStyle>
#include <QScrollBar>
#include <QStyleOptionFocusRect>
#include <QStylePainter>
#include <qdrawutil.h>

namespace morvela {

namespace {

// The classic style insets a scroll bar's arrow four pixels inside its button: in a list one item
// high the buttons are 9 pixels tall, and nothing is left of the arrow. Draw it 7 by 4 instead.
class SmallArrowStyle final : public QProxyStyle
{
public:
    // Over the application's style: without a name, a proxy would take the platform's default.
    SmallArrowStyle()
        : QProxyStyle(QApplication::style()->name())
    {
    }

    // Between the two buttons one pixel is left, too little for a slider or a track: no part of
    // the style paints it, and it would show whatever lay there before. Fill it first.
    void drawComplexControl(ComplexControl control, const QStyleOptionComplex* option,
        QPainter* painter, const QWidget* widget) const override
    {
        if (control == CC_ScrollBar)
            painter->fillRect(option->rect, option->palette.button());
        QProxyStyle::drawComplexControl(control, option, painter, widget);
    }

    void drawPrimitive(PrimitiveElement element, const QStyleOption* option, QPainter* painter,
        const QWidget* widget) const override
    {
        const bool vertical = element == PE_IndicatorArrowUp || element == PE_IndicatorArrowDown;
        if (!vertical || option->rect.height() >= 4) {
            QProxyStyle::drawPrimitive(element, option, painter, widget);
            return;
        }
        const QPoint centre = option->rect.center();
        const QColor ink = option->palette.color(QPalette::ButtonText);
        for (int row = 0; row < 4; ++row) {
            const int half = element == PE_IndicatorArrowUp ? row : 3 - row;
            painter->fillRect(centre.x() - half, centre.y() - 2 + row, 2 * half + 1, 1, ink);
        }
    }
};

} // namespace

GroupList::GroupList(QWidget* parent)
    : QListWidget(parent)
{
    auto* arrows = new SmallArrowStyle;
    arrows->setParent(this);
    verticalScrollBar()->setStyle(arrows);
}

void GroupList::paintEvent(QPaintEvent* event)
{
    QListWidget::paintEvent(event);
    // The style's dotted line is lost on the selected item's blue: frame the list's inside.
    if (hasFocus()) {
        QPainter painter(viewport());
        painter.setPen(QPen(palette().color(QPalette::Text), 2));
        painter.drawRect(viewport()->rect().adjusted(1, 1, -1, -1));
    }
}

void GroupList::currentChanged(const QModelIndex& current, const QModelIndex& previous)
{
    // Qt's list view tells a screen reader that the focus moved to the new item even when the
    // program chose it, as a reset does: that would carry the reader off the button pressed.
    QAbstractItemView::currentChanged(current, previous);
    if (hasFocus())
        tellChosenItemFocused();
}

void GroupList::tellChosenItemFocused()
{
    if (currentRow() < 0 || !QAccessible::isActive())
        return;
    QAccessibleEvent event(this, QAccessible::Focus);
    event.setChild(currentRow());
    QAccessible::updateAccessibility(&event);
}

QItemSelectionModel::SelectionFlags GroupList::selectionCommand(
    const QModelIndex& index, const QEvent*) const
{
    return index.isValid() ? QItemSelectionModel::ClearAndSelect : QItemSelectionModel::NoUpdate;
}

ColourButton::ColourButton(const QString& text, QColor face, QWidget* parent)
    : QPushButton(text, parent)
    , face_(face)
{
    // Return and Enter press the focused button too, as on the desktop it comes from.
    setAutoDefault(true);
}

void ColourButton::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    const QBrush face(face_);
    const bool down = isDown() || isChecked();
    qDrawWinButton(&painter, rect(), palette(), down, &face);

    QRect textRect = rect().adjusted(3, 3, -3, -3);
    if (down)
        textRect.translate(1, 1);
    painter.setPen(palette().color(QPalette::ButtonText));
    painter.drawText(textRect, Qt::AlignCenter | Qt::TextShowMnemonic, text());

    if (hasFocus()) {
        QStyleOptionFocusRect focus;
        focus.initFrom(this);
        focus.rect = rect().adjusted(4, 4, -4, -4);
        focus.backgroundColor = face_;
        style()->drawPrimitive(QStyle::PE_FrameFocusRect, &focus, &painter, this);
    }
}

void GridCell::paintEvent(QPaintEvent*)
{
    QStylePainter painter(this);
    QStyleOptionButton option;
    initStyleOption(&option);
    option.state |= QStyle::State_Enabled;
    option.palette.setCurrentColorGroup(QPalette::Active);
    painter.drawControl(QStyle::CE_CheckBox, option);
}

void PunnettGrid::setHeaders(
    QWidget* caption, std::array<QWidget*, 2> columns, std::array<QWidget*, 2> rows)
{
    caption_ = caption;
    for (int i = 0; i < 2; ++i) {
        columns_[i] = columns[i];
        rows_[i] = rows[i];
    }
}

void PunnettGrid::addCell(QAbstractButton* cell)
{
    if (cellCount_ < static_cast<int>(cells_.size()))
        cells_[cellCount_++] = cell;
}

QAbstractButton* PunnettGrid::cell(int row, int column) const
{
    return row >= 0 && row < 2 && column >= 0 && column < 2 ? cells_[2 * row + column] : nullptr;
}

int PunnettGrid::indexOf(const QAbstractButton* cell) const
{
    for (int i = 0; i < cellCount_; ++i)
        if (cells_[i] == cell)
            return i;
    return -1;
}

QWidget* PunnettGrid::columnHeader(int column) const
{
    return column >= 0 && column < 2 ? columns_[column].data() : nullptr;
}

QWidget* PunnettGrid::rowHeader(int row) const
{
    return row >= 0 && row < 2 ? rows_[row].data() : nullptr;
}

void PictureBox::setPicture(const QImage& picture)
{
    picture_ = picture;
    update();
}

void PictureBox::paintEvent(QPaintEvent* event)
{
    QFrame::paintEvent(event);
    QPainter painter(this);
    // At a scale between the picture's own, smoothly rather than by dropping or doubling pixels.
    painter.setRenderHint(
        QPainter::SmoothPixmapTransform, picture_.devicePixelRatio() != devicePixelRatioF());
    painter.drawImage(contentsRect().topLeft(), picture_);
    if (hasFocus()) {
        QStyleOptionFocusRect focus;
        focus.initFrom(this);
        focus.rect = contentsRect().adjusted(1, 1, -1, -1);
        focus.backgroundColor = Qt::white;
        style()->drawPrimitive(QStyle::PE_FrameFocusRect, &focus, &painter, this);
    }
}

} // namespace morvela
