#pragma once

#include "atomsprites.h"
#include "datasheet.h"
#include "testdata.h"

namespace sheetfixture {

inline ClassificationNames classNames()
{
    ClassificationNames names;
    InitClassificationNames(names);
    return names;
}

// Element n's print sheet of the shipped data on page, with the atom picture
// 6060 twips high; returns the header's bottom, where the atom goes.
inline qint16 printSheet(PageCanvas &page, qint16 n, double pageWidth,
                         const ElementSources *sources = nullptr, double pageHeight = 0)
{
    Surface pbprt(8, 8);
    const AtomSprites &s = atomSprites();
    return writePrintSheet(page, pbprt, shippedData(), n, classNames(),
                           {s.pbP, s.pbN, s.pbE, s.pbEmask}, 6060, pageWidth, sources, pageHeight);
}

// The screen sheet of element n with no state symbols, drawn onto pb.
inline SheetRows screenSheet(Surface &pb, const ElementData &data, qint16 n)
{
    const std::array<Surface, 4> none;
    return writeScreenSheet(pb, data, n, classNames(), {none, none});
}

} // namespace sheetfixture
