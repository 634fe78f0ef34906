#include "picture/emfpaintdevice.h"

#include "picture/emf/emflengths.h"
#include "picture/emf/emfpaintengine.h"

#include <algorithm>
#include <limits>

namespace picture {

namespace {

constexpr int fallbackDpi = 96;

} // namespace

EmfPaintDevice::EmfPaintDevice(QSize sizeInPixels, int dotsPerInch)
    : m_size(std::max(1, sizeInPixels.width()), std::max(1, sizeInPixels.height()))
    , m_dpi(dotsPerInch > 0 ? dotsPerInch : fallbackDpi)
    , m_engine(std::make_unique<EmfPaintEngine>(m_size, m_dpi))
{
}

EmfPaintDevice::~EmfPaintDevice() = default;

QPaintEngine *EmfPaintDevice::paintEngine() const
{
    return m_engine.get();
}

int EmfPaintDevice::metric(PaintDeviceMetric metric) const
{
    switch (metric) {
    case PdmWidth:
        return m_size.width();
    case PdmHeight:
        return m_size.height();
    case PdmWidthMM:
        return pixelsToLength(m_size.width(), m_dpi, millimetresPerInch);
    case PdmHeightMM:
        return pixelsToLength(m_size.height(), m_dpi, millimetresPerInch);
    case PdmNumColors:
        return std::numeric_limits<int>::max();
    case PdmDepth:
        return 32;
    case PdmDpiX:
    case PdmDpiY:
    case PdmPhysicalDpiX:
    case PdmPhysicalDpiY:
        return m_dpi;
    case PdmDevicePixelRatio:
        return 1;
    case PdmDevicePixelRatioScaled:
        return static_cast<int>(devicePixelRatioFScale());
    }
    return 0;
}

QByteArray EmfPaintDevice::data() const
{
    return m_engine->metafile();
}

} // namespace picture
