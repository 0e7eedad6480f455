#include "platform/AssistedTelephony.h"

#include "platform/win32/NarrowText.h"
#include "platform/win32/RuntimeLibrary.h"

#include <shellapi.h>
#include <shlwapi.h>

namespace kolekt::platform {

namespace {

// tapiRequestMakeCall's answer when no program has registered to take requests.
constexpr LONG kNoRequestRecipient = -2;

using MakeCallW = LONG(WINAPI*)(LPCWSTR, LPCWSTR, LPCWSTR, LPCWSTR);
using MakeCallA = LONG(WINAPI*)(LPCSTR, LPCSTR, LPCSTR, LPCSTR);

} // namespace

CallRequest requestMakeCall(const std::wstring& number, const std::wstring& calledParty) {
    const RuntimeLibrary library(L"tapi32.dll");
    if (!library.loaded())
        return CallRequest::LibraryMissing;
    LONG result = 0;
    if (const auto makeCallW = library.entry<MakeCallW>("tapiRequestMakeCallW")) {
        result = makeCallW(number.c_str(), nullptr, calledParty.c_str(), nullptr);
    } else if (const auto makeCall = library.entry<MakeCallA>("tapiRequestMakeCall")) {
        result = makeCall(win32::narrowText(number, CP_ACP).c_str(), nullptr,
                          win32::narrowText(calledParty, CP_ACP).c_str(), nullptr);
    } else {
        return CallRequest::EntryMissing;
    }
    if (result == 0)
        return CallRequest::Made;
    return result == kNoRequestRecipient ? CallRequest::NoRequestRecipient : CallRequest::Refused;
}

LinkOpening openLinkWithHandler(const std::wstring& scheme, const std::wstring& link,
                                std::uintptr_t window) {
    DWORD size = 0;
    const HRESULT known =
        AssocQueryStringW(ASSOCF_IS_PROTOCOL | ASSOCF_NOTRUNCATE, ASSOCSTR_COMMAND, scheme.c_str(),
                          L"open", nullptr, &size);
    if (known != S_FALSE && known != S_OK)
        return LinkOpening::NoHandler;
    // ShellExecuteW's result is a status dressed as a handle: above 32 means started.
    const auto started = reinterpret_cast<INT_PTR>(ShellExecuteW(
        reinterpret_cast<HWND>(window), L"open", link.c_str(), nullptr, nullptr, SW_SHOWNORMAL));
    return started > 32 ? LinkOpening::Opened : LinkOpening::Failed;
}

} // namespace kolekt::platform
