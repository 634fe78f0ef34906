#pragma once

// Private to loviz_picture: the readers' internals (src/picture/read/), which no other layer can
// include.

#include <QByteArrayView>
#include <QPolygonF>

#include <cstring>
#include <optional>
#include <type_traits>
#include <vector>

namespace picture {

// The parts of one enhanced-metafile record, read as libUEMF's structures describe them. Each
// read is checked against the record's length, whatever the record claims: what does not lie
// inside it is not read.

// The record's leading structure, its first `length` bytes (all of it by default) taken from
// the record and the rest zero; nothing when the record is shorter.
template<typename Structure>
std::optional<Structure> leading(QByteArrayView record, std::size_t length = sizeof(Structure))
{
    static_assert(std::is_trivially_copyable_v<Structure>);
    if (length > sizeof(Structure) || record.size() < qsizetype(length))
        return std::nullopt;
    Structure structure;
    std::memset(static_cast<void *>(&structure), 0, sizeof(Structure));
    std::memcpy(static_cast<void *>(&structure), record.data(), length);
    return structure;
}

// Whether `count` items of `itemSize` bytes from `offset` lie inside the record.
inline bool inside(QByteArrayView record, quint64 offset, quint64 count, quint64 itemSize)
{
    const quint64 size = quint64(record.size());
    return offset <= size && (itemSize == 0 || count <= (size - offset) / itemSize);
}

// `count` items from byte `offset` of the record; empty when they do not all lie inside it.
template<typename Item>
std::vector<Item> itemsAt(QByteArrayView record, quint64 offset, quint64 count)
{
    static_assert(std::is_trivially_copyable_v<Item>);
    std::vector<Item> items;
    if (count == 0 || !inside(record, offset, count, sizeof(Item)))
        return items;
    items.resize(std::size_t(count));
    std::memcpy(static_cast<void *>(items.data()), record.data() + offset,
                std::size_t(count) * sizeof(Item));
    return items;
}

// Points stored as libUEMF's point structures (32- or 16-bit coordinates).
template<typename Point> QPolygonF polygonAt(QByteArrayView record, quint64 offset, quint64 count)
{
    const std::vector<Point> points = itemsAt<Point>(record, offset, count);
    QPolygonF polygon;
    polygon.reserve(qsizetype(points.size()));
    for (const Point &point : points)
        polygon.append(QPointF(point.x, point.y));
    return polygon;
}

// The bytes from `offset`, `length` of them; empty when they do not lie inside the record.
inline QByteArrayView bytesAt(QByteArrayView record, quint64 offset, quint64 length)
{
    if (length == 0 || !inside(record, offset, length, 1))
        return {};
    return record.sliced(qsizetype(offset), qsizetype(length));
}

} // namespace picture
