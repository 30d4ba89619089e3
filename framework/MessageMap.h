#pragma once
// Static message maps: each window class lists, as a table, the messages and commands it handles and the
// member functions that handle them. A message that no table of the class or its bases names reaches the
// window's default handling.
#include <windows.h>

#include <span>

class CWnd;

namespace fw {

// Calls one handler with the message's parameters unpacked; returns the message's result.
using MessageThunk = LRESULT (*)(CWnd& target, WPARAM wParam, LPARAM lParam);

struct MessageMapEntry {
    UINT message;
    UINT id;  // command id for WM_COMMAND, 0 otherwise
    MessageThunk thunk;
};

struct MessageMap {
    const MessageMap* base;
    std::span<const MessageMapEntry> entries;
};

template <class Handler> struct HandlerClass;
template <class C, class R, class... Args> struct HandlerClass<R (C::*)(Args...)> {
    using type = C;
};

template <auto Handler> auto& Target(CWnd& wnd)
{
    using C = typename HandlerClass<decltype(Handler)>::type;
    return static_cast<C&>(wnd);
}

inline POINT PointFrom(LPARAM lParam)
{
    return POINT{static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam))};
}

// void OnXxx()
template <auto Handler> LRESULT CommandThunk(CWnd& wnd, WPARAM, LPARAM)
{
    (Target<Handler>(wnd).*Handler)();
    return 0;
}

// LRESULT OnXxx(WPARAM, LPARAM)
template <auto Handler> LRESULT MessageThunkOf(CWnd& wnd, WPARAM wParam, LPARAM lParam)
{
    return (Target<Handler>(wnd).*Handler)(wParam, lParam);
}

// void OnTimer(UINT_PTR eventId)
template <auto Handler> LRESULT TimerThunk(CWnd& wnd, WPARAM wParam, LPARAM)
{
    (Target<Handler>(wnd).*Handler)(static_cast<UINT_PTR>(wParam));
    return 0;
}

// void OnMouseXxx(UINT flags, POINT point)
template <auto Handler> LRESULT MouseThunk(CWnd& wnd, WPARAM wParam, LPARAM lParam)
{
    (Target<Handler>(wnd).*Handler)(static_cast<UINT>(wParam), PointFrom(lParam));
    return 0;
}

// void OnInitMenu(HMENU menu)
template <auto Handler> LRESULT MenuThunk(CWnd& wnd, WPARAM wParam, LPARAM)
{
    (Target<Handler>(wnd).*Handler)(reinterpret_cast<HMENU>(wParam));
    return 0;
}

}  // namespace fw

// The table of a class: BEGIN_MESSAGE_MAP(Class, Base) ... entries ... END_MESSAGE_MAP()
// The class declares DECLARE_MESSAGE_MAP() in its body.
#define DECLARE_MESSAGE_MAP() \
protected:                    \
    const fw::MessageMap* GetMessageMap() const override;

// clang-format off
#define BEGIN_MESSAGE_MAP(Class, Base)                               \
    const fw::MessageMap* Class::GetMessageMap() const               \
    {                                                                \
        using ThisClass = Class;                                     \
        using BaseClass = Base;                                      \
        static const fw::MessageMapEntry entries[] = {
// The table of a class template, such as a base shared by several windows: BEGIN_TEMPLATE_MESSAGE_MAP(Class, T, Base)
// for template <class T> class Class : public Base, where Base may name T.
#define BEGIN_TEMPLATE_MESSAGE_MAP(Class, T, Base)                                    \
    template <class T> const fw::MessageMap* Class<T>::GetMessageMap() const         \
    {                                                                                \
        using ThisClass = Class<T>;                                                  \
        using BaseClass = Base;                                                      \
        static const fw::MessageMapEntry entries[] = {
#define END_MESSAGE_MAP()                                              \
        };                                                            \
        static const fw::MessageMap map{this->BaseClass::GetMessageMap(), entries}; \
        return &map;                                                  \
    }
// clang-format on

#define ON_COMMAND(id, handler) {WM_COMMAND, (id), &fw::CommandThunk<&ThisClass::handler>},
#define ON_MESSAGE(message, handler) {(message), 0, &fw::MessageThunkOf<&ThisClass::handler>},
#define ON_WM_TIMER() {WM_TIMER, 0, &fw::TimerThunk<&ThisClass::OnTimer>},
#define ON_WM_PAINT() {WM_PAINT, 0, &fw::CommandThunk<&ThisClass::OnPaint>},
#define ON_WM_MOUSEMOVE() {WM_MOUSEMOVE, 0, &fw::MouseThunk<&ThisClass::OnMouseMove>},
#define ON_WM_LBUTTONDOWN() {WM_LBUTTONDOWN, 0, &fw::MouseThunk<&ThisClass::OnLButtonDown>},
#define ON_WM_INITMENU() {WM_INITMENU, 0, &fw::MenuThunk<&ThisClass::OnInitMenu>},
