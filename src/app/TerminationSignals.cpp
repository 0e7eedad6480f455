#include "app/TerminationSignals.h"

#include <QSocketNotifier>

namespace kolekt {

TerminationSignals::TerminationSignals(QObject* parent) : QObject(parent) {
    if (pipe_.readEnd() < 0)
        return;
    notifier_ = new QSocketNotifier(pipe_.readEnd(), QSocketNotifier::Read, this);
    connect(notifier_, &QSocketNotifier::activated, this, [this] {
        if (const auto signalNumber = pipe_.take())
            Q_EMIT received(*signalNumber);
    });
}

// The notifier goes before the pipe it watches is closed.
TerminationSignals::~TerminationSignals() {
    delete notifier_;
}

} // namespace kolekt
