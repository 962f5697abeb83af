// SPDX-FileCopyrightText: 2026 Morvela contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QWidget>

namespace morvela {

// Says a short message through a screen reader without moving the focus or showing anything: an
// empty notification that appears anew with each message. Qt 6.4 has no announcement API on
// Linux, and Orca presents a notification as it appears.
class Announcer final : public QWidget
{
    Q_OBJECT

public:
    explicit Announcer(QWidget* parent);

    void announce(const QString& message);
};

} // namespace morvela
