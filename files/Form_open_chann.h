#pragma once

// The channel-file dialog in its loading role, and the loading itself, which
// the program also runs for a file named on its command line.

#include "ChannelFileDialog.h"

#include "ChannelFile.h"

class Form_open_chann final : public ChannelFileDialog
{
    Q_OBJECT
public:
    explicit Form_open_chann(QWidget* parent = nullptr);

    // Loads a channel file into the image, all or nothing: a file that cannot
    // be read whole is refused with a message and the image stays as it was.
    // Unsaved changes are offered for saving first. True when the file was loaded.
    static bool loadFile(QWidget* parent, const QString& path);

    // Why a channel file could not be read whole, naming it as shown.
    static QString readFailureText(const ChannelFile::ReadResult& result, const QString& shownPath);

protected:
    QString invalidNameMessage() const override;
    QString suffixMessage() const override;
    bool perform(const QString& path) override;
};
