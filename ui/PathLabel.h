// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// One line that names a file: a caption with the path in it, the path elided
// in the middle when the line is too narrow. The whole path is in the tooltip
// and in the "Copy path" entry of the context menu.

#include <QLabel>

class PathLabel : public QLabel
{
    Q_OBJECT
public:
    explicit PathLabel(QWidget* parent = nullptr);

    // caption holds %1 where the path goes.
    void setPath(const QString& caption, const QString& path);
    QString path() const { return m_path; }

    QSize minimumSizeHint() const override;

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    void showElided();

    QString m_caption;
    QString m_path;
};
