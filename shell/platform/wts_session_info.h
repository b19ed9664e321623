// The session's extended information, as WTSQuerySessionInformationW gives
// it for WTSSessionInfoEx (Windows 7 and Server 2008 R2 on). MinGW's
// wtsapi32.h has neither the class nor the structures: they are declared
// here from Microsoft's pages (WTS_INFO_CLASS, WTSINFOEXW,
// WTSINFOEX_LEVEL1_W).
//   kWtsSessionInfoEx   the information class
//   WtsInfoExLevel1     WTSINFOEX_LEVEL1_W
//   WtsInfoEx           WTSINFOEXW
#pragma once

#include <windows.h>
#include <wtsapi32.h>

// "WTSSessionInfoEx: A WTSINFOEX structure that contains extended session
// information", the 26th value of WTS_INFO_CLASS.
constexpr int kWtsSessionInfoEx = 25;

struct WtsInfoExLevel1 {
    ULONG SessionId;
    WTS_CONNECTSTATE_CLASS SessionState;
    LONG SessionFlags;
    WCHAR WinStationName[WINSTATIONNAME_LENGTH + 1];
    WCHAR UserName[USERNAME_LENGTH + 1];
    WCHAR DomainName[DOMAIN_LENGTH + 1];
    LARGE_INTEGER LogonTime;
    LARGE_INTEGER ConnectTime;
    LARGE_INTEGER DisconnectTime;
    LARGE_INTEGER LastInputTime;
    LARGE_INTEGER CurrentTime;
    DWORD IncomingBytes;
    DWORD OutgoingBytes;
    DWORD IncomingFrames;
    DWORD OutgoingFrames;
    DWORD IncomingCompressedBytes;
    DWORD OutgoingCompressedBytes;
};

struct WtsInfoEx {
    DWORD Level;  // 1: Data holds a WTSINFOEX_LEVEL1
    union {
        WtsInfoExLevel1 WTSInfoExLevel1;
    } Data;
};
