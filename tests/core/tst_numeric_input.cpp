// The regional check-and-read of a typed number (the value read is exactly the
// number the check accepted, and group separators stand only between groups
// of three digits), and the calculators' input checks built on it.
#include "CoreTestHelpers.h"
#include "ExpectedMessages.h"

#include "core/InputChecks.h"
#include "core/NumericInput.h"

#include <QObject>
#include <QTest>

#include <string>

using namespace pellucors;
using pellucors::test::Describe;
using pellucors::test::ToStd;

namespace {

using Message = const test::ExpectedMessage*; // null: accepted

const QByteArray kNarrowNoBreakSpace = "\xE2\x80\xAF"; // U+202F
const QByteArray kNoBreakSpace = "\xC2\xA0";           // U+00A0

} // namespace

Q_DECLARE_METATYPE(Message)

class TestNumericInput : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void readRegionalNumber_data();
    void readRegionalNumber();
    void minusZeroReadsAsZero();
    void inputChecks_data();
    void inputChecks();

private:
    static void AddRow(const char* name, const QByteArray& text, const QByteArray& decimal,
                       const QByteArray& group, bool accepted, double value = 0.0);
    static void English(const char* name, const QByteArray& text, bool accepted,
                        double value = 0.0) {
        AddRow(name, text, ".", ",", accepted, value);
    }
    static void German(const char* name, const QByteArray& text, bool accepted,
                       double value = 0.0) {
        AddRow(name, text, ",", ".", accepted, value);
    }
    static void FrenchNarrow(const char* name, const QByteArray& text, bool accepted,
                             double value = 0.0) {
        AddRow(name, text, ",", kNarrowNoBreakSpace, accepted, value);
    }
    static void FrenchNoBreak(const char* name, const QByteArray& text, bool accepted,
                              double value = 0.0) {
        AddRow(name, text, ",", kNoBreakSpace, accepted, value);
    }
};

void TestNumericInput::AddRow(const char* name, const QByteArray& text, const QByteArray& decimal,
                              const QByteArray& group, bool accepted, double value) {
    QTest::newRow(name) << text << decimal << group << accepted << value;
}

void TestNumericInput::readRegionalNumber_data() {
    QTest::addColumn<QByteArray>("text");
    QTest::addColumn<QByteArray>("decimal");
    QTest::addColumn<QByteArray>("group");
    QTest::addColumn<bool>("accepted");
    QTest::addColumn<double>("value");

    // ---- English: decimal ".", group ","
    // Plain numbers, blanks around them ignored.
    English("en 12", "12", true, 12.0);
    English("en ' 12 '", " 12 ", true, 12.0);
    English("en tabs around 12", "\t12\t", true, 12.0);
    English("en '12 '", "12 ", true, 12.0);
    English("en 2.5", "2.5", true, 2.5);
    English("en 0.125", "0.125", true, 0.125);
    English("en +5", "+5", true, 5.0);
    English("en -5", "-5", true, -5.0);
    English("en -2.5", "-2.5", true, -2.5);
    English("en .5", ".5", true, 0.5);
    English("en -.5", "-.5", true, -0.5);
    English("en 5.", "5.", true, 5.0);
    English("en leading zeros", "007", true, 7.0);
    // Exponent: E or e, optional sign, digits.
    English("en 1e3", "1e3", true, 1000.0);
    English("en 1E3", "1E3", true, 1000.0);
    English("en 1e+3", "1e+3", true, 1000.0);
    English("en 1e-3", "1e-3", true, 0.001);
    English("en 1.5e3", "1.5e3", true, 1500.0);
    English("en -2.5E-2", "-2.5E-2", true, -0.025);
    English("en 1e", "1e", false);
    English("en 1e+", "1e+", false);
    English("en 1E-", "1E-", false);
    English("en e3", "e3", false);
    English("en 1e3.5", "1e3.5", false);
    English("en 1e1,000", "1e1,000", false);
    // Group separators only between groups of three.
    English("en 1,000", "1,000", true, 1000.0);
    English("en 1,000,000", "1,000,000", true, 1000000.0);
    English("en 12,345.67", "12,345.67", true, 12345.67);
    English("en 1,000.5", "1,000.5", true, 1000.5);
    English("en -1,000", "-1,000", true, -1000.0);
    English("en 1,000e3", "1,000e3", true, 1000000.0);
    English("en 999,999", "999,999", true, 999999.0);
    English("en 1,5", "1,5", false);
    English("en 1,50", "1,50", false);
    English("en 1,0000", "1,0000", false);
    English("en 1,,000", "1,,000", false);
    English("en 1000,000", "1000,000", false);
    English("en 1,000,00", "1,000,00", false);
    English("en ,000", ",000", false);
    English("en 1,000,", "1,000,", false);
    English("en 1,", "1,", false);
    English("en 1.000,5", "1.000,5", false);
    English("en 1.5,000", "1.5,000", false);
    English("en 1 000", "1 000", false);
    English("en 1_000", "1_000", false);
    // Anything else is not a number.
    English("en empty", "", false);
    English("en blanks", "   ", false);
    English("en tab", "\t", false);
    English("en 12abc", "12abc", false);
    English("en abc", "abc", false);
    English("en 1 2", "1 2", false);
    English("en .", ".", false);
    English("en -", "-", false);
    English("en +", "+", false);
    English("en +-5", "+-5", false);
    English("en -+5", "-+5", false);
    English("en --5", "--5", false);
    English("en - 5", "- 5", false);
    English("en 1..5", "1..5", false);
    English("en 1.5.5", "1.5.5", false);
    English("en 0x10", "0x10", false);
    English("en &H10", "&H10", false);
    English("en &O17", "&O17", false);
    English("en NaN", "NaN", false);
    English("en nan", "nan", false);
    English("en Infinity", "Infinity", false);
    English("en inf", "inf", false);
    English("en -inf", "-inf", false);
    English("en $5", "$5", false);
    English("en 5%", "5%", false);
    English("en unicode minus",
            "\xE2\x88\x92"
            "5",
            false);
    English("en fullwidth digits", "\xEF\xBC\x91\xEF\xBC\x92", false);
    English("en 2,5", "2,5", false);
    // Range: beyond double range is not a usable number, below it is zero.
    English("en 1e308", "1e308", true, 1e308);
    English("en 1e309", "1e309", false);
    English("en -1e309", "-1e309", false);
    English("en 1.8e308", "1.8e308", false);
    English("en 0.001e311", "0.001e311", true, 1e308);
    English("en 1000e306", "1000e306", false);
    English("en 1e-400", "1e-400", true, 0.0);
    English("en -1e-400", "-1e-400", true, 0.0);
    // Leading zeros are no order of magnitude.
    English("en 400 zeros, then 1e-400", QByteArray(400, '0') + "1e-400", true, 0.0);
    English("en 0e999", "0e999", true, 0.0);
    English("en huge exponent", "1e99999999999999999999", false);
    English("en huge negative exponent", "1e-99999999999999999999", true, 0.0);
    // Very long digit strings.
    English("en 1 and 308 zeros", "1" + QByteArray(308, '0'), true, 1e308);
    English("en 1 and 309 zeros", "1" + QByteArray(309, '0'), false);
    English("en 400 nines", QByteArray(400, '9'), false);
    English("en 1000 leading zeros", QByteArray(1000, '0') + "12", true, 12.0);
    English("en 400 zeros after the point", "0." + QByteArray(400, '0') + "1", true, 0.0);
    English("en 500 threes", "0." + QByteArray(500, '3'), true, 1.0 / 3.0);
    English("en 1 and 400 zeros e-400", "1" + QByteArray(400, '0') + "e-400", true, 1.0);
    English("en 100 groups", "1" + QByteArray(",000").repeated(100), true, 1e300);
    English("en 103 groups", "1" + QByteArray(",000").repeated(103), false);

    // ---- German: decimal ",", group "."
    German("de 2,5", "2,5", true, 2.5);
    German("de -2,5", "-2,5", true, -2.5);
    German("de ' 2,5 '", " 2,5 ", true, 2.5);
    German("de ,5", ",5", true, 0.5);
    German("de 1.000", "1.000", true, 1000.0);
    German("de 1.000,5", "1.000,5", true, 1000.5);
    German("de 1.000.000", "1.000.000", true, 1000000.0);
    German("de 12.345,67", "12.345,67", true, 12345.67);
    German("de 1,5e3", "1,5e3", true, 1500.0);
    German("de 1,000 is one", "1,000", true, 1.0);
    German("de 1e3", "1e3", true, 1000.0);
    German("de 1.5", "1.5", false);
    German("de 1.0000", "1.0000", false);
    German("de 1..000", "1..000", false);
    German("de 1,000.5", "1,000.5", false);
    German("de 2,5abc", "2,5abc", false);
    German("de 2,5,5", "2,5,5", false);
    German("de empty", "", false);

    // ---- French: decimal ",", group U+202F (narrow no-break space); users
    // type a plain space for it.
    FrenchNarrow("fr 1<U+202F>000", "1" + kNarrowNoBreakSpace + "000", true, 1000.0);
    FrenchNarrow("fr 1 000", "1 000", true, 1000.0);
    FrenchNarrow("fr 1 000 000,5", "1 000 000,5", true, 1000000.5);
    FrenchNarrow("fr ' 1 000 '", " 1 000 ", true, 1000.0);
    FrenchNarrow("fr 2,5", "2,5", true, 2.5);
    FrenchNarrow("fr -1 000,25", "-1 000,25", true, -1000.25);
    FrenchNarrow("fr 1 5", "1 5", false);
    FrenchNarrow("fr 1  000", "1  000", false);
    FrenchNarrow("fr 1 0000", "1 0000", false);
    FrenchNarrow("fr 1.5", "1.5", false);
    FrenchNarrow("fr 1,000.5", "1,000.5", false);
    FrenchNarrow("fr 1<U+202F>5", "1" + kNarrowNoBreakSpace + "5", false);
    // Group U+00A0 (no-break space), plain space typed for it as well.
    FrenchNoBreak("fr 1<U+00A0>000", "1" + kNoBreakSpace + "000", true, 1000.0);
    FrenchNoBreak("fr nbsp 1 000", "1 000", true, 1000.0);
    FrenchNoBreak("fr 1<U+00A0>000,25", "1" + kNoBreakSpace + "000,25", true, 1000.25);
    FrenchNoBreak("fr nbsp 1 5", "1 5", false);

    // ---- A locale without grouping.
    AddRow("no grouping 1000", "1000", ".", "", true, 1000.0);
    AddRow("no grouping 1,000", "1,000", ".", "", false);
}

void TestNumericInput::readRegionalNumber() {
    QFETCH(QByteArray, text);
    QFETCH(QByteArray, decimal);
    QFETCH(QByteArray, group);
    QFETCH(bool, accepted);
    QFETCH(double, value);

    const RegionalSeparators separators{ToStd(decimal), ToStd(group)};
    const auto read = ReadRegionalNumber(ToStd(text), separators);
    QCOMPARE(read.has_value(), accepted);
    // The check and the reading never disagree.
    QCOMPARE(IsNumericText(ToStd(text), separators), accepted);
    if (accepted) {
        QVERIFY2(*read == value,
                 qPrintable(
                     QStringLiteral("read %1, expected %2").arg(Describe(*read), Describe(value))));
    }
}

void TestNumericInput::minusZeroReadsAsZero() {
    const RegionalSeparators english{".", ","};
    for (const char* text : {"-0", "+0", "0", "-0.0", "-0e5", "0,000"}) {
        const auto read = ReadRegionalNumber(text, english);
        QVERIFY2(read.has_value(), text);
        QVERIFY2(*read == 0.0, text);
    }
}

// The calculators' checks in their order, the first that fails naming its
// input and message; an accepted entry gives the values read.
void TestNumericInput::inputChecks_data() {
    using namespace pellucors::test;
    QTest::addColumn<QByteArrayList>("typed"); // designation, length, error; or a distance
    QTest::addColumn<bool>("unitSelected");
    QTest::addColumn<int>("input");
    QTest::addColumn<Message>("message");
    const auto add = [](const char* name, const QByteArrayList& typed, bool unit, Input input,
                        Message message) {
        QTest::newRow(name) << typed << unit << int(input) << message;
    };
    add("no designation first", {"", "abc", "1"}, false, Input::LineNumber, &kNoDesignation);
    add("length abc", {" ", "abc", "5"}, true, Input::Length, &kLengthNotNumeric);
    add("length 1e-50, 0 as a single", {"L1", "1e-50", "5"}, true, Input::Length,
        &kLengthNotPositive);
    add("error abc", {"L1", "100", "abc"}, true, Input::AllowedError, &kErrorNotNumeric);
    add("error 2.00000001, 2 as a single", {"L1", "100", "2.00000001"}, true, Input::AllowedError,
        &kErrorNotAboveTwo);
    add("no unit last", {"L1", "100", "5"}, false, Input::Units, &kUnitReminder);
    add("accepted: 0.5 km at 2.5 cm", {"L1", "0.5", "2.5"}, true, Input::Units, nullptr);
    add("distance abc", {"abc"}, true, Input::Distance, &kDistanceNotNumeric);
    add("distance -30", {"-30"}, false, Input::Distance, &kDistanceNegative);
    add("distance 25, no unit", {"25"}, false, Input::Units, &kUnitReminder);
    add("accepted: distance 25", {"25"}, true, Input::Units, nullptr);
    add("accepted: distance 0, the base station", {"0"}, true, Input::Units, nullptr);
}

void TestNumericInput::inputChecks() {
    QFETCH(QByteArrayList, typed);
    QFETCH(bool, unitSelected);
    QFETCH(int, input);
    QFETCH(Message, message);
    const RegionalSeparators english{".", ","};
    std::variant<StationInputs, InputProblem> station;
    std::variant<double, InputProblem> distance;
    const InputProblem* problem = nullptr;
    if (typed.size() == 3) {
        station = CheckStationEntry(ToStd(typed[0]), ToStd(typed[1]), ToStd(typed[2]), unitSelected,
                                    english);
        problem = std::get_if<InputProblem>(&station);
    } else {
        distance = CheckErrorDistance(ToStd(typed[0]), unitSelected, english);
        problem = std::get_if<InputProblem>(&distance);
    }
    QCOMPARE(problem != nullptr, message != nullptr);
    if (problem) {
        QCOMPARE(int(problem->input), input);
        QCOMPARE(std::string(problem->message.title), message->title);
        QCOMPARE(std::string(problem->message.text), message->text);
        QCOMPARE(problem->message.icon, message->icon);
    } else if (typed.size() == 3) {
        QCOMPARE(std::get<StationInputs>(station).length, 0.5);
        QCOMPARE(std::get<StationInputs>(station).allowedErrorCm, 2.5);
    } else {
        QCOMPARE(std::get<double>(distance), typed[0].toDouble());
    }
}

QTEST_APPLESS_MAIN(TestNumericInput)
#include "tst_numeric_input.moc"
