// SPDX-FileCopyrightText: 2026 Morvela contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// The ABO model from which the report's figures follow, with exact fractions. The table, as a
// picture and as the page's text, takes its figures from it, and the picture's test checks them
// against it. The report is fixed lines, checked against a literal table (tests/expected.h).

#include <array>
#include <cstdint>
#include <numeric>
#include <string>
#include <vector>

namespace genetics {

struct Fraction
{
    std::int64_t num = 0;
    std::int64_t den = 1;

    Fraction() = default;
    Fraction(std::int64_t n, std::int64_t d)
        : num(n)
        , den(d)
    {
        const std::int64_t g = std::gcd(num, den);
        if (g > 1) {
            num /= g;
            den /= g;
        }
    }
    friend Fraction operator+(Fraction a, Fraction b)
    {
        return { a.num * b.den + b.num * a.den, a.den * b.den };
    }
    friend Fraction operator*(Fraction a, Fraction b) { return { a.num * b.num, a.den * b.den }; }
    friend bool operator==(Fraction a, Fraction b) { return a.num * b.den == b.num * a.den; }
    friend bool operator<(Fraction a, Fraction b) { return a.num * b.den < b.num * a.den; }
    bool isZero() const { return num == 0; }
};

// Groups in list order: 0 = "0", 1 = "A", 2 = "B", 3 = "AB".
inline constexpr std::array<const char*, 4> groups { "0", "A", "B", "AB" };

struct Genotype
{
    char first;
    char second;
    Fraction weight;
};

// A parent's possible genotypes, given its group: A and B are homozygous or heterozygous with
// equal weight.
inline std::vector<Genotype> genotypes(int group)
{
    switch (group) {
    case 1:
        return { { 'A', 'A', { 1, 2 } }, { 'A', '0', { 1, 2 } } };
    case 2:
        return { { 'B', 'B', { 1, 2 } }, { 'B', '0', { 1, 2 } } };
    case 3:
        return { { 'A', 'B', { 1, 1 } } };
    default:
        return { { '0', '0', { 1, 1 } } };
    }
}

// The child's group from its two alleles: A and B dominate 0 and are codominant.
inline int phenotype(char x, char y)
{
    const bool a = x == 'A' || y == 'A';
    const bool b = x == 'B' || y == 'B';
    return a && b ? 3 : a ? 1 : b ? 2 : 0;
}

// The probability of each child group (indexed as `groups`) for two parents' groups.
inline std::array<Fraction, 4> offspring(int father, int mother)
{
    std::array<Fraction, 4> p {};
    for (const Genotype& f : genotypes(father))
        for (const Genotype& m : genotypes(mother))
            for (char x : { f.first, f.second })
                for (char y : { m.first, m.second })
                    p[phenotype(x, y)] = p[phenotype(x, y)] + f.weight * m.weight * Fraction(1, 4);
    return p;
}

// A probability as a percentage with the given decimal separator and exactly two decimals
// (every probability here is a multiple of 1/16, so this is exact).
inline std::string percent(Fraction f, char separator = '.')
{
    const std::int64_t hundredths = f.num * 10000 / f.den;
    std::string s = std::to_string(hundredths / 100) + separator;
    const std::int64_t cents = hundredths % 100;
    s += char('0' + cents / 10);
    s += char('0' + cents % 10);
    return s;
}

} // namespace genetics
