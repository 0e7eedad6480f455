// SIGTERM, SIGHUP and SIGINT turned into a Qt signal on the user-interface
// thread, so that the program can end through its exit action (which writes
// the collection back) instead of dying with the posted reports unsaved.
#pragma once

#include "platform/TerminationSignalPipe.h"

#include <QObject>

class QSocketNotifier;

namespace kolekt {

class TerminationSignals : public QObject {
    Q_OBJECT

public:
    // Only one instance may exist at a time: the handlers share one pipe.
    explicit TerminationSignals(QObject* parent = nullptr);
    ~TerminationSignals() override;

    TerminationSignals(const TerminationSignals&) = delete;
    TerminationSignals& operator=(const TerminationSignals&) = delete;

Q_SIGNALS:
    void received(int signalNumber);

private:
    platform::TerminationSignalPipe pipe_;
    QSocketNotifier* notifier_ = nullptr;
};

} // namespace kolekt
