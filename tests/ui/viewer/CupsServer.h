// A private CUPS scheduler for one test: its own configuration, spool and
// logs under a temporary folder, listening only on a socket in that folder.
#pragma once

#include <string>
#include <sys/types.h>

namespace kolekt::test {

class CupsServer {
public:
    explicit CupsServer(const std::string& folder);
    ~CupsServer();
    CupsServer(const CupsServer&) = delete;
    CupsServer& operator=(const CupsServer&) = delete;

    // Starts cupsd and waits until it answers. On failure returns false and sets problem().
    bool start(int timeoutSeconds);
    // Adds a queue that turns every job into a PDF file and makes it the default destination.
    bool addDefaultPdfQueue(const std::string& name);
    // Makes the queue turn every new job away, as a printer taken out of service does.
    bool rejectJobs(const std::string& name);
    // Waits until no job is pending or printing.
    bool waitUntilIdle(int timeoutSeconds);

    const std::string& socketPath() const { return socket_; }
    const std::string& problem() const { return problem_; }
    std::string errorLog() const;

private:
    // Runs a CUPS client command against this server; true on exit status 0.
    bool client(const std::string& arguments, std::string* output = nullptr);

    std::string folder_;
    std::string socket_;
    std::string problem_;
    pid_t pid_ = -1;
};

} // namespace kolekt::test
