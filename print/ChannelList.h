// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The printed channel list of an image: a title with the file's name (or
// "radio" after a read) and the date, the channels in use as the channel table
// shows them, the frequency mode, the range, the optional features and the FM
// presets, on numbered pages that each repeat the channel table's header. Its
// texts come in the language whose translations are in force.

#include "ImageSummary.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QPageLayout>
#include <QPageSize>
#include <QString>

class QPagedPaintDevice;
class QTextDocument;
struct RadioData;

class ChannelList
{
    Q_DECLARE_TR_FUNCTIONS(ChannelList)
public:
    ChannelList(const RadioData& data, const QString& title, const QDateTime& printedAt);

    // The title of an image that comes from the radio rather than from a file.
    static QString radioTitle();

    // A4, or Letter where the system's locale measures in US units.
    static QPageSize::PageSizeId defaultPaper();

    // Portrait pages of the given size with the list's margins.
    static QPageLayout pageLayout(const QPageSize& paper);

    // The name a printer queue or a PDF reader shows for the list.
    QString documentName() const;

    // Paints every page onto a printer or PDF writer, inside the margins of its
    // page layout. Returns the number of pages; 0 when the device cannot be painted on.
    int paint(QPagedPaintDevice* device) const;

    // Writes the list as a PDF file; a file of that name is replaced only once
    // the new one is complete. On failure returns false and gives the reason.
    bool writePdf(const QString& path, QPageSize::PageSizeId paper, QString* error) const;

private:
    // The channel table, and the sections after it.
    void fillChannels(QTextDocument* document) const;
    void fillSettings(QTextDocument* document) const;

    QString m_title;
    QDateTime m_printedAt;
    ImageSummary::Section m_channels;
    ImageSummary::Section m_frequencyMode;
    ImageSummary::Section m_range;
    ImageSummary::Section m_optionalFeatures;
    ImageSummary::Section m_fmPresets;
};
