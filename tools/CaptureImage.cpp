#include "tools/CaptureImage.h"

#include "shell/SafeFileWriter.h"

#include <vector>

int GetEncoderClsid(const wchar_t* mime, CLSID* clsid) {
    *clsid = CLSID();
    UINT count = 0, size = 0;
    Gdiplus::GetImageEncodersSize(&count, &size);
    if (size == 0) return -1;
    std::vector<BYTE> buffer(size);
    auto* encoders = reinterpret_cast<Gdiplus::ImageCodecInfo*>(buffer.data());
    if (Gdiplus::GetImageEncoders(count, size, encoders) != Gdiplus::Ok) return -1;
    for (UINT i = 0; i < count; ++i) {
        if (wcscmp(encoders[i].MimeType, mime) == 0) {
            *clsid = encoders[i].Clsid;
            return (int)i;
        }
    }
    return -1;
}

bool SaveCaptureImage(Gdiplus::Bitmap& picture, const CString& path, const CString& mime, int quality) {
    CLSID clsid;
    if (GetEncoderClsid(mime, &clsid) < 0) return false;
    IStream* stream = nullptr;
    if (FAILED(::CreateStreamOnHGlobal(nullptr, TRUE, &stream))) return false;
    Gdiplus::EncoderParameters parameters;
    ULONG value = (ULONG)quality;
    parameters.Count = 1;
    parameters.Parameter[0].Guid = Gdiplus::EncoderQuality;
    parameters.Parameter[0].Type = Gdiplus::EncoderParameterValueTypeLong;
    parameters.Parameter[0].NumberOfValues = 1;
    parameters.Parameter[0].Value = &value;
    bool saved = picture.Save(stream, &clsid, quality > 0 ? &parameters : nullptr) == Gdiplus::Ok;
    std::vector<BYTE> bytes;
    if (saved) {
        HGLOBAL memory = nullptr;
        STATSTG stat = {};
        saved = SUCCEEDED(::GetHGlobalFromStream(stream, &memory)) &&
                SUCCEEDED(stream->Stat(&stat, STATFLAG_NONAME)) && stat.cbSize.QuadPart > 0;
        if (saved) {
            const BYTE* data = static_cast<const BYTE*>(::GlobalLock(memory));
            saved = data != nullptr;
            if (data) {
                bytes.assign(data, data + (size_t)stat.cbSize.QuadPart);
                ::GlobalUnlock(memory);
            }
        }
    }
    stream->Release();
    return saved && CSafeFileWriter::WriteFile(path, bytes);
}
