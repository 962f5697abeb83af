#pragma once

// The report as it must read, built from the genetic model and the layout rules of the result
// line, independently of the program's fixed texts.

#include "genetics.h"

#include <algorithm>
#include <string>
#include <vector>

namespace expected {

// "6.25%" above zero, "0%" at zero.
inline std::string share(genetics::Fraction f)
{
    return f.isZero() ? std::string("0%") : genetics::percent(f) + "%";
}

inline std::string resultLine(int father, int mother)
{
    using genetics::groups;
    const auto p = genetics::offspring(father, mother);
    std::vector<std::string> entries;
    if (!p[3].isZero()) {
        // Where AB can occur: A, B, AB and 0, one entry each.
        for (int g : { 1, 2, 3, 0 })
            entries.push_back(std::string(groups[g]) + " = " + share(p[g]));
    } else {
        // Otherwise the groups that occur, larger share first (A before B when equal), then one
        // entry for all that cannot occur, in the order 0, A, B, AB.
        std::vector<int> occurring;
        for (int g : { 1, 2, 0 })
            if (!p[g].isZero())
                occurring.push_back(g);
        std::stable_sort(
            occurring.begin(), occurring.end(), [&](int x, int y) { return p[y] < p[x]; });
        for (int g : occurring)
            entries.push_back(std::string(groups[g]) + " = " + share(p[g]));
        std::string none;
        for (int g : { 0, 1, 2, 3 })
            if (p[g].isZero())
                none += std::string(groups[g]) + " = ";
        entries.push_back(none + "0%");
    }
    std::string line = entries[0];
    for (std::size_t k = 1; k < entries.size(); ++k)
        line += (k == 1 ? ";   " : ";  ") + entries[k];
    return line;
}

inline std::string caveat(bool homozygous)
{
    return "Изведената решетка на Пънет е частична и не отчита\r\n"
           "вероятности за "
        + std::string(homozygous ? "Хетерозиготни" : "Хомозиготни")
        + " алели в кръвни групи A и B.\r\n";
}

inline std::string report(bool homozygous, int father, int mother)
{
    using genetics::groups;
    return caveat(homozygous) + "При кръвна група родители: " + groups[father] + " и "
        + groups[mother] + " вероятност: \r\n" + resultLine(father, mother) + "\r\n";
}

} // namespace expected
