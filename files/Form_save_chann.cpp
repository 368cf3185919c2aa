#include "Form_save_chann.h"

#include "channels/frm_chann.h"
#include "shell/MDImain.h"
#include "shell/Prompt.h"

#include "ChannelFile.h"
#include "Globals.h"

#include <QDir>
#include <QFileInfo>

namespace {

// A name still open in the channel table's editor belongs in the saved file.
void commitPendingName()
{
    if (MDImain* main = MDImain::instance())
        if (auto* table = main->window<frm_chann>())
            table->CommitNameEdit(false);
}

} // namespace

Form_save_chann::Form_save_chann(QWidget* parent)
    : ChannelFileDialog(SaveChannWindowOpen, parent)
{
    setObjectName(QStringLiteral("Form_save_chann"));
    setCaptions(tr("Save Channel File"), tr("Save File:"));
    commitPendingName();
}

QString Form_save_chann::invalidNameMessage() const
{
    return tr("Store the file name of channel parameter need is nullity. ");
}

QString Form_save_chann::suffixMessage() const
{
    return tr("Advice don't modify file suffix name of system default ！");
}

bool Form_save_chann::perform(const QString& path)
{
    if (!saveFile(this, path))
        return false;
    Prompt::inform(this, tr("Complete storing channel parameter."));
    return true;
}

bool Form_save_chann::saveFile(QWidget* parent, const QString& path)
{
    // The dialog stays open while the table is edited, so a name may have been
    // opened in the editor again since the dialog opened.
    commitPendingName();
    const ChannelFile::WriteResult result = ChannelFile::write(path, RadioImage.bytes());
    if (!result.ok) {
        Prompt::inform(parent, tr("The channel file %1 could not be saved: %2\n"
                                  "A file of that name already on disk is left as it was.")
                                   .arg(QDir::toNativeSeparators(path), result.reason));
        return false;
    }
    RadioImage.markUnmodified();
    const QFileInfo file(path);
    ParamFileName = file.absoluteFilePath();
    QDir::setCurrent(file.absolutePath());
    return true;
}
