// Driving modal dialogs from a test: the action runs as soon as the next modal
// dialog is shown (from inside its event loop), so a test can type into a dialog
// that the code under test opens with exec().
#pragma once

#include <QWidget>
#include <functional>
#include <memory>

namespace kolekt::test {

// Runs action(modal) once a modal widget other than `except` is active. Gives up
// after timeoutMs (the action then does not run; check with the returned flag).
std::shared_ptr<bool> onNextModal(std::function<void(QWidget* modal)> action,
                                  QWidget* except = nullptr, int timeoutMs = 5000);

// Sends a key to whatever widget has the keyboard focus, as the user would type it.
void typeKey(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier);
void typeText(const QString& text);

} // namespace kolekt::test
