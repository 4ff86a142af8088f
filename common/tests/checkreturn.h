// Checks for test helpers that return bool: a failed check is recorded as
// QVERIFY2 and QCOMPARE record it, and the helper returns false, so that
// QVERIFY(helper()) stops the test at its cause.
#ifndef CHECKRETURN_H
#define CHECKRETURN_H

#include <QtTest>

#define QVERIFY_RETURN(statement, description) \
    do { \
        if (!QTest::qVerify(static_cast<bool>(statement), #statement, (description), __FILE__, __LINE__)) \
            return false; \
    } while (false)

#define QCOMPARE_RETURN(actual, expected) \
    do { \
        if (!QTest::qCompare(actual, expected, #actual, #expected, __FILE__, __LINE__)) \
            return false; \
    } while (false)

#endif
