// Distance units and the GPS error model: MaxBaseDistance gives kilometres
// for every unit (the allowed error is in centimetres whatever the unit), ConvertFromKilometers is
// the inverse of the unit conversion, and every arithmetic failure throws ArithmeticError with its
// kind.
#include "CoreTestHelpers.h"
#include "ExpectedMessages.h"
#include "FakeMessageService.h"

#include "core/ArithmeticError.h"
#include "core/CheckedArithmetic.h"
#include "core/DistanceUnit.h"
#include "core/NumberText.h"
#include "core/StationPlan.h"
#include "core/SurveyMath.h"

#include <QObject>
#include <QTest>

#include <cfloat>
#include <cmath>
#include <cstdint>
#include <limits>
#include <stdexcept>
#include <string>

using namespace pellucors;
using pellucors::test::FakeMessageService;
using pellucors::test::kNoFailure;
using pellucors::test::Outcome;

namespace {

constexpr float kFloatNaN = std::numeric_limits<float>::quiet_NaN();
constexpr float kFloatInf = std::numeric_limits<float>::infinity();
constexpr double kDoubleNaN = std::numeric_limits<double>::quiet_NaN();
constexpr double kDoubleInf = std::numeric_limits<double>::infinity();

// The first double that rounds to infinity when narrowed to a single, and the
// last one that still rounds to FLT_MAX.
constexpr double kFirstOverflowingDouble = 0x1.ffffffp+127;
constexpr double kLastDoubleRoundingToFltMax = 0x1.fffffefffffffp+127;

// Exactly one message was shown, and it was the unit reminder.
bool OnlyTheUnitReminder(const FakeMessageService& messages) {
    return messages.shown.size() == 1 && messages.Last().title == test::kUnitReminder.title &&
           messages.Last().text == test::kUnitReminder.text &&
           messages.Last().icon == MessageIcon::Information &&
           messages.Last().buttons == MessageButtons::Ok;
}

} // namespace

class TestSurveyMath : public QObject {
    Q_OBJECT

private Q_SLOTS:
    // Unit table.
    void unitTable();
    void unitTableOutsideRange_data();
    void unitTableOutsideRange();

    // ConvertToKilometers.
    void convertToKilometers_data();
    void convertToKilometers();
    void convertToKilometersUnitOutsideRange_data();
    void convertToKilometersUnitOutsideRange();
    void convertToKilometersLargestConvertible();
    void convertToKilometersFailures_data();
    void convertToKilometersFailures();

    // ConvertFromKilometers, which shows distances in the unit the user picked.
    void convertFromKilometers_data();
    void convertFromKilometers();
    void convertFromKilometersRoundTrip();
    void convertFromKilometersUnderflowIsNoError();
    void convertFromKilometersFailures_data();
    void convertFromKilometersFailures();

    // TotalGpsError.
    void totalGpsError_data();
    void totalGpsError();
    void totalGpsErrorRoundedByTheCaller();
    void totalGpsErrorCancellation_data();
    void totalGpsErrorCancellation();
    void totalGpsErrorFailures_data();
    void totalGpsErrorFailures();

    // MaxBaseDistance.
    void maxBaseDistance_data();
    void maxBaseDistance();
    void maxBaseDistanceIsKilometresForEveryUnit();
    void maxBaseDistanceUnitOutsideRange_data();
    void maxBaseDistanceUnitOutsideRange();
    void maxBaseDistanceFailures_data();
    void maxBaseDistanceFailures();

    // GroundStationCount.
    void groundStationCount_data();
    void groundStationCount();
    void groundStationCountFailures_data();
    void groundStationCountFailures();
    void groundStationCountAfterUnitReminderDividesByZero();

    // StationSpacing.
    void stationSpacing_data();
    void stationSpacing();
    void stationSpacingFailures_data();
    void stationSpacingFailures();

    // PlanStations: the ground station calculator's steps, as it runs them.
    void planStations_data();
    void planStations();

    // ShowUnitReminder.
    void showUnitReminder();

    // The checked arithmetic underneath.
    void narrowToSingle_data();
    void narrowToSingle();
    void checkedQuotient_data();
    void checkedQuotient();
    void narrowToCount_data();
    void narrowToCount();
    void exceedsAsSingle_data();
    void exceedsAsSingle();
    void arithmeticErrorCarriesItsKind();
};

// ---------------------------------------------------------------- unit table

void TestSurveyMath::unitTable() {
    QCOMPARE(KilometersPerUnit(0).value(), 1.0);
    QCOMPARE(KilometersPerUnit(1).value(), 1.609344);
    QCOMPARE(KilometersPerUnit(2).value(), 1.852);
    QCOMPARE(UnitName(0).value(), std::string("Kilometers"));
    QCOMPARE(UnitName(1).value(), std::string("Statute Miles"));
    QCOMPARE(UnitName(2).value(), std::string("Nautical Miles"));
    QCOMPARE(UnitAbbreviation(0).value(), std::string("K"));
    QCOMPARE(UnitAbbreviation(1).value(), std::string("SM"));
    QCOMPARE(UnitAbbreviation(2).value(), std::string("NM"));
}

void TestSurveyMath::unitTableOutsideRange_data() {
    QTest::addColumn<int>("unit");
    QTest::newRow("no unit") << int(kUnitCount);
    QTest::newRow("7") << 7;
    QTest::newRow("-1") << -1;
    QTest::newRow("32767") << 32767;
    QTest::newRow("-32768") << -32768;
}

void TestSurveyMath::unitTableOutsideRange() {
    QFETCH(int, unit);
    const auto index = static_cast<UnitIndex>(unit);
    QVERIFY(!KilometersPerUnit(index));
    QVERIFY(!UnitName(index));
    QVERIFY(!UnitAbbreviation(index));
}

// ------------------------------------------------------- ConvertToKilometers

void TestSurveyMath::convertToKilometers_data() {
    QTest::addColumn<float>("distance");
    QTest::addColumn<int>("unit");
    QTest::addColumn<double>("expected");
    QTest::addColumn<QString>("expectedName");

    // The worked conversions: the products are narrowed to single precision.
    QTest::newRow("25 statute miles") << 25.0F << 1 << 40.23360061645508 << "Statute Miles";
    QTest::newRow("10 nautical miles") << 10.0F << 2 << 18.520000457763672 << "Nautical Miles";
    QTest::newRow("100 km unchanged") << 100.0F << 0 << 100.0 << "Kilometers";
    // Kilometres are not touched, not even re-rounded.
    QTest::newRow("0.1 km untouched") << 0.1F << 0 << static_cast<double>(0.1F) << "Kilometers";
    QTest::newRow("FLT_MAX km untouched")
        << FLT_MAX << 0 << static_cast<double>(FLT_MAX) << "Kilometers";
    QTest::newRow("0 statute miles") << 0.0F << 1 << 0.0 << "Statute Miles";
    QTest::newRow("-25 statute miles") << -25.0F << 1 << -40.23360061645508 << "Statute Miles";
    QTest::newRow("1 statute mile")
        << 1.0F << 1 << static_cast<double>(1.609344F) << "Statute Miles";
    QTest::newRow("1 nautical mile")
        << 1.0F << 2 << static_cast<double>(1.852F) << "Nautical Miles";
    // A product far below the smallest single underflows to zero: no error.
    QTest::newRow("underflow") << 1e-45F << 2 << static_cast<double>(1e-45F * 1.852F)
                               << "Nautical Miles";
}

void TestSurveyMath::convertToKilometers() {
    QFETCH(float, distance);
    QFETCH(int, unit);
    QFETCH(double, expected);
    QFETCH(QString, expectedName);

    FakeMessageService messages;
    std::string unitName = "previous";
    const UnitIndex index = static_cast<UnitIndex>(unit);
    QCOMPARE(Outcome([&] { ConvertToKilometers(distance, index, unitName, messages); }),
             kNoFailure);
    PELLUCORS_COMPARE_EXACT(static_cast<double>(distance), expected);
    QCOMPARE(QString::fromStdString(unitName), expectedName);
    QVERIFY(messages.shown.empty());
}

void TestSurveyMath::convertToKilometersUnitOutsideRange_data() {
    QTest::addColumn<int>("unit");
    QTest::addColumn<QString>("nameBefore");
    QTest::newRow("no unit") << int(kUnitCount) << "previous";
    QTest::newRow("-1") << -1 << "Kilometers";
    QTest::newRow("32767") << 32767 << "";
    QTest::newRow("-32768") << -32768 << "Statute Miles";
}

void TestSurveyMath::convertToKilometersUnitOutsideRange() {
    QFETCH(int, unit);
    QFETCH(QString, nameBefore);

    FakeMessageService messages;
    float distance = 100.0F;
    std::string unitName = nameBefore.toStdString();
    const UnitIndex index = static_cast<UnitIndex>(unit);
    QCOMPARE(Outcome([&] { ConvertToKilometers(distance, index, unitName, messages); }),
             kNoFailure);
    QVERIFY(OnlyTheUnitReminder(messages));
    PELLUCORS_COMPARE_EXACT(distance, 100.0F);
    QCOMPARE(QString::fromStdString(unitName), nameBefore);
}

void TestSurveyMath::convertToKilometersLargestConvertible() {
    // The largest statute-mile distance whose product still rounds to FLT_MAX,
    // and the next single up, which overflows.
    FakeMessageService messages;
    std::string unitName;

    float distance = 0x1.3e245cp+127F;
    QCOMPARE(Outcome([&] { ConvertToKilometers(distance, 1, unitName, messages); }), kNoFailure);
    PELLUCORS_COMPARE_EXACT(distance, FLT_MAX);
    QCOMPARE(unitName, std::string("Statute Miles"));

    unitName = "previous";
    distance = std::nextafter(0x1.3e245cp+127F, kFloatInf);
    QCOMPARE(Outcome([&] { ConvertToKilometers(distance, 1, unitName, messages); }),
             QStringLiteral("Overflow"));
    PELLUCORS_COMPARE_EXACT(distance, kFloatInf);
    QCOMPARE(unitName, std::string("previous"));

    // Nautical miles: the largest convertible one lands just below FLT_MAX.
    distance = 0x1.147536p+127F;
    QCOMPARE(Outcome([&] { ConvertToKilometers(distance, 2, unitName, messages); }), kNoFailure);
    PELLUCORS_COMPARE_EXACT(distance, 0x1.fffffcp+127F);
    distance = 0x1.147538p+127F;
    QCOMPARE(Outcome([&] { ConvertToKilometers(distance, 2, unitName, messages); }),
             QStringLiteral("Overflow"));
    QVERIFY(messages.shown.empty());
}

void TestSurveyMath::convertToKilometersFailures_data() {
    QTest::addColumn<float>("distance");
    QTest::addColumn<int>("unit");
    QTest::addColumn<QString>("kind");
    QTest::addColumn<float>("storedDistance");

    // The overflowed value is stored into the caller's variable before the
    // check fails, as the calculator has it; the unit name is not written.
    QTest::newRow("3e38 statute miles") << 3e38F << 1 << "Overflow" << kFloatInf;
    QTest::newRow("-3e38 statute miles") << -3e38F << 1 << "Overflow" << -kFloatInf;
    QTest::newRow("FLT_MAX nautical miles") << FLT_MAX << 2 << "Overflow" << kFloatInf;
    QTest::newRow("-FLT_MAX nautical miles") << -FLT_MAX << 2 << "Overflow" << -kFloatInf;
    QTest::newRow("infinite statute miles") << kFloatInf << 1 << "Overflow" << kFloatInf;
    // Invalid: the product is NaN, and NaN is what is stored.
    QTest::newRow("NaN statute miles") << kFloatNaN << 1 << "Invalid" << kFloatNaN;
    QTest::newRow("NaN nautical miles") << kFloatNaN << 2 << "Invalid" << kFloatNaN;
}

void TestSurveyMath::convertToKilometersFailures() {
    QFETCH(float, distance);
    QFETCH(int, unit);
    QFETCH(QString, kind);
    QFETCH(float, storedDistance);

    FakeMessageService messages;
    std::string unitName = "previous";
    const UnitIndex index = static_cast<UnitIndex>(unit);
    QCOMPARE(Outcome([&] { ConvertToKilometers(distance, index, unitName, messages); }), kind);
    PELLUCORS_COMPARE_EXACT(distance, storedDistance);
    QCOMPARE(unitName, std::string("previous"));
    QVERIFY(messages.shown.empty());
}

// ----------------------------------------------------- ConvertFromKilometers

void TestSurveyMath::convertFromKilometers_data() {
    QTest::addColumn<float>("distanceKm");
    QTest::addColumn<int>("unit");
    QTest::addColumn<double>("expected");

    QTest::newRow("40.2336 km in statute miles") << 40.2336F << 1 << 25.0;
    QTest::newRow("18.52 km in nautical miles") << 18.52F << 2 << 10.0;
    QTest::newRow("30 km in statute miles") << 30.0F << 1 << 18.641136169433594;
    QTest::newRow("30 km in nautical miles") << 30.0F << 2 << 16.19870376586914;
    QTest::newRow("10 km in nautical miles") << 10.0F << 2 << 5.3995680809021;
    QTest::newRow("-30 km in statute miles") << -30.0F << 1 << -18.641136169433594;
    QTest::newRow("0 km in nautical miles") << 0.0F << 2 << 0.0;
    QTest::newRow("100 km in km") << 100.0F << 0 << 100.0;
    QTest::newRow("0.1 km in km") << 0.1F << 0 << static_cast<double>(0.1F);
    QTest::newRow("FLT_MAX km in statute miles")
        << FLT_MAX << 1 << static_cast<double>(static_cast<float>(FLT_MAX / 1.609344));
    // Outside 0..2 the kilometres are kept (the log then names the unit).
    QTest::newRow("no unit keeps km") << 100.0F << int(kUnitCount) << 100.0;
    QTest::newRow("unit -1 keeps km") << 40.2336F << -1 << static_cast<double>(40.2336F);
}

void TestSurveyMath::convertFromKilometers() {
    QFETCH(float, distanceKm);
    QFETCH(int, unit);
    QFETCH(double, expected);
    float result = 0.0F;
    QCOMPARE(
        Outcome([&] { result = ConvertFromKilometers(distanceKm, static_cast<UnitIndex>(unit)); }),
        kNoFailure);
    PELLUCORS_COMPARE_EXACT(static_cast<double>(result), expected);
}

void TestSurveyMath::convertFromKilometersRoundTrip() {
    // Whole numbers typed in a unit come back as typed, to 2 decimals.
    FakeMessageService messages;
    for (const UnitIndex unit : {UnitIndex{0}, UnitIndex{1}, UnitIndex{2}}) {
        for (const float typed : {0.5F, 1.0F, 10.0F, 25.0F, 100.0F, 250.0F, 12345.0F}) {
            float distance = typed;
            std::string unitName;
            ConvertToKilometers(distance, unit, unitName, messages);
            const float back = ShownDistance(distance, unit);
            QVERIFY2(back == typed, qPrintable(QStringLiteral("%1 in unit %2 came back as %3")
                                                   .arg(typed)
                                                   .arg(unit)
                                                   .arg(back)));
        }
    }
    QVERIFY(messages.shown.empty());
}

void TestSurveyMath::convertFromKilometersUnderflowIsNoError() {
    float result = -1.0F;
    QCOMPARE(Outcome([&] { result = ConvertFromKilometers(1e-45F, 2); }), kNoFailure);
    QVERIFY(result >= 0.0F && result <= 1e-45F);
}

void TestSurveyMath::convertFromKilometersFailures_data() {
    QTest::addColumn<float>("distanceKm");
    QTest::addColumn<int>("unit");
    QTest::addColumn<QString>("kind");
    QTest::newRow("NaN in statute miles") << kFloatNaN << 1 << "Invalid";
    QTest::newRow("NaN in nautical miles") << kFloatNaN << 2 << "Invalid";
    QTest::newRow("NaN in km") << kFloatNaN << 0 << "Invalid";
    QTest::newRow("infinity in statute miles") << kFloatInf << 1 << "Overflow";
    QTest::newRow("-infinity in nautical miles") << -kFloatInf << 2 << "Overflow";
}

void TestSurveyMath::convertFromKilometersFailures() {
    QFETCH(float, distanceKm);
    QFETCH(int, unit);
    QFETCH(QString, kind);
    QCOMPARE(Outcome([&] { ConvertFromKilometers(distanceKm, static_cast<UnitIndex>(unit)); }),
             kind);
}

// ------------------------------------------------------------- TotalGpsError

void TestSurveyMath::totalGpsError_data() {
    QTest::addColumn<float>("distanceKm");
    QTest::addColumn<double>("expected");
    QTest::newRow("0") << 0.0F << 2.0;
    QTest::newRow("1") << 1.0F << 2.1;
    QTest::newRow("10") << 10.0F << 3.0;
    QTest::newRow("25") << 25.0F << 4.5;
    QTest::newRow("100") << 100.0F << 12.0;
    QTest::newRow("40.23360061645508") << 40.2336F << 6.023360061645508;
    QTest::newRow("18.52 (10 nautical miles)") << 18.52F << 3.852000045776367;
    QTest::newRow("12345678") << 12345678.0F << 1234569.8;
}

void TestSurveyMath::totalGpsError() {
    QFETCH(float, distanceKm);
    QFETCH(double, expected);
    double result = 0.0;
    QCOMPARE(Outcome([&] { result = TotalGpsError(distanceKm); }), kNoFailure);
    PELLUCORS_COMPARE_EXACT(result, expected);
}

void TestSurveyMath::totalGpsErrorRoundedByTheCaller() {
    // The ground station calculator rounds the total error to 2 decimals and
    // keeps it as a single.
    PELLUCORS_COMPARE_EXACT(NarrowToSingle(RoundToCents(TotalGpsError(40.2336F))), 6.02F);
    PELLUCORS_COMPARE_EXACT(NarrowToSingle(RoundToCents(TotalGpsError(0.125F))), 2.01F);
    PELLUCORS_COMPARE_EXACT(NarrowToSingle(RoundToCents(TotalGpsError(12345678.0F))), 1234569.75F);
}

void TestSurveyMath::totalGpsErrorCancellation_data() {
    // The seven-step sequence, not 2 + d / 10: from about 3.6e10 km on the
    // subtraction in step 5 loses part or all of the fixed 2 cm.
    QTest::addColumn<float>("distanceKm");
    QTest::addColumn<double>("expected");
    QTest::addColumn<bool>("sameAsSimpleFormula");
    QTest::newRow("3.6e10 km: still 2 + d/10") << 3.6e10F << 3599999797.2 << true;
    QTest::newRow("4e10 km: 0.4 cm lost") << 4e10F << 4000000001.6 << false;
    QTest::newRow("1e11 km: 0.4 cm lost") << 1e11F << 9999999796.8 << false;
    QTest::newRow("1e12 km: the 2 cm gone") << 1e12F << 99999999590.4 << false;
    QTest::newRow("1e13 km: the 2 cm gone") << 1e13F << 999999982796.8 << false;
    // So far out even 2 + d / 10 has no room for the 2 cm.
    QTest::newRow("FLT_MAX km: the 2 cm gone") << FLT_MAX << 3.4028234663852886e+37 << true;
}

void TestSurveyMath::totalGpsErrorCancellation() {
    QFETCH(float, distanceKm);
    QFETCH(double, expected);
    QFETCH(bool, sameAsSimpleFormula);
    double result = 0.0;
    QCOMPARE(Outcome([&] { result = TotalGpsError(distanceKm); }), kNoFailure);
    PELLUCORS_COMPARE_EXACT(result, expected);
    const double d = distanceKm;
    QCOMPARE(result == 2.0 + d / 10.0, sameAsSimpleFormula);
    if (distanceKm >= 1e12F) {
        // Only the 1 ppm part is left.
        PELLUCORS_COMPARE_EXACT(result, d / 10.0);
    }
}

void TestSurveyMath::totalGpsErrorFailures_data() {
    QTest::addColumn<float>("distanceKm");
    QTest::addColumn<QString>("kind");
    // Step 5 subtracts infinity from infinity: an invalid operation.
    QTest::newRow("infinity") << kFloatInf << "Invalid";
    QTest::newRow("-infinity") << -kFloatInf << "Invalid";
    QTest::newRow("NaN") << kFloatNaN << "Invalid";
}

void TestSurveyMath::totalGpsErrorFailures() {
    QFETCH(float, distanceKm);
    QFETCH(QString, kind);
    QCOMPARE(Outcome([&] { TotalGpsError(distanceKm); }), kind);
}

// ----------------------------------------------------------- MaxBaseDistance

void TestSurveyMath::maxBaseDistance_data() {
    QTest::addColumn<float>("allowedErrorCm");
    QTest::addColumn<int>("unit");
    QTest::addColumn<double>("expected");

    QTest::newRow("5 cm, km") << 5.0F << 0 << 30.0;
    QTest::newRow("2.5 cm, km") << 2.5F << 0 << 5.0;
    QTest::newRow("10 cm, km") << 10.0F << 0 << 80.0;
    // Kilometres for every unit: multiplying the allowed error by the unit
    // factor (60.4672 for 5 cm in statute miles) would over-state the reach.
    QTest::newRow("5 cm, statute miles") << 5.0F << 1 << 30.0;
    QTest::newRow("3 cm, statute miles") << 3.0F << 1 << 10.0;
    QTest::newRow("5 cm, nautical miles") << 5.0F << 2 << 30.0;
    QTest::newRow("3 cm, nautical miles") << 3.0F << 2 << 10.0;
    QTest::newRow("3 cm, km") << 3.0F << 0 << 10.0;
    QTest::newRow("2 cm: no distance") << 2.0F << 0 << 0.0;
    QTest::newRow("1 cm: below the fixed error") << 1.0F << 0 << -10.0;
    QTest::newRow("1000000 cm") << 1000000.0F << 0 << 9999980.0;
    // Just inside single range: 3.4e37 * 10 stays below FLT_MAX.
    QTest::newRow("3.4e37 cm") << 3.4e37F << 0
                               << static_cast<double>(static_cast<float>(
                                      (static_cast<double>(3.4e37F) - 2.0) * 10.0));
}

void TestSurveyMath::maxBaseDistance() {
    QFETCH(float, allowedErrorCm);
    QFETCH(int, unit);
    QFETCH(double, expected);
    FakeMessageService messages;
    float result = -1.0F;
    QCOMPARE(Outcome([&] {
                 result = MaxBaseDistance(allowedErrorCm, static_cast<UnitIndex>(unit), messages);
             }),
             kNoFailure);
    PELLUCORS_COMPARE_EXACT(static_cast<double>(result), expected);
    QVERIFY(messages.shown.empty());
}

void TestSurveyMath::maxBaseDistanceIsKilometresForEveryUnit() {
    FakeMessageService messages;
    for (const float allowed : {2.01F, 2.5F, 3.0F, 5.0F, 6.02F, 10.0F, 100.0F, 1e6F}) {
        const float km = MaxBaseDistance(allowed, 0, messages);
        PELLUCORS_COMPARE_EXACT(MaxBaseDistance(allowed, 1, messages), km);
        PELLUCORS_COMPARE_EXACT(MaxBaseDistance(allowed, 2, messages), km);
    }
    // 5 cm with statute miles allows 30 km = 18.64 statute miles, not 60.47.
    PELLUCORS_COMPARE_EXACT(ShownDistance(MaxBaseDistance(5.0F, 1, messages), 1), 18.64F);
    QVERIFY(messages.shown.empty());
}

void TestSurveyMath::maxBaseDistanceUnitOutsideRange_data() {
    QTest::addColumn<float>("allowedErrorCm");
    QTest::addColumn<int>("unit");
    QTest::newRow("5 cm, unit 7") << 5.0F << 7;
    QTest::newRow("5 cm, no unit") << 5.0F << int(kUnitCount);
    QTest::newRow("5 cm, unit -1") << 5.0F << -1;
    // The reminder comes first; there is no arithmetic to fail.
    QTest::newRow("FLT_MAX cm, no unit") << FLT_MAX << int(kUnitCount);
    QTest::newRow("NaN cm, no unit") << kFloatNaN << int(kUnitCount);
}

void TestSurveyMath::maxBaseDistanceUnitOutsideRange() {
    QFETCH(float, allowedErrorCm);
    QFETCH(int, unit);
    FakeMessageService messages;
    float result = -1.0F;
    QCOMPARE(Outcome([&] {
                 result = MaxBaseDistance(allowedErrorCm, static_cast<UnitIndex>(unit), messages);
             }),
             kNoFailure);
    PELLUCORS_COMPARE_EXACT(result, 0.0F);
    QVERIFY(OnlyTheUnitReminder(messages));
}

void TestSurveyMath::maxBaseDistanceFailures_data() {
    QTest::addColumn<float>("allowedErrorCm");
    QTest::addColumn<int>("unit");
    QTest::addColumn<QString>("kind");
    // (a - 2) x 10 narrowed above FLT_MAX.
    QTest::newRow("FLT_MAX cm, km") << FLT_MAX << 0 << "Overflow";
    QTest::newRow("FLT_MAX cm, statute miles") << FLT_MAX << 1 << "Overflow";
    QTest::newRow("FLT_MAX cm, nautical miles") << FLT_MAX << 2 << "Overflow";
    QTest::newRow("3.5e37 cm, km") << 3.5e37F << 0 << "Overflow";
    QTest::newRow("-FLT_MAX cm, km") << -FLT_MAX << 0 << "Overflow";
    QTest::newRow("infinite cm") << kFloatInf << 0 << "Overflow";
    QTest::newRow("NaN cm") << kFloatNaN << 0 << "Invalid";
}

void TestSurveyMath::maxBaseDistanceFailures() {
    QFETCH(float, allowedErrorCm);
    QFETCH(int, unit);
    QFETCH(QString, kind);
    FakeMessageService messages;
    QCOMPARE(
        Outcome([&] { MaxBaseDistance(allowedErrorCm, static_cast<UnitIndex>(unit), messages); }),
        kind);
    QVERIFY(messages.shown.empty());
}

// -------------------------------------------------------- GroundStationCount

void TestSurveyMath::groundStationCount_data() {
    QTest::addColumn<float>("lineKm");
    QTest::addColumn<float>("maxDistanceKm");
    QTest::addColumn<float>("allowedErrorCm");
    QTest::addColumn<float>("totalErrorCm");
    QTest::addColumn<int>("expected");

    // The ratio rounded up; a whole ratio stays, but for one station where the
    // allowed error exceeds the total error.
    QTest::newRow("ratio 3.33: 4") << 100.0F << 30.0F << 5.0F << 12.0F << 4;
    QTest::newRow("ratio 2 whole, 5 > 8 false: 2") << 60.0F << 30.0F << 5.0F << 8.0F << 2;
    QTest::newRow("ratio 1 whole, 5 > 5 false: 1") << 30.0F << 30.0F << 5.0F << 5.0F << 1;
    // 25 statute miles at 5 cm needs 2 stations (the line
    // is 40.2336 km, each station covers 30 km).
    QTest::newRow("40.2336 km / 30 km: 2") << 40.2336F << 30.0F << 5.0F << 6.02F << 2;
    // The function itself still counts any ratio below one as one station.
    QTest::newRow("ratio 0.665: 1") << 40.2336F << 60.4672F << 5.0F << 6.02F << 1;
    // A whole ratio with the allowed error above the total error: 1, whatever
    // the ratio; equal takes the ratio.
    QTest::newRow("ratio 2 whole, 6 > 5: 1") << 60.0F << 30.0F << 6.0F << 5.0F << 1;
    QTest::newRow("ratio 3 whole, 5.5 > 5: 1") << 90.0F << 30.0F << 5.5F << 5.0F << 1;
    QTest::newRow("ratio 2 whole, 5 = 5: 2") << 60.0F << 30.0F << 5.0F << 5.0F << 2;
    QTest::newRow("ratio 40000 whole, 6 > 5: 1") << 40000.0F << 1.0F << 6.0F << 5.0F << 1;
    // The ratio is narrowed to a single before the whole-number test:
    // 0.3f / 0.1f is 3.0000000745 in double, exactly 3 as a single.
    QTest::newRow("0.3 / 0.1 narrowed to 3") << 0.3F << 0.1F << 5.0F << 5.0F << 3;
    QTest::newRow("0.3 / 0.1 narrowed, 6 > 5: 1") << 0.3F << 0.1F << 6.0F << 5.0F << 1;
    QTest::newRow("30.000002 / 30 is not whole") << 30.000002F << 30.0F << 5.0F << 5.0F << 2;
    // The ratios behind the worked log rows.
    QTest::newRow("100 km at 5 cm") << 100.0F << 30.0F << 5.0F << 12.0F << 4;
    QTest::newRow("18.52 km at 3 cm") << 18.52F << 10.0F << 3.0F << 3.85F << 2;
    QTest::newRow("250 km at 2.5 cm") << 250.0F << 5.0F << 2.5F << 27.0F << 50;
    QTest::newRow("0.125 km at 3 cm") << 0.125F << 10.0F << 3.0F << 2.01F << 1;
    QTest::newRow("12345678 km at 1000000 cm")
        << 12345678.0F << 9999980.0F << 1000000.0F << 1234569.75F << 2;
    // The edges of the 16-bit count.
    QTest::newRow("ratio 32767 whole") << 32767.0F << 1.0F << 5.0F << 6.0F << 32767;
    QTest::newRow("ratio 32766.5: 32767") << 32766.5F << 1.0F << 5.0F << 6.0F << 32767;
    QTest::newRow("ratio 0 whole, 5 > 2: 1") << 0.0F << 30.0F << 5.0F << 2.0F << 1;
    QTest::newRow("ratio 0 whole, 1 > 2 false: 0") << 0.0F << 30.0F << 1.0F << 2.0F << 0;
}

void TestSurveyMath::groundStationCount() {
    QFETCH(float, lineKm);
    QFETCH(float, maxDistanceKm);
    QFETCH(float, allowedErrorCm);
    QFETCH(float, totalErrorCm);
    QFETCH(int, expected);
    std::int16_t result = -1;
    QCOMPARE(Outcome([&] {
                 result = GroundStationCount(lineKm, maxDistanceKm, allowedErrorCm, totalErrorCm);
             }),
             kNoFailure);
    QCOMPARE(static_cast<int>(result), expected);
}

void TestSurveyMath::groundStationCountFailures_data() {
    QTest::addColumn<float>("lineKm");
    QTest::addColumn<float>("maxDistanceKm");
    QTest::addColumn<float>("allowedErrorCm");
    QTest::addColumn<float>("totalErrorCm");
    QTest::addColumn<QString>("kind");

    // A count beyond 16 bits is an overflow.
    QTest::newRow("ratio 40000 whole, 5 > 6 false")
        << 40000.0F << 1.0F << 5.0F << 6.0F << "Overflow";
    QTest::newRow("ratio 40000 whole, 5 = 5") << 80000.0F << 2.0F << 5.0F << 5.0F << "Overflow";
    QTest::newRow("ratio 32767.5: 32768") << 32767.5F << 1.0F << 5.0F << 6.0F << "Overflow";
    QTest::newRow("ratio 40000.5: 40001") << 40000.5F << 1.0F << 5.0F << 6.0F << "Overflow";
    QTest::newRow("ratio 32768 whole") << 32768.0F << 1.0F << 5.0F << 6.0F << "Overflow";
    QTest::newRow("ratio -40000.5") << -40000.5F << 1.0F << 5.0F << 6.0F << "Overflow";
    QTest::newRow("ratio 1e9") << 1e9F << 1.0F << 5.0F << 6.0F << "Overflow";
    // The ratio itself narrowed above FLT_MAX.
    QTest::newRow("ratio above FLT_MAX") << 3e38F << 1e-3F << 5.0F << 6.0F << "Overflow";
    QTest::newRow("ratio 1 / 1e-45") << 1.0F << 1e-45F << 5.0F << 6.0F << "Overflow";
    // Max distance 0 (allowed error 2 cm, or a unit reminder before).
    QTest::newRow("max distance 0") << 40.0F << 0.0F << 2.0F << 6.0F << "DivisionByZero";
    QTest::newRow("max distance -0") << 40.0F << -0.0F << 2.0F << 6.0F << "DivisionByZero";
    QTest::newRow("0 / 0") << 0.0F << 0.0F << 2.0F << 2.0F << "Invalid";
    QTest::newRow("NaN line") << kFloatNaN << 30.0F << 5.0F << 6.0F << "Invalid";
    QTest::newRow("NaN max distance") << 40.0F << kFloatNaN << 5.0F << 6.0F << "Invalid";
}

void TestSurveyMath::groundStationCountFailures() {
    QFETCH(float, lineKm);
    QFETCH(float, maxDistanceKm);
    QFETCH(float, allowedErrorCm);
    QFETCH(float, totalErrorCm);
    QFETCH(QString, kind);
    QCOMPARE(
        Outcome([&] { GroundStationCount(lineKm, maxDistanceKm, allowedErrorCm, totalErrorCm); }),
        kind);
}

void TestSurveyMath::groundStationCountAfterUnitReminderDividesByZero() {
    // MaxBaseDistance returns 0 after the unit reminder, and a caller that
    // goes on fails with division by zero.
    FakeMessageService messages;
    const float maxDistance = MaxBaseDistance(5.0F, 7, messages);
    QVERIFY(OnlyTheUnitReminder(messages));
    QCOMPARE(Outcome([&] { GroundStationCount(40.0F, maxDistance, 5.0F, 6.0F); }),
             QStringLiteral("DivisionByZero"));
    // So does an allowed error of exactly 2 cm in kilometres.
    const float atTwo = MaxBaseDistance(2.0F, 0, messages);
    QCOMPARE(Outcome([&] { GroundStationCount(40.0F, atTwo, 2.0F, 6.0F); }),
             QStringLiteral("DivisionByZero"));
}

// ------------------------------------------------------------ StationSpacing

void TestSurveyMath::stationSpacing_data() {
    QTest::addColumn<float>("lineKm");
    QTest::addColumn<int>("count");
    QTest::addColumn<double>("expected");
    QTest::newRow("100 / 4") << 100.0F << 4 << 25.0;
    QTest::newRow("40.2336 / 1") << 40.2336F << 1 << 40.23360061645508;
    QTest::newRow("40.2336 / 2") << 40.2336F << 2 << 20.11680030822754;
    QTest::newRow("18.52 / 2") << 18.52F << 2 << 9.260000228881836;
    QTest::newRow("250 / 50") << 250.0F << 50 << 5.0;
    QTest::newRow("12345678 / 2") << 12345678.0F << 2 << 6172839.0;
    QTest::newRow("10 / 3 narrowed") << 10.0F << 3 << static_cast<double>(10.0F / 3.0F);
    QTest::newRow("100 / -4") << 100.0F << -4 << -25.0;
    QTest::newRow("0 / 4") << 0.0F << 4 << 0.0;
    QTest::newRow("FLT_MAX / 1") << FLT_MAX << 1 << static_cast<double>(FLT_MAX);
    QTest::newRow("underflow 1e-45 / 32767") << 1e-45F << 32767 << 0.0;
}

void TestSurveyMath::stationSpacing() {
    QFETCH(float, lineKm);
    QFETCH(int, count);
    QFETCH(double, expected);
    float result = -1.0F;
    QCOMPARE(Outcome([&] { result = StationSpacing(lineKm, static_cast<std::int16_t>(count)); }),
             kNoFailure);
    PELLUCORS_COMPARE_EXACT(static_cast<double>(result), expected);
}

void TestSurveyMath::stationSpacingFailures_data() {
    QTest::addColumn<float>("lineKm");
    QTest::addColumn<int>("count");
    QTest::addColumn<QString>("kind");
    QTest::newRow("40 / 0") << 40.0F << 0 << "DivisionByZero";
    QTest::newRow("-40 / 0") << -40.0F << 0 << "DivisionByZero";
    QTest::newRow("0 / 0") << 0.0F << 0 << "Invalid";
    QTest::newRow("NaN / 1") << kFloatNaN << 1 << "Invalid";
    QTest::newRow("infinity / 1") << kFloatInf << 1 << "Overflow";
}

void TestSurveyMath::stationSpacingFailures() {
    QFETCH(float, lineKm);
    QFETCH(int, count);
    QFETCH(QString, kind);
    QCOMPARE(Outcome([&] { StationSpacing(lineKm, static_cast<std::int16_t>(count)); }), kind);
}

// ---------------------------------------------------------- calculator chain

void TestSurveyMath::planStations_data() {
    QTest::addColumn<float>("length");
    QTest::addColumn<int>("unit");
    QTest::addColumn<float>("allowedError");
    QTest::addColumn<int>("count");
    // km: the line, the maximum distance, the spacing; cm: the total error;
    // as shown in the user's unit: the maximum distance, the spacing.
    QTest::addColumn<QList<float>>("results");

    // The worked entries: results in the unit the user picked.
    QTest::newRow("100 km at 5 cm")
        << 100.0F << 0 << 5.0F << 4 << QList<float>{100.0F, 30.0F, 25.0F, 12.0F, 30.0F, 25.0F};
    QTest::newRow("90 km at 5 cm, a whole number of stretches")
        << 90.0F << 0 << 5.0F << 3 << QList<float>{90.0F, 30.0F, 30.0F, 11.0F, 30.0F, 30.0F};
    QTest::newRow("25 statute miles at 5 cm")
        << 25.0F << 1 << 5.0F << 2 << QList<float>{40.2336F, 30.0F, 20.1168F, 6.02F, 18.64F, 12.5F};
    QTest::newRow("10 nautical miles at 3 cm")
        << 10.0F << 2 << 3.0F << 2 << QList<float>{18.52F, 10.0F, 9.26F, 3.85F, 5.4F, 5.0F};
}

void TestSurveyMath::planStations() {
    QFETCH(float, length);
    QFETCH(int, unit);
    QFETCH(float, allowedError);
    QFETCH(int, count);
    QFETCH(QList<float>, results);
    FakeMessageService messages;
    StationPlan plan;

    PlanStations(length, static_cast<UnitIndex>(unit), allowedError, messages, plan);

    QVERIFY(messages.shown.empty());
    QCOMPARE(plan.unitName, *UnitName(static_cast<UnitIndex>(unit)));
    QCOMPARE(int(*plan.stationCount), count);
    const QList<float> planned{*plan.lengthKm,     *plan.maxDistanceKm, *plan.spacingKm,
                               *plan.totalErrorCm, *plan.maxDistance,   *plan.spacing};
    for (qsizetype i = 0; i < results.size(); ++i)
        PELLUCORS_COMPARE_EXACT(planned[i], results[i]);
    QCOMPARE(int(plan.unit), unit);

    // The GPS error calculator, given the line's length, finds the same
    // kilometres and shows the same total error.
    GpsErrorEstimate estimate;
    EstimateGpsError(length, static_cast<UnitIndex>(unit), messages, estimate);
    QCOMPARE(estimate.unitName, plan.unitName);
    PELLUCORS_COMPARE_EXACT(*estimate.distanceKm, results[0]);
    PELLUCORS_COMPARE_EXACT(NarrowToSingle(*estimate.errorCm), results[3]);
}

// ---------------------------------------------------------- ShowUnitReminder

void TestSurveyMath::showUnitReminder() {
    FakeMessageService messages;
    ShowUnitReminder(messages);
    QCOMPARE(messages.shown.size(), std::size_t{1});
    const auto& shown = messages.Last();
    QCOMPARE(shown.title, test::kUnitReminder.title);
    QCOMPARE(shown.text, test::kUnitReminder.text);
    QCOMPARE(shown.icon, MessageIcon::Information);
    QCOMPARE(shown.buttons, MessageButtons::Ok);

    // Five lines joined by CR LF, no other line breaks.
    const QStringList lines = QString::fromStdString(shown.text).split(QStringLiteral("\r\n"));
    QCOMPARE(
        lines,
        QStringList({QStringLiteral("Please select whether the distance"),
                     QStringLiteral("is to be calculated in..."), QStringLiteral("1. Kilometers"),
                     QStringLiteral("2. Nautical Miles or"), QStringLiteral("3. Statute Miles")}));
    for (const QString& line : lines) {
        QVERIFY(!line.contains(QLatin1Char('\r')));
        QVERIFY(!line.contains(QLatin1Char('\n')));
    }
}

// --------------------------------------------------------- checked arithmetic

void TestSurveyMath::narrowToSingle_data() {
    QTest::addColumn<double>("value");
    QTest::addColumn<QString>("kind");
    QTest::addColumn<float>("expected");
    QTest::newRow("40.2336") << 40.2336 << kNoFailure << 40.2336F;
    QTest::newRow("FLT_MAX") << static_cast<double>(FLT_MAX) << kNoFailure << FLT_MAX;
    QTest::newRow("-FLT_MAX") << -static_cast<double>(FLT_MAX) << kNoFailure << -FLT_MAX;
    // Above FLT_MAX but rounding down to it: no overflow.
    QTest::newRow("last double rounding to FLT_MAX")
        << kLastDoubleRoundingToFltMax << kNoFailure << FLT_MAX;
    QTest::newRow("its negative") << -kLastDoubleRoundingToFltMax << kNoFailure << -FLT_MAX;
    QTest::newRow("halfway above FLT_MAX") << kFirstOverflowingDouble << "Overflow" << 0.0F;
    QTest::newRow("-halfway above FLT_MAX") << -kFirstOverflowingDouble << "Overflow" << 0.0F;
    QTest::newRow("1e39") << 1e39 << "Overflow" << 0.0F;
    QTest::newRow("-1e39") << -1e39 << "Overflow" << 0.0F;
    QTest::newRow("DBL_MAX") << DBL_MAX << "Overflow" << 0.0F;
    QTest::newRow("infinity") << kDoubleInf << "Overflow" << 0.0F;
    QTest::newRow("NaN") << kDoubleNaN << "Invalid" << 0.0F;
    // Underflow is not an error.
    QTest::newRow("1e-50 underflows to 0") << 1e-50 << kNoFailure << 0.0F;
    QTest::newRow("-1e-50 underflows to -0") << -1e-50 << kNoFailure << -0.0F;
    QTest::newRow("1e-40 subnormal") << 1e-40 << kNoFailure << static_cast<float>(1e-40);
}

void TestSurveyMath::narrowToSingle() {
    QFETCH(double, value);
    QFETCH(QString, kind);
    QFETCH(float, expected);
    float result = 0.0F;
    QCOMPARE(Outcome([&] { result = NarrowToSingle(value); }), kind);
    if (kind == kNoFailure)
        PELLUCORS_COMPARE_EXACT(result, expected);
}

void TestSurveyMath::checkedQuotient_data() {
    QTest::addColumn<double>("numerator");
    QTest::addColumn<double>("denominator");
    QTest::addColumn<QString>("kind");
    QTest::addColumn<double>("expected");
    QTest::newRow("100 / 4") << 100.0 << 4.0 << kNoFailure << 25.0;
    QTest::newRow("-1 / 3") << -1.0 << 3.0 << kNoFailure << -1.0 / 3.0;
    QTest::newRow("underflow 1e-308 / 1e10") << 1e-308 << 1e10 << kNoFailure << 1e-318;
    QTest::newRow("1 / 0") << 1.0 << 0.0 << "DivisionByZero" << 0.0;
    QTest::newRow("-1 / 0") << -1.0 << 0.0 << "DivisionByZero" << 0.0;
    QTest::newRow("1 / -0") << 1.0 << -0.0 << "DivisionByZero" << 0.0;
    QTest::newRow("0 / 0") << 0.0 << 0.0 << "Invalid" << 0.0;
    QTest::newRow("-0 / 0") << -0.0 << 0.0 << "Invalid" << 0.0;
    QTest::newRow("1e308 / 1e-10") << 1e308 << 1e-10 << "Overflow" << 0.0;
    QTest::newRow("NaN / 1") << kDoubleNaN << 1.0 << "Invalid" << 0.0;
    QTest::newRow("1 / NaN") << 1.0 << kDoubleNaN << "Invalid" << 0.0;
    QTest::newRow("infinity / 1") << kDoubleInf << 1.0 << "Overflow" << 0.0;
    // An infinite operand is an overflow already, whatever it is divided by
    // or divides: not a division by zero, nor a quiet 0.
    QTest::newRow("infinity / 0") << kDoubleInf << 0.0 << "Overflow" << 0.0;
    QTest::newRow("1 / infinity") << 1.0 << kDoubleInf << "Overflow" << 0.0;
}

void TestSurveyMath::checkedQuotient() {
    QFETCH(double, numerator);
    QFETCH(double, denominator);
    QFETCH(QString, kind);
    QFETCH(double, expected);
    double result = 0.0;
    QCOMPARE(Outcome([&] { result = CheckedQuotient(numerator, denominator); }), kind);
    if (kind == kNoFailure)
        PELLUCORS_COMPARE_EXACT(result, expected);
}

void TestSurveyMath::narrowToCount_data() {
    QTest::addColumn<double>("value");
    QTest::addColumn<QString>("kind");
    QTest::addColumn<int>("expected");
    QTest::newRow("0") << 0.0 << kNoFailure << 0;
    QTest::newRow("4") << 4.0 << kNoFailure << 4;
    QTest::newRow("32767") << 32767.0 << kNoFailure << 32767;
    QTest::newRow("-32768") << -32768.0 << kNoFailure << -32768;
    QTest::newRow("32768") << 32768.0 << "Overflow" << 0;
    QTest::newRow("-32769") << -32769.0 << "Overflow" << 0;
    QTest::newRow("40000") << 40000.0 << "Overflow" << 0;
    QTest::newRow("1e300") << 1e300 << "Overflow" << 0;
    QTest::newRow("infinity") << kDoubleInf << "Overflow" << 0;
    QTest::newRow("NaN") << kDoubleNaN << "Invalid" << 0;
}

void TestSurveyMath::narrowToCount() {
    QFETCH(double, value);
    QFETCH(QString, kind);
    QFETCH(int, expected);
    std::int16_t result = 0;
    QCOMPARE(Outcome([&] { result = NarrowToCount(value); }), kind);
    if (kind == kNoFailure)
        QCOMPARE(static_cast<int>(result), expected);
}

void TestSurveyMath::exceedsAsSingle_data() {
    QTest::addColumn<double>("value");
    QTest::addColumn<float>("bound");
    QTest::addColumn<bool>("expected");
    // The number the computation will use is the single.
    QTest::newRow("2.00000001 is 2 as a single") << 2.00000001 << 2.0F << false;
    QTest::newRow("2.0000003 is above 2") << 2.0000003 << 2.0F << true;
    QTest::newRow("2.01 > 2") << 2.01 << 2.0F << true;
    QTest::newRow("2 = 2") << 2.0 << 2.0F << false;
    QTest::newRow("1.99 < 2") << 1.99 << 2.0F << false;
    QTest::newRow("1e-50 underflows to 0") << 1e-50 << 0.0F << false;
    QTest::newRow("1e-40 stays above 0") << 1e-40 << 0.0F << true;
    QTest::newRow("0.1 > 0") << 0.1 << 0.0F << true;
    QTest::newRow("0 = 0") << 0.0 << 0.0F << false;
    QTest::newRow("-5 < 0") << -5.0 << 0.0F << false;
    // Overflowing a single keeps the sign.
    QTest::newRow("1e39 > 0") << 1e39 << 0.0F << true;
    QTest::newRow("1e39 > FLT_MAX") << 1e39 << FLT_MAX << true;
    QTest::newRow("-1e39 < 0") << -1e39 << 0.0F << false;
    QTest::newRow("halfway above FLT_MAX exceeds it") << kFirstOverflowingDouble << FLT_MAX << true;
    QTest::newRow("rounding to FLT_MAX does not exceed it")
        << kLastDoubleRoundingToFltMax << FLT_MAX << false;
    QTest::newRow("infinity") << kDoubleInf << 2.0F << true;
    QTest::newRow("NaN") << kDoubleNaN << 0.0F << false;
}

void TestSurveyMath::exceedsAsSingle() {
    QFETCH(double, value);
    QFETCH(float, bound);
    QFETCH(bool, expected);
    QCOMPARE(ExceedsAsSingle(value, bound), expected);
}

void TestSurveyMath::arithmeticErrorCarriesItsKind() {
    using Kind = ArithmeticError::Kind;
    for (const Kind kind : {Kind::Overflow, Kind::DivisionByZero, Kind::Invalid}) {
        const ArithmeticError error(kind);
        QCOMPARE(error.kind(), kind);
        const std::runtime_error& base = error;
        QVERIFY(std::string(base.what()).size() > 0);
    }
    QVERIFY(std::string(ArithmeticError(Kind::Overflow).what()) !=
            ArithmeticError(Kind::DivisionByZero).what());
    QVERIFY(std::string(ArithmeticError(Kind::Overflow).what()) !=
            ArithmeticError(Kind::Invalid).what());
}

QTEST_APPLESS_MAIN(TestSurveyMath)
#include "tst_survey_math.moc"
