#include "ui/printertextchannel.h"

#include <QPrinter>

#include <cmath>

namespace ui {

namespace {

constexpr int tabColumns = 8;

QString startFailure(const QPrinter &printer)
{
    if (!printer.outputFileName().isEmpty()) {
        return QStringLiteral("Не удалось создать файл «%1».").arg(printer.outputFileName());
    }
    return QStringLiteral("Принтер «%1» не принял задание.").arg(printer.printerName());
}

} // namespace

PrinterTextChannel::PrinterTextChannel(QPrinter &printer)
    : m_printer(printer)
{
}

PrinterTextChannel::~PrinterTextChannel()
{
    if (m_painter.isActive())
        m_painter.end();
}

bool PrinterTextChannel::begin()
{
    m_error.clear();
    if (!m_painter.begin(&m_printer)) {
        m_error = startFailure(m_printer);
        return false;
    }
    // The painter starts with the device's default font. Without kerning the width of a
    // printed piece is the sum of its characters' widths, which the line breaking relies on.
    m_font = m_painter.font();
    m_font.setKerning(false);
    m_painter.setFont(m_font);
    m_metrics.emplace(m_font, &m_printer);
    m_advances.clear();

    const QRectF paintRect = m_printer.pageLayout().paintRectPixels(m_printer.resolution());
    // The painter's origin is the top left of the printable area unless it covers the page.
    const QPointF origin = m_printer.fullPage() ? paintRect.topLeft() : QPointF();
    m_area = QRectF(origin, paintRect.size());
    m_lineHeight = m_metrics->lineSpacing();
    m_tabWidth = tabColumns * m_metrics->averageCharWidth();
    m_y = m_area.top();
    m_pages = 1;
    return true;
}

bool PrinterTextChannel::writeLine(const QString &line)
{
    if (!m_painter.isActive() || !startRow())
        return false;
    const qreal width = m_area.width();
    qreal x = 0;
    qreal runX = 0;
    QString run;
    for (qsizetype i = 0; i < line.size();) {
        const bool pair = line.at(i).isHighSurrogate() && i + 1 < line.size()
                          && line.at(i + 1).isLowSurrogate();
        const QString character = line.mid(i, pair ? 2 : 1);
        i += character.size();
        if (character == QLatin1String("\t")) {
            flush(run, runX);
            x = (std::floor(x / m_tabWidth) + 1) * m_tabWidth;
            if (x > width) {
                m_y += m_lineHeight;
                if (!startRow())
                    return false;
                x = 0;
            }
            runX = x;
            continue;
        }
        if (character.front().category() == QChar::Other_Control)
            continue;
        const qreal w = advance(character);
        if (x > 0 && x + w > width) {
            flush(run, runX);
            m_y += m_lineHeight;
            if (!startRow())
                return false;
            x = runX = 0;
        }
        run += character;
        x += w;
    }
    flush(run, runX);
    m_y += m_lineHeight;
    return m_printer.printerState() != QPrinter::Error;
}

bool PrinterTextChannel::end()
{
    if (!m_painter.isActive())
        return false;
    const bool ended = m_painter.end();
    if ((!ended || m_printer.printerState() == QPrinter::Error) && m_error.isEmpty())
        m_error = QStringLiteral("Задание печати завершилось с ошибкой.");
    return m_error.isEmpty();
}

// A row needs one line height below its top; the first row of a page is printed even when
// the page is lower than a line.
bool PrinterTextChannel::startRow()
{
    if (m_y + m_lineHeight <= m_area.bottom() || m_y <= m_area.top())
        return true;
    return newPage();
}

bool PrinterTextChannel::newPage()
{
    if (!m_printer.newPage()) {
        m_error = QStringLiteral("Принтер не смог начать новую страницу.");
        return false;
    }
    m_y = m_area.top();
    ++m_pages;
    return true;
}

void PrinterTextChannel::flush(QString &run, qreal runX)
{
    if (run.isEmpty())
        return;
    m_painter.drawText(QPointF(m_area.left() + runX, m_y + m_metrics->ascent()), run);
    run.clear();
}

qreal PrinterTextChannel::advance(const QString &character)
{
    auto found = m_advances.constFind(character);
    if (found != m_advances.constEnd())
        return *found;
    const qreal width = m_metrics->horizontalAdvance(character);
    m_advances.insert(character, width);
    return width;
}

} // namespace ui
