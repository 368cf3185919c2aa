// SPDX-License-Identifier: GPL-3.0-or-later
#include "ContextHelp.h"

#include <QAbstractItemView>
#include <QString>

namespace ContextHelp {

QString textFor(const QWidget* widget)
{
    for (const QWidget* w = widget; w; w = w->parentWidget()) {
        if (const auto* view = qobject_cast<const QAbstractItemView*>(w)) {
            const QString column = view->model()
                                       ->headerData(view->currentIndex().column(), Qt::Horizontal, Qt::WhatsThisRole)
                                       .toString();
            if (!column.isEmpty())
                return column;
        }
        if (!w->whatsThis().isEmpty())
            return w->whatsThis();
        if (w->isWindow())
            break;
    }
    return {};
}

} // namespace ContextHelp
