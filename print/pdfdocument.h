#pragma once

#include "pageprinter.h"

#include <QByteArray>
#include <QDateTime>
#include <QPageSize>
#include <QSizeF>

enum class PageFormat { Pdf, Svg };

// The printable area of a PDF page of that paper in that orientation, in twips.
QSizeF pdfPrintableSize(QPageSize::PageSizeId paper, PageOrientation orientation);

// One page as a PDF document on that paper, its pictures lossless. A valid
// created time becomes the document's creation date, in UTC; otherwise it is
// the time of writing.
QByteArray pdfDocument(const PageCanvas &page, PageOrientation orientation,
                       QPageSize::PageSizeId paper, const QDateTime &created = {});

// One page as an SVG document of that paper's size, 96 units to the inch:
// text stays text, boxes boxes, pictures with all their pixels.
QByteArray svgDocument(const PageCanvas &page, PageOrientation orientation,
                       QPageSize::PageSizeId paper);

// The time SOURCE_DATE_EPOCH gives in seconds since 1970, for documents that
// come out the same on every run; invalid when it is unset or not such a time.
QDateTime sourceDateEpoch();
