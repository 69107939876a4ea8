#pragma once

#include "app/failurereason.h"

#include <QtTest>

// How QCOMPARE prints a reason that differs: its kind and every field it carries.
inline char *toString(const FailureReason &reason)
{
    return QTest::toString(reason.describe());
}
