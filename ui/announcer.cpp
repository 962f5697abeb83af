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
    // From this widget, a notification to a screen reader: Orca drops a second event of one type
    // from one program within a tenth of a second, unless it comes from a notification (or the
    // focus), so that two quick choices would be heard as the first alone.
    QAccessibleAnnouncementEvent event(this, message);
    QAccessible::updateAccessibility(&event);
#else
    hide();
    show();
#endif
}

} // namespace morvela
