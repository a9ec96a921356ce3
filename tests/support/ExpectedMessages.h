#pragma once

#include "platform/MessageService.h"

#include <string>

// The program's messages as the user must get them, typed once for every
// test: title, text (lines joined by CR LF) and icon.
namespace pellucors::test {

struct ExpectedMessage {
    std::string title;
    std::string text;
    MessageIcon icon;
};

inline const std::string kCheckData = "Pellucors - Please check your data!";
inline const ExpectedMessage kNoDesignation{kCheckData, "Please enter a line designation.",
                                            MessageIcon::Information};
inline const ExpectedMessage kLengthNotNumeric{kCheckData,
                                               "Please enter a numeric value greater then zero\r\n"
                                               "for the length of the flight line.",
                                               MessageIcon::Information};
inline const ExpectedMessage kLengthNotPositive{
    "Pellucor - Please check your data!",
    "Please enter a number larger then zero.\r\n"
    "You can not have a flight line that is zero or less in length.",
    MessageIcon::Information};
inline const ExpectedMessage kErrorNotNumeric{kCheckData,
                                              "Please enter a numeric value greater then zero\r\n"
                                              "for the maximum error allowed.",
                                              MessageIcon::Information};
inline const ExpectedMessage kErrorNotAboveTwo{"Pellucors - Data error!",
                                               "Please enter a numeric value greater then 2\r\n"
                                               "GPS has a built in error of 2 Centimeters.",
                                               MessageIcon::Exclamation};
inline const ExpectedMessage kDistanceNotNumeric{kCheckData, "Please enter a numeric value.",
                                                 MessageIcon::Information};
inline const ExpectedMessage kDistanceNegative{
    kCheckData, "Please enter a distance of zero or more.", MessageIcon::Information};
inline const ExpectedMessage kUnitReminder{"Pellucor - You forgot something!",
                                           "Please select whether the distance\r\n"
                                           "is to be calculated in...\r\n"
                                           "1. Kilometers\r\n"
                                           "2. Nautical Miles or\r\n"
                                           "3. Statute Miles",
                                           MessageIcon::Information};
inline const ExpectedMessage kCalculationError{
    "Pellucors - Calculation error!",
    "The numbers entered are too large to calculate.\r\nPlease check your data.",
    MessageIcon::Information};
inline const ExpectedMessage kLastEntry{
    "Pellucors - Warning!",
    "This is your last entry. Only this last entry will fit on the printout.\r\n"
    "Please print the data entered so far then clear the GPS data from the list.",
    MessageIcon::Information};
inline const ExpectedMessage kTooManyEntries{
    "Pellucors - Too many entries!",
    "You can not make this entry as it will not fit on the printout.\r\n"
    "If you would like to continue entering data print the data already entered.\r\n"
    "Clear the data list only then may you start entering additional data",
    MessageIcon::Exclamation};
inline const ExpectedMessage kTitleRowNotRemoved{
    "Pellucors - Error!", "You can not remove the title row.\r\nPlease make another selection",
    MessageIcon::Information};
inline const ExpectedMessage kNoRowSelected{
    "Pellucors - Error!", "Please select a line to be deleted", MessageIcon::Information};
inline const ExpectedMessage kClearListQuestion{
    "Pellucors - Warning!",
    "You are about to delete all the data in the list box.\r\nDo you wish to continue?",
    MessageIcon::Question};
inline const std::string kPrinterErrorTitle = "Pellucors - Printer error!";

} // namespace pellucors::test
