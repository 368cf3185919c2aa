#include "Form_open_chann.h"

#include "shell/MDImain.h"
#include "shell/Prompt.h"

#include "Globals.h"

#include <QDir>
#include <QFileInfo>

Form_open_chann::Form_open_chann(QWidget* parent)
    : ChannelFileDialog(OpenChannWindowOpen, parent)
{
    setObjectName(QStringLiteral("Form_open_chann"));
    setCaptions(tr("Open Channcle File"), tr("Open File:"));
}

QString Form_open_chann::invalidNameMessage() const
{
    return tr("Open the file name of channel parameter is nullity ");
}

QString Form_open_chann::suffixMessage() const
{
    return tr("Nullity file suffix name of channel parameter.");
}

bool Form_open_chann::perform(const QString& path)
{
    if (!loadFile(this, path))
        return false;
    Prompt::inform(this, tr("Succeed fold the channel parameter from file."));
    return true;
}

bool Form_open_chann::loadFile(QWidget* parent, const QString& path)
{
    const ChannelFile::ReadResult result = ChannelFile::read(path);
    if (!result.ok()) {
        Prompt::inform(parent, readFailureText(result, QDir::toNativeSeparators(path)));
        return false;
    }

    MDImain* main = MDImain::instance();
    if (main && !main->confirmDiscardChanges(MDImain::DiscardReason::Open))
        return false;
    RadioImage.setBytes(result.bytes);
    RadioImage.markUnmodified();
    // The next dialog starts in the folder of the file last used, and the
    // question about unsaved changes can save to this file.
    const QFileInfo file(path);
    ParamFileName = file.absoluteFilePath();
    QDir::setCurrent(file.absolutePath());
    if (main)
        main->refreshWindows();
    return true;
}

QString Form_open_chann::readFailureText(const ChannelFile::ReadResult& result, const QString& shown)
{
    switch (result.error) {
    case ChannelFile::ReadError::None:
        break;
    case ChannelFile::ReadError::CannotOpen:
        return tr("The channel file %1 cannot be opened: %2").arg(shown, result.reason);
    case ChannelFile::ReadError::TooFewValues:
        return tr("The channel file %1 holds only %2 of the 4096 values it must hold. "
                  "Nothing was loaded.")
            .arg(shown)
            .arg(result.valueCount);
    case ChannelFile::ReadError::NotANumber:
        return tr("Line %1 of the channel file %2 holds \"%3\", which is not a number. "
                  "Nothing was loaded.")
            .arg(result.line)
            .arg(shown, result.value);
    case ChannelFile::ReadError::OutOfRange:
        return tr("Line %1 of the channel file %2 holds the value %3, which lies outside "
                  "0 to 255. Nothing was loaded.")
            .arg(result.line)
            .arg(shown, result.value);
    }
    return {};
}
