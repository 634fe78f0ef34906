#pragma once

// Private to loviz_picture: the readers' internals (src/picture/read/), which no other layer can
// include.

#include <QByteArrayView>
#include <QtEndian>

namespace picture {

// The little-endian number at byte `at` of a file's bytes, as bitmaps and metafiles store
// them. The caller has made sure that it lies inside the bytes.
template<typename Number> Number littleEndianAt(QByteArrayView bytes, qsizetype at)
{
    Q_ASSERT(at >= 0 && bytes.size() - at >= qsizetype(sizeof(Number)));
    return qFromLittleEndian<Number>(bytes.data() + at);
}

inline quint16 u16(QByteArrayView bytes, qsizetype at)
{
    return littleEndianAt<quint16>(bytes, at);
}

inline qint16 s16(QByteArrayView bytes, qsizetype at)
{
    return littleEndianAt<qint16>(bytes, at);
}

inline quint32 u32(QByteArrayView bytes, qsizetype at)
{
    return littleEndianAt<quint32>(bytes, at);
}

inline qint32 s32(QByteArrayView bytes, qsizetype at)
{
    return littleEndianAt<qint32>(bytes, at);
}

} // namespace picture
