// A stand-in MAPI32.DLL for the Windows tests: it sends nothing, writes what it was handed as
// UTF-8 to the file that KOLEKT_MAPI_LOG names, and answers with the code in
// KOLEKT_MAPI_RESULT (0 when unset). A narrow call's texts are read in the code page that
// KOLEKT_MAPI_CODEPAGE gives as a number (the system's when unset). Built three ways: whole,
// without MAPISendMailW (KOLEKT_MAPI_NARROW_ONLY), and without MAPILogon
// (KOLEKT_MAPI_NO_LOGON). Wine loads it from beside the program only with
// WINEDLLOVERRIDES=mapi32=n; otherwise its own mapi32 answers.
//
// Each line of the log is one field, "name: value"; a value's backslashes, carriage returns and
// line feeds are written as \\, \r and \n:
//   entry: MAPISendMailW            flags: 1            window: yes|no
//   originator: NAME                recipient: CLASS NAME <ADDRESS>
//   subject: TEXT                   body: TEXT
//   attachment: POSITION PATH|NAME  (NAME empty when none)
#include "platform/win32/MapiRecords.h"
#include "platform/win32/NarrowText.h"

#include <cstdio>
#include <cstdlib>
#include <string>

using kolekt::platform::MapiFileDescW;
using kolekt::platform::MapiMessageW;
using kolekt::platform::MapiRecipDescW;

namespace {

std::string utf8(const wchar_t* text) {
    return text ? kolekt::platform::win32::narrowText(text, CP_UTF8) : std::string();
}

std::string utf8(const char* text) {
    if (!text)
        return {};
    const char* codePage = std::getenv("KOLEKT_MAPI_CODEPAGE");
    const UINT page = codePage ? static_cast<UINT>(std::strtoul(codePage, nullptr, 10)) : CP_ACP;
    const int size = MultiByteToWideChar(page, 0, text, -1, nullptr, 0);
    std::wstring wide(static_cast<std::size_t>(size), L'\0');
    MultiByteToWideChar(page, 0, text, -1, wide.data(), size);
    return utf8(wide.c_str());
}

std::string escaped(const std::string& text) {
    std::string result;
    for (char c : text) {
        if (c == '\\')
            result += "\\\\";
        else if (c == '\r')
            result += "\\r";
        else if (c == '\n')
            result += "\\n";
        else
            result += c;
    }
    return result;
}

class Log {
public:
    Log() {
        const char* path = std::getenv("KOLEKT_MAPI_LOG");
        file_ = path ? std::fopen(path, "wb") : nullptr;
    }
    ~Log() {
        if (file_)
            std::fclose(file_);
    }
    Log(const Log&) = delete;
    Log& operator=(const Log&) = delete;

    void line(const char* name, const std::string& value) {
        if (file_)
            std::fprintf(file_, "%s: %s\n", name, escaped(value).c_str());
    }

private:
    std::FILE* file_;
};

ULONG answer() {
    const char* result = std::getenv("KOLEKT_MAPI_RESULT");
    return result ? static_cast<ULONG>(std::strtoul(result, nullptr, 10)) : 0;
}

template <typename Message>
ULONG record(const char* entry, ULONG_PTR window, const Message* message, FLAGS flags) {
    Log log;
    log.line("entry", entry);
    log.line("flags", std::to_string(flags));
    log.line("window", window ? "yes" : "no");
    if (message->lpOriginator)
        log.line("originator", utf8(message->lpOriginator->lpszName));
    for (ULONG i = 0; i < message->nRecipCount; ++i) {
        const auto& recipient = message->lpRecips[i];
        log.line("recipient", std::to_string(recipient.ulRecipClass) + " " +
                                  utf8(recipient.lpszName) + " <" + utf8(recipient.lpszAddress) +
                                  ">");
    }
    log.line("subject", utf8(message->lpszSubject));
    log.line("body", utf8(message->lpszNoteText));
    for (ULONG i = 0; i < message->nFileCount; ++i) {
        const auto& file = message->lpFiles[i];
        log.line("attachment", std::to_string(static_cast<long>(file.nPosition)) + " " +
                                   utf8(file.lpszPathName) + "|" + utf8(file.lpszFileName));
    }
    return answer();
}

} // namespace

extern "C" {

__declspec(dllexport) ULONG WINAPI
    MAPISendMail(LHANDLE, ULONG_PTR window, MapiMessage* message, FLAGS flags, ULONG) {
    return record("MAPISendMail", window, message, flags);
}

#ifndef KOLEKT_MAPI_NARROW_ONLY
__declspec(dllexport) ULONG WINAPI
    MAPISendMailW(LHANDLE, ULONG_PTR window, MapiMessageW* message, FLAGS flags, ULONG) {
    return record("MAPISendMailW", window, message, flags);
}
#endif

#ifndef KOLEKT_MAPI_NO_LOGON
// Looked up by the program, never called.
__declspec(dllexport) ULONG WINAPI MAPILogon(ULONG_PTR, LPSTR, LPSTR, FLAGS, ULONG, LPLHANDLE) {
    return 2;
}
#endif

} // extern "C"
