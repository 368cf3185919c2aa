// SPDX-License-Identifier: GPL-3.0-or-later
#include "PortNames.h"

#include <algorithm>

namespace PortNames {

namespace {

// Compares names piecewise: runs of digits by value, everything else by character.
bool naturalLess(const QString& a, const QString& b)
{
    qsizetype i = 0;
    qsizetype j = 0;
    while (i < a.size() && j < b.size()) {
        if (a[i].isDigit() && b[j].isDigit()) {
            qsizetype ei = i;
            qsizetype ej = j;
            while (ei < a.size() && a[ei].isDigit())
                ++ei;
            while (ej < b.size() && b[ej].isDigit())
                ++ej;
            const QString na = a.mid(i, ei - i);
            const QString nb = b.mid(j, ej - j);
            const qulonglong va = na.toULongLong();
            const qulonglong vb = nb.toULongLong();
            if (va != vb)
                return va < vb;
            if (na.size() != nb.size())
                return na.size() < nb.size();
            i = ei;
            j = ej;
            continue;
        }
        if (a[i] != b[j])
            return a[i] < b[j];
        ++i;
        ++j;
    }
    return a.size() - i < b.size() - j;
}

} // namespace

bool isUsbAdapter(const QString& name)
{
    static const QStringList usbPrefixes = {
        QStringLiteral("ttyUSB"),       QStringLiteral("ttyACM"),        // Linux
        QStringLiteral("cu.usbserial"), QStringLiteral("cu.usbmodem"),   // macOS
        QStringLiteral("cu.SLAB_USBtoUART"), QStringLiteral("cu.wchusbserial"),
        QStringLiteral("ttyU"),         QStringLiteral("cuaU"),          // BSD
    };
    return std::any_of(usbPrefixes.cbegin(), usbPrefixes.cend(),
                       [&name](const QString& prefix) { return name.startsWith(prefix); });
}

QStringList ordered(QStringList names)
{
    std::sort(names.begin(), names.end(), [](const QString& pathA, const QString& pathB) {
        const QString a = pathA.section(QLatin1Char('/'), -1);
        const QString b = pathB.section(QLatin1Char('/'), -1);
        const bool usbA = isUsbAdapter(a);
        const bool usbB = isUsbAdapter(b);
        if (usbA != usbB)
            return usbA;
        return naturalLess(a, b);
    });
    return names;
}

} // namespace PortNames
