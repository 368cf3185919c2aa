// SPDX-License-Identifier: GPL-3.0-or-later
#include "ModelDialog.h"

#include "Codecs.h"
#include "RadioDocument.h"
#include "Tables.h"

#include <QComboBox>
#include <QGridLayout>
#include <QLabel>
#include <QPushButton>

ModelDialog::ModelDialog(RadioDocument& document, QWidget* parent)
    : ChildWindow(parent)
    , m_type(new QComboBox(this))
    , m_band(new QLabel(this))
{
    setObjectName(QStringLiteral("Form_type"));
    closeOnEscape();
    setWindowTitle(tr("Model Select"));
    auto* model = new QLabel(tr("Model"), this);
    auto* band = new QLabel(tr("Band"), this);
    auto* confirm = new QPushButton(tr("Confirm"), this);
    auto* cancel = new QPushButton(tr("Cancel"), this);
    model->setObjectName(QStringLiteral("Label1"));
    band->setObjectName(QStringLiteral("Label2"));
    confirm->setObjectName(QStringLiteral("Command_enter"));
    cancel->setObjectName(QStringLiteral("Command_Cancel"));
    m_type->setObjectName(QStringLiteral("Combo_type"));
    m_band->setObjectName(QStringLiteral("Label_band"));
    model->setBuddy(m_type);

    auto* layout = new QGridLayout(this);
    layout->setColumnStretch(1, 1);
    layout->setVerticalSpacing(12);
    layout->addWidget(model, 0, 0);
    layout->addWidget(m_type, 0, 1, 1, 2);
    layout->addWidget(band, 1, 0);
    layout->addWidget(m_band, 1, 1, 1, 2);
    layout->setRowStretch(2, 1);
    layout->addWidget(confirm, 3, 1, Qt::AlignRight);
    layout->addWidget(cancel, 3, 2);
    confirm->setDefault(true);

    for (const Model& model : modelTable())
        m_type->addItem(model.name);
    m_type->setCurrentIndex(kModelIndex);
    m_band->setText(QStringLiteral("  %1 --  %2").arg(rangeLowMHz(document.image())).arg(rangeHighMHz(document.image())));

    connect(confirm, &QPushButton::clicked, this, &ChildWindow::closeWindow);
    connect(cancel, &QPushButton::clicked, this, &ChildWindow::closeWindow);

    document.edit([] { return tr("Model Select"); }, [](RadioData& data) {
        takeRangeFromImage(data);
        ++data.rangeHigh;
    });
}

QRect ModelDialog::placement(const QSize& mainSize) const
{
    const int width = int(mainSize.width() / 2);
    const int height = int(mainSize.height() / 1.8);
    return { (mainSize.width() - width) / 2, (mainSize.height() - height) / 2 - twips(500), width, height };
}
