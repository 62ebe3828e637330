#include "prediction/satellite_info_ndot.h"

#include <cmath>

#include "satellite/column_number.h"

NdotChangeResult ChangeNdotField(const std::string& line1, const std::string& answer,
                                 const std::string& proposed) {
    NdotChangeResult result;
    if (answer.empty() || answer == proposed) return result;
    // Only a plain decimal fits the field: blanks around it are dropped, and an
    // exponent or other letters would put characters into the element columns that
    // no later reading accepts.
    const auto first = answer.find_first_not_of(' ');
    const auto last = answer.find_last_not_of(' ');
    const std::string number =
        first == std::string::npos ? std::string() : answer.substr(first, last - first + 1);
    const auto value = ParseNumber(number);
    if (!value || number.find_first_not_of("+-.0123456789") != std::string::npos) {
        result.change = NdotChange::NotANumber;
        return result;
    }
    if (std::fabs(*value) >= 1.0) {
        result.change = NdotChange::TooLarge;
        return result;
    }
    const std::string cut = number.substr(0, 11);
    const auto point = cut.find('.');
    std::string field;
    if (point == std::string::npos)
        field = " .00000000";
    else
        field = (*value >= 0.0 ? " " : "-") + cut.substr(point);
    // Digits beyond the field's eight decimals would shift the rest of the line.
    if (field.size() > 10) field.resize(10);
    while (field.size() < 10) field += '0';

    std::string head = std::string(ColumnText(line1, 1, 33));
    head.resize(33, ' ');
    result.field = field;
    result.newLine1 =
        head + field + std::string(ColumnText(line1, 44, static_cast<int>(line1.size())));
    result.change = NdotChange::Changed;
    return result;
}
