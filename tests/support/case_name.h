// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "settings/field_table.h"

#include <QStringView>
#include <cctype>
#include <string>
#include <type_traits>

namespace korvex::test {

// A table case's name for GoogleTest and ctest, from its number and the fields
// that set it apart (otherwise a failing case shows as raw bytes). Last argument
// of INSTANTIATE_TEST_SUITE_P: [](const auto& i) { return test::caseName(i.index, i.param.x); }
template <typename... Fields> std::string caseName(std::size_t index, const Fields&... fields) {
    std::string name = std::to_string(index);
    const auto text = [](const auto& field) -> std::string {
        using T = std::decay_t<decltype(field)>;
        if constexpr (std::is_same_v<T, FieldId>)
            return fieldInfo(field).key;
        else if constexpr (std::is_arithmetic_v<T> || std::is_enum_v<T>)
            return std::to_string(static_cast<long long>(field));
        else if constexpr (std::is_same_v<T, const char*>)
            return field ? field : "null";
        else
            return QStringView(field).toUtf8().toStdString();
    };
    ((name += "_" + text(fields)), ...);
    for (char& c : name)
        c = std::isalnum(static_cast<unsigned char>(c)) ? c : '_';
    return name;
}

} // namespace korvex::test
