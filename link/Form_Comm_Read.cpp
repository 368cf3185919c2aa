#include "Form_Comm_Read.h"

#include "Globals.h"

Form_Comm_Read::Form_Comm_Read(QWidget* parent)
    : LinkWindow(ReadWindowOpen, LinkEngine::Direction::Read, "Command_read", parent)
{
    setObjectName(QStringLiteral("Form_Comm_Read"));
    setCaptions(tr("Read Data From Radio"), tr("Read"), tr("Cancel"), tr("Help"));
}
