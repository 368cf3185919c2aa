// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The File menu's exchange with spreadsheets and its comparison, run on the
// working copy: Import CSV and Insert channel set replace the 128 channels,
// fill the empty ones or write from a channel down, as the preview chooses
// (one undo step); Export CSV writes the channels in use; Compare with file
// reads the image that the comparison window sets beside the working copy.

#include "MemoryImage.h"

#include <QCoreApplication>
#include <QString>
#include <optional>

class QWidget;
class RadioDocument;
class WindowHost;

class ChannelExchange
{
    Q_DECLARE_TR_FUNCTIONS(ChannelExchange)
public:
    // Ask for the file, then run the path's variant below.
    static void importCsv(QWidget* parent, RadioDocument& document, WindowHost* host);
    // Asks where to export, proposing suggestedPath.
    static void exportCsv(QWidget* parent, const RadioDocument& document, WindowHost* host, const QString& suggestedPath);
    static std::optional<MemoryImage> chooseComparisonFile(QWidget* parent, QString* name);

    // True when the rows went into the working copy's channels.
    static bool importCsvFile(QWidget* parent, RadioDocument& document, WindowHost* host, const QString& path);
    // The same for a stock channel set, by its name; refused with a message when
    // the radio cannot hold the set exactly.
    static bool insertChannelSet(QWidget* parent, RadioDocument& document, WindowHost* host, const QString& set);
    // True when the file was written.
    static bool exportCsvFile(QWidget* parent, const RadioDocument& document, WindowHost* host, const QString& path);
    // The image a channel file holds, or nothing after a message saying why.
    static std::optional<MemoryImage> readComparisonFile(QWidget* parent, const QString& path);
};
