#include "Form_Comm_Write.h"


Form_Comm_Write::Form_Comm_Write(RadioDocument& document, CommPort& port, WindowHost* host, QWidget* parent)
    : LinkWindow(document, port, host, LinkEngine::Direction::Write, "Command_Write", parent)
{
    setObjectName(QStringLiteral("Form_Comm_Write"));
    setCaptions(tr("Write Data to Radio"), tr("Write"), tr("Cancel"), tr("Help"));
}
