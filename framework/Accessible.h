#pragma once
// What a screen reader (Narrator, NVDA) learns of a window through Microsoft Active Accessibility: what the window
// says of itself and of the parts it draws, its children, numbered from 1 (CHILDID_SELF, 0, is the window itself);
// for all that it leaves unsaid, the system's standard object for the window answers.
#include <windows.h>
// (after windows.h)
#include <oleacc.h>

#include <optional>
#include <string>

// The answers of a window; each that it does not give (nullopt) comes from the standard object.
class AccessibleInfo {
public:
    virtual ~AccessibleInfo() = default;

    // The parts the window draws, which the standard object knows nothing of.
    virtual long AccessibleChildCount() const { return 0; }
    virtual std::optional<std::wstring> AccessibleName(long /*child*/) const { return std::nullopt; }
    virtual std::optional<std::wstring> AccessibleValue(long /*child*/) const { return std::nullopt; }
    virtual std::optional<long> AccessibleRole(long /*child*/) const { return std::nullopt; }
    virtual std::optional<long> AccessibleState(long /*child*/) const { return std::nullopt; }
    // A child's place on the screen.
    virtual std::optional<RECT> AccessibleLocation(long /*child*/) const { return std::nullopt; }
    // The child at a point of the screen inside the window, or CHILDID_SELF.
    virtual long AccessibleChildAt(POINT /*screen*/) const { return CHILDID_SELF; }
    // The child that is highlighted, which has the focus and is the selection; CHILDID_SELF for none.
    virtual long AccessibleFocus() const { return CHILDID_SELF; }
};

// Tells the screen readers of an event of the window's client area or of one of its children.
void NotifyAccessibleEvent(HWND window, DWORD event, long child = CHILDID_SELF);

// The COM object that answers for a window. Its window creates it at the first WM_GETOBJECT and disconnects it when
// it is destroyed: a screen reader that still holds it then hears that the window is gone.
class AccessibleObject;
AccessibleObject* CreateAccessibleObject(HWND window, const AccessibleInfo& info);
// The result of WM_GETOBJECT for the object.
LRESULT AnswerGetObject(AccessibleObject& object, WPARAM wParam);
// Disconnects and releases the window's reference.
void DisconnectAccessibleObject(AccessibleObject* object);
