#pragma once

#include "core/ArithmeticError.h"

#include <QString>
#include <QTest>

#include <cmath>
#include <string>

namespace pellucors::test {

// Full precision, so that a failed comparison shows the narrowing.
inline QString Describe(double value) {
    return QString::number(value, 'g', 17);
}

// Exact equality (QCOMPARE on floating point is fuzzy); NaN equals NaN.
template <typename Number> bool SameValue(Number actual, Number expected) {
    return (std::isnan(actual) && std::isnan(expected)) || actual == expected;
}

inline QString KindName(ArithmeticError::Kind kind) {
    switch (kind) {
    case ArithmeticError::Kind::Overflow:
        return QStringLiteral("Overflow");
    case ArithmeticError::Kind::DivisionByZero:
        return QStringLiteral("DivisionByZero");
    case ArithmeticError::Kind::Invalid:
        return QStringLiteral("Invalid");
    }
    return QStringLiteral("unknown kind");
}

inline const QString kNoFailure = QStringLiteral("no failure");

// What `action` ended with: "no failure" or the kind of its ArithmeticError.
template <typename Action> QString Outcome(Action&& action) {
    try {
        action();
    } catch (const ArithmeticError& error) {
        return KindName(error.kind());
    }
    return kNoFailure;
}

inline std::string ToStd(const QByteArray& bytes) {
    return std::string(bytes.constData(), static_cast<std::size_t>(bytes.size()));
}

inline QString Visible(const std::string& text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

} // namespace pellucors::test

// Exact comparison of two numbers of the same type, printed in full on failure.
#define PELLUCORS_COMPARE_EXACT(actual, expected)                                                  \
    do {                                                                                           \
        const auto actualValue_ = (actual);                                                        \
        const decltype(actualValue_) expectedValue_ = (expected);                                  \
        QVERIFY2(                                                                                  \
            pellucors::test::SameValue(actualValue_, expectedValue_),                              \
            qPrintable(QStringLiteral("%1 is %2, expected %3")                                     \
                           .arg(QStringLiteral(#actual), pellucors::test::Describe(actualValue_),  \
                                pellucors::test::Describe(expectedValue_))));                      \
    } while (false)
