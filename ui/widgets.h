// SPDX-FileCopyrightText: 2026 Morvela contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QCheckBox>
#include <QColor>
#include <QFrame>
#include <QImage>
#include <QListWidget>
#include <QPointer>
#include <QPushButton>

#include <array>

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

// The frame of the Punnett grid: its four cells, row by row, and the labels around it that head
// its columns (the father's alleles) and its rows (the mother's).
class PunnettGrid final : public QWidget
{
    Q_OBJECT

public:
    using QWidget::QWidget;

    void setHeaders(
        QWidget* caption, std::array<QWidget*, 2> columns, std::array<QWidget*, 2> rows);
    // Cells are added in reading order: the first row, then the second.
    void addCell(QAbstractButton* cell);

    QAbstractButton* cell(int row, int column) const;
    int indexOf(const QAbstractButton* cell) const;
    QWidget* caption() const { return caption_; }
    QWidget* columnHeader(int column) const;
    QWidget* rowHeader(int row) const;

private:
    std::array<QAbstractButton*, 4> cells_ {};
    int cellCount_ = 0;
    // Beside the grid, not in it: they may go first when the window is taken down.
    QPointer<QWidget> caption_;
    std::array<QPointer<QWidget>, 2> columns_, rows_;
};

// A picture box: its picture unscaled inside its border, and a focus rectangle when it has the
// focus.
class PictureBox final : public QFrame
{
    Q_OBJECT

public:
    using QFrame::QFrame;

    const QImage& picture() const { return picture_; }
    void setPicture(const QImage& picture);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QImage picture_;
};

} // namespace morvela
