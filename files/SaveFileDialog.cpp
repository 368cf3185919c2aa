// SPDX-License-Identifier: GPL-3.0-or-later
#include "SaveFileDialog.h"

#include "ui/Prompt.h"
#include "ui/WindowHost.h"

#include "Captions.h"
#include "RadioDocument.h"
#include "RadioFile.h"

#include <QDir>
#include <QFileInfo>

SaveFileDialog::SaveFileDialog(RadioDocument& document, WindowHost* host, QWidget* parent)
    : ChannelFileDialog(document, host, parent)
{
    setObjectName(QStringLiteral("Form_save_chann"));
    setCaptions(tr("Save Channel File"), tr("Save File:"));
}

QString SaveFileDialog::invalidNameMessage() const
{
    return tr("Store the file name of channel parameter need is nullity. ");
}

QString SaveFileDialog::suffixMessage() const
{
    return tr("Advice don't modify file suffix name of system default ！");
}

bool SaveFileDialog::perform(const QString& path)
{
    // Text still typed into a window belongs in the saved file.
    if (m_host)
        m_host->commitPendingEdits();
    if (!saveFile(this, m_document, path))
        return false;
    Prompt::inform(this, Captions::saveComplete());
    return true;
}

bool SaveFileDialog::saveFile(QWidget* parent, RadioDocument& document, const QString& path)
{
    const NativeFile::WriteResult result = RadioFile::save(path, document.image(), document.version());
    if (!result.ok) {
        Prompt::inform(parent, Captions::saveFailed(QDir::toNativeSeparators(path), result.reason));
        return false;
    }
    const QFileInfo file(path);
    document.markSaved(file.absoluteFilePath());
    QDir::setCurrent(file.absolutePath());
    return true;
}
