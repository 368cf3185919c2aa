// SPDX-License-Identifier: GPL-3.0-or-later
#include "PrintCommands.h"

#include "ChannelList.h"
#include "ui/Prompt.h"
#include "ui/SaveDialog.h"

#include <QCoreApplication>
#include <QDir>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <memory>

namespace PrintCommands {

namespace {

struct Text
{
    Q_DECLARE_TR_FUNCTIONS(PrintCommands)
};

} // namespace

void preview(QWidget* parent, const ChannelList& list)
{
    // The printer lives as long as the dialog's connection that holds it.
    auto printer = std::make_shared<QPrinter>(QPrinter::HighResolution);
    printer->setPageLayout(ChannelList::pageLayout(printer->pageLayout().pageSize()));
    printer->setDocName(list.documentName());
    auto* dialog = new QPrintPreviewDialog(printer.get(), parent);
    dialog->setObjectName(QStringLiteral("PrintPreview"));
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    QObject::connect(dialog, &QPrintPreviewDialog::paintRequested, dialog, [dialog, list, printer](QPrinter* target) {
        if (list.paint(target) == 0)
            Prompt::inform(dialog, Text::tr("The channel list could not be printed: the printer cannot be used."));
    });
    dialog->open();
}

void exportPdf(QWidget* parent, const ChannelList& list, const QString& suggestedPath)
{
    const SaveDialog::Request request{ "PdfFileDialog", Text::tr("Export PDF"), suggestedPath,
                                       Text::tr("PDF files (*.pdf)"), QStringLiteral("pdf") };
    SaveDialog::ask(parent, request, [parent, list](const QString& path) {
        QString reason;
        if (list.writePdf(path, ChannelList::defaultPaper(), &reason))
            Prompt::inform(parent, Text::tr("The channel list was exported to %1.").arg(QDir::toNativeSeparators(path)));
        else
            Prompt::inform(parent, Text::tr("The PDF file %1 could not be written: %2")
                                       .arg(QDir::toNativeSeparators(path), reason));
    });
}

} // namespace PrintCommands
