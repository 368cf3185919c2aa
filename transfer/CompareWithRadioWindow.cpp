#include "CompareWithRadioWindow.h"

#include "WorkingCopy.h"
#include "ui/Prompt.h"
#include "ui/WindowHost.h"

#include "RadioDocument.h"

CompareWithRadioWindow::CompareWithRadioWindow(RadioDocument& document, CommPort& port, WindowHost* host, QWidget* parent)
    : LinkWindow(document, port, host, LinkEngine::Direction::Read, "Command_read", parent)
{
    setObjectName(QStringLiteral("Form_Comm_Compare"));
    setCaptions(tr("Compare With Radio"), tr("Read"), tr("Cancel"), tr("Help"));
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
