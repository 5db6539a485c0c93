#include "app/chem/element_printout.h"

#include <QFontMetricsF>
#include <QPainter>
#include <QPrinter>

#include "app/chem/crystal_drawing.h"
#include "app/shell/printing.h"
#include "core/chem/sheet_printout.h"
#include "app/shell/qt_text.h"

namespace numeralia::app {

namespace {

// Writes lines down the page in one font at a time; columns are character columns of the
// current font, counted from 1.
class PageWriter {
public:
    PageWriter(QPainter& painter, const QRectF& page, int dotsPerInch)
        : painter_(painter), page_(page), dpi_(dotsPerInch), y_(page.top()) {}

    void setFont(double points, bool bold = false) {
        QFont font(QStringLiteral("Arial"));
        font.setStyleHint(QFont::SansSerif);
        font.setBold(bold);
        // Sizes in points on a device of dpi_ dots per inch.
        font.setPixelSize(qMax(1, qRound(points * dpi_ / 72.0)));
        painter_.setFont(font);
    }
    double column(int n) const {
        return page_.left() + (n - 1) * QFontMetricsF(painter_.font()).averageCharWidth();
    }
    double lineHeight() const { return QFontMetricsF(painter_.font()).lineSpacing(); }
    double textWidth(const QString& text) const {
        return QFontMetricsF(painter_.font()).horizontalAdvance(text);
    }
    void blank(int lines = 1) { y_ += lines * lineHeight(); }
    void line(const QString& text, int atColumn) { line(text, column(atColumn), {}, 0); }
    // A caption and its value; the value's column moves right if a caption would reach it.
    void line(const QString& caption, double captionX, const QString& value, double valueX) {
        const double baseline = y_ + QFontMetricsF(painter_.font()).ascent();
        painter_.drawText(QPointF(captionX, baseline), caption);
        if (!value.isEmpty()) painter_.drawText(QPointF(valueX, baseline), value);
        y_ += lineHeight();
    }
    double y() const { return y_; }

private:
    QPainter& painter_;
    QRectF page_;
    int dpi_;
    double y_;
};

}  // namespace

void paintElementSheet(QPainter& painter, const QRectF& page, int dotsPerInch,
                       const chem::PeriodicTableModel& model) {
    const chem::SheetPrintout sheet = chem::sheetPrintout(model);
    painter.save();
    painter.setPen(Qt::black);
    PageWriter writer(painter, page, dotsPerInch);
    writer.setFont(10);
    writer.blank(2);
    writer.setFont(7);
    writer.line(qs(sheet.credit), 16);
    writer.blank(3);
    const double pictureTop = writer.y();
    writer.setFont(18, true);
    writer.line(qs(sheet.name), 7);
    writer.blank();
    writer.setFont(14);
    for (const chem::PrintLine& line : sheet.large)
        writer.line(qs(line.caption), writer.column(8), qs(line.value), writer.column(35));
    // The crystal picture to the right of the large lines, two inches wide.
    const double side = 2.0 * dotsPerInch;
    paintCrystal(painter, QRectF(page.right() - side, pictureTop, side, side),
                 model.crystalPicture());

    writer.setFont(12);
    writer.blank();
    double valueX = writer.column(58);
    for (const chem::PrintLine& line : sheet.properties) {
        valueX = std::max(valueX, writer.column(10) + writer.textWidth(qs(line.caption)) +
                                      writer.textWidth(QStringLiteral("  ")));
    }
    for (const chem::PrintLine& line : sheet.properties)
        writer.line(qs(line.caption), writer.column(10), qs(line.value), valueX);
    painter.restore();
}

QString printElementSheet(QWidget* parent, const chem::PeriodicTableModel& model) {
    const QString title = model.sheet().nombres.empty()
                              ? QStringLiteral("Tabla Periódica")
                              : QStringLiteral("Tabla Periódica - %1").arg(qs(model.sheet().nombres));
    return printPainted(parent, title, [&model](QPainter& painter, QPrinter& printer) {
        const QRectF page = printer.pageLayout().paintRectPixels(printer.resolution());
        paintElementSheet(painter, QRectF(QPointF(0, 0), page.size()), printer.resolution(), model);
    });
}

}  // namespace numeralia::app
