#include "driver/dialog_template.h"

#include <cstring>

namespace {

const WORD kExtendedSignature = 0xFFFF;

// A cursor over the template's WORD-aligned fields.
class Reader {
public:
    Reader(const BYTE* data, size_t size) : p_(data), end_(data + size) {}
    bool ok() const { return ok_; }
    WORD Word() { return Take<WORD>(); }
    DWORD Dword() { return Take<DWORD>(); }
    BYTE Byte() { return Take<BYTE>(); }
    void AlignDword(const BYTE* base) {
        while ((p_ - base) % 4) ++p_;
    }
    // A string, or an ordinal (0xFFFF then a WORD) written as "#N".
    std::string SzOrOrdinal() {
        if (ok_ && Peek() == 0xFFFF) {
            Word();
            return "#" + std::to_string(Word());
        }
        return Sz();
    }
    std::string Sz() {
        std::wstring wide;
        for (WORD c; ok_ && (c = Word()) != 0;) wide += static_cast<wchar_t>(c);
        return Gbk(wide);
    }
    const BYTE* position() const { return p_; }

private:
    template <typename T> T Take() {
        T value{};
        if (p_ + sizeof(T) > end_) {
            ok_ = false;
            return value;
        }
        std::memcpy(&value, p_, sizeof(T));
        p_ += sizeof(T);
        return value;
    }
    WORD Peek() const {
        WORD value = 0;
        if (p_ + 2 <= end_) std::memcpy(&value, p_, 2);
        return value;
    }
    static std::string Gbk(const std::wstring& wide) {
        if (wide.empty()) return std::string();
        char buffer[1024];
        const UINT kGbk = 936;
        int n = WideCharToMultiByte(kGbk, 0, wide.c_str(), static_cast<int>(wide.size()), buffer,
                                    sizeof buffer, nullptr, nullptr);
        return std::string(buffer, n > 0 ? n : 0);
    }
    const BYTE* p_;
    const BYTE* end_;
    bool ok_ = true;
};

std::string PredefinedClass(const std::string& name) {
    static const struct { const char* atom; const char* name; } kClasses[] = {
        {"#128", "Button"}, {"#129", "Edit"}, {"#130", "Static"},
        {"#131", "ListBox"}, {"#132", "ScrollBar"}, {"#133", "ComboBox"},
    };
    for (const auto& c : kClasses)
        if (name == c.atom) return c.name;
    return name;
}

void ReadHeader(Reader& r, DialogTemplate* t, WORD* count) {
    if (t->extended) {
        r.Dword();  // help id
        t->exStyle = r.Dword();
        t->style = r.Dword();
    } else {
        t->style = r.Dword();
        t->exStyle = r.Dword();
    }
    *count = r.Word();
    t->x = static_cast<short>(r.Word());
    t->y = static_cast<short>(r.Word());
    t->cx = static_cast<short>(r.Word());
    t->cy = static_cast<short>(r.Word());
    r.SzOrOrdinal();  // menu
    r.SzOrOrdinal();  // class
    t->caption = r.Sz();
    if (!(t->style & (DS_SETFONT | DS_SHELLFONT))) return;
    t->pointSize = r.Word();
    if (t->extended) {
        t->weight = r.Word();
        t->italic = r.Byte();
        t->charset = r.Byte();
    }
    t->fontName = r.Sz();
}

void ReadItem(Reader& r, const BYTE* base, bool extended, TemplateItem* item) {
    r.AlignDword(base);
    if (extended) {
        r.Dword();  // help id
        item->exStyle = r.Dword();
        item->style = r.Dword();
    } else {
        item->style = r.Dword();
        item->exStyle = r.Dword();
    }
    item->x = static_cast<short>(r.Word());
    item->y = static_cast<short>(r.Word());
    item->cx = static_cast<short>(r.Word());
    item->cy = static_cast<short>(r.Word());
    item->id = extended ? static_cast<int>(r.Dword()) : static_cast<short>(r.Word());
    item->className = PredefinedClass(r.SzOrOrdinal());
    item->text = r.SzOrOrdinal();
    WORD extra = r.Word();
    for (WORD i = 0; i < extra; ++i) r.Byte();
}

}  // namespace

bool ReadDialogTemplate(const std::string& path, int id, DialogTemplate* out) {
    HMODULE module = LoadLibraryExA(path.c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE);
    if (!module) return false;
    bool ok = false;
    HRSRC found = FindResourceA(module, MAKEINTRESOURCEA(id), MAKEINTRESOURCEA(5));  // RT_DIALOG
    HGLOBAL loaded = found ? LoadResource(module, found) : nullptr;
    const BYTE* base = loaded ? static_cast<const BYTE*>(LockResource(loaded)) : nullptr;
    if (base) {
        Reader r(base, SizeofResource(module, found));
        WORD version = r.Word(), signature = r.Word();
        out->extended = version == 1 && signature == kExtendedSignature;
        if (!out->extended) r = Reader(base, SizeofResource(module, found));
        WORD count = 0;
        ReadHeader(r, out, &count);
        out->items.resize(count);
        for (TemplateItem& item : out->items) ReadItem(r, base, out->extended, &item);
        ok = r.ok();
    }
    FreeLibrary(module);
    return ok;
}
