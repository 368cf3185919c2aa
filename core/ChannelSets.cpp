// SPDX-License-Identifier: GPL-3.0-or-later
#include "ChannelSets.h"

#include <QCoreApplication>
#include <QFile>

namespace {

struct SetText
{
    Q_DECLARE_TR_FUNCTIONS(ChannelSets)
};

struct StockSet
{
    const char* name;
    const char* title;
};

const StockSet kSets[] = {
    { "pmr446", QT_TRANSLATE_NOOP("ChannelSets", "PMR446 (Europe)") },
    { "china-public-409", QT_TRANSLATE_NOOP("ChannelSets", "China's public band, 409 MHz") },
    { "frs", QT_TRANSLATE_NOOP("ChannelSets", "FRS (United States)") },
    { "gmrs", QT_TRANSLATE_NOOP("ChannelSets", "GMRS (United States)") },
};

const StockSet* stockSet(const QString& name)
{
    for (const StockSet& set : kSets)
        if (name == QLatin1String(set.name))
            return &set;
    return nullptr;
}

} // namespace

namespace ChannelSets {

QStringList names()
{
    QStringList list;
    for (const StockSet& set : kSets)
        list << QLatin1String(set.name);
    return list;
}

QString title(const QString& name)
{
    const StockSet* set = stockSet(name);
    return set ? SetText::tr(set->title) : QString();
}

QByteArray csvText(const QString& name)
{
    if (!stockSet(name))
        return {};
    QFile file(QStringLiteral(":/channel-sets/%1.csv").arg(name));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

Loaded load(const QString& name, int version, const FreqRange& range, const ChannelCsv::Placement& placement)
{
    Loaded loaded;
    if (!stockSet(name)) {
        loaded.refusal = SetText::tr("There is no channel set \"%1\".").arg(name);
        return loaded;
    }
    const QByteArray text = csvText(name);
    // Read first by its own locations, so that only what the radio cannot hold counts.
    const ChannelCsv::ImportResult asItIs = ChannelCsv::parse(text, version, range);
    if (!asItIs.ok() || asItIs.problems.isEmpty())
        loaded.result = ChannelCsv::parse(text, version, range, placement);
    else
        loaded.refusal = SetText::tr("The channel set %1 cannot be held exactly, so nothing of it is imported. %2")
                             .arg(title(name), ChannelCsv::problemLine(asItIs.problems.first()));
    return loaded;
}

} // namespace ChannelSets
