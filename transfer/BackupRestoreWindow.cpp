// SPDX-License-Identifier: GPL-3.0-or-later
#include "BackupRestoreWindow.h"

#include "LinkContext.h"
#include "ui/Prompt.h"
#include "ui/WindowHost.h"

#include "ChannelFile.h"
#include "RadioDocument.h"

#include <QDir>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

namespace {

QString dateText(const QDateTime& taken)
{
    return taken.toString(QStringLiteral("yyyy-MM-dd"));
}

QString timeText(const QDateTime& taken)
{
    return taken.toString(QStringLiteral("HH:mm:ss"));
}

} // namespace

BackupRestoreWindow::BackupRestoreWindow(RadioDocument& document, const LinkContext& links, WindowHost* host,
                                         QWidget* parent)
    : ChildWindow(parent)
    , m_document(document)
    , m_links(links)
    , m_host(host)
    , m_folder(new QLabel(this))
    , m_list(new QTableWidget(0, ColumnCount, this))
    , m_restore(new QPushButton(this))
    , m_close(new QPushButton(this))
{
    setObjectName(QStringLiteral("BackupRestoreWindow"));
    closeOnEscape();
    m_folder->setObjectName(QStringLiteral("Label_folder"));
    m_list->setObjectName(QStringLiteral("Grid_backups"));
    m_restore->setObjectName(QStringLiteral("Command_Restore"));
    m_close->setObjectName(QStringLiteral("Command_Close"));

    m_folder->setTextFormat(Qt::PlainText);
    m_folder->setWordWrap(true);
    m_folder->setTextInteractionFlags(Qt::TextSelectableByMouse);
    m_list->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_list->setSelectionMode(QAbstractItemView::SingleSelection);
    m_list->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_list->verticalHeader()->hide();
    m_list->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    m_list->horizontalHeader()->setStretchLastSection(true);
    m_restore->setDefault(true);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(m_restore);
    buttons->addWidget(m_close);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_folder);
    layout->addWidget(m_list, 1);
    layout->addLayout(buttons);

    setWindowTitle(tr("Restore from Backup"));
    m_list->setHorizontalHeaderLabels({ tr("Date"), tr("Time"), tr("Radio version"), tr("Channels in use") });
    m_list->setAccessibleName(tr("Backups"));
    m_restore->setText(tr("Restore"));
    m_close->setText(tr("Close"));

    connect(m_restore, &QPushButton::clicked, this, &BackupRestoreWindow::restore);
    connect(m_list, &QTableWidget::cellDoubleClicked, this, &BackupRestoreWindow::restore);
    connect(m_close, &QPushButton::clicked, this, &ChildWindow::closeWindow);
    showBackups();
}

QRect BackupRestoreWindow::placement(const QSize& mainSize) const
{
    const int width = int(mainSize.width() / 1.8);
    const int height = int(mainSize.height() / 1.6);
    return { (mainSize.width() - width) / 2, (mainSize.height() - height) / 3, width, height };
}

void BackupRestoreWindow::activated()
{
    // A write may have added a backup since the window opened.
    showBackups();
}

void BackupRestoreWindow::showBackups()
{
    const QString folder = Backups::defaultFolder();
    m_backups = Backups::list(folder);
    m_folder->setText(m_backups.isEmpty()
                          ? tr("No backups yet in %1: the write window backs the radio up there before it writes.")
                                .arg(QDir::toNativeSeparators(folder))
                          : tr("Backups of the radio taken before writes, newest first, in %1:")
                                .arg(QDir::toNativeSeparators(folder)));
    const int chosen = qMax(0, m_list->currentRow());
    m_list->setRowCount(int(m_backups.size()));
    for (int row = 0; row < m_backups.size(); ++row) {
        const Backups::Backup& backup = m_backups.at(row);
        const QString texts[ColumnCount] = { dateText(backup.taken), timeText(backup.taken),
                                             backup.version == 0 ? tr("unknown") : versionText(backup.version),
                                             QString::number(backup.channelsInUse) };
        for (int column = 0; column < ColumnCount; ++column)
            m_list->setItem(row, column, new QTableWidgetItem(texts[column]));
    }
    m_restore->setEnabled(!m_backups.isEmpty());
    if (!m_backups.isEmpty())
        m_list->selectRow(qMin(chosen, int(m_backups.size()) - 1));
}

void BackupRestoreWindow::restore()
{
    const int row = m_list->currentRow();
    if (row < 0 || row >= m_backups.size())
        return;
    // A read in progress would come in over it.
    if (m_links.transferRunning()) {
        Prompt::inform(this, linkBusyText());
        return;
    }
    const Backups::Backup backup = m_backups.at(row);
    const ChannelFile::ReadResult file = ChannelFile::read(backup.path);
    if (!file.ok()) {
        Prompt::inform(this, ChannelFile::readErrorMessage(file, QDir::toNativeSeparators(backup.path)));
        showBackups();
        return;
    }
    if (m_host && !m_host->confirmDiscardChanges(WindowHost::DiscardReason::Open))
        return;
    MemoryImage image;
    image.setBytes(file.bytes);
    const QString taken = tr("%1 %2").arg(dateText(backup.taken), timeText(backup.taken));
    // What the radio held is safe in its backup, which a save must not overwrite unasked: the image belongs to no file.
    m_document.takeImage([taken] { return tr("Restore backup of %1").arg(taken); }, image,
                         backup.version == 0 ? m_document.version() : backup.version, QString());
    const bool write = Prompt::ask(this, tr("The backup of %1 is now the working copy. Write it to the radio now?")
                                             .arg(taken));
    WindowHost* const host = m_host;
    closeWindow();
    if (write && host)
        host->openWriteWindow();
}
