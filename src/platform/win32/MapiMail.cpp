#include "platform/MapiMail.h"

#include "platform/win32/MapiRecords.h"
#include "platform/win32/NarrowText.h"
#include "platform/win32/RuntimeLibrary.h"

namespace kolekt::platform {

namespace {

PWSTR wide(const std::wstring& text) {
    return text.empty() ? nullptr : const_cast<PWSTR>(text.c_str());
}

LPSTR narrow(const std::string& text) {
    return text.empty() ? nullptr : const_cast<LPSTR>(text.c_str());
}

ULONG position(long value) {
    return static_cast<ULONG>(value);
}

MapiRecipDescW wideRecipient(const MapiRecipient& recipient) {
    return {0,
            recipient.recipientClass,
            wide(recipient.name.wide),
            wide(recipient.address.wide),
            0,
            nullptr};
}

MapiRecipDesc narrowRecipient(const MapiRecipient& recipient) {
    return {0,
            recipient.recipientClass,
            narrow(recipient.name.narrow),
            narrow(recipient.address.narrow),
            0,
            nullptr};
}

// A path in the system's code page names the file only when every letter fits; otherwise its
// short form, which is plain ASCII where the volume keeps short names.
std::string systemCodePagePath(const std::wstring& path) {
    BOOL lossy = FALSE;
    std::string bytes = win32::narrowText(path, CP_ACP, WC_NO_BEST_FIT_CHARS, &lossy);
    if (lossy) {
        const DWORD size = GetShortPathNameW(path.c_str(), nullptr, 0);
        if (size > 0) {
            std::wstring shortPath(size, L'\0');
            shortPath.resize(GetShortPathNameW(path.c_str(), shortPath.data(), size));
            bytes = win32::narrowText(shortPath, CP_ACP, WC_NO_BEST_FIT_CHARS, &lossy);
        }
    }
    return bytes;
}

ULONG sendWide(SendMailW send, const MapiMail& mail, ULONG_PTR window) {
    MapiRecipDescW originator = wideRecipient(mail.originator);
    std::vector<MapiRecipDescW> recipients;
    for (const MapiRecipient& recipient : mail.recipients)
        recipients.push_back(wideRecipient(recipient));
    std::vector<MapiFileDescW> files;
    for (const MapiAttachment& attachment : mail.attachments)
        files.push_back({0, 0, position(attachment.widePosition), wide(attachment.pathName),
                         wide(attachment.fileName.wide), nullptr});
    MapiMessageW message{0,
                         wide(mail.subject.wide),
                         wide(mail.noteText.wide),
                         nullptr,
                         nullptr,
                         nullptr,
                         0,
                         &originator,
                         static_cast<ULONG>(recipients.size()),
                         recipients.empty() ? nullptr : recipients.data(),
                         static_cast<ULONG>(files.size()),
                         files.empty() ? nullptr : files.data()};
    return send(0, window, &message, MAPI_LOGON_UI, 0);
}

ULONG sendNarrow(SendMailA send, const MapiMail& mail, ULONG_PTR window) {
    MapiRecipDesc originator = narrowRecipient(mail.originator);
    std::vector<MapiRecipDesc> recipients;
    for (const MapiRecipient& recipient : mail.recipients)
        recipients.push_back(narrowRecipient(recipient));
    std::vector<std::string> paths;
    for (const MapiAttachment& attachment : mail.attachments)
        paths.push_back(systemCodePagePath(attachment.pathName));
    std::vector<MapiFileDesc> files;
    for (std::size_t i = 0; i < mail.attachments.size(); ++i)
        files.push_back({0, 0, position(mail.attachments[i].narrowPosition), narrow(paths[i]),
                         narrow(mail.attachments[i].fileName.narrow), nullptr});
    ::MapiMessage message{0,
                          narrow(mail.subject.narrow),
                          narrow(mail.noteText.narrow),
                          nullptr,
                          nullptr,
                          nullptr,
                          0,
                          &originator,
                          static_cast<ULONG>(recipients.size()),
                          recipients.empty() ? nullptr : recipients.data(),
                          static_cast<ULONG>(files.size()),
                          files.empty() ? nullptr : files.data()};
    return send(0, window, &message, MAPI_LOGON_UI, 0);
}

MapiLibrary state(const RuntimeLibrary& library) {
    if (!library.loaded())
        return MapiLibrary::Missing;
    // MAPILogon is never called; a library without it is not a whole Simple MAPI.
    if (!library.entry<SendMailA>("MAPISendMail") || !library.entry<LPMAPILOGON>("MAPILogon"))
        return MapiLibrary::Invalid;
    return MapiLibrary::Usable;
}

const wchar_t* const kLibrary = L"MAPI32.DLL";

} // namespace

MapiLibrary mapiLibrary() {
    return state(RuntimeLibrary(kLibrary));
}

MapiOutcome sendMapiMail(const MapiMail& mail, std::uintptr_t window) {
    const RuntimeLibrary library(kLibrary);
    if (const MapiLibrary usable = state(library); usable != MapiLibrary::Usable)
        return {usable, 0};
    if (const auto sendW = library.entry<SendMailW>("MAPISendMailW"))
        return {MapiLibrary::Usable, sendWide(sendW, mail, window)};
    return {MapiLibrary::Usable,
            sendNarrow(library.entry<SendMailA>("MAPISendMail"), mail, window)};
}

} // namespace kolekt::platform
