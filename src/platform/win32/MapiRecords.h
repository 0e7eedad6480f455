// The UTF-16 records of Simple MAPI's MAPISendMailW, which the cross compiler's mapi.h lacks.
// They have the layout of the narrow records, with wide texts.
#pragma once

#include <windows.h>
// mapi.h takes its types from windows.h.
#include <mapi.h>

namespace kolekt::platform {

struct MapiFileDescW {
    ULONG ulReserved;
    ULONG flFlags;
    ULONG nPosition;
    PWSTR lpszPathName;
    PWSTR lpszFileName;
    PVOID lpFileType;
};

struct MapiRecipDescW {
    ULONG ulReserved;
    ULONG ulRecipClass;
    PWSTR lpszName;
    PWSTR lpszAddress;
    ULONG ulEIDSize;
    PVOID lpEntryID;
};

struct MapiMessageW {
    ULONG ulReserved;
    PWSTR lpszSubject;
    PWSTR lpszNoteText;
    PWSTR lpszMessageType;
    PWSTR lpszDateReceived;
    PWSTR lpszConversationID;
    FLAGS flFlags;
    MapiRecipDescW* lpOriginator;
    ULONG nRecipCount;
    MapiRecipDescW* lpRecips;
    ULONG nFileCount;
    MapiFileDescW* lpFiles;
};

using SendMailW = ULONG(WINAPI*)(LHANDLE, ULONG_PTR, MapiMessageW*, FLAGS, ULONG);
using SendMailA = ULONG(WINAPI*)(LHANDLE, ULONG_PTR, ::MapiMessage*, FLAGS, ULONG);

} // namespace kolekt::platform
