// SPDX-FileCopyrightText: 2026 Morvela contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// Drives the real window as a user does, and reads back what it shows.

#include "mainwindow.h"
#include "reportbox.h"

#include <QCheckBox>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

#include <memory>

// Data rows for every ordered pair of groups under both options: homozygous, father, mother.
inline void addEveryPair()
{
    const char* const names[] = { "0", "A", "B", "AB" };
    QTest::addColumn<bool>("homozygous");
    QTest::addColumn<int>("father");
    QTest::addColumn<int>("mother");
    for (bool homozygous : { true, false })
        for (int f = 0; f < 4; ++f)
            for (int m = 0; m < 4; ++m)
                QTest::addRow(
                    "%s %s x %s", homozygous ? "homozygous" : "heterozygous", names[f], names[m])
                    << homozygous << f << m;
}

struct Driver
{
    std::unique_ptr<morvela::MainWindow> window = std::make_unique<morvela::MainWindow>();
    QStringList errors;

    Driver()
    {
        window->setErrorReporter([this](const QString& message) { errors << message; });
        window->show();
        if (!QTest::qWaitForWindowExposed(window.get()))
            qFatal("the window was never exposed");
    }

    // Makes the window the active one, as a click on its title would.
    bool activate() const
    {
        window->activateWindow();
        return QTest::qWaitForWindowActive(window.get());
    }

    template <typename W> W* control(const char* name, int index = -1) const
    {
        const QString id = index < 0 ? QLatin1String(name)
                                     : QStringLiteral("%1_%2").arg(QLatin1String(name)).arg(index);
        W* widget = window->findChild<W*>(id);
        if (!widget)
            qFatal("no control %s", qPrintable(id));
        return widget;
    }
    QListWidget* list(int i) const { return control<QListWidget>("List1", i); }
    QRadioButton* option(int i) const { return control<QRadioButton>("Option1", i); }
    QPushButton* command(int i) const { return control<QPushButton>("Command1", i); }
    morvela::ReportBox* report() const { return control<morvela::ReportBox>("Text1", 0); }

    // Chooses a group by keyboard, as a user who cannot see all four items does.
    void choose(int parent, int group) const
    {
        QListWidget* l = list(parent);
        l->setFocus();
        QTest::keyClick(l, Qt::Key_Home);
        for (int k = 0; k < group; ++k)
            QTest::keyClick(l, Qt::Key_Down);
    }
    // The option first, as a click on it resets both lists, then each parent's group.
    void choosePair(bool homozygous, int father, int mother) const
    {
        clickOption(homozygous ? 0 : 1);
        choose(0, father);
        choose(1, mother);
    }
    void clickOption(int i) const
    {
        QTest::mouseClick(option(i), Qt::LeftButton, {}, QPoint(8, 12));
    }
    void clickCommand(int i) const { QTest::mouseClick(command(i), Qt::LeftButton); }

    QStringList alleles() const
    {
        QStringList out;
        for (int i = 0; i < 4; ++i)
            out << control<QLabel>("Label2", i)->text();
        return out;
    }
    QStringList cells() const
    {
        QStringList out;
        for (int i = 0; i < 4; ++i)
            out << control<QCheckBox>("Check1", i)->text();
        return out;
    }
    QByteArray reportBytes() const { return QByteArray::fromStdString(report()->exactText()); }
};

// What the window shows, as an image; a control by name; a control's frame in window coordinates.
inline QImage grab(const Driver& d)
{
    return d.window->grab().toImage();
}

inline QWidget* widget(const Driver& d, const QString& name)
{
    return d.window->findChild<QWidget*>(name);
}

inline QRect inWindow(const Driver& d, const QString& name)
{
    QWidget* w = widget(d, name);
    return QRect(w->mapTo(d.window.get(), QPoint(0, 0)), w->size());
}
