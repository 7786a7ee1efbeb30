#pragma once

#include "pagecanvas.h"

#include <QSizeF>
#include <QString>

class QWidget;

enum class PageOrientation { Portrait = 1, Landscape = 2 };

// A printer that takes one composed page at a time. Pages are composed first and
// sent afterwards, so each comes out in its own orientation.
class PagePrinter
{
public:
    virtual ~PagePrinter() = default;

    // Chooses where the next page goes, before it is composed: where the system
    // needs a file name, the user is asked for it, in a dialog over parent.
    // False when the user cancels: then nothing is to be composed.
    virtual bool chooseDestination(QWidget *parent) = 0;
    // The printable area of a page in the given orientation, in twips, on the
    // paper of the destination chosen.
    virtual QSizeF printableSize(PageOrientation orientation) = 0;
    // Prints the page as a one-page job to the destination chosen. False when
    // the job failed or was cancelled.
    virtual bool printPage(const PageCanvas &page, PageOrientation orientation) = 0;
    // Why the last page could not be written, as a line for the user such as
    // "cannot write /x/t.pdf: No space left on device"; empty when it was, and
    // when the printer gives no reason.
    virtual QString failure() const = 0;
};
