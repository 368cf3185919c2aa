// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The channel-file dialog in its loading role, and the loading itself, which
// the program also runs for a file named on its command line.

#include "ChannelFileDialog.h"

class OpenFileDialog final : public ChannelFileDialog
{
    Q_OBJECT
public:
    explicit OpenFileDialog(RadioDocument& document, WindowHost* host = nullptr, QWidget* parent = nullptr);

    // Loads a channel file or a radio text into the image, all or nothing: a
    // file that cannot be read whole is refused with a message (a radio text's
    // with every problem) and the image stays as it was.
    // Unsaved changes are offered for saving first (when there is a host to
    // ask). The load is one undo step. True when the file was loaded.
    static bool loadFile(QWidget* parent, RadioDocument& document, WindowHost* host, const QString& path);

protected:
    QString invalidNameMessage() const override;
    QString suffixMessage() const override;
    bool perform(const QString& path) override;
};
