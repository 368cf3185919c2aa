// SPDX-License-Identifier: GPL-3.0-or-later
#include "OpenFileDialog.h"

#include "ui/Prompt.h"
#include "ui/WindowHost.h"

#include "RadioDocument.h"
#include "RadioFile.h"

#include <QDir>
#include <QFileInfo>

OpenFileDialog::OpenFileDialog(RadioDocument& document, WindowHost* host, QWidget* parent)
    : ChannelFileDialog(document, host, parent)
{
    setObjectName(QStringLiteral("Form_open_chann"));
    setCaptions(tr("Open Channcle File"), tr("Open File:"));
}

QString OpenFileDialog::invalidNameMessage() const
{
    return tr("Open the file name of channel parameter is nullity ");
}

QString OpenFileDialog::suffixMessage() const
{
    return tr("Nullity file suffix name of channel parameter.");
}

bool OpenFileDialog::perform(const QString& path)
{
    if (!loadFile(this, m_document, m_host, path))
        return false;
    Prompt::inform(this, tr("Succeed fold the channel parameter from file."));
    return true;
}

bool OpenFileDialog::loadFile(QWidget* parent, RadioDocument& document, WindowHost* host, const QString& path)
{
    // What a radio text leaves out comes from the program's default image.
    const RadioFile::Loaded loaded = RadioFile::load(path, factoryImage(), document.version());
    if (!loaded.ok()) {
        Prompt::inform(parent, loaded.error, loaded.problems);
        return false;
    }
    if (host && !host->confirmDiscardChanges(WindowHost::DiscardReason::Open))
        return false;
    const QFileInfo file(path);
    // The question about unsaved changes can save to this file from now on.
    document.takeImage([name = file.fileName()] { return tr("Open %1").arg(name); }, loaded.image,
                       loaded.version.value_or(document.version()), file.absoluteFilePath());
    // The next dialog starts in the folder of the file last used.
    QDir::setCurrent(file.absolutePath());
    return true;
}
