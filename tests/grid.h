// SPDX-FileCopyrightText: 2026 Morvela contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// The alleles and the Punnett grid as they must read, from the allele table and the canonical
// rule, independently of the program.

#include <QStringList>

// A parent's alleles as the grid shows them: a homozygous A or B parent carries its allele
// twice, a heterozygous one carries it with 0.
inline QStringList allelesOf(int group, bool homozygous)
{
    switch (group) {
    case 1:
        return { "A", homozygous ? "A" : "0" };
    case 2:
        return { "B", homozygous ? "B" : "0" };
    case 3:
        return { "A", "B" };
    default:
        return { "0", "0" };
    }
}

// The canonical genotype: A before B, 0 last, whichever parent gave which.
inline QString genotype(const QString& x, const QString& y)
{
    static const QString order = QStringLiteral("AB0");
    return order.indexOf(x) <= order.indexOf(y) ? x + y : y + x;
}

// The four cells from the four alleles (father's two, then mother's two): columns are the
// father's alleles, rows the mother's.
inline QStringList cellsOf(const QStringList& a)
{
    return { genotype(a[0], a[2]), genotype(a[1], a[2]), genotype(a[0], a[3]),
        genotype(a[1], a[3]) };
}
