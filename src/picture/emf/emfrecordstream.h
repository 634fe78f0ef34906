#pragma once

// Private to loviz_picture: the metafile writer's internals (src/picture/emf/), which no other
// layer can include.

#include <QByteArray>
#include <QSize>

#include <cstddef>
#include <cstdint>
#include <memory>
#include <vector>

namespace picture {

// One enhanced metafile being written in memory: the header first, then the records one by
// one, and at the end the EOF record and the header's totals (bytes, records, handles).
// It also keeps the object table: a new object takes the lowest free handle, and the header
// counts the highest handle ever used.
class EmfRecordStream
{
public:
    EmfRecordStream();
    ~EmfRecordStream();
    EmfRecordStream(const EmfRecordStream &) = delete;
    EmfRecordStream &operator=(const EmfRecordStream &) = delete;

    // Drops anything written so far and writes the header of a picture of the given size (at
    // least 1 × 1, as EmfPaintDevice makes it) at the given resolution: bounds in device
    // pixels, frame in 0.01 mm, and a reference device of exactly that size and resolution.
    void start(QSize sizeInPixels, int dotsPerInch);

    // Appends a record made by a libUEMF *_set function and frees it. A null record (the
    // function failed) spoils the picture: finish() then returns nothing.
    void append(char *record);
    // Appends a record written by hand: `size` bytes, a multiple of 4, little-endian.
    void appendBytes(const void *bytes, std::size_t size);

    // A free handle of the object table, now taken.
    std::uint32_t takeHandle();
    // Writes the DELETEOBJECT record of `handle` and frees the handle.
    void deleteObject(std::uint32_t handle);

    // Writes the EOF record, fills in the header's totals and returns the whole metafile;
    // empty if any record failed. The stream is empty afterwards.
    QByteArray finish();

    bool isStarted() const { return m_track != nullptr; }

private:
    struct Track;
    void drop();

    std::unique_ptr<Track> m_track;
    std::vector<bool> m_handleTaken {true}; // index = handle; handle 0 is never given out
    std::uint32_t m_highestHandle = 0;
    bool m_failed = false;
};

} // namespace picture
