#include "ModalScript.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QTest>
#include <QTimer>
#include <memory>

namespace kolekt::test {

namespace {

void poll(const std::shared_ptr<bool>& done, std::function<void(QWidget*)> action, QWidget* except,
          std::shared_ptr<QElapsedTimer> clock, int timeoutMs) {
    QWidget* modal = QApplication::activeModalWidget();
    if (modal && modal != except && modal->isVisible()) {
        *done = true;
        action(modal);
        return;
    }
    if (clock->elapsed() > timeoutMs) {
        return;
    }
    QTimer::singleShot(10, [=] { poll(done, action, except, clock, timeoutMs); });
}

QWidget* keyTarget() {
    if (QWidget* focus = QApplication::focusWidget()) {
        return focus;
    }
    if (QWidget* modal = QApplication::activeModalWidget()) {
        return modal;
    }
    return QApplication::activeWindow();
}

} // namespace

std::shared_ptr<bool> onNextModal(std::function<void(QWidget*)> action, QWidget* except,
                                  int timeoutMs) {
    auto done = std::make_shared<bool>(false);
    auto clock = std::make_shared<QElapsedTimer>();
    clock->start();
    QTimer::singleShot(0, [=] { poll(done, action, except, clock, timeoutMs); });
    return done;
}

void typeKey(Qt::Key key, Qt::KeyboardModifiers modifiers) {
    QTest::keyClick(keyTarget(), key, modifiers);
}

void typeText(const QString& text) {
    for (const QChar c : text) {
        QTest::keyClicks(keyTarget(), QString(c));
    }
}

} // namespace kolekt::test
