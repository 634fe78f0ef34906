#pragma once

// Private to loviz_picture: the readers' internals (src/picture/read/), which no other layer can
// include.

#include <QBrush>
#include <QColor>
#include <QFont>
#include <QPen>
#include <QString>

#include <libwmf/ipa.h>

namespace picture {

// How a metafile's device context draws, in Qt's terms.

QColor colourOf(const wmfRGB &colour);
// The context's pen; `scale` maps device units to pixels. A pen thinner than a pixel is drawn
// one pixel wide, as the system draws it.
QPen penOf(const wmfDC *dc, double scale);
// The context's brush (a hatch has the background colour behind it when the background mode
// is opaque: see hatchBackground()).
QBrush brushOf(const wmfDC *dc);
// The colour behind a hatched brush's lines, or none.
QBrush hatchBackground(const wmfDC *dc);
// The font of a metafile font record at a size in pixels.
QFont fontOf(const wmfFont *font, int pixelSize);
// Text bytes of a metafile font's character set as a string.
QString decodedText(const char *bytes, const wmfFont *font);

} // namespace picture
