// The one header through which the shell reaches the platform: Win32 and the
// common controls, and the small framework layer over them.
#pragma once
#include <windows.h>

// After windows.h, which it needs.
#include <commctrl.h>

#include "platform/app.h"
#include "platform/cstring.h"
#include "platform/dialog.h"
#include "platform/dpi.h"
#include "platform/gdi.h"
#include "platform/menu.h"
#include "platform/message_map.h"
#include "platform/posted_messages.h"
#include "platform/system_library.h"
#include "platform/unseen_notices.h"
#include "platform/wnd.h"
