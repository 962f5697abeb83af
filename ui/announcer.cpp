// SPDX-FileCopyrightText: 2026 Morvela contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "announcer.h"

#include <QAccessible>

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
#if QT_VERSION >= QT_VERSION_CHECK(6, 8, 0)
    // From the window, which the screen reader knows, rather than from this hidden widget.
    QAccessibleAnnouncementEvent event(window(), message);
    QAccessible::updateAccessibility(&event);
#else
    hide();
    show();
#endif
}

} // namespace morvela
