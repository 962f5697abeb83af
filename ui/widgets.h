// SPDX-FileCopyrightText: 2026 Morvela contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QCheckBox>
#include <QColor>
#include <QFrame>
#include <QImage>
#include <QListWidget>
#include <QPushButton>

namespace morvela {

// A single-selection list that can never be left without a selection by the user: Qt's
// SingleSelection lets Ctrl+click or Ctrl+Space deselect, a list box does not.
// It shows one item of its own height, with the scroll-bar arrows drawn small enough to fit, and a
// keyboard focus that is plain to see.
class GroupList final : public QListWidget
{
    Q_OBJECT

public:
    explicit GroupList(QWidget* parent = nullptr);

    // Tells a screen reader that the chosen item has the focus.
    void tellChosenItemFocused();

protected:
    QItemSelectionModel::SelectionFlags selectionCommand(
        const QModelIndex& index, const QEvent* event = nullptr) const override;
    void paintEvent(QPaintEvent* event) override;
    void currentChanged(const QModelIndex& current, const QModelIndex& previous) override;
};

// A command button in graphical style: its whole face, bevel aside, has its own colour whatever
// the widget style would paint.
class ColourButton final : public QPushButton
{
    Q_OBJECT

public:
    ColourButton(const QString& text, QColor face, QWidget* parent = nullptr);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QColor face_;
};

// A cell of the Punnett grid: a check box in a disabled frame, so it takes no input and no focus,
// drawn as an enabled one, since the grid must not look greyed.
class GridCell final : public QCheckBox
{
    Q_OBJECT

public:
    using QCheckBox::QCheckBox;

protected:
    void paintEvent(QPaintEvent* event) override;
};

// A picture box: its picture unscaled inside a sunken two-pixel border. It takes focus in the
// tab order, so it shows a focus rectangle when it has it.
class PictureBox final : public QFrame
{
    Q_OBJECT

public:
    explicit PictureBox(QWidget* parent = nullptr);

    const QImage& picture() const { return picture_; }
    void setPicture(const QImage& picture);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QImage picture_;
};

} // namespace morvela
