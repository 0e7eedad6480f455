#include "CupsServer.h"

#include "PdfText.h"

#include <chrono>
#include <csignal>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <sys/stat.h>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

namespace kolekt::test {

namespace {

constexpr const char* kPdfDriver = "/usr/share/ppd/cups-pdf/CUPS-PDF_noopt.ppd";

void writeFile(const std::string& path, const std::string& content) {
    std::ofstream(path) << content;
}

bool waitFor(int timeoutSeconds, const auto& condition) {
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(timeoutSeconds);
    while (std::chrono::steady_clock::now() < deadline) {
        if (condition())
            return true;
        std::this_thread::sleep_for(std::chrono::milliseconds(100));
    }
    return condition();
}

} // namespace

CupsServer::CupsServer(const std::string& folder)
    : folder_(folder), socket_(folder + "/cups.sock") {}

CupsServer::~CupsServer() {
    if (pid_ > 0) {
        kill(pid_, SIGTERM);
        int status = 0;
        if (!waitFor(10, [&] { return waitpid(pid_, &status, WNOHANG) == pid_; })) {
            kill(pid_, SIGKILL);
            waitpid(pid_, &status, 0);
        }
    }
}

bool CupsServer::start(int timeoutSeconds) {
    if (access("/usr/sbin/cupsd", X_OK) != 0) {
        problem_ = "cupsd is not installed";
        return false;
    }
    // The scheduler's helpers run as the unprivileged user lp and must reach these folders.
    chmod(folder_.c_str(), 0755);
    chmod(std::filesystem::path(folder_).parent_path().c_str(), 0755);
    for (const char* sub : {"spool", "cache", "state", "log", "ppd"})
        mkdir((folder_ + "/" + sub).c_str(), 0755);
    mkdir((folder_ + "/tmp").c_str(), 01777);
    chmod((folder_ + "/tmp").c_str(), 01777);
    writeFile(folder_ + "/cups-files.conf",
              "ServerRoot " + folder_ + "\nRequestRoot " + folder_ + "/spool\nTempDir " + folder_ +
                  "/tmp\nCacheDir " + folder_ + "/cache\nStateDir " + folder_ +
                  "/state\nAccessLog " + folder_ + "/log/access_log\nErrorLog " + folder_ +
                  "/log/error_log\nPageLog " + folder_ + "/log/page_log\nPrintcap " + folder_ +
                  "/printcap\nSystemGroup root\nUser lp\n"
                  "Group lp\nSandboxing relaxed\n");
    writeFile(folder_ + "/cupsd.conf",
              "Listen " + socket_ +
                  "\nLogLevel info\nBrowsing Off\nWebInterface No\n"
                  "DefaultAuthType None\n<Location />\n  Order allow,deny\n"
                  "  Allow all\n</Location>\n<Policy default>\n"
                  "  <Limit All>\n    Order deny,allow\n  </Limit>\n"
                  "</Policy>\n");

    pid_ = fork();
    if (pid_ == 0) {
        const std::string conf = folder_ + "/cupsd.conf";
        const std::string files = folder_ + "/cups-files.conf";
        execl("/usr/sbin/cupsd", "cupsd", "-f", "-c", conf.c_str(), "-s", files.c_str(),
              static_cast<char*>(nullptr));
        _exit(127);
    }
    if (pid_ < 0) {
        problem_ = "cannot start cupsd";
        return false;
    }
    const bool answering = waitFor(timeoutSeconds, [&] {
        int status = 0;
        if (waitpid(pid_, &status, WNOHANG) == pid_) {
            pid_ = -1;
            return true;
        }
        std::string state;
        return client("lpstat -r", &state) && state.find("scheduler is running") == 0;
    });
    if (!answering || pid_ < 0) {
        pid_ = -1;
        problem_ = "cupsd did not start: " + errorLog();
        return false;
    }
    return true;
}

bool CupsServer::addDefaultPdfQueue(const std::string& name) {
    if (access(kPdfDriver, R_OK) != 0) {
        problem_ = std::string("the PDF printer driver is not installed: ") + kPdfDriver;
        return false;
    }
    // The PDF printer takes PostScript. Converted with cairo, the fonts keep their text, so the
    // PDF made from that PostScript again can be read back.
    const std::string add = "lpadmin -p " + name + " -E -v cups-pdf:/ -P " + kPdfDriver +
                            " -o pdftops-renderer-default=pdftocairo";
    // A scheduler that has just started may still turn a connection away.
    std::string output;
    if (!waitFor(10, [&] { return client(add, &output); }) ||
        !waitFor(10, [&] { return client("lpadmin -d " + name, &output); })) {
        problem_ = "lpadmin failed: " + output;
        return false;
    }
    return true;
}

bool CupsServer::rejectJobs(const std::string& name) {
    std::string output;
    if (!client("cupsreject " + name, &output)) {
        problem_ = "cupsreject failed: " + output;
        return false;
    }
    return true;
}

bool CupsServer::waitUntilIdle(int timeoutSeconds) {
    return waitFor(timeoutSeconds, [&] {
        std::string jobs;
        return client("lpstat -o", &jobs) && jobs.empty();
    });
}

std::string CupsServer::errorLog() const {
    std::ifstream log(folder_ + "/log/error_log");
    std::stringstream text;
    text << log.rdbuf();
    return text.str();
}

bool CupsServer::client(const std::string& arguments, std::string* output) {
    const std::string result =
        commandOutput("CUPS_SERVER='" + socket_ + "' " + arguments + " 2>&1; echo \"#$?\"");
    const std::size_t mark = result.rfind('#');
    if (output)
        *output = result.substr(0, mark);
    return mark != std::string::npos && result.compare(mark, 3, "#0\n") == 0;
}

} // namespace kolekt::test
