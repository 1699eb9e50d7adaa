#include "NaturalOrder.h"

#include <algorithm>

namespace making {
namespace {

// Runs of digits compare by value, everything else letter by letter, ignoring case.
int CompareNaturally(const QString& a, const QString& b)
{
    qsizetype i = 0, j = 0;
    while (i < a.size() && j < b.size()) {
        if (a[i].isDigit() && b[j].isDigit()) {
            const qsizetype startA = i, startB = j;
            while (i < a.size() && a[i].isDigit()) ++i;
            while (j < b.size() && b[j].isDigit()) ++j;
            QStringView numberA = QStringView(a).mid(startA, i - startA),
                        numberB = QStringView(b).mid(startB, j - startB);
            while (numberA.size() > 1 && numberA.front() == u'0') numberA = numberA.mid(1);
            while (numberB.size() > 1 && numberB.front() == u'0') numberB = numberB.mid(1);
            if (numberA.size() != numberB.size()) return numberA.size() < numberB.size() ? -1 : 1;
            if (const int order = numberA.compare(numberB)) return order;
            continue;
        }
        const QChar x = a[i].toCaseFolded(), y = b[j].toCaseFolded();
        if (x != y) return x < y ? -1 : 1;
        ++i;
        ++j;
    }
    if (i < a.size()) return 1;
    if (j < b.size()) return -1;
    return 0;
}

}  // namespace

void SortNaturally(QStringList& names)
{
    // Names equal but for case or leading zeros keep a fixed order.
    std::stable_sort(names.begin(), names.end(), [](const QString& a, const QString& b) {
        const int order = CompareNaturally(a, b);
        return order != 0 ? order < 0 : a < b;
    });
}

}  // namespace making
