// SPDX-FileCopyrightText: 2026 Morvela contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QWidget>

namespace morvela {

// Says a short message through a screen reader without moving the focus or showing anything.
// Qt 6.8 and later have an announcement of their own, which AT-SPI and UI Automation carry. Qt 6.4
// has none on Linux, so there the message is an empty notification that appears anew each time:
// Orca presents a notification as it appears.
class Announcer final : public QWidget
{
    Q_OBJECT

public:
    explicit Announcer(QWidget* parent);

    void announce(const QString& message);
};

} // namespace morvela
