// SPDX-License-Identifier: GPL-3.0-or-later
#include "SaveDialog.h"

#include <QFileDialog>

namespace SaveDialog {

void ask(QWidget* parent, const Request& request, const std::function<void(const QString& path)>& save)
{
    auto* dialog = new QFileDialog(parent, request.title, request.suggestedPath, request.filter);
    dialog->setObjectName(QLatin1String(request.objectName));
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    dialog->setAcceptMode(QFileDialog::AcceptSave);
    dialog->setDefaultSuffix(request.suffix);
    QObject::connect(dialog, &QFileDialog::fileSelected, parent, save);
    dialog->open();
}

} // namespace SaveDialog
