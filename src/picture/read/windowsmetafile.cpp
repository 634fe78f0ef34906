#include "picture/read/windowsmetafile.h"

#include "picture/read/littleendian.h"
#include "picture/read/naturalsize.h"
#include "picture/read/wmfpainter.h"
#include "picture/read/wmfrecords.h"

#include <QPainter>

#include <cmath>
#include <cstring>

#include <dlfcn.h>
#include <libwmf/api.h>

namespace picture {

namespace {

// The numbers of a Windows metafile's headers and records that libwmf keeps to itself.
constexpr quint32 placeableKey = 0x9AC6CDD7;
constexpr qsizetype placeableHeaderSize = 22;
constexpr qsizetype headerSize = 18;
constexpr quint16 inMemory = 1; // the types of a plain header
constexpr quint16 onDisk = 2;
constexpr quint16 headerWords = 9;
constexpr quint16 version100 = 0x0100;
constexpr quint16 version300 = 0x0300;
constexpr double pixelsPerInch = 96;

bool isPlaceable(QByteArrayView bytes)
{
    return bytes.size() >= placeableHeaderSize && u32(bytes, 0) == placeableKey;
}

bool plainHeaderAt(QByteArrayView bytes, qsizetype at)
{
    if (bytes.size() - at < headerSize)
        return false;
    const quint16 type = u16(bytes, at);
    const quint16 version = u16(bytes, at + 4);
    return (type == inMemory || type == onDisk) && u16(bytes, at + 2) == headerWords
           && (version == version100 || version == version300);
}

// The frame of a placeable metafile or of a plain one with a window; a plain one without
// takes the bounds of its drawing after the scan.
std::optional<WmfFrame> frameBeforeScan(QByteArrayView bytes)
{
    const std::optional<QSizeF> window = plainMetafileSize(bytes);
    WmfFrame frame;
    if (isPlaceable(bytes)) {
        const double inch = u16(bytes, 14);
        if (inch == 0)
            return std::nullopt;
        const QPointF topLeft(s16(bytes, 6), s16(bytes, 8));
        const QPointF bottomRight(s16(bytes, 10), s16(bytes, 12));
        frame.kind = window ? WmfFrame::Kind::Window : WmfFrame::Kind::LogicalRect;
        frame.rect = QRectF(topLeft, bottomRight);
        frame.size = naturalSize(std::abs(frame.rect.width()) * pixelsPerInch / inch,
                                 std::abs(frame.rect.height()) * pixelsPerInch / inch);
    } else if (window) {
        frame.kind = WmfFrame::Kind::Window;
        frame.size = naturalSize(window->width(), window->height());
    }
    return frame;
}

// Whether libwmf's calls of wmf_free reach its own function (the link order in
// src/picture/CMakeLists.txt): when they do not, no Windows metafile is read.
bool libwmfFreesItsOwnMemory()
{
    static const bool own = [] {
        Dl_info info {};
        void *symbol = dlsym(RTLD_DEFAULT, "wmf_free");
        return symbol && dladdr(symbol, &info) != 0 && info.dli_fname
               && std::strstr(info.dli_fname, "libwmf") != nullptr;
    }();
    return own;
}

// No device of libwmf's own: WmfPainter takes the device functions once the library is up.
void noDevice(wmfAPI *) { }

// One use of libwmf's lightweight interface, which leaves fonts to the caller.
class WmfSession
{
public:
    WmfSession()
    {
        wmfAPI_Options options {};
        options.function = &noDevice;
        const unsigned long flags
            = WMF_OPT_FUNCTION | WMF_OPT_IGNORE_NONFATAL | WMF_OPT_NO_ERROR | WMF_OPT_NO_DEBUG;
        if (wmf_lite_create(&m_api, flags, &options) != wmf_E_None)
            m_api = nullptr;
    }
    ~WmfSession()
    {
        if (m_api)
            wmf_lite_destroy(m_api);
    }
    WmfSession(const WmfSession &) = delete;
    WmfSession &operator=(const WmfSession &) = delete;

    wmfAPI *api() const { return m_api; }

private:
    wmfAPI *m_api = nullptr;
};

} // namespace

bool isWindowsMetafile(QByteArrayView bytes)
{
    return isPlaceable(bytes) ? plainHeaderAt(bytes, placeableHeaderSize) : plainHeaderAt(bytes, 0);
}

std::optional<Picture> decodeWindowsMetafile(const QByteArray &bytes)
{
    if (!isWindowsMetafile(bytes) || !libwmfFreesItsOwnMemory())
        return std::nullopt;
    std::optional<WmfFrame> frame = frameBeforeScan(bytes);
    WmfPainter device; // outlives the library's use of it
    WmfSession session;
    if (!frame || !session.api())
        return std::nullopt;
    device.attach(session.api());
    device.setArcRecords(wmfArcRecords(bytes));
    QByteArray data = bytes; // libwmf reads through a pointer to modifiable bytes
    wmfD_Rect bounds {};
    if (wmf_mem_open(session.api(), reinterpret_cast<unsigned char *>(data.data()), data.size())
            != wmf_E_None
        || wmf_scan(session.api(), 0, &bounds) != wmf_E_None)
        return std::nullopt;
    if (frame->size.isEmpty() && frame->kind == WmfFrame::Kind::DeviceRect) {
        frame->rect = QRectF(QPointF(bounds.TL.x, bounds.TL.y), QPointF(bounds.BR.x, bounds.BR.y));
        frame->size = naturalSize(std::abs(std::ceil(frame->rect.width())),
                                  std::abs(std::ceil(frame->rect.height())));
    }
    if (!Picture::sizeAllowed(frame->size))
        return std::nullopt;
    bool played = false;
    Picture picture = Picture::recorded(frame->size, [&](QPainter &painter) {
        device.begin(&painter, *frame);
        played = wmf_play(session.api(), 0, &bounds) == wmf_E_None;
    });
    if (!played || device.failed())
        return std::nullopt;
    return picture;
}

} // namespace picture
