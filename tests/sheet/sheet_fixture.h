#pragma once

#include "datasheet.h"
#include "numbertext.h"
#include "testdata.h"

#include <gtest/gtest.h>

#include <QString>

inline ClassificationNames classNames()
{
    ClassificationNames names;
    InitClassificationNames(names);
    return names;
}
