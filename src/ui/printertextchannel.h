#pragma once

#include <QFont>
#include <QFontMetricsF>
#include <QHash>
#include <QPainter>
#include <QString>

#include <optional>

class QPrinter;

namespace ui {

// A print job that takes text lines and lays them out itself: top to bottom from the top left
// corner of the printable area, in the printer's default font; a line wider than the page
// breaks after the last character that fits and goes on in the next line; a new page starts
// when the next line would not fit; a tab advances to the next multiple of eight average
// character widths. Other control characters take no room. The job is ended by end() or, at
// the latest, by the destructor, also after a failure.
class PrinterTextChannel
{
public:
    explicit PrinterTextChannel(QPrinter &printer);
    ~PrinterTextChannel();
    PrinterTextChannel(const PrinterTextChannel &) = delete;
    PrinterTextChannel &operator=(const PrinterTextChannel &) = delete;

    // Starts the print job. On failure returns false, and errorString() says why.
    bool begin();
    // Prints one line (possibly empty, possibly more than one printed line).
    bool writeLine(const QString &line);
    // Ends the print job; false if the job failed.
    bool end();

    QString errorString() const { return m_error; }
    int pageCount() const { return m_pages; }

private:
    bool startRow();
    bool newPage();
    void flush(QString &run, qreal runX);
    qreal advance(const QString &character);

    QPrinter &m_printer;
    QPainter m_painter;
    QFont m_font;
    std::optional<QFontMetricsF> m_metrics;
    QHash<QString, qreal> m_advances;
    QRectF m_area;
    qreal m_lineHeight = 0;
    qreal m_tabWidth = 0;
    qreal m_y = 0;
    int m_pages = 0;
    QString m_error;
};

} // namespace ui
