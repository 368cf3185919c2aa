// SPDX-License-Identifier: GPL-3.0-or-later
#include "ChannelExchange.h"

#include "CsvImportPreview.h"
#include "ui/Prompt.h"
#include "ui/SaveDialog.h"
#include "ui/WindowHost.h"

#include "ChannelCsv.h"
#include "ChannelRecord.h"
#include "ChannelSets.h"
#include "MemoryMap.h"
#include "NativeFile.h"
#include "RadioDocument.h"
#include "RadioFile.h"

#include <QDir>
#include <QFileDialog>
#include <QFileInfo>

namespace {

QString shown(const QString& path)
{
    return QDir::toNativeSeparators(path);
}

// Text still typed into a window belongs in the working copy first.
void commitPendingEdits(WindowHost* host)
{
    if (host)
        host->commitPendingEdits();
}

// Where "from channel" starts: the first channel selected in the table, else channel 1.
int selectedChannel(const WindowHost* host)
{
    const int channel = host ? host->selectedChannel() : 0;
    return channel > 0 ? channel : MemoryMap::kFirstChannelBlock;
}

int channelsInUse(const MemoryImage& image)
{
    int used = 0;
    for (int channel = MemoryMap::kFirstChannelBlock; channel < MemoryMap::kFirstChannelBlock + MemoryMap::kChannelCount;
         ++channel)
        used += ChannelRecord::isUsed(image, channel) ? 1 : 0;
    return used;
}

} // namespace

void ChannelExchange::importCsv(QWidget* parent, RadioDocument& document, WindowHost* host)
{
    const QString path = QFileDialog::getOpenFileName(parent, tr("Import CSV"), QDir::currentPath(),
                                                      tr("CSV files (*.csv);;All files (*)"));
    if (!path.isEmpty())
        importCsvFile(parent, document, host, path);
}

void ChannelExchange::exportCsv(QWidget* parent, const RadioDocument& document, WindowHost* host,
                                const QString& suggestedPath)
{
    const SaveDialog::Request request{ "CsvFileDialog", tr("Export CSV"), suggestedPath,
                                       tr("CSV files (*.csv);;All files (*)"), QStringLiteral("csv") };
    SaveDialog::ask(parent, request,
                    [parent, &document, host](const QString& path) { exportCsvFile(parent, document, host, path); });
}

std::optional<MemoryImage> ChannelExchange::chooseComparisonFile(QWidget* parent, QString* name)
{
    const QString path = QFileDialog::getOpenFileName(
        parent, tr("Compare with file"), QDir::currentPath(),
        tr("Channel files (*.chann *.CHANN);;Radio text (*.yaml);;All files (*)"));
    if (path.isEmpty())
        return std::nullopt;
    *name = QFileInfo(path).fileName();
    return readComparisonFile(parent, path);
}

bool ChannelExchange::importCsvFile(QWidget* parent, RadioDocument& document, WindowHost* host, const QString& path)
{
    commitPendingEdits(host);
    const int version = document.version();
    const FreqRange range = FreqRange::of(document.image());
    const ChannelCsv::ImportResult first = ChannelCsv::read(path, version, range);
    if (!first.ok()) {
        Prompt::inform(parent, ChannelCsv::errorText(first, shown(path)));
        return false;
    }
    const QString name = QFileInfo(path).fileName();
    CsvImportPreview preview(
        first, [path, version, range](const ChannelCsv::Placement& placement) {
            return ChannelCsv::read(path, version, range, placement);
        },
        document.image(), name, selectedChannel(host), parent);
    if (preview.exec() != QDialog::Accepted)
        return false;
    // Only the channels change.
    const ChannelCsv::ImportResult& result = preview.result();
    document.edit([name] { return tr("Import %1").arg(name); },
                  [&result](RadioData& data) { data.image = ChannelCsv::withChannels(data.image, result); });
    return true;
}

bool ChannelExchange::insertChannelSet(QWidget* parent, RadioDocument& document, WindowHost* host, const QString& set)
{
    commitPendingEdits(host);
    const int version = document.version();
    const FreqRange range = FreqRange::of(document.image());
    const ChannelSets::Loaded first = ChannelSets::load(set, version, range);
    if (!first.ok()) {
        Prompt::inform(parent, first.refusal);
        return false;
    }
    const QString title = ChannelSets::title(set);
    CsvImportPreview preview(
        first.result, [set, version, range](const ChannelCsv::Placement& placement) {
            return ChannelSets::load(set, version, range, placement).result;
        },
        document.image(), title, selectedChannel(host), parent);
    preview.setWindowTitle(tr("Insert channel set"));
    if (preview.exec() != QDialog::Accepted)
        return false;
    const ChannelCsv::ImportResult& result = preview.result();
    document.edit([title] { return tr("Insert %1").arg(title); },
                  [&result](RadioData& data) { data.image = ChannelCsv::withChannels(data.image, result); });
    return true;
}

bool ChannelExchange::exportCsvFile(QWidget* parent, const RadioDocument& document, WindowHost* host,
                                    const QString& path)
{
    commitPendingEdits(host);
    const QByteArray text = ChannelCsv::exportChannels(document.image(), document.version());
    const NativeFile::WriteResult written = NativeFile::replace(path, text);
    if (!written.ok) {
        Prompt::inform(parent, tr("The CSV file %1 could not be written: %2\n"
                                  "A file of that name already on disk is left as it was.")
                                   .arg(shown(path), written.reason));
        return false;
    }
    Prompt::inform(parent, tr("The channels in use (%1) were exported to %2.")
                               .arg(channelsInUse(document.image()))
                               .arg(shown(path)));
    return true;
}

std::optional<MemoryImage> ChannelExchange::readComparisonFile(QWidget* parent, const QString& path)
{
    const RadioData defaults = startUpData();
    const RadioFile::Loaded loaded = RadioFile::load(path, defaults.image, defaults.version);
    if (!loaded.ok()) {
        Prompt::inform(parent, loaded.error, loaded.problems);
        return std::nullopt;
    }
    // Compared as an open would take it in, like the working copy.
    return enteredImage(loaded.image);
}
