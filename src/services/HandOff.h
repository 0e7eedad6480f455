// What a hand-off to the mail or telephony system comes to, and what it needs from the
// program's front end while it runs. The services say nothing to the user themselves: the
// front end shows the text a result names.
#pragma once

#include "resources/TextId.h"

#include <QString>
#include <cstdint>
#include <functional>
#include <optional>

namespace kolekt {

struct HandOffResult {
    enum class Kind {
        Handed,    // the system took the request
        Cancelled, // the user cancelled the log-on or the transfer
        NoSystem,  // no mail program or telephony handler to take it
        Unusable,  // the mail settings cannot be used
        Failed,    // the system refused the request or failed
    };
    Kind kind = Kind::Handed;
    TextId message = TextId::None; // the text that tells the user; None: nothing to tell
    QString argument;              // fills the text's "%1" (the mail server, for instance)
};

class HandOffHost {
public:
    virtual ~HandOffHost() = default;
    // The mail server's password for user, or nothing when the user cancelled.
    virtual std::optional<QString> askPassword(const QString& user, const QString& server) = 0;
    // Between the two the system has the request: the front end takes no commands meanwhile,
    // though its windows repaint.
    virtual void beginRequest() = 0;
    virtual void endRequest() = 0;
    // Between the two a transfer to server runs off the user-interface thread: the front end
    // shows that it is under way, takes no commands meanwhile, and calls cancel (from the
    // user-interface thread, perhaps more than once) when the user cancels it.
    virtual void beginTransfer(const QString& server, std::function<void()> cancel) = 0;
    virtual void endTransfer() = 0;
    // The native handle of the window that a system's own dialogs open over; 0 for none.
    virtual std::uintptr_t nativeWindow() const { return 0; }
    // Between the two a series of mails goes out; before each, how many went and how many
    // there are. A front end that shows the series keeps one window for all its transfers.
    virtual void beginBatch() {}
    virtual void batchProgress(int /*done*/, int /*total*/) {}
    // The user cancelled the series between two of its mails.
    virtual bool batchCancelled() const { return false; }
    virtual void endBatch() {}
};

// Holds the host's batch state for its scope.
class HandOffBatch {
public:
    explicit HandOffBatch(HandOffHost& host) : host_(host) { host_.beginBatch(); }
    ~HandOffBatch() { host_.endBatch(); }
    HandOffBatch(const HandOffBatch&) = delete;
    HandOffBatch& operator=(const HandOffBatch&) = delete;

private:
    HandOffHost& host_;
};

// Holds the host's request state for its scope.
class HandOffRequest {
public:
    explicit HandOffRequest(HandOffHost& host) : host_(host) { host_.beginRequest(); }
    ~HandOffRequest() { host_.endRequest(); }
    HandOffRequest(const HandOffRequest&) = delete;
    HandOffRequest& operator=(const HandOffRequest&) = delete;

private:
    HandOffHost& host_;
};

} // namespace kolekt
