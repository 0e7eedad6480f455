#include "platform/AssistedTelephony.h"
#include "services/Dialer.h"

namespace kolekt {

HandOffResult dialNumber(const QString& number, HandOffHost& host, const QString& calledParty) {
    using Kind = HandOffResult::Kind;
    const HandOffResult noTelephony{Kind::NoSystem, TextId::TelephoneUnavailable, {}};
    const HandOffResult refused{Kind::Failed, TextId::None, {}};
    const HandOffRequest request(host);
    switch (platform::requestMakeCall(number.toStdWString(), calledParty.toStdWString())) {
    case platform::CallRequest::Made:
        return {};
    case platform::CallRequest::Refused:
        return refused;
    case platform::CallRequest::LibraryMissing:
        return noTelephony;
    case platform::CallRequest::EntryMissing:
        return {Kind::Failed, TextId::TelephonyEntryMissing, {}};
    case platform::CallRequest::NoRequestRecipient:
        break;
    }
    switch (platform::openLinkWithHandler(L"tel", telephoneLink(number).toStdWString(),
                                          host.nativeWindow())) {
    case platform::LinkOpening::Opened:
        return {};
    case platform::LinkOpening::NoHandler:
        return noTelephony;
    case platform::LinkOpening::Failed:
        break;
    }
    return refused;
}

} // namespace kolekt
