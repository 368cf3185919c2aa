// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The channel-file dialog in its saving role, and the saving itself, which
// the question about unsaved changes also runs.

#include "ChannelFileDialog.h"

class SaveFileDialog final : public ChannelFileDialog
{
    Q_OBJECT
public:
    explicit SaveFileDialog(RadioDocument& document, WindowHost* host = nullptr, QWidget* parent = nullptr);

    // Writes the image to a channel file or a radio text, by the name's suffix. A failure is reported with the file's
    // name and the reason, and leaves an earlier file of that name intact.
    // True when the file was written.
    static bool saveFile(QWidget* parent, RadioDocument& document, const QString& path);

protected:
    QString invalidNameMessage() const override;
    QString suffixMessage() const override;
    bool perform(const QString& path) override;
};
