#pragma once

// The File menu's exchange with spreadsheets and its comparison, run on the
// working copy: Import CSV replaces the 128 channels after a preview, Export
// CSV writes the channels in use, Compare with file shows what differs.

#include <QCoreApplication>
#include <QString>

class MemoryImage;
class QWidget;

class ChannelExchange
{
    Q_DECLARE_TR_FUNCTIONS(ChannelExchange)
public:
    // Ask for the file, then run the path's variant below.
    static void importCsv(QWidget* parent);
    static void exportCsv(QWidget* parent);
    static void compareWithFile(QWidget* parent);

    // True when the working copy's channels were replaced.
    static bool importCsvFile(QWidget* parent, const QString& path);
    // True when the file was written.
    static bool exportCsvFile(QWidget* parent, const QString& path);
    // True when the comparison window shows the file.
    static bool compareWithFile(QWidget* parent, const QString& path);

    // Shows what differs from the working copy to another image, whatever it
    // was read from; otherName names it in the window's heading.
    static void showComparison(const MemoryImage& other, const QString& otherName);
};
