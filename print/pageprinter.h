#pragma once

#include "pagecanvas.h"

#include <QSizeF>

enum class PageOrientation { Portrait = 1, Landscape = 2 };

// A printer that takes one composed page at a time. Pages are composed first and
// sent afterwards, so each comes out in its own orientation.
class PagePrinter
{
public:
    virtual ~PagePrinter() = default;

    // The printable area of a page in the given orientation, in twips.
    virtual QSizeF printableSize(PageOrientation orientation) = 0;
    // Prints the page as a one-page job. False when the job failed or was
    // cancelled; the caller carries on without a message.
    virtual bool printPage(const PageCanvas &page, PageOrientation orientation) = 0;
};
