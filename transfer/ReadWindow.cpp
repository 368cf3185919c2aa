// SPDX-License-Identifier: GPL-3.0-or-later
#include "ReadWindow.h"

#include "WorkingCopy.h"
#include "ui/WindowHost.h"

#include "RadioDocument.h"

ReadWindow::ReadWindow(RadioDocument& document, CommPort& port, LinkContext& links, WindowHost* host, QWidget* parent)
    : LinkWindow(document, port, links, host, LinkEngine::Direction::Read, "Command_read", parent)
{
    setObjectName(QStringLiteral("Form_Comm_Read"));
    retranslateUi();
    // The radio's version shows as soon as it has identified itself; the
    // working copy takes it only with the data, once the read is complete.
    connect(sequence(), &LinkSequence::radioIdentified, this, [this](int version) {
        if (this->host())
            this->host()->showVersionText(versionText(version));
    });
    connect(sequence(), &LinkSequence::readCompleted, this, [this](const MemoryImage& image, int version) {
        acceptReadImage(this->document(), image, version);
    });
}

void ReadWindow::retranslateUi()
{
    setCaptions(tr("Read Data From Radio"), tr("Read"), tr("Cancel"), tr("Help"));
}

QString ReadWindow::helpText() const
{
    return tr("Reads the radio's whole memory into the program: the channels, the optional features, the frequency "
              "mode, the range and the FM presets. Plug the programming cable into the radio and the computer, switch "
              "the radio on, choose the cable's COM in Communication, then press Read.")
        + QStringLiteral("\n\n") + checksText();
}

void ReadWindow::startTransfer()
{
    // Unsaved changes are read over only when the user says so.
    if (!sequence()->busy() && host() && !host()->confirmDiscardChanges(WindowHost::DiscardReason::Read))
        return;
    sequence()->startRead();
}

void ReadWindow::transferEnded()
{
    // A read that did not complete leaves the version the working copy is in.
    if (host())
        host()->showVersionText(document().versionText());
}
