// SPDX-FileCopyrightText: 2026 Morvela contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "classiclook.h"

#include <QApplication>
#include <QPalette>
#include <QStyle>
#include <QWidget>

namespace morvela {

namespace {

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

} // namespace

void keepClassicLook(QWidget* window)
{
    // Sunken borders, round option buttons, square check boxes: Qt's Windows style draws them, at
    // far less cost than Fusion.
    if (QApplication::style()->name() != QLatin1String("windows"))
        QApplication::setStyle(QStringLiteral("Windows"));
    // The captions stand on fixed light backgrounds: under a dark desktop theme they would turn
    // light on light.
    if (isDark(QApplication::palette()))
        window->setPalette(classicLightPalette());
    // A list keeps its chosen group on the highlight without the focus, as the classic list box
    // does; Windows greys the selection of an inactive window or view.
    QPalette selection = window->palette();
    for (auto role : { QPalette::Highlight, QPalette::HighlightedText })
        selection.setColor(QPalette::Inactive, role, selection.color(QPalette::Active, role));
    window->setPalette(selection);
}

} // namespace morvela
