#include "setup/named_accessible.h"

#include <oleacc.h>

#include <cstdlib>
#include <new>

#include "base/late_calls.h"
#include "render/control_text.h"

namespace {

// Defined here so that no uuid library needs to be linked.
const GUID kIidUnknown = {0x00000000, 0x0000, 0x0000, {0xC0, 0, 0, 0, 0, 0, 0, 0x46}};
const GUID kIidDispatch = {0x00020400, 0x0000, 0x0000, {0xC0, 0, 0, 0, 0, 0, 0, 0x46}};
const GUID kIidAccessible = {0x618736E0, 0x3C3D, 0x11CF, {0x81, 0x0C, 0x00, 0xAA, 0x00, 0x38, 0x9B, 0x71}};

// 1 once a request has started COM on this thread, to be ended at the end.
int StartedCom = 0;

int IsSelf(const VARIANT& child) { return child.vt == VT_I4 && child.lVal == CHILDID_SELF; }

// The standard object with another name. Interfaces other than these three
// (the child enumeration, the window) are the standard object's own.
class NamedAccessible : public IAccessible {
public:
    // Takes over the reference to standard. Made in malloc'ed memory: the
    // program links no operator new. Null when there is no memory.
    static NamedAccessible* Create(IAccessible* standard, const WCHAR* name) {
        void* memory = std::malloc(sizeof(NamedAccessible));
        return memory ? new (memory) NamedAccessible(standard, name) : nullptr;
    }
    NamedAccessible(const NamedAccessible&) = delete;
    NamedAccessible& operator=(const NamedAccessible&) = delete;

    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID id, void** object) override {
        if (!IsEqualGUID(id, kIidUnknown) && !IsEqualGUID(id, kIidDispatch) && !IsEqualGUID(id, kIidAccessible))
            return standard_->QueryInterface(id, object);
        *object = static_cast<IAccessible*>(this);
        AddRef();
        return S_OK;
    }
    ULONG STDMETHODCALLTYPE AddRef() override { return static_cast<ULONG>(InterlockedIncrement(&references_)); }
    ULONG STDMETHODCALLTYPE Release() override {
        const LONG left = InterlockedDecrement(&references_);
        if (left == 0) Destroy(this);
        return static_cast<ULONG>(left);
    }

    HRESULT STDMETHODCALLTYPE get_accName(VARIANT child, BSTR* name) override {
        if (!IsSelf(child)) return standard_->get_accName(child, name);
        *name = LateSysAllocString(name_);
        return *name ? S_OK : E_OUTOFMEMORY;
    }

    HRESULT STDMETHODCALLTYPE GetTypeInfoCount(UINT* count) override { return standard_->GetTypeInfoCount(count); }
    HRESULT STDMETHODCALLTYPE GetTypeInfo(UINT index, LCID locale, ITypeInfo** info) override {
        return standard_->GetTypeInfo(index, locale, info);
    }
    HRESULT STDMETHODCALLTYPE GetIDsOfNames(REFIID id, LPOLESTR* names, UINT count, LCID locale,
                                            DISPID* ids) override {
        return standard_->GetIDsOfNames(id, names, count, locale, ids);
    }
    HRESULT STDMETHODCALLTYPE Invoke(DISPID member, REFIID id, LCID locale, WORD flags, DISPPARAMS* parameters,
                                     VARIANT* result, EXCEPINFO* exception, UINT* argumentError) override {
        return standard_->Invoke(member, id, locale, flags, parameters, result, exception, argumentError);
    }
    HRESULT STDMETHODCALLTYPE get_accParent(IDispatch** parent) override { return standard_->get_accParent(parent); }
    HRESULT STDMETHODCALLTYPE get_accChildCount(LONG* count) override { return standard_->get_accChildCount(count); }
    HRESULT STDMETHODCALLTYPE get_accChild(VARIANT child, IDispatch** object) override {
        return standard_->get_accChild(child, object);
    }
    HRESULT STDMETHODCALLTYPE get_accValue(VARIANT child, BSTR* value) override {
        return standard_->get_accValue(child, value);
    }
    HRESULT STDMETHODCALLTYPE get_accDescription(VARIANT child, BSTR* text) override {
        return standard_->get_accDescription(child, text);
    }
    HRESULT STDMETHODCALLTYPE get_accRole(VARIANT child, VARIANT* role) override {
        return standard_->get_accRole(child, role);
    }
    HRESULT STDMETHODCALLTYPE get_accState(VARIANT child, VARIANT* state) override {
        return standard_->get_accState(child, state);
    }
    HRESULT STDMETHODCALLTYPE get_accHelp(VARIANT child, BSTR* help) override {
        return standard_->get_accHelp(child, help);
    }
    HRESULT STDMETHODCALLTYPE get_accHelpTopic(BSTR* file, VARIANT child, LONG* topic) override {
        return standard_->get_accHelpTopic(file, child, topic);
    }
    HRESULT STDMETHODCALLTYPE get_accKeyboardShortcut(VARIANT child, BSTR* shortcut) override {
        return standard_->get_accKeyboardShortcut(child, shortcut);
    }
    HRESULT STDMETHODCALLTYPE get_accFocus(VARIANT* child) override { return standard_->get_accFocus(child); }
    HRESULT STDMETHODCALLTYPE get_accSelection(VARIANT* children) override {
        return standard_->get_accSelection(children);
    }
    HRESULT STDMETHODCALLTYPE get_accDefaultAction(VARIANT child, BSTR* action) override {
        return standard_->get_accDefaultAction(child, action);
    }
    HRESULT STDMETHODCALLTYPE accSelect(LONG flags, VARIANT child) override {
        return standard_->accSelect(flags, child);
    }
    HRESULT STDMETHODCALLTYPE accLocation(LONG* left, LONG* top, LONG* width, LONG* height,
                                          VARIANT child) override {
        return standard_->accLocation(left, top, width, height, child);
    }
    HRESULT STDMETHODCALLTYPE accNavigate(LONG direction, VARIANT start, VARIANT* end) override {
        return standard_->accNavigate(direction, start, end);
    }
    HRESULT STDMETHODCALLTYPE accHitTest(LONG x, LONG y, VARIANT* child) override {
        return standard_->accHitTest(x, y, child);
    }
    HRESULT STDMETHODCALLTYPE accDoDefaultAction(VARIANT child) override {
        return standard_->accDoDefaultAction(child);
    }
    HRESULT STDMETHODCALLTYPE put_accName(VARIANT child, BSTR name) override {
        return standard_->put_accName(child, name);
    }
    HRESULT STDMETHODCALLTYPE put_accValue(VARIANT child, BSTR value) override {
        return standard_->put_accValue(child, value);
    }

private:
    NamedAccessible(IAccessible* standard, const WCHAR* name) : references_(1), standard_(standard) {
        lstrcpynW(name_, name, kControlTextCapacity);
    }
    ~NamedAccessible() { standard_->Release(); }
    static void Destroy(NamedAccessible* named) {
        named->~NamedAccessible();
        std::free(named);
    }

    LONG references_;
    IAccessible* standard_;
    WCHAR name_[kControlTextCapacity];
};

// COM for the marshalling of the answer, started once; a thread that has it
// already (in another mode) is served as it is.
void StartCom() {
    if (StartedCom) return;
    const HRESULT started = LateCoInitialize();
    StartedCom = started == S_OK || started == S_FALSE;
}

}  // namespace

LRESULT AnswerNamedClientObject(HWND control, WPARAM request, const char* name) {
    WCHAR wide[kControlTextCapacity];
    if (!MixedTextToWide(name, wide, kControlTextCapacity)) return 0;
    StartCom();
    IAccessible* standard = nullptr;
    if (FAILED(LateCreateStdAccessibleObject(control, OBJID_CLIENT, kIidAccessible,
                                              reinterpret_cast<void**>(&standard))) ||
        !standard)
        return 0;
    NamedAccessible* named = NamedAccessible::Create(standard, wide);
    if (!named) {
        standard->Release();
        return 0;
    }
    // The answer holds a reference of its own (or none, when it failed).
    const LRESULT answer = LateLresultFromObject(kIidAccessible, request, named);
    named->Release();
    return answer < 0 ? 0 : answer;
}

void EndNamedClientObjects() {
    if (!StartedCom) return;
    LateCoUninitialize();
    StartedCom = 0;
}
