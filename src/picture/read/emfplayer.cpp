#include "picture/read/emfplayer.h"

#include "picture/read/emfrecordparts.h"
#include "picture/read/littleendian.h"

#include <QPainter>

#include <algorithm>
#include <cmath>
#include <cstddef>

namespace picture {

namespace {

// Larger object tables are taken for damage: the header counts handles in 16 bits.
constexpr quint32 mostObjects = 0x10000;

QTransform transformOf(const U_XFORM &form)
{
    return QTransform(form.eM11, form.eM12, form.eM21, form.eM22, form.eDx, form.eDy);
}

bool finite(const QTransform &transform)
{
    for (const double value : {transform.m11(), transform.m12(), transform.m21(), transform.m22(),
                               transform.dx(), transform.dy()}) {
        if (!std::isfinite(value))
            return false;
    }
    return true;
}

QRectF rectOf(const U_RECTL &rect)
{
    return QRectF(QPointF(rect.left, rect.top), QPointF(rect.right, rect.bottom)).normalized();
}

} // namespace

EmfPlayer::EmfPlayer(const EnhancedMetafileFrame &frame)
    : m_frame(frame)
{
    const QRectF from = frame.frame;
    m_deviceToPicture = QTransform::fromTranslate(-from.left(), -from.top())
                        * QTransform::fromScale(frame.size.width() / from.width(),
                                                frame.size.height() / from.height());
    const QSizeF size(frame.size);
    m_everything.addRect(QRectF(QPointF(-size.width(), -size.height()), size * 3));
    m_objects.resize(std::clamp<quint32>(frame.handles, 1, mostObjects));
}

void EmfPlayer::play(QPainter &painter)
{
    m_painter = &painter;
    // Shapes without antialiasing, as GDI draws them (and at a third of the cost).
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, false);
    const QByteArrayView records(m_frame.records);
    constexpr qsizetype head = sizeof(U_EMR);
    for (qsizetype at = 0; records.size() - at >= head;) {
        const quint32 type = u32(records, at + offsetof(U_EMR, iType));
        const quint32 size = u32(records, at + offsetof(U_EMR, nSize));
        if (size < head || size > quint64(records.size() - at))
            break;
        playRecord(type, records.sliced(at, size));
        at += size;
    }
    painter.restore();
    m_painter = nullptr;
}

void EmfPlayer::playRecord(quint32 type, QByteArrayView record)
{
    // Each group tells whether the record was one of its own.
    (void)(playState(type, record) || playObject(type, record) || playClip(type, record)
           || playPath(type, record) || playShape(type, record) || playPoints(type, record)
           || playPixels(type, record) || playText(type, record));
}

bool EmfPlayer::playState(quint32 type, QByteArrayView record)
{
    const auto mode = [record] {
        const std::optional<U_EMRSETMAPMODE> set = leading<U_EMRSETMAPMODE>(record);
        return set ? set->iMode : 0;
    };
    const auto point = [record] {
        const std::optional<U_EMRSETWINDOWORGEX> set = leading<U_EMRSETWINDOWORGEX>(record);
        return set ? QPointF(set->ptlOrigin.x, set->ptlOrigin.y) : QPointF();
    };
    const auto extent = [record]() -> std::optional<QSizeF> {
        const std::optional<U_EMRSETWINDOWEXTEX> set = leading<U_EMRSETWINDOWEXTEX>(record);
        if (!set || set->szlExtent.cx == 0 || set->szlExtent.cy == 0)
            return std::nullopt;
        return QSizeF(set->szlExtent.cx, set->szlExtent.cy);
    };
    const auto colour = [record]() -> std::optional<QColor> {
        const std::optional<U_EMRSETTEXTCOLOR> set = leading<U_EMRSETTEXTCOLOR>(record);
        return set ? std::optional(colourOf(set->crColor)) : std::nullopt;
    };
    switch (type) {
    case U_EMR_SAVEDC:
        if (m_saved.size() < mostObjects)
            m_saved.push_back(m_state);
        return true;
    case U_EMR_RESTOREDC: {
        const std::optional<U_EMRRESTOREDC> restore = leading<U_EMRRESTOREDC>(record);
        const qint64 level = restore ? restore->iRelative : 0;
        // Negative: so many states back; positive: that state counted from the first.
        const qint64 index = level < 0 ? qint64(m_saved.size()) + level : level - 1;
        if (level == 0 || index < 0 || index >= qint64(m_saved.size()))
            return true;
        m_state = m_saved[std::size_t(index)];
        m_saved.resize(std::size_t(index));
        m_clipApplied = false;
        mappingChanged();
        return true;
    }
    case U_EMR_SETMAPMODE:
        if (mode() >= U_MM_MIN && mode() <= U_MM_MAX)
            m_state.mapMode = mode();
        mappingChanged();
        return true;
    case U_EMR_SETWINDOWORGEX:
        m_state.windowOrigin = point();
        mappingChanged();
        return true;
    case U_EMR_SETVIEWPORTORGEX:
        m_state.viewportOrigin = point();
        mappingChanged();
        return true;
    case U_EMR_SETWINDOWEXTEX:
        m_state.windowExtent = extent().value_or(m_state.windowExtent);
        mappingChanged();
        return true;
    case U_EMR_SETVIEWPORTEXTEX:
        m_state.viewportExtent = extent().value_or(m_state.viewportExtent);
        mappingChanged();
        return true;
    case U_EMR_SCALEVIEWPORTEXTEX:
    case U_EMR_SCALEWINDOWEXTEX: {
        const std::optional<U_EMRSCALEVIEWPORTEXTEX> scale
            = leading<U_EMRSCALEVIEWPORTEXTEX>(record);
        if (!scale || scale->xDenom == 0 || scale->yDenom == 0 || scale->xNum == 0
            || scale->yNum == 0)
            return true;
        QSizeF &scaled
            = type == U_EMR_SCALEVIEWPORTEXTEX ? m_state.viewportExtent : m_state.windowExtent;
        scaled = QSizeF(scaled.width() * scale->xNum / scale->xDenom,
                        scaled.height() * scale->yNum / scale->yDenom);
        mappingChanged();
        return true;
    }
    case U_EMR_SETWORLDTRANSFORM: {
        const std::optional<U_EMRSETWORLDTRANSFORM> set = leading<U_EMRSETWORLDTRANSFORM>(record);
        if (set && finite(transformOf(set->xform)))
            m_state.world = transformOf(set->xform);
        mappingChanged();
        return true;
    }
    case U_EMR_MODIFYWORLDTRANSFORM: {
        const std::optional<U_EMRMODIFYWORLDTRANSFORM> modify
            = leading<U_EMRMODIFYWORLDTRANSFORM>(record);
        if (!modify)
            return true;
        const QTransform by = transformOf(modify->xform);
        QTransform world = m_state.world;
        if (modify->iMode == U_MWT_IDENTITY)
            world = QTransform();
        else if (modify->iMode == U_MWT_LEFTMULTIPLY)
            world = by * world;
        else if (modify->iMode == U_MWT_RIGHTMULTIPLY)
            world = world * by;
        else if (modify->iMode == U_MWT_RIGHTMULTIPLY + 1) // set
            world = by;
        if (finite(world))
            m_state.world = world;
        mappingChanged();
        return true;
    }
    case U_EMR_SETTEXTCOLOR:
        m_state.textColour = colour().value_or(m_state.textColour);
        return true;
    case U_EMR_SETBKCOLOR:
        m_state.backgroundColour = colour().value_or(m_state.backgroundColour);
        return true;
    case U_EMR_SETBKMODE:
        m_state.opaqueBackground = mode() == U_OPAQUE;
        return true;
    case U_EMR_SETTEXTALIGN:
        m_state.textAlign = mode();
        return true;
    case U_EMR_SETPOLYFILLMODE:
        m_state.fillRule = mode() == U_WINDING ? Qt::WindingFill : Qt::OddEvenFill;
        return true;
    case U_EMR_SETARCDIRECTION:
        m_state.clockwise = mode() == U_AD_CLOCKWISE;
        return true;
    case U_EMR_SETROP2:
        m_state.rasterOperation = mode();
        return true;
    case U_EMR_MOVETOEX: {
        const std::optional<U_EMRMOVETOEX> move = leading<U_EMRMOVETOEX>(record);
        if (move)
            m_state.position = QPointF(move->ptl.x, move->ptl.y);
        if (move && m_inPath)
            m_path.moveTo(transform().map(m_state.position));
        return true;
    }
    default:
        return false;
    }
}

bool EmfPlayer::playObject(quint32 type, QByteArrayView record)
{
    // The first field after the record's type and size is the object's index in the table.
    const std::optional<U_EMRSELECTOBJECT> indexed = leading<U_EMRSELECTOBJECT>(record);
    const quint32 index = indexed ? indexed->ihObject : 0;
    const auto make = [this, index](EmfObject object) {
        if (index > 0 && index < m_objects.size())
            m_objects[index] = std::move(object);
        return true;
    };
    switch (type) {
    case U_EMR_CREATEPEN: {
        const std::optional<U_EMRCREATEPEN> pen = leading<U_EMRCREATEPEN>(record);
        return pen ? make(penOf(pen->lopn)) : true;
    }
    case U_EMR_EXTCREATEPEN: {
        const std::optional<U_EMREXTCREATEPEN> pen
            = leading<U_EMREXTCREATEPEN>(record, offsetof(U_EMREXTCREATEPEN, elp.elpStyleEntry));
        if (!pen)
            return true;
        const std::vector<quint32> dashes = itemsAt<quint32>(
            record, offsetof(U_EMREXTCREATEPEN, elp.elpStyleEntry), pen->elp.elpNumEntries);
        return make(extendedPenOf(pen->elp, dashes));
    }
    case U_EMR_CREATEBRUSHINDIRECT: {
        const std::optional<U_EMRCREATEBRUSHINDIRECT> brush
            = leading<U_EMRCREATEBRUSHINDIRECT>(record);
        return brush ? make(brushOf(brush->lb)) : true;
    }
    case U_EMR_CREATEDIBPATTERNBRUSHPT:
    case U_EMR_CREATEMONOBRUSH:
        return make(patternBrush(record, type == U_EMR_CREATEMONOBRUSH));
    case U_EMR_EXTCREATEFONTINDIRECTW: {
        const std::optional<U_EMREXTCREATEFONTINDIRECTW> font
            = leading<U_EMREXTCREATEFONTINDIRECTW>(
                record, offsetof(U_EMREXTCREATEFONTINDIRECTW, elfw) + sizeof(U_LOGFONT));
        return font ? make(fontOf(font->elfw.elfLogFont)) : true;
    }
    case U_EMR_CREATEPALETTE:
    case U_EMR_CREATECOLORSPACE:
    case U_EMR_CREATECOLORSPACEW:
        return make(EmfOtherObject {});
    case U_EMR_DELETEOBJECT:
        return make(std::monostate {});
    case U_EMR_SELECTOBJECT: {
        std::optional<EmfObject> object = stockObject(index);
        if (!object && index < m_objects.size())
            object = m_objects[index];
        if (!object)
            return true;
        if (const QPen *pen = std::get_if<QPen>(&*object))
            m_state.pen = *pen;
        else if (const EmfBrush *brush = std::get_if<EmfBrush>(&*object))
            m_state.brush = *brush;
        else if (const EmfFont *font = std::get_if<EmfFont>(&*object))
            m_state.font = *font;
        return true;
    }
    case U_EMR_SELECTPALETTE:
    case U_EMR_REALIZEPALETTE:
    case U_EMR_SETCOLORSPACE:
    case U_EMR_DELETECOLORSPACE:
        return true;
    default:
        return false;
    }
}

bool EmfPlayer::playClip(quint32 type, QByteArrayView record)
{
    switch (type) {
    case U_EMR_INTERSECTCLIPRECT:
    case U_EMR_EXCLUDECLIPRECT: {
        const std::optional<U_EMRINTERSECTCLIPRECT> rect = leading<U_EMRINTERSECTCLIPRECT>(record);
        if (!rect)
            return true;
        QPainterPath shape;
        shape.addRect(rectOf(rect->rclClip));
        setClip(combinedClip(m_state.clip, transform().map(shape),
                             type == U_EMR_INTERSECTCLIPRECT ? U_RGN_AND : U_RGN_DIFF,
                             m_everything));
        return true;
    }
    case U_EMR_OFFSETCLIPRGN: {
        const std::optional<U_EMROFFSETCLIPRGN> offset = leading<U_EMROFFSETCLIPRGN>(record);
        if (!offset || !m_state.clip)
            return true;
        const QTransform &to = transform();
        const QPointF by
            = to.map(QPointF(offset->ptlOffset.x, offset->ptlOffset.y)) - to.map(QPointF(0, 0));
        setClip(m_state.clip->translated(by));
        return true;
    }
    case U_EMR_EXTSELECTCLIPRGN: {
        const std::optional<U_EMREXTSELECTCLIPRGN> select
            = leading<U_EMREXTSELECTCLIPRGN>(record, offsetof(U_EMREXTSELECTCLIPRGN, RgnData));
        if (!select)
            return true;
        const QByteArrayView data
            = bytesAt(record, offsetof(U_EMREXTSELECTCLIPRGN, RgnData), select->cbRgnData);
        if (data.isEmpty()) {
            // No region: only a copy means something, and it clips nothing any more.
            if (select->iMode == U_RGN_COPY)
                setClip(std::nullopt);
            return true;
        }
        const std::optional<QPainterPath> region = regionPath(data);
        if (region)
            setClip(combinedClip(m_state.clip, m_deviceToPicture.map(*region), select->iMode,
                                 m_everything));
        return true;
    }
    case U_EMR_SELECTCLIPPATH: {
        const std::optional<U_EMRSELECTCLIPPATH> select = leading<U_EMRSELECTCLIPPATH>(record);
        if (select && !m_inPath) {
            QPainterPath path = m_path;
            path.setFillRule(m_state.fillRule);
            setClip(combinedClip(m_state.clip, path.simplified(), select->iMode, m_everything));
        }
        m_path = QPainterPath();
        return true;
    }
    case U_EMR_SETMETARGN:
        return true;
    default:
        return false;
    }
}

const QTransform &EmfPlayer::transform()
{
    if (!m_transformValid) {
        m_transform = m_state.world * pageTransform(m_state, m_frame.pixelsPerMillimetre)
                      * m_deviceToPicture;
        m_transformValid = true;
        m_transformApplied = false;
    }
    return m_transform;
}

void EmfPlayer::setClip(std::optional<QPainterPath> clip)
{
    m_state.clip = std::move(clip);
    m_clipApplied = false;
}

// The painter keeps one saved state: the player's clip narrows the clip of whoever plays the
// picture, and a new clip starts again from that state.
QPainter &EmfPlayer::painterInPixels()
{
    QPainter &painter = *m_painter;
    if (!m_clipApplied) {
        painter.restore();
        painter.save();
        if (m_state.clip)
            painter.setClipPath(*m_state.clip, Qt::IntersectClip);
        m_clipApplied = true;
    }
    painter.resetTransform();
    m_transformApplied = false;
    return painter;
}

QPainter &EmfPlayer::painterFor(bool stroke, bool fill)
{
    QPainter &painter = *m_painter;
    if (!m_clipApplied)
        painterInPixels();
    if (!m_transformApplied || !m_transformValid) {
        painter.setTransform(transform());
        m_transformApplied = true;
    }
    painter.setPen(stroke ? m_state.pen : QPen(Qt::NoPen));
    painter.setBrush(fill ? m_state.brush.brush : QBrush(Qt::NoBrush));
    return painter;
}

} // namespace picture
