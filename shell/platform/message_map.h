// Message maps: a static table of entries per dialog class, each binding a
// message (and for WM_COMMAND a control or command identifier and a
// notification code) to a handler. Each macro expands to one plain entry; the
// handler's form is checked by the compiler through the thunk that calls it.
#pragma once

#include <windows.h>

#include <type_traits>

class CDialog;
class CDC;
class CWnd;

using MessageHandler = LRESULT (*)(CDialog& self, UINT message, WPARAM wParam, LPARAM lParam);

struct MessageMapEntry {
    UINT message;            // WM_CTLCOLOR stands for every WM_CTLCOLOR* message
    UINT code;               // notification code, WM_COMMAND only
    UINT id;                 // control or command identifier, WM_COMMAND only
    MessageHandler handler;  // null ends the table
};

struct MessageMap {
    const MessageMap* (*base)();
    const MessageMapEntry* entries;
};

namespace message_map {

template <class>
struct MemberOf;
template <class Class, class Member>
struct MemberOf<Member Class::*> {
    using type = Class;
};
template <auto handler>
using ClassOf = typename MemberOf<decltype(handler)>::type;

template <auto handler, class Signature>
concept HasForm = std::is_same_v<decltype(handler), Signature ClassOf<handler>::*>;

template <auto handler>
ClassOf<handler>& Self(CDialog& self) {
    return static_cast<ClassOf<handler>&>(self);
}

// void OnXxx(): commands, WM_PAINT, WM_DESTROY.
template <auto handler>
LRESULT Plain(CDialog& self, UINT, WPARAM, LPARAM) {
    static_assert(HasForm<handler, void()>, "the handler's form");
    (Self<handler>(self).*handler)();
    return 0;
}

template <auto handler>
LRESULT SysCommand(CDialog& self, UINT, WPARAM wParam, LPARAM lParam) {
    static_assert(HasForm<handler, void(UINT, LPARAM)>, "the handler's form");
    (Self<handler>(self).*handler)(static_cast<UINT>(wParam), lParam);
    return 0;
}

template <auto handler>
LRESULT QueryDragIcon(CDialog& self, UINT, WPARAM, LPARAM) {
    static_assert(HasForm<handler, HCURSOR()>, "the handler's form");
    return reinterpret_cast<LRESULT>((Self<handler>(self).*handler)());
}

template <auto handler>
LRESULT Timer(CDialog& self, UINT, WPARAM wParam, LPARAM) {
    static_assert(HasForm<handler, void(UINT_PTR)>, "the handler's form");
    (Self<handler>(self).*handler)(wParam);
    return 0;
}

template <auto handler>
LRESULT Generic(CDialog& self, UINT, WPARAM wParam, LPARAM lParam) {
    static_assert(HasForm<handler, LRESULT(WPARAM, LPARAM)>, "the handler's form");
    return (Self<handler>(self).*handler)(wParam, lParam);
}

// WM_CTLCOLOR*: the device context and the control come with the message;
// the kind of control is the message's offset from WM_CTLCOLORMSGBOX.
LRESULT CallCtlColor(CDialog& self, UINT message, WPARAM wParam, LPARAM lParam,
                     HBRUSH (*call)(CDialog&, CDC*, CWnd*, UINT));

template <auto handler>
LRESULT CtlColor(CDialog& self, UINT message, WPARAM wParam, LPARAM lParam) {
    static_assert(HasForm<handler, HBRUSH(CDC*, CWnd*, UINT)>, "the handler's form");
    return CallCtlColor(self, message, wParam, lParam,
                        [](CDialog& dialog, CDC* dc, CWnd* control, UINT kind) {
                            return (Self<handler>(dialog).*handler)(dc, control, kind);
                        });
}

}  // namespace message_map

#ifndef WM_CTLCOLOR
#define WM_CTLCOLOR 0x0019
#endif

#define DECLARE_MESSAGE_MAP()                         \
public:                                               \
    const MessageMap* GetMessageMap() const override; \
    static const MessageMap* GetThisMessageMap();

#define BEGIN_MESSAGE_MAP(theClass, baseClass)                                        \
    const MessageMap* theClass::GetMessageMap() const { return GetThisMessageMap(); } \
    const MessageMap* theClass::GetThisMessageMap() {                                 \
        using ThisClass [[maybe_unused]] = theClass;                                  \
        using TheBaseClass = baseClass;                                               \
        static const MessageMapEntry entries[] = {
#define END_MESSAGE_MAP()                                                   \
    MessageMapEntry { 0, 0, 0, nullptr }                                    \
    }                                                                       \
    ;                                                                       \
    static const MessageMap map{&TheBaseClass::GetThisMessageMap, entries}; \
    return &map;                                                            \
    }

#define ON_COMMAND(id, handler) {WM_COMMAND, 0, (id), &message_map::Plain<&ThisClass::handler>},
#define ON_BN_CLICKED(id, handler) {WM_COMMAND, BN_CLICKED, (id), &message_map::Plain<&ThisClass::handler>},
#define ON_CBN_SELCHANGE(id, handler) \
    {WM_COMMAND, CBN_SELCHANGE, (id), &message_map::Plain<&ThisClass::handler>},
#define ON_WM_SYSCOMMAND() {WM_SYSCOMMAND, 0, 0, &message_map::SysCommand<&ThisClass::OnSysCommand>},
#define ON_WM_PAINT() {WM_PAINT, 0, 0, &message_map::Plain<&ThisClass::OnPaint>},
#define ON_WM_QUERYDRAGICON() \
    {WM_QUERYDRAGICON, 0, 0, &message_map::QueryDragIcon<&ThisClass::OnQueryDragIcon>},
#define ON_WM_TIMER() {WM_TIMER, 0, 0, &message_map::Timer<&ThisClass::OnTimer>},
#define ON_WM_DESTROY() {WM_DESTROY, 0, 0, &message_map::Plain<&ThisClass::OnDestroy>},
#define ON_WM_CTLCOLOR() {WM_CTLCOLOR, 0, 0, &message_map::CtlColor<&ThisClass::OnCtlColor>},
#define ON_MESSAGE(message, handler) {(message), 0, 0, &message_map::Generic<&ThisClass::handler>},
