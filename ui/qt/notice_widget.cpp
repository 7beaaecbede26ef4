// SPDX-FileCopyrightText: 2026 The Varnel developers
// SPDX-License-Identifier: MIT
#include "notice_widget.h"

#include <QAccessibleWidget>

namespace varnel {

namespace {

QAccessibleInterface* accessibleNotice(const QString&, QObject* object)
{
    if (auto* notice = qobject_cast<NoticeWidget*>(object))
        return new QAccessibleWidget(notice, QAccessible::Notification);
    return nullptr;
}

} // namespace

NoticeWidget::NoticeWidget(QWidget* parent) : QWidget(parent)
{
    static const bool exposed = (QAccessible::installFactory(accessibleNotice), true);
    (void)exposed;
    setFocusPolicy(Qt::NoFocus);
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setGeometry(0, 0, 0, 0);
    hide();
}

void NoticeWidget::say(const QString& words)
{
    setAccessibleName(words);
    // Appearing is what a screen reader speaks, so each announcement appears.
    hide();
    show();
}

} // namespace varnel
