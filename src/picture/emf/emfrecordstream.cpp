#include "picture/emf/emfrecordstream.h"

#include "picture/emf/emflengths.h"

#include <uemf.h>

#include <algorithm>
#include <bit>
#include <cstdlib>
#include <cstring>

static_assert(std::endian::native == std::endian::little,
              "EMF records are little-endian and are written here as they lie in memory");

namespace picture {

namespace {

constexpr std::uint32_t firstChunk = 64 * 1024;

} // namespace

// libUEMF's record buffer, allocated here since emf_start() insists on a file.
struct EmfRecordStream::Track
{
    EMFTRACK track {};

    Track()
    {
        track.buf = static_cast<char *>(std::malloc(firstChunk));
        track.allocated = track.buf ? firstChunk : 0;
        track.chunk = firstChunk;
    }
    ~Track() { std::free(track.buf); }
    Track(const Track &) = delete;
    Track &operator=(const Track &) = delete;
};

EmfRecordStream::EmfRecordStream() = default;

EmfRecordStream::~EmfRecordStream() = default;

void EmfRecordStream::drop()
{
    m_track.reset();
    m_handleTaken.assign(1, true);
    m_highestHandle = 0;
    m_failed = false;
}

void EmfRecordStream::start(QSize sizeInPixels, int dotsPerInch)
{
    drop();
    m_track = std::make_unique<Track>();
    m_failed = m_track->track.buf == nullptr;

    const int width = sizeInPixels.width();
    const int height = sizeInPixels.height();
    // Both rectangles are inclusive: the last pixel, the last hundredth of a millimetre.
    const U_RECTL bounds {0, 0, width - 1, height - 1};
    const U_RECTL frame {0, 0,
                         pixelsToLength(width, dotsPerInch, hundredthsOfMillimetrePerInch) - 1,
                         pixelsToLength(height, dotsPerInch, hundredthsOfMillimetrePerInch) - 1};
    // The reference device is the picture itself, so its resolution is the picture's.
    const U_SIZEL device {width, height};
    const U_SIZEL millimetres {
        std::max(1, pixelsToLength(width, dotsPerInch, millimetresPerInch)),
        std::max(1, pixelsToLength(height, dotsPerInch, millimetresPerInch))};
    char *header = U_EMRHEADER_set(bounds, frame, nullptr, 0, nullptr, device, millimetres, 0);
    if (header) {
        // Exact, where the millimetres above are rounded.
        auto *fields = reinterpret_cast<U_EMRHEADER *>(header);
        fields->szlMicrometers = {pixelsToLength(width, dotsPerInch, micrometresPerInch),
                                  pixelsToLength(height, dotsPerInch, micrometresPerInch)};
    }
    append(header);
}

void EmfRecordStream::append(char *record)
{
    if (!record || !m_track || m_failed) {
        m_failed = true;
        std::free(record);
        return;
    }
    if (emf_append(reinterpret_cast<U_ENHMETARECORD *>(record), &m_track->track, 1) != 0) {
        // emf_append() frees the record only once it is appended.
        std::free(record);
        m_failed = true;
    }
}

void EmfRecordStream::appendBytes(const void *bytes, std::size_t size)
{
    char *record = static_cast<char *>(std::malloc(size));
    if (record)
        std::memcpy(record, bytes, size);
    append(record);
}

std::uint32_t EmfRecordStream::takeHandle()
{
    auto freeSlot = std::find(m_handleTaken.begin(), m_handleTaken.end(), false);
    const auto handle = static_cast<std::uint32_t>(freeSlot - m_handleTaken.begin());
    if (freeSlot == m_handleTaken.end())
        m_handleTaken.push_back(true);
    else
        *freeSlot = true;
    m_highestHandle = std::max(m_highestHandle, handle);
    return handle;
}

void EmfRecordStream::deleteObject(std::uint32_t handle)
{
    append(U_EMRDELETEOBJECT_set(handle));
    if (handle < m_handleTaken.size())
        m_handleTaken[handle] = false;
}

QByteArray EmfRecordStream::finish()
{
    if (!m_track)
        return {};
    append(U_EMREOF_set(0, nullptr, &m_track->track));
    QByteArray metafile;
    if (!m_failed) {
        EMFTRACK &track = m_track->track;
        auto *header = reinterpret_cast<U_EMRHEADER *>(track.buf);
        header->nBytes = static_cast<std::uint32_t>(track.used);
        header->nRecords = track.records;
        header->nHandles = static_cast<std::uint16_t>(m_highestHandle + 1);
        header->nPalEntries = 0;
        metafile = QByteArray(track.buf, static_cast<qsizetype>(track.used));
    }
    drop();
    return metafile;
}

} // namespace picture
