#pragma once

#include "datasheet.h"
#include "numbertext.h"

#include <gtest/gtest.h>

#include <QString>

// The shipped element table, loaded once; its records give every sheet line a
// real value.
inline const ElementData &shippedData()
{
    static ElementData data;
    static const QString error = LoadElementTable(QStringLiteral(ZELVANE_EDB_PATH), data);
    EXPECT_TRUE(error.isEmpty()) << error.toStdString();
    return data;
}

inline ClassificationNames classNames()
{
    ClassificationNames names;
    InitClassificationNames(names);
    return names;
}
