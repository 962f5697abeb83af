// SPDX-FileCopyrightText: 2026 Morvela contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "announcer.h"

namespace morvela {

Announcer::Announcer(QWidget* parent)
    : QWidget(parent)
{
    setObjectName(QStringLiteral("Announcer"));
    setFocusPolicy(Qt::NoFocus);
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setGeometry(0, 0, 0, 0);
    hide();
}

void Announcer::announce(const QString& message)
{
    setAccessibleName(message);
    hide();
    show();
}

} // namespace morvela
