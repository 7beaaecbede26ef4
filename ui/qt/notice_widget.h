// SPDX-FileCopyrightText: 2026 The Varnel developers
// SPDX-License-Identifier: MIT
#pragma once

#include <QWidget>

namespace varnel {

// Where the window speaks to a screen reader without moving the focus: an
// empty widget that paints nothing and that assistive technology sees as a
// notification, shown anew with each announcement as its name. Screen readers
// speak a notification as it appears, wherever the focus is.
class NoticeWidget final : public QWidget {
    Q_OBJECT

public:
    explicit NoticeWidget(QWidget* parent);

    void say(const QString& words);
};

} // namespace varnel
