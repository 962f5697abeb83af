// What a screen reader says of the window's controls, beyond their visible captions.

#include "mainwindow.h"

#include "tabletext.h"

#include <QLabel>

namespace morvela {

namespace {

QWidget* control(const QWidget* window, const char* name, int index = -1)
{
    const QString id = index < 0 ? QLatin1String(name)
                                 : QStringLiteral("%1_%2").arg(QLatin1String(name)).arg(index);
    return window->findChild<QWidget*>(id);
}

// The table picture read out row by row, with the figures it shows.
QString tableDescription()
{
    QStringList rows;
    for (const genetics::TableRow& row : genetics::tableRows()) {
        QStringList children;
        for (std::size_t c = 0; c < row.cells.size(); ++c)
            if (!row.cells[c].empty())
                children << QStringLiteral("%1 – %2").arg(
                    QLatin1String(genetics::groups[genetics::tableColumns[c]]),
                    QString::fromStdString(row.cells[c]));
        rows << QString::fromUtf8("Родители %1: деца %2.")
                    .arg(QString::fromStdString(row.parents), children.join(QLatin1String(", ")));
    }
    return rows.join(QLatin1Char(' '));
}

} // namespace

void MainWindow::describeForAccessibility()
{
    control(this, "Text1", 0)->setAccessibleName(QString::fromUtf8("Пояснения и резултат"));
    QWidget* picture = control(this, "Picture1");
    picture->setAccessibleName(
        QString::fromUtf8("Таблица: кръвни групи на децата според родителите"));
    picture->setAccessibleDescription(tableDescription());

    // Each list is announced with its caption. The caption is also its buddy, so that the label
    // says what it labels; Qt's list interface reports no relation back, hence the name.
    for (int i = 0; i < 2; ++i) {
        auto* caption = qobject_cast<QLabel*>(control(this, "Label1", i + 1));
        QWidget* list = control(this, "List1", i);
        caption->setBuddy(list);
        list->setAccessibleName(caption->text());
    }
    control(this, "Frame2")->setAccessibleName(QString::fromUtf8("Алели при кръвна група A или B"));

    // Allele labels and cells keep their captions as names: the alleles and genotypes are what
    // must be heard. Their descriptions say where they stand.
    const char* const alleles[] = { "Първи алел на бащата", "Втори алел на бащата",
        "Първи алел на майката", "Втори алел на майката" };
    for (int i = 0; i < 4; ++i) {
        control(this, "Label2", i)->setAccessibleDescription(QString::fromUtf8(alleles[i]));
        const int row = i / 2, column = i % 2;
        control(this, "Check1", i)
            ->setAccessibleDescription(
                QString::fromUtf8("Решетка на Пънет, ред %1 (%2), колона %3 (%4)")
                    .arg(row + 1)
                    .arg(QString::fromUtf8(alleles[2 + row]).toLower())
                    .arg(column + 1)
                    .arg(QString::fromUtf8(alleles[column]).toLower()));
    }
}

} // namespace morvela
