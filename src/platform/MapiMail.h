// One message handed to the system's Simple MAPI mail client (Windows only). The texts come in
// two forms: UTF-16 for MAPISendMailW, and bytes of the collection's code page for a client
// that offers only MAPISendMail.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace kolekt::platform {

struct MapiText {
    std::wstring wide;
    std::string narrow;
};

struct MapiRecipient {
    unsigned long recipientClass = 1; // MAPI_ORIG 0, MAPI_TO 1
    MapiText name;
    MapiText address; // "SMTP:" followed by the address; empty for none
};

struct MapiAttachment {
    std::wstring pathName; // given to a narrow client in the system's code page
    MapiText fileName;     // empty: the client shows the path's own name
    // Where the attachment stands in the note text, counted in each form's own units.
    long widePosition = -1;
    long narrowPosition = -1;
};

struct MapiMail {
    MapiRecipient originator{0, {}, {}};
    std::vector<MapiRecipient> recipients;
    MapiText subject;
    MapiText noteText;
    std::vector<MapiAttachment> attachments;
};

enum class MapiLibrary {
    Usable,
    Missing, // MAPI32.DLL cannot be loaded: no MAPI mail client
    Invalid, // it lacks MAPISendMail or MAPILogon
};

struct MapiOutcome {
    MapiLibrary library = MapiLibrary::Usable;
    unsigned long code = 0; // the client's answer, when the library was usable
};

// Loads MAPI32.DLL, looks at its entry points and releases it.
MapiLibrary mapiLibrary();

// Loads MAPI32.DLL for this one mail, sends it with MAPISendMailW where the library has it,
// else with MAPISendMail, owned by window (a native window handle, 0 for none), and releases
// the library. The client's log-on prompt may appear; no compose window does.
MapiOutcome sendMapiMail(const MapiMail& mail, std::uintptr_t window);

} // namespace kolekt::platform
