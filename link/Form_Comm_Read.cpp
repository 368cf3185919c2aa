#include "Form_Comm_Read.h"

#include "WorkingCopy.h"
#include "shell/MDImain.h"

#include "Globals.h"

namespace {

void showVersionInStatusBar(const QString& text)
{
    if (MDImain* main = MDImain::instance())
        main->setPanelText(5, text);
}

} // namespace

Form_Comm_Read::Form_Comm_Read(QWidget* parent)
    : LinkWindow(ReadWindowOpen, LinkEngine::Direction::Read, "Command_read", parent)
{
    setObjectName(QStringLiteral("Form_Comm_Read"));
    setCaptions(tr("Read Data From Radio"), tr("Read"), tr("Cancel"), tr("Help"));
    // The radio's version shows as soon as it has identified itself; the
    // working copy takes it only with the data, once the read is complete.
    connect(sequence(), &LinkSequence::radioIdentified, this,
            [](int version) { showVersionInStatusBar(versionText(version)); });
    connect(sequence(), &LinkSequence::readCompleted, this, [](const MemoryImage& image, int version) {
        acceptReadImage(image, version);
        showVersionInStatusBar(RadioVersionText);
    });
}

void Form_Comm_Read::startTransfer()
{
    sequence()->startRead();
}

void Form_Comm_Read::transferEnded()
{
    // A read that did not complete leaves the version the working copy is in.
    showVersionInStatusBar(RadioVersionText);
}
