// While a request to the mail or telephony system runs, the program's window
// takes no input and shows the wait cursor, so no command can start until the
// system returns.
#pragma once

#include <QPointer>
#include <QWidget>

namespace kolekt {

class ApplicationBusy {
public:
    ApplicationBusy();
    ~ApplicationBusy();
    ApplicationBusy(const ApplicationBusy&) = delete;
    ApplicationBusy& operator=(const ApplicationBusy&) = delete;

private:
    QPointer<QWidget> owner_;
    QPointer<QWidget> focus_;
};

} // namespace kolekt
