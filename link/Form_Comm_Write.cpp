#include "Form_Comm_Write.h"

#include "Globals.h"

Form_Comm_Write::Form_Comm_Write(QWidget* parent)
    : LinkWindow(WriteWindowOpen, LinkEngine::Direction::Write, "Command_Write", parent)
{
    setObjectName(QStringLiteral("Form_Comm_Write"));
    setCaptions(tr("Write Data to Radio"), tr("Write"), tr("Cancel"), tr("Help"));
}
