#include "widgets.h"

#include <QPainter>
#include <QStyleOptionFocusRect>
#include <QStylePainter>
#include <qdrawutil.h>

namespace morvela {

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

PictureBox::PictureBox(QWidget* parent)
    : QFrame(parent)
{
    setFrameStyle(QFrame::WinPanel | QFrame::Sunken);
    setFocusPolicy(Qt::StrongFocus);
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
