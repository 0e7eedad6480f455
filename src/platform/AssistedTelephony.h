// A dialling request to the system's Assisted Telephony service (Windows only), and the tel:
// link handed to the program that Windows has for such links when no telephony program takes
// requests.
#pragma once

#include <cstdint>
#include <string>

namespace kolekt::platform {

enum class CallRequest {
    Made,               // the request recipient took it
    Refused,            // the service answered with another error
    NoRequestRecipient, // no program is registered to take dialling requests
    LibraryMissing,     // tapi32.dll cannot be loaded
    EntryMissing,       // it lacks tapiRequestMakeCall
};

// Loads tapi32.dll for this one request and asks it to dial number, naming calledParty.
CallRequest requestMakeCall(const std::wstring& number, const std::wstring& calledParty);

enum class LinkOpening {
    Opened,
    NoHandler, // Windows knows no program for the link's scheme
    Failed,
};

// Opens link (scheme "tel", for instance) with the program Windows has for its scheme, owned by
// window (a native window handle, 0 for none).
LinkOpening openLinkWithHandler(const std::wstring& scheme, const std::wstring& link,
                                std::uintptr_t window);

} // namespace kolekt::platform
