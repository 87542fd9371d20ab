// SPDX-FileCopyrightText: 2026 Schriftlich-rechnen-Team
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QLabel>

// A label that takes digits: a result, carry or gap field. It accepts drops of digit tiles only,
// and reports clicks and dropped digits; judging them is the trainer's.
class AnswerField : public QLabel {
    Q_OBJECT
public:
    AnswerField(QWidget *parent, const QString &name, const QRect &geometry);

Q_SIGNALS:
    void clicked();
    void dropped(const QString &digit);

protected:
    void mouseReleaseEvent(QMouseEvent *event) override;
    void dragEnterEvent(QDragEnterEvent *event) override;
    void dragMoveEvent(QDragMoveEvent *event) override;
    void dropEvent(QDropEvent *event) override;
};
