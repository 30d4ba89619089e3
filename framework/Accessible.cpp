#include "framework/Accessible.h"

// The interfaces are named by __uuidof throughout: mingw-w64's oleacc import library links IID_IAccessible to a
// jump into oleacc.dll rather than to the identifier.

namespace {

bool IsChild(const VARIANT& id)
{
    return id.vt == VT_I4 && id.lVal != CHILDID_SELF;
}

HRESULT AnswerText(const std::optional<std::wstring>& text, BSTR* answer)
{
    if (!answer) return E_POINTER;
    *answer = text ? ::SysAllocString(text->c_str()) : nullptr;
    return text ? S_OK : S_FALSE;
}

HRESULT AnswerNumber(long number, VARIANT* answer)
{
    if (!answer) return E_POINTER;
    answer->vt = VT_I4;
    answer->lVal = number;
    return S_OK;
}

}  // namespace

// Answers for the window where its AccessibleInfo does, for its children wholly, and passes the rest on to the
// standard object of the window's client area.
class AccessibleObject final : public IAccessible {
public:
    AccessibleObject(HWND window, const AccessibleInfo& info) : m_window(window), m_info(&info)
    {
        ::CreateStdAccessibleObject(window, OBJID_CLIENT, __uuidof(IAccessible), reinterpret_cast<void**>(&m_standard));
    }
    AccessibleObject(const AccessibleObject&) = delete;
    AccessibleObject& operator=(const AccessibleObject&) = delete;

    void Disconnect()
    {
        ::CoDisconnectObject(this, 0);
        m_info = nullptr;
        if (m_standard) m_standard->Release();
        m_standard = nullptr;
    }

    // IUnknown
    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** object) override
    {
        if (!object) return E_POINTER;
        if (iid != __uuidof(IUnknown) && iid != __uuidof(IDispatch) && iid != __uuidof(IAccessible)) {
            *object = nullptr;
            return E_NOINTERFACE;
        }
        *object = static_cast<IAccessible*>(this);
        AddRef();
        return S_OK;
    }
    ULONG STDMETHODCALLTYPE AddRef() override { return static_cast<ULONG>(::InterlockedIncrement(&m_references)); }
    ULONG STDMETHODCALLTYPE Release() override
    {
        const LONG left = ::InterlockedDecrement(&m_references);
        if (left == 0) delete this;
        return static_cast<ULONG>(left);
    }

    // IDispatch: the clients call IAccessible directly.
    HRESULT STDMETHODCALLTYPE GetTypeInfoCount(UINT* count) override
    {
        if (count) *count = 0;
        return count ? S_OK : E_POINTER;
    }
    HRESULT STDMETHODCALLTYPE GetTypeInfo(UINT, LCID, ITypeInfo**) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE GetIDsOfNames(REFIID, LPOLESTR*, UINT, LCID, DISPID*) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE Invoke(DISPID, REFIID, LCID, WORD, DISPPARAMS*, VARIANT*, EXCEPINFO*, UINT*) override
    {
        return E_NOTIMPL;
    }

    // IAccessible
    HRESULT STDMETHODCALLTYPE get_accParent(IDispatch** parent) override
    {
        if (!Connected()) return RPC_E_DISCONNECTED;
        return m_standard->get_accParent(parent);
    }
    HRESULT STDMETHODCALLTYPE get_accChildCount(LONG* count) override
    {
        if (!Connected()) return RPC_E_DISCONNECTED;
        if (m_info->AccessibleChildCount() == 0) return m_standard->get_accChildCount(count);
        if (!count) return E_POINTER;
        *count = m_info->AccessibleChildCount();
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE get_accChild(VARIANT id, IDispatch** child) override
    {
        if (!Connected()) return RPC_E_DISCONNECTED;
        if (!IsOwnChild(id))
            return Standard(id, [&](const VARIANT& self) { return m_standard->get_accChild(self, child); });
        if (!child) return E_POINTER;
        // Its children are simple elements, which have no object of their own.
        *child = nullptr;
        return S_FALSE;
    }
    HRESULT STDMETHODCALLTYPE get_accName(VARIANT id, BSTR* name) override
    {
        return Text(id, name, &AccessibleInfo::AccessibleName, &IAccessible::get_accName);
    }
    HRESULT STDMETHODCALLTYPE get_accValue(VARIANT id, BSTR* value) override
    {
        return Text(id, value, &AccessibleInfo::AccessibleValue, &IAccessible::get_accValue);
    }
    HRESULT STDMETHODCALLTYPE get_accDescription(VARIANT id, BSTR* description) override
    {
        return Text(id, description, nullptr, &IAccessible::get_accDescription);
    }
    HRESULT STDMETHODCALLTYPE get_accHelp(VARIANT id, BSTR* help) override
    {
        return Text(id, help, nullptr, &IAccessible::get_accHelp);
    }
    HRESULT STDMETHODCALLTYPE get_accKeyboardShortcut(VARIANT id, BSTR* shortcut) override
    {
        return Text(id, shortcut, nullptr, &IAccessible::get_accKeyboardShortcut);
    }
    HRESULT STDMETHODCALLTYPE get_accDefaultAction(VARIANT id, BSTR* action) override
    {
        return Text(id, action, nullptr, &IAccessible::get_accDefaultAction);
    }
    HRESULT STDMETHODCALLTYPE get_accRole(VARIANT id, VARIANT* role) override
    {
        return Number(id, role, &AccessibleInfo::AccessibleRole, &IAccessible::get_accRole);
    }
    HRESULT STDMETHODCALLTYPE get_accState(VARIANT id, VARIANT* state) override
    {
        return Number(id, state, &AccessibleInfo::AccessibleState, &IAccessible::get_accState);
    }
    HRESULT STDMETHODCALLTYPE get_accHelpTopic(BSTR* file, VARIANT id, LONG* topic) override
    {
        if (!Connected()) return RPC_E_DISCONNECTED;
        if (IsOwnChild(id)) return S_FALSE;
        return m_standard->get_accHelpTopic(file, id, topic);
    }
    HRESULT STDMETHODCALLTYPE get_accFocus(VARIANT* focus) override
    {
        if (!Connected()) return RPC_E_DISCONNECTED;
        if (m_info->AccessibleChildCount() == 0 || ::GetFocus() != m_window) return m_standard->get_accFocus(focus);
        return AnswerNumber(m_info->AccessibleFocus(), focus);
    }
    HRESULT STDMETHODCALLTYPE get_accSelection(VARIANT* selection) override
    {
        if (!Connected()) return RPC_E_DISCONNECTED;
        if (m_info->AccessibleChildCount() == 0) return m_standard->get_accSelection(selection);
        if (!selection) return E_POINTER;
        if (m_info->AccessibleFocus() == CHILDID_SELF) {
            selection->vt = VT_EMPTY;
            return S_FALSE;
        }
        return AnswerNumber(m_info->AccessibleFocus(), selection);
    }
    HRESULT STDMETHODCALLTYPE accLocation(LONG* left, LONG* top, LONG* width, LONG* height, VARIANT id) override
    {
        if (!Connected()) return RPC_E_DISCONNECTED;
        const std::optional<RECT> place = IsOwnChild(id) ? m_info->AccessibleLocation(id.lVal) : std::nullopt;
        if (!place) {
            if (IsChild(id) && m_info->AccessibleChildCount() > 0) return E_INVALIDARG;
            return m_standard->accLocation(left, top, width, height, id);
        }
        if (!left || !top || !width || !height) return E_POINTER;
        *left = place->left;
        *top = place->top;
        *width = place->right - place->left;
        *height = place->bottom - place->top;
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE accHitTest(LONG x, LONG y, VARIANT* found) override
    {
        if (!Connected()) return RPC_E_DISCONNECTED;
        RECT window{};
        ::GetWindowRect(m_window, &window);
        if (m_info->AccessibleChildCount() == 0 || !::PtInRect(&window, POINT{x, y}))
            return m_standard->accHitTest(x, y, found);
        return AnswerNumber(m_info->AccessibleChildAt({x, y}), found);
    }
    HRESULT STDMETHODCALLTYPE accNavigate(LONG direction, VARIANT start, VARIANT* end) override
    {
        if (!Connected()) return RPC_E_DISCONNECTED;
        const long count = m_info->AccessibleChildCount();
        if (count == 0 || start.vt != VT_I4) return m_standard->accNavigate(direction, start, end);
        if (IsChild(start) && !IsOwnChild(start)) return E_INVALIDARG;
        if (!end) return E_POINTER;
        long to = 0;
        if (start.lVal == CHILDID_SELF && (direction == NAVDIR_FIRSTCHILD || direction == NAVDIR_LASTCHILD))
            to = direction == NAVDIR_FIRSTCHILD ? 1 : count;
        else if (start.lVal == CHILDID_SELF)
            return m_standard->accNavigate(direction, start, end);
        else if (direction == NAVDIR_NEXT || direction == NAVDIR_DOWN)
            to = start.lVal + 1;
        else if (direction == NAVDIR_PREVIOUS || direction == NAVDIR_UP)
            to = start.lVal - 1;
        if (to < 1 || to > count) {
            end->vt = VT_EMPTY;
            return S_FALSE;
        }
        return AnswerNumber(to, end);
    }
    HRESULT STDMETHODCALLTYPE accSelect(LONG flags, VARIANT id) override
    {
        if (!Connected()) return RPC_E_DISCONNECTED;
        if (IsOwnChild(id)) return DISP_E_MEMBERNOTFOUND;
        return m_standard->accSelect(flags, id);
    }
    HRESULT STDMETHODCALLTYPE accDoDefaultAction(VARIANT id) override
    {
        if (!Connected()) return RPC_E_DISCONNECTED;
        if (IsOwnChild(id)) return DISP_E_MEMBERNOTFOUND;
        return m_standard->accDoDefaultAction(id);
    }
    HRESULT STDMETHODCALLTYPE put_accName(VARIANT, BSTR) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE put_accValue(VARIANT, BSTR) override { return E_NOTIMPL; }

private:
    ~AccessibleObject() = default;

    bool Connected() const { return m_info && m_standard; }
    bool IsOwnChild(const VARIANT& id) const
    {
        return IsChild(id) && id.lVal >= 1 && id.lVal <= m_info->AccessibleChildCount();
    }
    // Whom the window's own answers are for: the window itself or one of its children; none for a child it does not
    // have, which a client may ask for.
    std::optional<long> AskedId(const VARIANT& id) const
    {
        if (!IsChild(id)) return CHILDID_SELF;
        if (IsOwnChild(id)) return id.lVal;
        return std::nullopt;
    }
    // The standard object answers for the window itself; children of the window's own it does not know.
    template <class Ask> HRESULT Standard(const VARIANT& id, Ask ask) const
    {
        if (IsChild(id) && m_info->AccessibleChildCount() > 0) return E_INVALIDARG;
        return ask(id);
    }

    using TextOfInfo = std::optional<std::wstring> (AccessibleInfo::*)(long) const;
    using TextOfStandard = HRESULT (STDMETHODCALLTYPE IAccessible::*)(VARIANT, BSTR*);
    HRESULT Text(const VARIANT& id, BSTR* answer, TextOfInfo own, TextOfStandard standard) const
    {
        if (!Connected()) return RPC_E_DISCONNECTED;
        const std::optional<long> asked = AskedId(id);
        const std::optional<std::wstring> text = own && asked ? (m_info->*own)(*asked) : std::nullopt;
        if (text || IsOwnChild(id)) return AnswerText(text, answer);
        return Standard(id, [&](const VARIANT& self) { return (m_standard->*standard)(self, answer); });
    }

    using NumberOfInfo = std::optional<long> (AccessibleInfo::*)(long) const;
    using NumberOfStandard = HRESULT (STDMETHODCALLTYPE IAccessible::*)(VARIANT, VARIANT*);
    HRESULT Number(const VARIANT& id, VARIANT* answer, NumberOfInfo own, NumberOfStandard standard) const
    {
        if (!Connected()) return RPC_E_DISCONNECTED;
        const std::optional<long> asked = AskedId(id);
        if (const std::optional<long> number = asked ? (m_info->*own)(*asked) : std::nullopt)
            return AnswerNumber(*number, answer);
        return Standard(id, [&](const VARIANT& self) { return (m_standard->*standard)(self, answer); });
    }

    HWND m_window;
    const AccessibleInfo* m_info;
    IAccessible* m_standard = nullptr;
    LONG m_references = 1;
};

void NotifyAccessibleEvent(HWND window, DWORD event, long child)
{
    ::NotifyWinEvent(event, window, OBJID_CLIENT, child);
}

AccessibleObject* CreateAccessibleObject(HWND window, const AccessibleInfo& info)
{
    return new AccessibleObject(window, info);
}

LRESULT AnswerGetObject(AccessibleObject& object, WPARAM wParam)
{
    return ::LresultFromObject(__uuidof(IAccessible), wParam, &object);
}

void DisconnectAccessibleObject(AccessibleObject* object)
{
    if (!object) return;
    object->Disconnect();
    object->Release();
}
