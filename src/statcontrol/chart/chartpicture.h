#pragma once

#include <QByteArray>
#include <QRectF>
#include <QSize>

#include <optional>

class QGraphicsScene;
class QString;

namespace statcontrol {

// The file formats the chart is written in: the enhanced metafile (the program's own), and SVG,
// PNG and PDF through Qt's generators.
enum class ChartFileFormat { Emf, Svg, Png, Pdf };

// The format a name on the command line stands for ("emf", "svg", "png", "pdf").
std::optional<ChartFileFormat> chartFileFormat(const QString &name);

// The bytes of a picture file of `source` of the scene drawn at `size` pixels (96 per inch).
QByteArray chartPicture(QGraphicsScene &scene, const QRectF &source, QSize size,
                        ChartFileFormat format);

} // namespace statcontrol
