#include "widgets/Meter.h"

#include "widgets/SkinHost.h"
#include "widgets/SkinXml.h"
#include "widgets/WebIcons.h"
#include "widgets/WidgetIds.h"

#include "shell/FileUtil.h"
#include "shell/ProgramFolder.h"
#include "tinyxml.h"

#include <objidl.h>
#include <shellapi.h>
#include <shlwapi.h>
#include <gdiplus.h>

namespace {

// Image files larger than this are not skin images; they are not read.
const DWORD kMaxImageFileSize = 64 * 1024 * 1024;

// Opens an image from a copy of the bytes in movable global memory.
Gdiplus::Image* ImageFromBytes(const void* bytes, DWORD size) {
    if (!bytes || size == 0) return nullptr;
    HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, size);
    if (!memory) return nullptr;
    void* p = GlobalLock(memory);
    if (!p) {
        GlobalFree(memory);
        return nullptr;
    }
    memcpy(p, bytes, size);
    GlobalUnlock(memory);
    IStream* stream = nullptr;
    if (CreateStreamOnHGlobal(memory, TRUE, &stream) != S_OK) {
        GlobalFree(memory);
        return nullptr;
    }
    Gdiplus::Image* image = Gdiplus::Image::FromStream(stream);
    stream->Release();  // the image keeps its own reference
    if (image && image->GetLastStatus() != Gdiplus::Ok) {
        delete image;
        image = nullptr;
    }
    return image;
}

struct ImageIdRange {
    int first, last;
    const int* resources;
};
const int kIds1[] = {242, 247, 260};
const int kIds2[] = {259, 264, 270, 291, 292, 246, 241, 280, 289, 281, 293, 296, 294, 295};
const int kIds3[] = {330, 337, 333, 335, 334, 338, 339, 340};
const int kIds4[] = {319, 318, 312, 317, 320, 313, 315, 314};
const int kIds5[] = {310, 311, 301, 321};
const ImageIdRange kImageIds[] = {
    {100001, 100003, kIds1}, {100101, 100114, kIds2}, {100115, 100122, kIds3},
    {100200, 100207, kIds4}, {100210, 100213, kIds5},
};

LoadingIndicatorMaker g_IndicatorMaker = nullptr;
CMeter* g_LoadingIndicator = nullptr;

}  // namespace

void CMeter::ReadConfig(const CInfoSection& section) {
    m_X = section.GetInt(L"X", 0);
    m_Y = section.GetInt(L"Y", 0);
    // A negative size would turn the rectangles inside out.
    m_W = std::max(0, section.GetInt(L"W", 1));
    m_H = std::max(0, section.GetInt(L"H", 1));
    m_Hidden = section.GetBool(L"Hidden", false);
    m_BevelType = section.GetInt(L"BevelType", 0);
    m_ID = section.GetInt(L"ID", -1);
    m_SolidColor = section.GetColor(L"SolidColor", 0);
    m_MeasureSection = section.GetString(L"MeasureSection", L"");
}

bool CMeter::Draw() {
    if (m_Hidden) return false;
    Gdiplus::Bitmap* buffer = m_Owner ? m_Owner->GetBackBuffer() : nullptr;
    if (!buffer) return true;
    Gdiplus::Graphics graphics(buffer);
    DrawBackground(graphics);
    return true;
}

void CMeter::DrawBackground(Gdiplus::Graphics& graphics) {
    if ((m_SolidColor >> 24) != 0) {
        Gdiplus::SolidBrush brush(Gdiplus::Color((Gdiplus::ARGB)m_SolidColor));
        graphics.FillRectangle(&brush, GetX(), GetY(), m_W, m_H);
    }
    if (m_BevelType != 0) {
        Gdiplus::Color white(255, 255, 255, 255), black(255, 0, 0, 0);
        Gdiplus::Pen light(m_BevelType == 2 ? black : white, 1.0f);
        Gdiplus::Pen dark(m_BevelType == 2 ? white : black, 1.0f);
        DrawBevel(graphics, Gdiplus::Rect(GetX() - 2, GetY() - 2, m_W + 4, m_H + 4), light, dark);
    }
}

bool CMeter::HitTest(int x, int y) {
    int left = GetX(), top = GetY();
    return x >= left && x <= left + GetW() && y >= top && y <= top + GetH();
}

void CMeter::TakeImageSize(Gdiplus::Image* image, bool keepSize) {
    if (!image || keepSize) return;
    m_W = (int)image->GetWidth();
    m_H = (int)image->GetHeight();
}

Gdiplus::Image* CMeter::LoadPngResource(int resourceId, const wchar_t* type, bool keepSize) {
    HMODULE module = GetModuleHandleW(nullptr);
    HRSRC found = FindResourceW(module, MAKEINTRESOURCEW(resourceId), type);
    if (!found) return nullptr;
    DWORD size = SizeofResource(module, found);
    HGLOBAL loaded = LoadResource(module, found);
    const void* bytes = loaded ? LockResource(loaded) : nullptr;
    Gdiplus::Image* image = ImageFromBytes(bytes, size);
    TakeImageSize(image, keepSize);
    return image;
}

bool ReadImageFileBytes(const CString& path, std::vector<BYTE>& bytes) {
    bytes.clear();
    if (path.IsEmpty()) return false;
    HANDLE file = CreateFileW(path, GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL,
                              nullptr);
    if (file == INVALID_HANDLE_VALUE) return false;
    LARGE_INTEGER size = {};
    bool ok = false;
    if (GetFileSizeEx(file, &size) && size.QuadPart > 0 && size.QuadPart <= kMaxImageFileSize) {
        bytes.resize((size_t)size.QuadPart);
        DWORD read = 0;
        ok = ReadFile(file, bytes.data(), (DWORD)bytes.size(), &read, nullptr) && read == bytes.size();
    }
    CloseHandle(file);
    if (!ok) bytes.clear();
    return ok;
}

CString ResolveBesideSkin(const CString& skinFile, const CString& path) {
    if (path.IsEmpty() || skinFile.IsEmpty() || !PathIsRelativeW(path)) return path;
    return GetFolderOfPath(skinFile) + path;
}

Gdiplus::Image* CMeter::LoadImageFile(const CString& path, bool keepSize) {
    // Relative names belong to the skin: the program never changes its
    // current folder for them, as worker threads run meanwhile.
    std::vector<BYTE> bytes;
    Gdiplus::Image* image = nullptr;
    if (ReadImageFileBytes(ResolveBesideSkin(m_Owner ? m_Owner->GetSkinFile() : CString(), path), bytes))
        image = ImageFromBytes(bytes.data(), (DWORD)bytes.size());
    TakeImageSize(image, keepSize);
    return image;
}

Gdiplus::Image* CMeter::LoadFileIcon(const CString& path, UINT iconSizeFlags, bool keepSize) {
    if (path.IsEmpty()) return nullptr;
    CString file = path;
    file.Trim(L'"');
    SHFILEINFOW info = {};
    if (!SHGetFileInfoW(file, 0, &info, sizeof info, SHGFI_ICON | SHGFI_SYSICONINDEX | iconSizeFlags) || !info.hIcon)
        return nullptr;
    Gdiplus::Bitmap* image = Gdiplus::Bitmap::FromHICON(info.hIcon);
    DestroyIcon(info.hIcon);
    if (image && image->GetLastStatus() != Gdiplus::Ok) {
        delete image;
        image = nullptr;
    }
    TakeImageSize(image, keepSize);
    return image;
}

Gdiplus::Image* CMeter::LoadWebIcon(const CString& url, bool keepSize) {
    if (url.IsEmpty()) return nullptr;
    CString folder = g_ProgramFolder + WIDGET_WEBICON_FOLDER;
    CString site = FindWebIconName(GetWebIconNames(folder), url);
    if (!site.IsEmpty()) {
        if (Gdiplus::Image* image = LoadImageFile(folder + site + L".png", keepSize)) return image;
    }
    return LoadPngResource(IDR_PNG_WEBICON_DEFAULT, L"PNG", keepSize);
}

void DrawBevel(Gdiplus::Graphics& g, const Gdiplus::Rect& rect, const Gdiplus::Pen& light,
               const Gdiplus::Pen& dark) {
    int x = rect.X, y = rect.Y;
    int r = rect.X + rect.Width - 1, b = rect.Y + rect.Height - 1;
    // Every line is drawn even when one fails; the graphics keeps the error.
    g.DrawLine(&light, x, y, x, b);
    g.DrawLine(&light, x, y, r, y);
    g.DrawLine(&light, x + 1, y + 1, x + 1, b - 1);
    g.DrawLine(&light, x + 1, y + 1, r - 1, y + 1);
    g.DrawLine(&dark, x, b, r, b);
    g.DrawLine(&dark, r, y, r, b);
    g.DrawLine(&dark, x + 1, b - 1, r - 1, b - 1);
    g.DrawLine(&dark, r - 1, y + 1, r - 1, b - 1);
}

int MapImageId(int id) {
    for (const auto& range : kImageIds)
        if (id >= range.first && id <= range.last) return range.resources[id - range.first];
    if (id >= 100301 && id <= 100324) return 341 + (id - 100301);
    return id;
}

void ConvertMeterCommon(const TiXmlElement* element, CInfoSection& section) {
    if (!element) return;
    const char* id = element->Attribute("ID");
    if (id && *id) section.SetValue(L"ID", XmlText(id));
    section.SetFromXml(element->FirstChildElement("Origin"), "X", L"X");
    section.SetFromXml(element->FirstChildElement("Origin"), "Y", L"Y");
    section.SetFromXml(element->FirstChildElement("Size"), "W", L"W");
    section.SetFromXml(element->FirstChildElement("Size"), "H", L"H");
    section.SetFromXml(element->FirstChildElement("Hidden"), "Value", L"Hidden");
    section.SetFromXml(element->FirstChildElement("BevelType"), "Value", L"BevelType");
    section.SetFromXml(element->FirstChildElement("SolidColor"), "Value", L"SolidColor");
    section.SetFromXml(element->FirstChildElement("ID"), "Value", L"ID");
    section.SetFromXml(element->FirstChildElement("MeasureSection"), "Value", L"MeasureSection");
}

void SetLoadingIndicatorMaker(LoadingIndicatorMaker maker) { g_IndicatorMaker = maker; }

CMeter* EnsureLoadingIndicator() {
    if (!g_LoadingIndicator && g_IndicatorMaker) g_LoadingIndicator = g_IndicatorMaker();
    return g_LoadingIndicator;
}

void FreeLoadingIndicator() {
    delete g_LoadingIndicator;
    g_LoadingIndicator = nullptr;
}
