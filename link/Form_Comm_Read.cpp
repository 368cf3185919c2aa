#include "Form_Comm_Read.h"


Form_Comm_Read::Form_Comm_Read(RadioDocument& document, CommPort& port, WindowHost* host, QWidget* parent)
    : LinkWindow(document, port, host, LinkEngine::Direction::Read, "Command_read", parent)
{
    setObjectName(QStringLiteral("Form_Comm_Read"));
    setCaptions(tr("Read Data From Radio"), tr("Read"), tr("Cancel"), tr("Help"));
}
