// SPDX-License-Identifier: GPL-3.0-or-later
#include "CompareWithRadioWindow.h"

#include "WorkingCopy.h"
#include "ui/Prompt.h"
#include "ui/WindowHost.h"

#include "RadioDocument.h"

CompareWithRadioWindow::CompareWithRadioWindow(RadioDocument& document, CommPort& port, LinkContext& links, WindowHost* host, QWidget* parent)
    : LinkWindow(document, port, links, host, LinkEngine::Direction::Read, "Command_read", parent)
{
    setObjectName(QStringLiteral("Form_Comm_Compare"));
    retranslateUi();
    connect(sequence(), &LinkSequence::readCompleted, this, [this](const MemoryImage& image, int version) {
        // Frequencies of another memory format would read as other frequencies.
        if (version != this->document().version()) {
            Prompt::inform(this, tr("The radio's memory format (%1) is not the working copy's (%2), so the two "
                                    "cannot be compared. Read the radio into the program instead.")
                                     .arg(versionText(version), this->document().versionText()));
            return;
        }
        if (this->host())
            this->host()->showComparison(imageAfterRead(this->document().image(), image), tr("the radio"));
    });
}

void CompareWithRadioWindow::retranslateUi()
{
    setCaptions(tr("Compare With Radio"), tr("Read"), tr("Cancel"), tr("Help"));
}

QString CompareWithRadioWindow::helpText() const
{
    return tr("Reads the radio and shows what differs from the working copy, channel by channel and setting by "
              "setting. The working copy is not changed. Plug the programming cable into the radio and the computer, "
              "switch the radio on, choose the cable's COM in Communication, then press Read.")
        + QStringLiteral("\n\n") + checksText();
}

void CompareWithRadioWindow::startTransfer()
{
    sequence()->startRead();
}

void CompareWithRadioWindow::showLinkNotice(const LinkNotice& notice)
{
    // The comparison itself tells that the read is complete.
    if (notice.kind != LinkNotice::Kind::ReadComplete)
        LinkWindow::showLinkNotice(notice);
}
