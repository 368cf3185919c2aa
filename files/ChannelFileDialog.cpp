// SPDX-License-Identifier: GPL-3.0-or-later
#include "ChannelFileDialog.h"

#include "RadioDocument.h"
#include "RadioFile.h"
#include "ui/Prompt.h"

#include <QComboBox>
#include <QDir>
#include <QFileSystemModel>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QPushButton>
#include <QShortcut>
#include <QSortFilterProxyModel>
#include <QStorageInfo>
#include <QTreeView>

namespace {

// The file types offered, in the order of the type list.
const QStringList kPatterns = { QStringLiteral("*.chann"), QStringLiteral("*.yaml") };

QString withSlash(const QString& path)
{
    return path.endsWith(QLatin1Char('/')) ? path : path + QLatin1Char('/');
}

// Whether a mounted volume is one a user keeps files on, rather than a
// system's view of processes, devices or packages.
bool isUserVolume(const QStorageInfo& volume)
{
    if (!volume.isValid() || !volume.isReady())
        return false;
#ifdef Q_OS_WIN
    return true;
#else
    if (volume.rootPath() == QLatin1String("/"))
        return true;
    if (volume.fileSystemType() == "squashfs")
        return false;
    const QByteArray device = volume.device();
    return device.startsWith("/dev/") || device.startsWith("//") || device.contains(':');
#endif
}

} // namespace

// Shows the chosen drive as the one top folder of the folder tree: above the
// drive's root only its ancestors pass, so the root has no siblings.
class DriveRootFilter : public QSortFilterProxyModel
{
public:
    using QSortFilterProxyModel::QSortFilterProxyModel;

    void setDriveRoot(const QString& root)
    {
        m_root = withSlash(root);
        invalidateFilter();
    }

protected:
    bool filterAcceptsRow(int row, const QModelIndex& parent) const override
    {
        const auto* folders = static_cast<const QFileSystemModel*>(sourceModel());
        const QString path = withSlash(folders->filePath(folders->index(row, 0, parent)));
        return path.startsWith(m_root) || m_root.startsWith(path);
    }

private:
    QString m_root;
};

ChannelFileDialog::ChannelFileDialog(RadioDocument& document, WindowHost* host, QWidget* parent)
    : ChildWindow(parent)
    , m_document(document)
    , m_host(host)
    , m_driveCaption(new QLabel(tr("Drive:"), this))
    , m_nameCaption(new QLabel(this))
    , m_drives(new QComboBox(this))
    , m_folderTree(new QTreeView(this))
    , m_fileList(new QListView(this))
    , m_name(new QLineEdit(kPatterns.front(), this))
    , m_type(new QComboBox(this))
    , m_confirm(new QPushButton(tr("Confirm"), this))
    , m_cancel(new QPushButton(tr("Cancel"), this))
    , m_folders(new QFileSystemModel(this))
    , m_driveFilter(new DriveRootFilter(this))
    , m_files(new QFileSystemModel(this))
{
    m_driveCaption->setObjectName(QStringLiteral("Label_drive"));
    m_nameCaption->setObjectName(QStringLiteral("Label_name"));
    m_drives->setObjectName(QStringLiteral("Drive1"));
    m_folderTree->setObjectName(QStringLiteral("Dir1"));
    m_fileList->setObjectName(QStringLiteral("File1"));
    m_name->setObjectName(QStringLiteral("Text1"));
    m_type->setObjectName(QStringLiteral("Combo_filetype"));
    m_confirm->setObjectName(QStringLiteral("Command_enter"));
    m_cancel->setObjectName(QStringLiteral("Command_Close"));
    m_driveCaption->setBuddy(m_drives);
    m_nameCaption->setBuddy(m_name);
    m_folderTree->setAccessibleName(tr("Folders"));
    m_folderTree->setAccessibleDescription(tr("The folder whose channel files are listed"));
    m_fileList->setAccessibleName(tr("Channel files"));
    m_fileList->setAccessibleDescription(tr("A file picked here goes into the file name"));
    m_type->addItems({ tr("Channel file (*.chann)"), tr("Radio text (*.yaml)") });
    m_type->setAccessibleName(tr("File type"));

    m_folders->setFilter(QDir::AllDirs | QDir::NoDotAndDotDot | QDir::Drives);
    m_driveFilter->setSourceModel(m_folders);
    m_folderTree->setModel(m_driveFilter);
    for (int column = 1; column < m_folders->columnCount(); ++column)
        m_folderTree->hideColumn(column);
    m_folderTree->setHeaderHidden(true);

    m_files->setFilter(QDir::Files | QDir::CaseSensitive);
    m_files->setNameFilterDisables(false);
    m_fileList->setModel(m_files);
    m_fileList->installEventFilter(this);

    auto* layout = new QGridLayout(this);
    layout->addWidget(m_nameCaption, 0, 0);
    layout->addWidget(m_name, 1, 0);
    layout->addWidget(m_fileList, 2, 0);
    layout->addWidget(m_driveCaption, 0, 1);
    layout->addWidget(m_drives, 1, 1);
    layout->addWidget(m_folderTree, 2, 1);
    layout->addWidget(m_type, 3, 0);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(m_confirm);
    buttons->addWidget(m_cancel);
    layout->addLayout(buttons, 3, 1);
    layout->setRowStretch(2, 1);
    layout->setColumnStretch(0, 1);
    layout->setColumnStretch(1, 1);

    setTabOrder(m_name, m_fileList);
    setTabOrder(m_fileList, m_type);
    setTabOrder(m_type, m_drives);
    setTabOrder(m_drives, m_folderTree);
    setTabOrder(m_folderTree, m_confirm);
    setTabOrder(m_confirm, m_cancel);

    fillDrives();
    showFolder(QDir::currentPath());
    // The kind of the file in use comes first.
    showType(RadioFile::kindOf(document.fileName()) == RadioFile::Kind::RadioText ? 1 : 0);

    // Folders are read in the background: keep the chosen folder in view while
    // the folders above it arrive.
    connect(m_folders, &QFileSystemModel::directoryLoaded, this, [this](const QString& loaded) {
        if (withSlash(m_folder).startsWith(withSlash(loaded)))
            m_folderTree->scrollTo(m_folderTree->currentIndex());
    });
    connect(m_drives, &QComboBox::activated, this, &ChannelFileDialog::chooseDrive);
    connect(m_type, &QComboBox::activated, this, &ChannelFileDialog::showType);
    connect(m_folderTree->selectionModel(), &QItemSelectionModel::currentChanged, this,
            [this](const QModelIndex& current) {
                if (current.isValid())
                    listFolder(m_folders->filePath(m_driveFilter->mapToSource(current)));
            });
    connect(m_fileList->selectionModel(), &QItemSelectionModel::currentChanged, this,
            [this](const QModelIndex& current) {
                if (current.isValid())
                    m_name->setText(m_files->fileName(current));
            });
    connect(m_fileList, &QListView::doubleClicked, this, [this](const QModelIndex& index) {
        m_name->setText(m_files->fileName(index));
        confirm();
    });
    connect(m_name, &QLineEdit::returnPressed, this, &ChannelFileDialog::confirm);
    connect(m_confirm, &QPushButton::clicked, this, &ChannelFileDialog::confirm);
    connect(m_cancel, &QPushButton::clicked, this, &ChildWindow::closeWindow);
    auto* escape = new QShortcut(QKeySequence(Qt::Key_Escape), this);
    escape->setContext(Qt::WidgetWithChildrenShortcut);
    connect(escape, &QShortcut::activated, this, &ChildWindow::closeWindow);

    // Typing a name replaces only the asterisk, so the suffix stays.
    m_name->setFocus();
    m_name->setSelection(0, 1);
}

void ChannelFileDialog::setCaptions(const QString& title, const QString& nameCaption)
{
    setWindowTitle(title);
    m_nameCaption->setText(nameCaption);
}

QRect ChannelFileDialog::placement(const QSize& mainSize) const
{
    const int width = int(mainSize.width() / 1.5);
    const int height = int(mainSize.height() / 1.3);
    return { (mainSize.width() - width) / 2, 0, width, height };
}

void ChannelFileDialog::fillDrives()
{
    QStringList roots;
    for (const QFileInfo& drive : QDir::drives())
        roots << drive.absoluteFilePath();
    for (const QStorageInfo& volume : QStorageInfo::mountedVolumes())
        if (isUserVolume(volume))
            roots << volume.rootPath();
    const QString current = QStorageInfo(QDir::currentPath()).rootPath();
    if (!current.isEmpty())
        roots << current;
    roots.removeDuplicates();
    roots.sort();
    for (const QString& root : roots) {
        const QString name = QStorageInfo(root).name();
        const QString shown = QDir::toNativeSeparators(root);
        m_drives->addItem(name.isEmpty() ? shown : QStringLiteral("%1 (%2)").arg(shown, name), root);
    }
}

void ChannelFileDialog::chooseDrive(int index)
{
    const QString root = m_drives->itemData(index).toString();
    showFolder(root);
}

// Lists the files of a type in either case, as the name check takes them, and
// gives the name in the box that type's suffix.
void ChannelFileDialog::showType(int index)
{
    m_type->setCurrentIndex(index);
    const QString pattern = kPatterns.at(index);
    m_files->setNameFilters({ pattern, pattern.toUpper() });
    const QString name = m_name->text();
    for (const QString& other : kPatterns) {
        const QString suffix = other.mid(1);
        if (other != pattern && name.endsWith(suffix, Qt::CaseInsensitive))
            m_name->setText(name.chopped(suffix.size()) + pattern.mid(1));
    }
}

void ChannelFileDialog::showDrive(const QString& root)
{
    m_drives->setCurrentIndex(m_drives->findData(root));
    m_driveFilter->setDriveRoot(root);
    const QModelIndex rootIndex = m_folders->setRootPath(root);
    m_folderTree->setRootIndex(m_driveFilter->mapFromSource(rootIndex.parent()));
}

void ChannelFileDialog::showFolder(const QString& path)
{
    // The drive holding the folder is the listed root that is its longest prefix.
    QString root;
    for (int i = 0; i < m_drives->count(); ++i) {
        const QString candidate = m_drives->itemData(i).toString();
        if (withSlash(path).startsWith(withSlash(candidate)) && candidate.size() > root.size())
            root = candidate;
    }
    showDrive(root);

    const QModelIndex folder = m_driveFilter->mapFromSource(m_folders->index(path));
    for (QModelIndex above = folder.parent(); above.isValid(); above = above.parent())
        m_folderTree->expand(above);
    m_folderTree->setCurrentIndex(folder);
    m_folderTree->scrollTo(folder);
    listFolder(path);
}

void ChannelFileDialog::listFolder(const QString& path)
{
    if (path == m_folder)
        return;
    m_folder = path;
    m_fileList->setRootIndex(m_files->setRootPath(path));
    m_fileList->setCurrentIndex({});
}

bool ChannelFileDialog::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == m_fileList && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if ((key == Qt::Key_Return || key == Qt::Key_Enter) && m_fileList->currentIndex().isValid()) {
            confirm();
            return true;
        }
    }
    return ChildWindow::eventFilter(watched, event);
}

void ChannelFileDialog::confirm()
{
    const QString name = m_name->text().trimmed();
    switch (RadioFile::checkName(name)) {
    case RadioFile::NameCheck::InvalidCharacter:
        Prompt::inform(this, invalidNameMessage());
        return;
    case RadioFile::NameCheck::WrongSuffix:
        Prompt::inform(this, suffixMessage());
        return;
    case RadioFile::NameCheck::Ok:
        break;
    }
    if (perform(QDir(m_folder).filePath(name)))
        closeWindow();
}
