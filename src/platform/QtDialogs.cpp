// SPDX-FileCopyrightText: 2026 Schriftlich-rechnen-Team
// SPDX-License-Identifier: GPL-3.0-or-later

#include "platform/QtDialogs.h"

#include "platform/Host.h"
#include "widgets/IconPainter.h"

#include <QApplication>
#include <QFontDatabase>
#include <QFontMetrics>
#include <QGridLayout>
#include <QInputDialog>
#include <QMessageBox>
#include <QPushButton>

namespace {

void setTitleAndIcon(QDialog &box, const QString &title) {
    box.setWindowTitle(title);
    box.setWindowIcon(IconPainter::windowIcon());
}

} // namespace

QString QtDialogs::displayText(const QString &text) {
    QString shown = text;
    shown.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    shown.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    return shown;
}

int QtDialogs::titleWidth(const QString &title) {
    const QFontMetrics metrics(QFontDatabase::systemFont(QFontDatabase::TitleFont));
    // The window menu, minimise, maximise and close buttons are squares about as tall as the
    // title bar, and the title keeps a margin on either side: five squares in all.
    const int square = metrics.height() + 8;
    return metrics.horizontalAdvance(title) + 5 * square;
}

std::unique_ptr<QMessageBox> QtDialogs::messageBox(const QString &text, const QString &title,
                                                   Buttons buttons, Answer defaultButton,
                                                   Icon icon) {
    auto box = std::make_unique<QMessageBox>(QApplication::activeWindow());
    setTitleAndIcon(*box, title);
    box->setText(displayText(text));
    box->setTextFormat(Qt::PlainText);
    switch (icon) {
    case Icon::None:
        box->setIcon(QMessageBox::NoIcon);
        break;
    case Icon::Critical:
        box->setIcon(QMessageBox::Critical);
        break;
    case Icon::Question:
        box->setIcon(QMessageBox::Question);
        break;
    }
    if (buttons == Buttons::Ok) {
        QPushButton *ok = box->addButton(QStringLiteral("OK"), QMessageBox::AcceptRole);
        box->setDefaultButton(ok);
        box->setEscapeButton(ok);
    } else {
        QPushButton *yes = box->addButton(QStringLiteral("Ja"), QMessageBox::YesRole);
        QPushButton *no = box->addButton(QStringLiteral("Nein"), QMessageBox::NoRole);
        box->setDefaultButton(defaultButton == Answer::Yes ? yes : no);
        box->setEscapeButton(no);
    }
    // QMessageBox fixes its own size from its layout when shown: a minimum width on the box
    // itself is overruled, a spacer across the whole layout is not.
    auto *grid = static_cast<QGridLayout *>(box->layout());
    grid->addItem(new QSpacerItem(titleWidth(title), 0), grid->rowCount(), 0, 1,
                  grid->columnCount());
    return box;
}

std::unique_ptr<QInputDialog> QtDialogs::inputBox(const QString &prompt, const QString &title,
                                                  const QString &prefilled) {
    auto box = std::make_unique<QInputDialog>(QApplication::activeWindow());
    setTitleAndIcon(*box, title);
    box->setLabelText(displayText(prompt));
    box->setTextValue(prefilled);
    box->setOkButtonText(QStringLiteral("OK"));
    box->setCancelButtonText(QStringLiteral("Abbrechen"));
    // Its layout sizes the box whatever minimum width the box itself is given.
    box->layout()->addItem(new QSpacerItem(titleWidth(title), 0));
    return box;
}

Dialogs::Answer QtDialogs::message(const QString &text, const QString &title, Buttons buttons,
                                   Answer defaultButton, Icon icon) {
    const std::unique_ptr<QMessageBox> box = messageBox(text, title, buttons, defaultButton, icon);
    box->exec();
    Host::boxClosed(*box);
    if (buttons == Buttons::Ok) {
        return Answer::Ok;
    }
    return box->buttonRole(box->clickedButton()) == QMessageBox::YesRole ? Answer::Yes : Answer::No;
}

QString QtDialogs::input(const QString &prompt, const QString &title, const QString &prefilled) {
    const std::unique_ptr<QInputDialog> box = inputBox(prompt, title, prefilled);
    const int result = box->exec();
    Host::boxClosed(*box);
    if (result != QDialog::Accepted) {
        return {};
    }
    return box->textValue();
}
