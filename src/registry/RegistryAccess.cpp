#include "registry/RegistryAccess.h"

namespace plevo {

RegDataType dataTypeOf(std::optional<std::uint32_t> typeCode) {
    if (!typeCode) return RegDataType::None;
    switch (*typeCode) {
        case kRegSz:
            return RegDataType::String;
        case kRegExpandSz:
            return RegDataType::ExpandString;
        case kRegDword:
            return RegDataType::Dword;
        case kRegBinary:
            return RegDataType::Binary;
        default:
            return RegDataType::None;
    }
}

std::string invalidDataTypeMessage(std::string_view valueName) {
    return "Invalid data type for '" + std::string(valueName) + "'";
}

std::string failedToSetDataMessage(std::string_view valueName) {
    return "Failed to set data for '" + std::string(valueName) + "'";
}

}  // namespace plevo
