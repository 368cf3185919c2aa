#include "ChannelExchange.h"

#include "CompareWindow.h"
#include "CsvImportPreview.h"
#include "Form_open_chann.h"
#include "channels/frm_chann.h"
#include "shell/MDImain.h"
#include "shell/Prompt.h"

#include "ChannelCsv.h"
#include "ChannelFile.h"
#include "ChannelRecord.h"
#include "Globals.h"
#include "MemoryMap.h"

#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QSaveFile>

namespace {

QString shown(const QString& path)
{
    return QDir::toNativeSeparators(path);
}

// A name still open in the channel table's editor belongs in the working copy first.
void commitPendingName()
{
    if (MDImain* main = MDImain::instance())
        if (auto* table = main->window<frm_chann>())
            table->CommitNameEdit(false);
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

void ChannelExchange::importCsv(QWidget* parent)
{
    const QString path = QFileDialog::getOpenFileName(parent, tr("Import CSV"), QDir::currentPath(),
                                                      tr("CSV files (*.csv);;All files (*)"));
    if (!path.isEmpty())
        importCsvFile(parent, path);
}

void ChannelExchange::exportCsv(QWidget* parent)
{
    QString path = QFileDialog::getSaveFileName(parent, tr("Export CSV"), QDir::currentPath(),
                                                tr("CSV files (*.csv);;All files (*)"));
    if (path.isEmpty())
        return;
    if (QFileInfo(path).suffix().isEmpty())
        path += QStringLiteral(".csv");
    exportCsvFile(parent, path);
}

void ChannelExchange::compareWithFile(QWidget* parent)
{
    const QString path = QFileDialog::getOpenFileName(parent, tr("Compare with file"), QDir::currentPath(),
                                                      tr("Channel files (*.chann *.CHANN);;All files (*)"));
    if (!path.isEmpty())
        compareWithFile(parent, path);
}

bool ChannelExchange::importCsvFile(QWidget* parent, const QString& path)
{
    commitPendingName();
    const ChannelCsv::ImportResult result = ChannelCsv::read(path, RadioVersion, FreqRange::of(RadioImage));
    if (!result.ok()) {
        Prompt::inform(parent, ChannelCsv::errorText(result, shown(path)));
        return false;
    }
    CsvImportPreview preview(result, QFileInfo(path).fileName(), channelsInUse(RadioImage), parent);
    if (preview.exec() != QDialog::Accepted)
        return false;
    // Only the channels change; the working copy keeps its record of what was last saved.
    RadioImage.setBytes(ChannelCsv::withChannels(RadioImage, result).bytes());
    if (MDImain* main = MDImain::instance())
        main->refreshWindows();
    return true;
}

bool ChannelExchange::exportCsvFile(QWidget* parent, const QString& path)
{
    commitPendingName();
    const QByteArray text = ChannelCsv::exportChannels(RadioImage, RadioVersion);
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(text) != text.size() || !file.commit()) {
        Prompt::inform(parent, tr("The CSV file %1 could not be written: %2\n"
                                  "A file of that name already on disk is left as it was.")
                                   .arg(shown(path), file.errorString()));
        return false;
    }
    Prompt::inform(parent, tr("Channels in use exported to %1: %2.").arg(shown(path)).arg(channelsInUse(RadioImage)));
    return true;
}

bool ChannelExchange::compareWithFile(QWidget* parent, const QString& path)
{
    const ChannelFile::ReadResult result = ChannelFile::read(path);
    if (!result.ok()) {
        Prompt::inform(parent, Form_open_chann::readFailureText(result, shown(path)));
        return false;
    }
    MemoryImage other;
    other.setBytes(result.bytes);
    showComparison(other, QFileInfo(path).fileName());
    return true;
}

void ChannelExchange::showComparison(const MemoryImage& other, const QString& otherName)
{
    MDImain* main = MDImain::instance();
    if (!main)
        return;
    commitPendingName();
    CompareWindow* window = main->openWindow<CompareWindow>();
    window->setComparison(RadioImage, other, otherName, RadioVersion);
    if (auto* frame = qobject_cast<QMdiSubWindow*>(window->parentWidget()))
        main->mdiArea()->setActiveSubWindow(frame);
}
