#pragma once

// Private to loviz_picture: the readers' internals (src/picture/read/), which no other layer can
// include.

#include <QByteArrayView>
#include <QPoint>
#include <QSizeF>

#include <functional>
#include <optional>
#include <vector>

namespace picture {

// The records of a Windows metafile whose header (placeable or plain) begins at byte 0: each
// record's function and its parameter words, in file order, up to the end or to the first
// record that does not fit.
void forEachWmfRecord(QByteArrayView bytes,
                      const std::function<void(quint16 function, QByteArrayView words)> &visit);

// The size in pixels at 96 per inch of a plain metafile: the window extent in force when it
// first draws (a 1 × 1 extent is taken for a placeholder of the one set next), measured in the
// map mode then in force: pixels for MM_TEXT, the mode's own unit for the metric and English
// modes, 1,440 units an inch for the isotropic and anisotropic ones. Nothing without an extent.
std::optional<QSizeF> plainMetafileSize(QByteArrayView bytes);

// An arc, pie or chord as its record gives it, in logical units.
struct WmfArcRecord
{
    QPoint topLeft;
    QPoint bottomRight;
    QPoint start;
    QPoint end;
};

// The arcs, pies and chords of a metafile in the order they are played.
std::vector<WmfArcRecord> wmfArcRecords(QByteArrayView bytes);

} // namespace picture
