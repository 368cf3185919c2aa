// SPDX-License-Identifier: GPL-3.0-or-later
#include "AboutDialog.h"

#include "ui/Prompt.h"

#include "Language.h"
#include "RadioDocument.h"

#include <QFileInfo>
#include <QGuiApplication>
#include <QGridLayout>
#include <QLabel>
#include <QProcess>
#include <QPushButton>
#include <QSettings>

namespace {

QLabel* aboutLabel(QWidget* parent, const char* name, const QString& text)
{
    auto* label = new QLabel(text, parent);
    label->setObjectName(QLatin1String(name));
    label->setWordWrap(true);
    label->setTextFormat(Qt::PlainText);
    return label;
}

// The system-information program named by the registry, where there is one.
QString sysInfoProgram()
{
#ifdef Q_OS_WIN
    const QSettings tools(QStringLiteral("HKEY_LOCAL_MACHINE\\SOFTWARE\\Microsoft\\Shared Tools\\MSINFO"),
                          QSettings::NativeFormat);
    const QString path = tools.value(QStringLiteral("PATH")).toString();
    if (!path.isEmpty())
        return path;
    const QSettings location(QStringLiteral("HKEY_LOCAL_MACHINE\\SOFTWARE\\Microsoft\\Shared Tools Location"),
                             QSettings::NativeFormat);
    const QString folder = location.value(QStringLiteral("MSINFO")).toString();
    if (!folder.isEmpty() && QFileInfo::exists(folder + QStringLiteral("\\MSINFO32.EXE")))
        return folder + QStringLiteral("\\MSINFO32.EXE");
#endif
    return {};
}

} // namespace

AboutDialog::AboutDialog(const RadioDocument& document, QWidget* parent)
    : ChildWindow(parent)
{
    setObjectName(QStringLiteral("frmAbout"));
    closeOnEscape();
    const AboutTexts texts = aboutTexts(document.version());
    setWindowTitle(tr("About"));

    auto* title = aboutLabel(this, "lblTitle", texts.title);
    QFont titleFont = title->font();
    titleFont.setPointSizeF(titleFont.pointSizeF() * 1.4);
    title->setFont(titleFont);
    auto* ok = new QPushButton(texts.okCaption, this);
    ok->setObjectName(QStringLiteral("cmdOK"));
    ok->setDefault(true);
    auto* sysInfo = new QPushButton(texts.sysInfoCaption, this);
    sysInfo->setObjectName(QStringLiteral("cmdSysInfo"));

    auto* icon = new QLabel(this);
    icon->setPixmap(QIcon(QStringLiteral(":/icons/qv3n.svg")).pixmap(48, 48));
    auto* layout = new QGridLayout(this);
    layout->addWidget(icon, 0, 0, 3, 1, Qt::AlignTop);
    layout->addWidget(title, 0, 1, 1, 2);
    layout->addWidget(aboutLabel(this, "lblVersion", texts.version), 1, 1, 1, 2);
    layout->addWidget(aboutLabel(this, "lblDescription", texts.description), 2, 1, 1, 2);
    auto* line = new QFrame(this);
    line->setFrameShape(QFrame::HLine);
    line->setFrameShadow(QFrame::Sunken);
    layout->addWidget(line, 3, 0, 1, 3);
    layout->addWidget(aboutLabel(this, "lblDisclaimer", texts.disclaimer), 4, 0, 2, 2);
    layout->addWidget(ok, 4, 2);
    layout->addWidget(sysInfo, 5, 2, Qt::AlignTop);
    layout->setColumnStretch(1, 1);

    connect(ok, &QPushButton::clicked, this, &ChildWindow::closeWindow);
    connect(sysInfo, &QPushButton::clicked, this, &AboutDialog::startSystemInformation);
}

QRect AboutDialog::placement(const QSize& mainSize) const
{
    const int width = qMin(mainSize.width() * 9 / 10, qMax(sizeHint().width(), 560));
    const int height = heightForWidth(width) > 0 ? heightForWidth(width) + 40 : sizeHint().height() + 40;
    return { (mainSize.width() - width) / 2, (mainSize.height() - height) / 2 - twips(500), width, height };
}

void AboutDialog::startSystemInformation()
{
    const QString program = sysInfoProgram();
    if (!program.isEmpty() && QProcess::startDetached(program, {}))
        return;
    // The system has no information program: the message exists in Chinese only.
    Prompt::show(this, { QGuiApplication::applicationDisplayName(), QStringLiteral("此时系统信息不可用"), {}, {}, QMessageBox::NoIcon, QMessageBox::Ok, {} });
}
