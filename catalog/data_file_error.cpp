#include "catalog/data_file_error.h"

#include <utility>

#include "core/number_text.h"
#include "core/text_file.h"

DataFileError::DataFileError(DataErrorKind kind, std::string fileName, const std::string& message)
    : std::runtime_error(message), kind_(kind), fileName_(std::move(fileName)) {}

DataFileError DataFileError::FileNotFound(std::string fileName) {
    std::string message = MissingFileMessage(fileName);
    return DataFileError(DataErrorKind::FileNotFound, std::move(fileName), message);
}

DataFileError DataFileError::Unreadable(std::string fileName) {
    std::string message = UnreadableFileMessage(fileName);
    return DataFileError(DataErrorKind::Unreadable, std::move(fileName), message);
}

DataFileError DataFileError::EndOfFile(std::string fileName) {
    std::string message = EndOfFileMessage(fileName);
    return DataFileError(DataErrorKind::EndOfFile, std::move(fileName), message);
}

DataFileError DataFileError::BadFloat(std::string fileName, std::string_view fieldText) {
    std::string message = InFileMessage(numtext::BadRealMessage(fieldText), fileName);
    return DataFileError(DataErrorKind::BadNumber, std::move(fileName), message);
}

DataFileError DataFileError::BadInteger(std::string fileName, std::string_view fieldText) {
    std::string message = InFileMessage(numtext::BadIntegerMessage(fieldText), fileName);
    return DataFileError(DataErrorKind::BadNumber, std::move(fileName), message);
}
