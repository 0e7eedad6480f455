#include "ui/common/MessageBox.h"

#include "ui/common/UiText.h"

#include <QApplication>
#include <QFileInfo>
#include <QMessageBox>
#include <QPushButton>

namespace kolekt {

namespace {

MessageBoxSeam* currentSeam = nullptr;

QMessageBox::Icon toQtIcon(MessageIcon icon) {
    switch (icon) {
    case MessageIcon::Information:
        return QMessageBox::Information;
    case MessageIcon::Question:
        return QMessageBox::Question;
    case MessageIcon::Warning:
        return QMessageBox::Warning;
    case MessageIcon::Error:
        return QMessageBox::Critical;
    case MessageIcon::None:
        break;
    }
    return QMessageBox::NoIcon;
}

MessageAnswer showRealBox(QWidget* parent, const QString& text, MessageButtons buttons,
                          MessageIcon icon) {
    QMessageBox box(toQtIcon(icon), applicationName(), text, QMessageBox::NoButton,
                    parent ? parent : QApplication::activeWindow());
    box.setTextFormat(Qt::PlainText);
    if (buttons == MessageButtons::YesNo) {
        // The question names the buttons in the program's language, which Qt may not have a
        // translation of. Their mnemonics also answer to the bare letter keys.
        QPushButton* yes = box.addButton(QMessageBox::Yes);
        yes->setText(loadUiText(TextId::YesButton));
        box.addButton(QMessageBox::No)->setText(loadUiText(TextId::NoButton));
        box.setDefaultButton(yes);
        return box.exec() == QMessageBox::Yes ? MessageAnswer::Yes : MessageAnswer::No;
    }
    box.setDefaultButton(box.addButton(QMessageBox::Ok));
    box.exec();
    return MessageAnswer::Ok;
}

int showRealOffer(QWidget* parent, const QString& text, const QStringList& offers,
                  MessageIcon icon) {
    QMessageBox box(toQtIcon(icon), applicationName(), text, QMessageBox::NoButton,
                    parent ? parent : QApplication::activeWindow());
    box.setTextFormat(Qt::PlainText);
    box.setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    QList<QPushButton*> buttons;
    for (const QString& offer : offers)
        buttons << box.addButton(offer, QMessageBox::ActionRole);
    QPushButton* ok = box.addButton(QMessageBox::Ok);
    box.setDefaultButton(ok);
    box.setEscapeButton(ok);
    box.exec();
    return static_cast<int>(buttons.indexOf(box.clickedButton()));
}

} // namespace

int messageBoxOffering(const QString& text, const QStringList& offers, QWidget* parent,
                       MessageIcon icon) {
    if (currentSeam) {
        return currentSeam->offer(parent, text, offers, icon);
    }
    return showRealOffer(parent, text, offers, icon);
}

MessageAnswer messageBox(const QString& text, MessageButtons buttons, MessageIcon icon,
                         QWidget* parent) {
    if (currentSeam) {
        return currentSeam->show(parent, text, buttons, icon);
    }
    return showRealBox(parent, text, buttons, icon);
}

void setMessageBoxSeam(MessageBoxSeam* seam) {
    currentSeam = seam;
}

QString applicationName() {
    if (!QCoreApplication::instance()) {
        return QStringLiteral("Kolekt");
    }
    const QString name = QFileInfo(QCoreApplication::applicationFilePath()).completeBaseName();
    return name.isEmpty() ? QStringLiteral("Kolekt") : name;
}

} // namespace kolekt
