#pragma once

#include <QLabel>

// A memory card: a label that reports a click (button released over it).
class CardLabel : public QLabel {
    Q_OBJECT
public:
    using QLabel::QLabel;

Q_SIGNALS:
    void clicked();

protected:
    void mouseReleaseEvent(QMouseEvent *event) override;
};
